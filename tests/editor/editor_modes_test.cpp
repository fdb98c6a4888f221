#include "editor_fixture.h"

namespace beditor::test {
namespace {

class EditorModes : public EditorTest {
 protected:
  void SetUp() override {
    StartShown();
    dialogs_.Clear();
  }
  std::vector<QWidget*> Locked() {
    std::vector<QWidget*> controls;
    for (const char* name : {"cbGroundGPlan", "edSherdog", "cbFancySubs", "spTD", "spTDDef", "spGnP",
                             "spGroundGame", "spSub", "spSubDef"})
      controls.push_back(Find<QWidget>(name));
    return controls;
  }
};

TEST_F(EditorModes, SwitchingToJexLocksNineFieldsAndLoadsItsWeights) {
  WriteFighter("f.txt", SampleFighter());
  Form().LoadFighter(folder_ / "f.txt");
  Button("btCambiarEditor")->Click();
  EXPECT_TRUE(dialogs_.messages.empty());
  EXPECT_EQ(Form().EditorMode(), 1);
  EXPECT_EQ(Button("btCambiarEditor")->Caption(), "Switch to TAV Editor");
  EXPECT_EQ(Combo("cbCatPeso")->count(), 6);
  EXPECT_EQ(Combo("cbCatPeso")->currentIndex(), -1);
  for (QWidget* control : Locked()) EXPECT_FALSE(control->isEnabled()) << control->objectName().toStdString();
  EXPECT_FALSE(Label("edSherdogLabel")->isEnabled());
  EXPECT_TRUE(Combo("cbFancyStrikes")->isEnabled());
  EXPECT_TRUE(Combo("cbClinchGPlan")->isEnabled());
  EXPECT_EQ(Edit("edSherdog")->text(), "0");
  EXPECT_EQ(Line(26), "0");
  EXPECT_EQ(Combo("cbGroundGPlan")->currentText(), "Sub");
  EXPECT_EQ(Line(27), "2") << "selected by code: the record keeps the file's plan";
  EXPECT_EQ(Line(20), "1");
  EXPECT_EQ(Spin("spTD")->IntegerValue(), 5) << "locked values stay in place";

  Button("btCambiarEditor")->Click();
  EXPECT_EQ(Form().EditorMode(), 0);
  EXPECT_EQ(Button("btCambiarEditor")->Caption(), "Switch to JEX Editor");
  EXPECT_EQ(Combo("cbCatPeso")->count(), 7);
  for (QWidget* control : Locked()) EXPECT_TRUE(control->isEnabled());
  EXPECT_EQ(Edit("edSherdog")->text(), "0");
  EXPECT_EQ(Combo("cbGroundGPlan")->currentText(), "Sub");
}

TEST_F(EditorModes, MissingWeightListKeepsTheOtherGamesEntriesButSwitchesAnyway) {
  Remove("JEX Weights.txt");
  Button("btCambiarEditor")->Click();
  EXPECT_EQ(dialogs_.Texts(), QStringList{"Weight file not found. Using default"});
  EXPECT_EQ(dialogs_.messages[0].kind, ShownMessage::Plain);
  EXPECT_EQ(Combo("cbCatPeso")->count(), 7);
  EXPECT_EQ(Button("btCambiarEditor")->Caption(), "Switch to TAV Editor");
  for (QWidget* control : Locked()) EXPECT_FALSE(control->isEnabled());
}

TEST_F(EditorModes, ClearingInJexEmptiesTheLockedFieldsAndKeepsThemLocked) {
  Button("btCambiarEditor")->Click();
  Button("CmdButton4")->Click();
  EXPECT_TRUE(Edit("edSherdog")->text().isEmpty());
  EXPECT_EQ(Combo("cbGroundGPlan")->currentIndex(), -1);
  for (QWidget* control : Locked()) EXPECT_FALSE(control->isEnabled());
  EXPECT_EQ(Form().EditorMode(), 1);
}

TEST_F(EditorModes, TheModeInForceAtCloseIsRestoredNextTime) {
  Button("btCambiarEditor")->Click();
  EXPECT_TRUE(Form().close());
  EXPECT_EQ(ReadBytes(folder_ / "EditorMode.txt"), "1\r\n");
  StartShown();
  EXPECT_EQ(Button("btCambiarEditor")->Caption(), "Switch to TAV Editor");
  for (QWidget* control : Locked()) EXPECT_FALSE(control->isEnabled());
}

TEST_F(EditorModes, ACommandLineFighterIsLoadedBeforeTheRememberedModeApplies) {
  std::filesystem::create_directories(folder_ / "Fighters/LW");
  WriteFighter("Fighters/LW/a.txt", SampleFighter());
  Write("EditorMode.txt", "1\r\n");
  StartShown({"LW/a.txt"});
  EXPECT_EQ(Edit("edNombre")->text(), "Ana de Souza");
  EXPECT_EQ(Combo("cbCatPeso")->currentIndex(), -1);
  EXPECT_EQ(Line(26), "0");
  EXPECT_EQ(Line(27), "2");
}

TEST_F(EditorModes, ExitButtonAndTitleBarBothStoreTheMode) {
  Button("btCambiarEditor")->Click();
  QTest::mouseClick(Button("CmdButton3"), Qt::LeftButton);
  EXPECT_FALSE(Form().isVisible());
  EXPECT_EQ(ReadBytes(folder_ / "EditorMode.txt"), "1\r\n");
}

}  // namespace
}  // namespace beditor::test
