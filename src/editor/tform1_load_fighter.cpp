// Loading a fighter file into the record and the form.
#include <QComboBox>
#include <QLineEdit>
#include <cstdint>

#include "editor/fighter_record.h"
#include "editor/tform1.h"
#include "files/file_errors.h"
#include "files/number_text.h"
#include "files/windows_1252.h"
#include "widgets/stat_spin_edit.h"

namespace beditor {
namespace {

// The lines a load converts to numbers, besides the fight style.
constexpr int kNumberLines[] = {0,  1,  2,  3,  4,  5,  6,  7,  8,  9,  10, 11, 12, 13,
                                14, 15, 16, 19, 20, 23, 27, 28, 29, 33, 32};

// Selects a list position, or none when it lies outside the list; never notifies.
void SelectPosition(QComboBox* box, std::int64_t position) {
  box->setCurrentIndex(position >= 0 && position < box->count() ? static_cast<int>(position) : -1);
}

}  // namespace

void TForm1::LoadFighter(const std::filesystem::path& path) {
  try {
    LineList file;
    file.LoadLines(path);
    while (file.LineCount() < record::kLoadedLineCount) file.AppendLine("0");
    if (file.LineAt(record::kFightStyle) == "3") file.ReplaceLine(record::kFightStyle, "2");
    // Every number is checked before anything changes, so a bad file leaves the record and
    // the form as they were.
    for (int line : kNumberLines) ParseInteger(file.LineAt(line));

    fighterLines_ = std::move(file);
    const auto number = [this](int line) { return ParseInteger(fighterLines_.LineAt(line)); };
    const auto text = [this](int line) { return Windows1252ToQString(fighterLines_.LineAt(line)); };
    for (StatSpinEdit* box : abilityBoxes_)
      if (box->Tag() != record::kGroundGame) box->SetValue(number(box->Tag()));
    edNombre->setText(text(record::kFullName));
    edNombreCorto->setText(text(record::kCommonName));
    SelectPosition(cbGamePlan, std::int64_t{number(record::kGamePlan)} - 1);
    SelectPosition(cbCatPeso, std::int64_t{number(record::kWeightCategory)} + 1);
    edEstatura->setText(text(record::kHeight));
    edPeso->setText(text(record::kWeight));
    spGroundGame->SetValue(number(record::kGroundGame));
    lbNacionalidad->setText(text(record::kNationality));
    lbFechaNac->setText(text(record::kBirthDate));
    edSherdog->setText(text(record::kSherdog));
    SelectPosition(cbGroundGPlan, number(record::kGroundGamePlan));
    SelectPosition(cbFancyStrikes, number(record::kFancyStrikes));
    SelectPosition(cbFancySubs, number(record::kFancySubs));
    SelectPosition(cbClinchGPlan, number(record::kClinchGamePlan));
    SelectPosition(cbJuegoSucio, number(record::kFightStyle));
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
