// Every control writes its own record line as soon as its content changes.
#include "editor/editor_window.h"
#include "widgets/stat_spin_edit.h"

namespace beditor {
namespace {

const QColor kStrongAbility(0, 128, 0);
const QColor kAverageAbility(0, 0, 0);
const QColor kWeakAbility(255, 0, 0);

// Green from 15, red up to 7, black between.
void ColourAbility(StatSpinEdit* box) {
  const double value = box->Value();
  QPalette palette = box->palette();
  const QColor colour = value >= 15 ? kStrongAbility : value > 7 ? kAverageAbility : kWeakAbility;
  palette.setColor(QPalette::Active, QPalette::Text, colour);
  palette.setColor(QPalette::Inactive, QPalette::Text, colour);
  box->setPalette(palette);
}

}  // namespace

void EditorWindow::WriteLine(int line, const std::string& text) { fighterLines_.ReplaceLine(line, text); }

void EditorWindow::FieldChanged(const record::FieldLayout& field) {
  if (field.kind == record::FieldKind::Ability) ColourAbility(controls_.AbilityBox(field.field));
  WriteLine(field.line, controls_.StoredLine(field));
}

}  // namespace beditor
