#include <QClipboard>
#include <QGuiApplication>
#include <QAccessible>

#include "editor_fixture.h"

namespace beditor::test {
namespace {

class FieldBindings : public EditorTest {
 protected:
  void SetUp() override {
    StartShown();
    Form().activateWindow();
  }
};

TEST_F(FieldBindings, TypingInATextBoxWritesItsLineAtOnce) {
  const std::vector<std::pair<const char*, int>> boxes = {
      {"edNombre", 17}, {"edNombreCorto", 18}, {"edEstatura", 21}, {"edPeso", 22},
      {"lbNacionalidad", 24}, {"lbFechaNac", 25}, {"edSherdog", 26}};
  for (const auto& [name, line] : boxes) {
    QTest::keyClicks(Edit(name), "Jo");
    EXPECT_EQ(Line(line), "Jo") << name;
    Type(Edit(name), QString::fromUtf8("sé€"));
    EXPECT_EQ(Line(line), "Jos\xE9\x80") << name;
  }
}

TEST_F(FieldBindings, CharactersOutsideWindows1252BecomeQuestionMarks) {
  Type(Edit("edNombre"), QString::fromUtf8("Łukasz 李"));
  EXPECT_EQ(Line(17), "?ukasz ?");
}

TEST_F(FieldBindings, PastedTextKeepsOnlyItsFirstLine) {
  QGuiApplication::clipboard()->setText(QStringLiteral("Ana\r\nde Souza\nmore"));
  for (const char* name : {"edNombre", "edSherdog"}) {
    QLineEdit* box = Edit(name);
    QTest::keyClicks(box, "<>");
    box->setCursorPosition(1);
    QTest::keySequence(box, QKeySequence::Paste);
    EXPECT_EQ(box->text(), "<Ana>") << name;
  }
  QLineEdit* team = Combo("cbTeam")->lineEdit();
  team->setFocus();
  QTest::keySequence(team, QKeySequence::Paste);
  EXPECT_EQ(Line(31), "Ana");
  EXPECT_EQ(Line(17), "<Ana>");
}

TEST_F(FieldBindings, AbilityBoxesColourThemselvesAndWriteTheirTag) {
  StatSpinEdit* punch = Spin("spPunch");
  punch->setFocus();
  const std::vector<std::pair<int, QColor>> steps = {
      {14, QColor(0, 0, 0)}, {15, QColor(0, 128, 0)}, {8, QColor(0, 0, 0)}, {7, QColor(255, 0, 0)}};
  for (const auto& [value, colour] : steps) {
    punch->selectAll();
    QTest::keyClicks(punch, QString::number(value));
    EXPECT_EQ(Line(0), std::to_string(value));
    EXPECT_EQ(punch->palette().color(QPalette::Active, QPalette::Text), colour) << value;
  }
  Spin("spGroundGame")->SetValue(12);
  EXPECT_EQ(Line(23), "12");
  Spin("spKORes")->StepUp();
  EXPECT_EQ(Line(16), "2");
}

// The layout table binds each box to its field: a file's line shows in its box, and a change
// of the box goes back to that line.
TEST_F(FieldBindings, EachAbilityBoxShowsAndWritesItsOwnLine) {
  const std::vector<std::pair<const char*, int>> boxes = {
      {"spPunch", 0},       {"spKick", 1},      {"spStrenght", 2},   {"spClinch", 3},      {"spAgility", 4},
      {"spDodge", 5},       {"spMotivation", 6}, {"spTD", 7},        {"spTDDef", 8},       {"spGnP", 9},
      {"spSub", 10},        {"spSubDef", 11},   {"spStamina", 12},   {"spFortitude", 13},  {"spPace", 14},
      {"spAgressivity", 15}, {"spKORes", 16},   {"spGroundGame", 23}};
  const std::vector<std::string> fighter = SampleFighter();  // a different value on each ability line
  WriteFighter("f.txt", fighter);
  Form().LoadFighter(folder_ / "f.txt");
  for (const auto& [name, line] : boxes) {
    EXPECT_EQ(Spin(name)->text().toStdString(), fighter[line]) << name;
    Spin(name)->StepDown();
    EXPECT_EQ(Line(line), std::to_string(std::stoi(fighter[line]) - 1)) << name;
  }
}

TEST_F(FieldBindings, PicksWriteListPositionsWithTheirOffsets) {
  struct Case {
    const char* box;
    int index;
    int line;
    const char* stored;
  };
  const std::vector<Case> cases = {
      {"cbGamePlan", 5, 19, "6"},     {"cbCatPeso", 0, 20, "-1"},     {"cbCatPeso", 2, 20, "1"},
      {"cbGroundGPlan", 3, 27, "3"},  {"cbFancyStrikes", 2, 28, "2"}, {"cbFancySubs", 1, 29, "1"},
      {"cbJuegoSucio", 2, 32, "2"},   {"cbClinchGPlan", 4, 33, "4"},
  };
  for (const Case& c : cases) {
    QComboBox* box = Combo(c.box);
    box->setFocus();
    box->setCurrentIndex(c.index == 0 ? 1 : c.index - 1);
    QTest::keyClick(box, c.index == 0 ? Qt::Key_Up : Qt::Key_Down);
    EXPECT_EQ(box->currentIndex(), c.index) << c.box;
    EXPECT_EQ(Line(c.line), c.stored) << c.box;
  }
}

TEST_F(FieldBindings, SelectingByCodeNeverNotifies) {
  Combo("cbGamePlan")->setCurrentIndex(3);
  Combo("cbCatPeso")->setCurrentIndex(3);
  Combo("cbTeam")->setEditText("Typed by code");
  EXPECT_EQ(Line(19), "");
  EXPECT_EQ(Line(20), "");
  EXPECT_EQ(Line(31), "");
}

TEST_F(FieldBindings, TypingAPrefixPicksAnEntryOfAPickOnlyList) {
  QComboBox* plan = Combo("cbGamePlan");
  plan->setFocus();
  QTest::keyClicks(plan, "Cl");
  EXPECT_EQ(plan->currentText(), "Clinch striking");
  EXPECT_EQ(Line(19), "5");
}

TEST_F(FieldBindings, TypedTeamIsWrittenAtEachKeystrokeWithoutJoiningTheList) {
  QComboBox* team = Combo("cbTeam");
  const int entries = team->count();
  team->lineEdit()->setFocus();
  QTest::keyClicks(team->lineEdit(), "Gym");
  EXPECT_EQ(Line(31), "Gym");
  QTest::keyClick(team->lineEdit(), Qt::Key_Backspace);
  EXPECT_EQ(Line(31), "Gy");
  QTest::keyClick(team->lineEdit(), Qt::Key_Return);
  EXPECT_EQ(team->count(), entries);

  // The first letters of a listed team show exactly what the record holds.
  QApplication::setActiveWindow(&Form());
  team->lineEdit()->setFocus();
  team->lineEdit()->clear();
  QTest::keyClicks(team->lineEdit(), "R");
  EXPECT_EQ(team->currentText(), "R");
  EXPECT_EQ(Line(31), "R");
}

TEST_F(FieldBindings, ControlsSitAtTheirPlacesInTabOrder) {
  EXPECT_EQ(Edit("edNombre")->geometry(), QRect(24, 52, 201, 21));
  EXPECT_EQ(Spin("spSubDef")->geometry(), QRect(759, 131, 65, 21));
  EXPECT_EQ(Combo("cbCatPeso")->geometry(), QRect(189, 254, 218, 21));
  EXPECT_EQ(Button("CmdButton3")->geometry(), QRect(798, 328, 44, 28));
  EXPECT_FALSE(Find<QWidget>("imIdioma")->isVisible());
  EXPECT_FALSE(Label("lbPlayDirty")->isVisible());

  const QStringList expected = {"edNombre", "edNombreCorto", "edEstatura", "edPeso", "lbNacionalidad",
                                "lbFechaNac", "spPunch", "spKick", "spStrenght", "spClinch", "spAgility",
                                "spDodge", "spMotivation", "spTD", "spTDDef", "spGnP", "spGroundGame",
                                "spSub", "spSubDef", "spStamina", "spFortitude", "spPace", "spAgressivity",
                                "spKORes", "cbGamePlan", "cbGroundGPlan", "cbClinchGPlan", "edSherdog",
                                "cbTeam", "cbCatPeso", "cbJuegoSucio", "cbFancyStrikes", "cbFancySubs"};
  // Walk the focus chain; a box's inner editor or arrows stand for the box.
  QStringList order;
  QWidget* widget = Edit("edNombre");
  for (int step = 0; step < 500 && order.size() < expected.size(); ++step) {
    QWidget* named = widget;
    while (named && !expected.contains(named->objectName())) named = named->parentWidget();
    if (named && !order.contains(named->objectName())) order << named->objectName();
    widget = widget->nextInFocusChain();
  }
  EXPECT_EQ(order, expected);
}

TEST_F(FieldBindings, AssistiveToolsReadEachControlByItsCaption) {
  const std::vector<std::pair<const char*, QString>> named = {
      {"edNombre", "Nombre completo"}, {"edSherdog", "ID Sherdog"}, {"spPunch", QString::fromUtf8("Puños")},
      {"cbCatPeso", "Categoria"}, {"cbJuegoSucio", "Fight Style"}};
  for (const auto& [name, caption] : named) {
    QAccessibleInterface* accessible = QAccessible::queryAccessibleInterface(Find<QWidget>(name));
    ASSERT_NE(accessible, nullptr) << name;
    EXPECT_EQ(accessible->text(QAccessible::Name), caption) << name;
  }
}

}  // namespace
}  // namespace beditor::test
