#include "editor/field_controls.h"

#include <QComboBox>
#include <QLineEdit>
#include <cstdint>

#include "core/number_text.h"
#include "qt_adapters/widget_text.h"
#include "widgets/stat_spin_edit.h"

namespace beditor {
namespace {

using record::FieldKind;
using record::FieldLayout;

// What a control may put into a record line: Windows-1252 bytes, never CR, LF or NUL.
std::string RecordText(const QString& text) {
  std::string bytes = QStringToWindows1252(text);
  std::erase_if(bytes, [](char c) { return c == '\r' || c == '\n' || c == '\0'; });
  return bytes;
}

// Selects a list position, or none when it lies outside the list; never notifies.
void SelectPosition(QComboBox* box, std::int64_t position) {
  box->setCurrentIndex(position >= 0 && position < box->count() ? static_cast<int>(position) : -1);
}

}  // namespace

void FieldControls::Add(record::Field field, QWidget* control) {
  controls_[record::RowOf(field)] = control;
  windowOrder_.push_back(&record::LayoutOf(field));
}

QLineEdit* FieldControls::TextBox(record::Field field) const { return static_cast<QLineEdit*>(Control(field)); }

StatSpinEdit* FieldControls::AbilityBox(record::Field field) const {
  return static_cast<StatSpinEdit*>(Control(field));
}

QComboBox* FieldControls::ListBox(record::Field field) const { return static_cast<QComboBox*>(Control(field)); }

void FieldControls::OnChange(QObject* context,
                             const std::function<void(const FieldLayout&)>& changed) const {
  for (const FieldLayout* field : windowOrder_) {
    const auto tell = [changed, field] { changed(*field); };
    switch (field->kind) {
      case FieldKind::Text:
        QObject::connect(TextBox(field->field), &QLineEdit::textChanged, context, tell);
        break;
      case FieldKind::Ability:
        AbilityBox(field->field)->OnChange = [tell](StatSpinEdit*) { tell(); };
        break;
      case FieldKind::Team:
        QObject::connect(ListBox(field->field)->lineEdit(), &QLineEdit::textEdited, context, tell);
        [[fallthrough]];
      case FieldKind::Choice:
        // Only the user's picks: a position selected by code does not notify.
        QObject::connect(ListBox(field->field), &QComboBox::activated, context, tell);
        break;
    }
  }
}

std::string FieldControls::StoredLine(const FieldLayout& field) const {
  switch (field.kind) {
    case FieldKind::Text:
      return RecordText(TextBox(field.field)->text());
    case FieldKind::Ability:
      return FormatWholeNumber(AbilityBox(field.field)->Value());
    case FieldKind::Choice:
      return FormatInteger(
          static_cast<std::int32_t>(record::StoredChoice(field.field, ListBox(field.field)->currentIndex())));
    case FieldKind::Team:
      return RecordText(ListBox(field.field)->currentText());
  }
  return {};
}

void FieldControls::Show(const FieldLayout& field, std::string_view line) const {
  switch (field.kind) {
    case FieldKind::Text:
      TextBox(field.field)->setText(Windows1252ToQString(line));
      break;
    case FieldKind::Ability:
      AbilityBox(field.field)->SetValue(ParseInteger(line));
      break;
    case FieldKind::Choice:
      SelectPosition(ListBox(field.field), record::ChoicePosition(field.field, ParseInteger(line)));
      break;
    case FieldKind::Team:
      ListBox(field.field)->setEditText(line == record::kNoTeamLine ? QString() : Windows1252ToQString(line));
      break;
  }
}

bool FieldControls::ShowsNothing(record::Field field) const {
  switch (record::LayoutOf(field).kind) {
    case FieldKind::Text:
      return TextBox(field)->text().isEmpty();
    case FieldKind::Ability:
      return false;
    case FieldKind::Choice:
      return ListBox(field)->currentIndex() < 0;
    case FieldKind::Team:
      return ListBox(field)->currentText().isEmpty();
  }
  return false;
}

void FieldControls::Clear() const {
  for (const FieldLayout* field : windowOrder_) {
    switch (field->kind) {
      case FieldKind::Text:
        TextBox(field->field)->clear();
        break;
      case FieldKind::Ability:
        AbilityBox(field->field)->SetValue(0);
        break;
      case FieldKind::Choice:
      case FieldKind::Team: {
        QComboBox* box = ListBox(field->field);
        box->setCurrentIndex(-1);
        if (box->isEditable()) box->clearEditText();
        break;
      }
    }
  }
}

}  // namespace beditor
