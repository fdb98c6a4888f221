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
  mode_ = mode_.Switched();
  const record::Game game = mode_.EditedGame();
  if (game == record::Game::TAV) {
    btCambiarEditor->SetCaption(ModeButtonCaption(game));
    LoadWeightList(record::WeightListFileName(game));
    for (QWidget* control : std::initializer_list<QWidget*>{cbGroundGPlan, edSherdog, cbFancySubs, spTD, spTDDef,
                                                            spGnP, spGroundGame, spSub, spSubDef})
      control->setEnabled(true);
    return;
  }
  LoadWeightList(record::WeightListFileName(game));
  btCambiarEditor->SetCaption(ModeButtonCaption(game));
  cbGroundGPlan->setEnabled(false);
  cbGroundGPlan->setCurrentIndex(0);
  edSherdog->setEnabled(false);
  edSherdog->setText(QStringLiteral("0"));
  for (QWidget* control : std::initializer_list<QWidget*>{cbFancySubs, spTD, spTDDef, spGnP, spGroundGame, spSub, spSubDef})
    control->setEnabled(false);
}

}  // namespace beditor
