// The TAV and JEX editor modes. The mode button's caption names the mode it leads to; it is
// derived from the mode, never read back.
#include <QComboBox>
#include <QLineEdit>

#include "core/fighter_layout.h"
#include "editor/tform1.h"
#include "widgets/gradient_button.h"
#include "widgets/stat_spin_edit.h"

namespace beditor {
namespace {

QString ModeButtonCaption(record::Game game) {
  return game == record::Game::TAV ? QStringLiteral("Switch to JEX Editor") : QStringLiteral("Switch to TAV Editor");
}

}  // namespace

void TForm1::btCambiarEditorClick() {
  if (game_ == record::Game::JEX) {
    game_ = record::Game::TAV;
    btCambiarEditor->SetCaption(ModeButtonCaption(game_));
    LoadWeightList(record::WeightListFileName(game_));
    editorMode_ = 0;
    for (QWidget* control : std::initializer_list<QWidget*>{cbGroundGPlan, edSherdog, cbFancySubs, spTD, spTDDef,
                                                            spGnP, spGroundGame, spSub, spSubDef})
      control->setEnabled(true);
    return;
  }
  game_ = record::Game::JEX;
  LoadWeightList(record::WeightListFileName(game_));
  editorMode_ = 1;
  btCambiarEditor->SetCaption(ModeButtonCaption(game_));
  cbGroundGPlan->setEnabled(false);
  cbGroundGPlan->setCurrentIndex(0);
  edSherdog->setEnabled(false);
  edSherdog->setText(QStringLiteral("0"));
  for (QWidget* control : std::initializer_list<QWidget*>{cbFancySubs, spTD, spTDDef, spGnP, spGroundGame, spSub, spSubDef})
    control->setEnabled(false);
}

}  // namespace beditor
