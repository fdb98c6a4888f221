#pragma once
// The form's controls by the record field each one edits, as the editor's layout table pairs
// them, and one rule per kind of field for how its control shows a record line, what line
// the control's content stands for, and when the control tells of a change.
#include <array>
#include <functional>
#include <string>
#include <string_view>
#include <vector>

#include "core/fighter_layout.h"

class QComboBox;
class QLineEdit;
class QObject;
class QWidget;

namespace beditor {

class StatSpinEdit;

class FieldControls {
 public:
  // Called for each control as the window builds it, in the order the window holds them. By
  // the field's kind, the control is a QLineEdit (text), a StatSpinEdit (ability) or a
  // QComboBox (choice; team, editable).
  void Add(record::Field field, QWidget* control);

  QWidget* Control(record::Field field) const { return controls_[record::RowOf(field)]; }
  QLineEdit* TextBox(record::Field field) const;
  StatSpinEdit* AbilityBox(record::Field field) const;
  QComboBox* ListBox(record::Field field) const;

  // Calls `changed` for the field whose control changed: on every edit and pick of the user,
  // and from code only when a text box's text or an ability box's value changes (a list's
  // selection and the team box's text set by code tell nothing). Connections end with
  // `context`.
  void OnChange(QObject* context, const std::function<void(const record::FieldLayout&)>& changed) const;

  // The record line the control's content stands for: text as Windows-1252 without line
  // breaks or NUL, an ability as its value, a choice as its list position plus the field's
  // offset, the team as shown.
  std::string StoredLine(const record::FieldLayout& field) const;

  // Shows a record line in the field's control: text as it is, an ability or a choice by the
  // line's number (a position outside the list selects nothing), no team as an empty team
  // box. Throws IntegerFormatError, changing nothing, for a number field whose line is not an
  // integer.
  void Show(const record::FieldLayout& field, std::string_view line) const;

  // Whether the control shows nothing: an empty text or team box, a list without a selection.
  bool ShowsNothing(record::Field field) const;

  // Empties every control, in the order the window holds them: text boxes and lists show
  // nothing, ability boxes their lowest value.
  void Clear() const;

 private:
  std::array<QWidget*, record::kFields.size()> controls_{};  // by layout row
  std::vector<const record::FieldLayout*> windowOrder_;
};

}  // namespace beditor
