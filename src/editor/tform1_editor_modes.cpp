// The TAV and JEX editor modes. The mode button's caption names the mode it leads to.
#include <QComboBox>
#include <QLineEdit>

#include "editor/tform1.h"
#include "widgets/gradient_button.h"
#include "widgets/stat_spin_edit.h"

namespace beditor {
namespace {

const QString kToJexCaption = QStringLiteral("Switch to JEX Editor");
const QString kToTavCaption = QStringLiteral("Switch to TAV Editor");

}  // namespace

void TForm1::btCambiarEditorClick() {
  if (btCambiarEditor->Caption() == kToTavCaption) {
    btCambiarEditor->SetCaption(kToJexCaption);
    LoadWeightList("TAV Weights.txt");
    editorMode_ = 0;
    for (QWidget* control : std::initializer_list<QWidget*>{cbGroundGPlan, edSherdog, cbFancySubs, spTD, spTDDef,
                                                            spGnP, spGroundGame, spSub, spSubDef})
      control->setEnabled(true);
    return;
  }
  LoadWeightList("JEX Weights.txt");
  editorMode_ = 1;
  btCambiarEditor->SetCaption(kToTavCaption);
  cbGroundGPlan->setEnabled(false);
  cbGroundGPlan->setCurrentIndex(0);
  edSherdog->setEnabled(false);
  edSherdog->setText(QStringLiteral("0"));
  for (QWidget* control : std::initializer_list<QWidget*>{cbFancySubs, spTD, spTDDef, spGnP, spGroundGame, spSub, spSubDef})
    control->setEnabled(false);
}

}  // namespace beditor
