// The TAV and JEX editor modes. The mode button's caption names the mode it leads to; it is
// derived from the mode, never read back.
#include <QComboBox>
#include <QLineEdit>

#include "core/fighter_layout.h"
#include "editor/tform1.h"
#include "widgets/gradient_button.h"

namespace beditor {
namespace {

QString ModeButtonCaption(record::Game game) {
  return game == record::Game::TAV ? QStringLiteral("Switch to JEX Editor") : QStringLiteral("Switch to TAV Editor");
}

}  // namespace

void TForm1::btCambiarEditorClick() {
  using record::Field;
  constexpr Field kJexLocked[] = {Field::GroundGamePlan, Field::SherdogId,      Field::FancySubmissions,
                                  Field::Takedowns,      Field::TakedownDefence, Field::GroundAndPound,
                                  Field::GroundGame,     Field::Submissions,     Field::SubmissionDefence};
  mode_ = mode_.Switched();
  const record::Game game = mode_.EditedGame();
  if (game == record::Game::TAV) {
    btCambiarEditor->SetCaption(ModeButtonCaption(game));
    LoadWeightList(record::WeightListFileName(game));
    for (Field field : kJexLocked) controls_.Control(field)->setEnabled(true);
    return;
  }
  LoadWeightList(record::WeightListFileName(game));
  btCambiarEditor->SetCaption(ModeButtonCaption(game));
  for (Field field : kJexLocked) {
    controls_.Control(field)->setEnabled(false);
    if (field == Field::GroundGamePlan) controls_.ListBox(field)->setCurrentIndex(0);
    if (field == Field::SherdogId) controls_.TextBox(field)->setText(QStringLiteral("0"));
  }
}

}  // namespace beditor
