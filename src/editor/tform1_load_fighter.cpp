// Loading a fighter file into the record and the form.
#include <QComboBox>
#include <QLineEdit>
#include <cstdint>

#include "core/fighter_record.h"
#include "editor/tform1.h"
#include "core/file_errors.h"
#include "core/number_text.h"
#include "files/widget_text.h"
#include "widgets/stat_spin_edit.h"

namespace beditor {
namespace {

// Selects a list position, or none when it lies outside the list; never notifies.
void SelectPosition(QComboBox* box, std::int64_t position) {
  box->setCurrentIndex(position >= 0 && position < box->count() ? static_cast<int>(position) : -1);
}

}  // namespace

void TForm1::LoadFighter(const std::filesystem::path& path) {
  try {
    LineList file;
    file.LoadLines(path);
    record::NormaliseLoadedLines(file);
    // Every number is checked before anything changes, so a bad file leaves the record and
    // the form as they were.
    for (int line : record::kNumberLines) ParseInteger(file.LineAt(line));

    fighterLines_ = std::move(file);
    const auto number = [this](int line) { return ParseInteger(fighterLines_.LineAt(line)); };
    const auto position = [&number](record::Field field) {
      return record::ChoicePosition(field, number(record::LineOf(field)));
    };
    const auto text = [this](int line) { return Windows1252ToQString(fighterLines_.LineAt(line)); };
    for (StatSpinEdit* box : abilityBoxes_)
      if (box->Tag() != record::kGroundGame) box->SetValue(number(box->Tag()));
    edNombre->setText(text(record::kFullName));
    edNombreCorto->setText(text(record::kCommonName));
    SelectPosition(cbGamePlan, position(record::Field::GamePlan));
    SelectPosition(cbCatPeso, position(record::Field::Category));
    edEstatura->setText(text(record::kHeight));
    edPeso->setText(text(record::kWeight));
    spGroundGame->SetValue(number(record::kGroundGame));
    lbNacionalidad->setText(text(record::kNationality));
    lbFechaNac->setText(text(record::kBirthDate));
    edSherdog->setText(text(record::kSherdog));
    SelectPosition(cbGroundGPlan, position(record::Field::GroundGamePlan));
    SelectPosition(cbFancyStrikes, position(record::Field::FancyStrikes));
    SelectPosition(cbFancySubs, position(record::Field::FancySubmissions));
    SelectPosition(cbClinchGPlan, position(record::Field::ClinchGamePlan));
    SelectPosition(cbJuegoSucio, position(record::Field::FightStyle));
    const std::string& team = fighterLines_.LineAt(record::kTeam);
    cbTeam->setEditText(team == "0" ? QString() : Windows1252ToQString(team));
    // The category as loaded; wraps like the 32-bit arithmetic it stands for.
    loadedCategory_ = static_cast<int>(static_cast<std::uint32_t>(number(record::kWeightCategory)) + 1u);
    loadedPath_ = path;
  } catch (...) {
    dialogs_.ShowPlainMessage(QStringLiteral("El luchador no se ha cargado correctamente"));
  }
}

}  // namespace beditor
