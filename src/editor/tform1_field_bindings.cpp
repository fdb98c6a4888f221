// Every control writes its own record line as soon as its content changes.
#include <QComboBox>
#include <QLineEdit>

#include "core/fighter_record.h"
#include "editor/tform1.h"
#include "core/number_text.h"
#include "files/widget_text.h"
#include "widgets/stat_spin_edit.h"

namespace beditor {
namespace {

// What a control may put into a record line: Windows-1252 bytes, never CR, LF or NUL.
std::string RecordText(const QString& text) {
  std::string bytes = QStringToWindows1252(text);
  std::erase_if(bytes, [](char c) { return c == '\r' || c == '\n' || c == '\0'; });
  return bytes;
}

// A choice as its record line stores it: the list position with the field's offset.
std::string StoredText(record::Field field, const QComboBox* box) {
  return FormatInteger(static_cast<std::int32_t>(record::StoredChoice(field, box->currentIndex())));
}

const QColor kStrongAbility(0, 128, 0);
const QColor kAverageAbility(0, 0, 0);
const QColor kWeakAbility(255, 0, 0);

}  // namespace

void TForm1::WriteLine(int line, const std::string& text) { fighterLines_.ReplaceLine(line, text); }

void TForm1::WriteTextLine(int line, const QLineEdit* box) { WriteLine(line, RecordText(box->text())); }

void TForm1::edNombreChange() { WriteTextLine(record::kFullName, edNombre); }
void TForm1::edNombreCortoChange() { WriteTextLine(record::kCommonName, edNombreCorto); }
void TForm1::edEstaturaChange() { WriteTextLine(record::kHeight, edEstatura); }
void TForm1::edPesoChange() { WriteTextLine(record::kWeight, edPeso); }
void TForm1::lbNacionalidadChange() { WriteTextLine(record::kNationality, lbNacionalidad); }
void TForm1::lbFechaNacChange() { WriteTextLine(record::kBirthDate, lbFechaNac); }
void TForm1::edSherdogChange() { WriteTextLine(record::kSherdog, edSherdog); }

void TForm1::spPunchChange(StatSpinEdit* box) {
  const double value = box->Value();
  QPalette palette = box->palette();
  const QColor colour = value >= 15 ? kStrongAbility : value > 7 ? kAverageAbility : kWeakAbility;
  palette.setColor(QPalette::Active, QPalette::Text, colour);
  palette.setColor(QPalette::Inactive, QPalette::Text, colour);
  box->setPalette(palette);
  WriteLine(box->Tag(), FormatWholeNumber(value));
}

void TForm1::cbGamePlanChange() { WriteLine(record::kGamePlan, StoredText(record::Field::GamePlan, cbGamePlan)); }
void TForm1::cbCatPesoChange() { WriteLine(record::kWeightCategory, StoredText(record::Field::Category, cbCatPeso)); }
void TForm1::cbGroundGPlanChnge() { WriteLine(record::kGroundGamePlan, StoredText(record::Field::GroundGamePlan, cbGroundGPlan)); }
void TForm1::cbFancyStrikesChange() { WriteLine(record::kFancyStrikes, StoredText(record::Field::FancyStrikes, cbFancyStrikes)); }
void TForm1::cbFancySubsChange() { WriteLine(record::kFancySubs, StoredText(record::Field::FancySubmissions, cbFancySubs)); }
void TForm1::cbTeamChange() { WriteLine(record::kTeam, RecordText(cbTeam->currentText())); }
void TForm1::cbJuegoSucioChange() { WriteLine(record::kFightStyle, StoredText(record::Field::FightStyle, cbJuegoSucio)); }
void TForm1::cbClinchGPlanChange() { WriteLine(record::kClinchGamePlan, StoredText(record::Field::ClinchGamePlan, cbClinchGPlan)); }

}  // namespace beditor
