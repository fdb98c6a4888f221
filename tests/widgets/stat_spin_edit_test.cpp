// The stat spin box's value: reading, writing, the correction of every text change, and
// stepping by code, keys, wheel and arrows.
#include <QFontInfo>
#include <QShortcut>
#include <cmath>
#include <stdexcept>

#include "stat_spin_test_fixture.h"

namespace beditor::test {
namespace {

using Reports = std::vector<double>;

TEST_F(StatSpinTest, StartsAtOneWithItsFixedLook) {
  StatSpinEdit fresh;
  EXPECT_EQ(fresh.text(), "1");
  EXPECT_EQ(fresh.Value(), 1);
  EXPECT_EQ(fresh.LastReportedValue(), 1);
  EXPECT_EQ(fresh.size(), QSize(65, 21));
  EXPECT_EQ(fresh.sizeHint(), QSize(65, 21));
  EXPECT_FALSE(fresh.hasFrame());
  EXPECT_EQ(fresh.alignment() & Qt::AlignHorizontal_Mask, Qt::AlignRight);
  const QFontInfo font(fresh.font());
  EXPECT_EQ(font.family(), "Tahoma");
  EXPECT_EQ(font.pixelSize(), 11);
  EXPECT_TRUE(font.bold());
  EXPECT_FALSE(fresh.CanUndo());
  EXPECT_EQ(fresh.RecordLine(), 0);
  fresh.SetRecordLine(23);
  EXPECT_EQ(fresh.RecordLine(), 23);
}

TEST_F(StatSpinTest, EveryTextChangeByCodeIsCorrectedAndRealChangesReported) {
  const struct {
    const char* text;
    const char* shown;
    Reports reports;
  } cases[] = {
      {"", "1", {1}},     {"-", "1", {1}},    {"+", "1", {1}},   {"0", "1", {1}},
      {"-3", "1", {1}},   {"25", "20", {20}}, {"05", "5", {5}},  {"+7", "7", {}},
      {"007", "7", {}},   {"abc", "1", {1}},  {"1.5", "1", {1}}, {"2147483648", "1", {1}},
      {"13", "13", {13}}, {"7", "7", {}},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.text);
    box->SetValue(7);
    reports.clear();
    box->setText(QString::fromLatin1(c.text));
    EXPECT_EQ(box->text(), c.shown);
    EXPECT_EQ(reports, c.reports);
    EXPECT_EQ(box->LastReportedValue(), box->Value());
  }
}

TEST_F(StatSpinTest, SetValueClampsWritesCanonicalTextAndReportsOnlyRealChanges) {
  const struct {
    double x;
    const char* shown;
    Reports reports;
  } cases[] = {
      {0, "1", {1}},      {35, "20", {20}},   {7, "7", {}},        {7.4, "7", {}},
      {12.5, "12", {12}}, {-1e300, "1", {1}}, {1e300, "20", {20}}, {std::nan(""), "1", {1}},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.x);
    box->SetValue(7);
    reports.clear();
    box->SetValue(c.x);
    EXPECT_EQ(box->text(), c.shown);
    EXPECT_EQ(reports, c.reports);
  }
}

TEST_F(StatSpinTest, ReadsItsTextAsANumber) {
  box->SetValue(13);
  EXPECT_EQ(box->Value(), 13);
  EXPECT_EQ(box->IntegerValue(), 13);
}

TEST_F(StatSpinTest, TypingIsCorrectedAtOnceKeepingTheCaret) {
  const struct {
    const char* name;
    const char* start;
    int caret;  // -1: whole text selected
    const char* keys;
    const char* shown;
    int caretAfter;
    Reports reports;
  } cases[] = {
      {"a digit past the upper limit", "20", 2, "5", "20", 2, {}},
      {"zero over a selection", "7", -1, "0", "1", 1, {1}},
      {"every intermediate value", "7", -1, "15", "15", 2, {1, 15}},
      {"deleting the last digit", "2", 1, "\b", "1", 0, {1}},
      {"deleting, then a digit in front", "2", 1, "\b5", "20", 1, {1, 20}},
      {"a leading zero", "5", 0, "0", "5", 1, {}},
      {"a minus sign in front", "5", 0, "-", "1", 1, {1}},
      {"a plus sign in front", "5", 0, "+", "5", 1, {}},
      {"a digit in the middle", "12", 1, "0", "20", 2, {20}},
      {"the same digit over itself", "7", -1, "7", "7", 1, {}},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.name);
    Prepare(QString::fromLatin1(c.start), c.caret);
    QTest::keyClicks(box, QString::fromLatin1(c.keys));
    EXPECT_EQ(box->text(), c.shown);
    EXPECT_EQ(box->cursorPosition(), c.caretAfter);
    EXPECT_EQ(reports, c.reports);
    EXPECT_EQ(beeps, 0);
  }
}

TEST_F(StatSpinTest, RefusedCharactersBeepAndLeaveTheTextAlone) {
  Prepare("12", 1);
  QTest::keyClicks(box, "a .,Z/");
  TypeText(QStringLiteral("\u00e9\u0663"));
  EXPECT_EQ(beeps, 8);
  EXPECT_EQ(box->text(), "12");
  EXPECT_EQ(box->cursorPosition(), 1);
  EXPECT_TRUE(reports.empty());
  // A refused key in the middle of typing does not break it up.
  Prepare("1", 1);
  QTest::keyClicks(box, "x3");
  EXPECT_EQ(box->text(), "13");
  EXPECT_EQ(beeps, 1);
}

TEST_F(StatSpinTest, InputMethodTextIsFilteredLikeTypedText) {
  Prepare("12", 2);
  QInputMethodEvent letters(QString(), {});
  letters.setCommitString(QStringLiteral("x"));
  QApplication::sendEvent(box, &letters);
  EXPECT_EQ(box->text(), "12");
  EXPECT_EQ(beeps, 1);

  Prepare("1", 1);
  QInputMethodEvent digit(QString(), {});
  digit.setCommitString(QStringLiteral("4"));
  QApplication::sendEvent(box, &digit);
  EXPECT_EQ(box->text(), "14");
  EXPECT_EQ(reports, Reports{14});
  EXPECT_EQ(beeps, 0);
}

// Each way of stepping, tried at and next to both limits.
TEST_F(StatSpinTest, EveryWayOfSteppingIsClampedAndReportsOnlyRealChanges) {
  const struct {
    const char* name;
    std::function<void(StatSpinTest&, int direction)> step;
  } ways[] = {
      {"code", [](StatSpinTest& t, int d) { d > 0 ? t.box->StepUp() : t.box->StepDown(); }},
      {"keys",
       [](StatSpinTest& t, int d) { QTest::keyClick(t.box, d > 0 ? Qt::Key_Up : Qt::Key_Down); }},
      {"wheel", [](StatSpinTest& t, int d) { t.Wheel(d * 120); }},
      {"arrows",
       [](StatSpinTest& t, int d) {
         QTest::mouseClick(d > 0 ? t.UpArrow() : t.DownArrow(), Qt::LeftButton);
       }},
  };
  const struct {
    const char* start;
    int direction;
    const char* shown;
    Reports reports;
  } cases[] = {
      {"20", +1, "20", {}}, {"19", +1, "20", {20}}, {"9", +1, "10", {10}},
      {"1", -1, "1", {}},   {"2", -1, "1", {1}},    {"10", -1, "9", {9}},
  };
  for (const auto& way : ways) {
    for (const auto& c : cases) {
      SCOPED_TRACE(std::string(way.name) + " from " + c.start +
                   (c.direction > 0 ? " up" : " down"));
      Prepare(QString::fromLatin1(c.start), 0);
      way.step(*this, c.direction);
      EXPECT_EQ(box->text(), c.shown);
      EXPECT_EQ(reports, c.reports);
      EXPECT_EQ(beeps, 0);
    }
  }
}

TEST_F(StatSpinTest, StepKeysKeepTheCaretInPlaceAndPageKeysDoNotStep) {
  Prepare("12", 1);
  QTest::keyClick(box, Qt::Key_Up);
  EXPECT_EQ(box->text(), "13");
  EXPECT_EQ(box->cursorPosition(), 1);
  Prepare("9", 1);
  QTest::keyClick(box, Qt::Key_Up);
  EXPECT_EQ(box->text(), "10");
  EXPECT_EQ(box->cursorPosition(), 2);  // still at the end

  QTest::keyClick(box, Qt::Key_PageUp);
  QTest::keyClick(box, Qt::Key_PageDown);
  EXPECT_EQ(box->text(), "10");
  QTest::keyClick(box, Qt::Key_Home);
  EXPECT_EQ(box->cursorPosition(), 0);
  QTest::keyClick(box, Qt::Key_Right);
  EXPECT_EQ(box->cursorPosition(), 1);

  // The step keys reach the box even where the window binds them to a shortcut.
  int shortcutUses = 0;
  QShortcut windowUp(QKeySequence(Qt::Key_Up), &window);
  QObject::connect(&windowUp, &QShortcut::activated, [&shortcutUses] { ++shortcutUses; });
  QTest::keyClick(box, Qt::Key_Up);
  EXPECT_EQ(box->text(), "11");
  EXPECT_EQ(shortcutUses, 0);

  // Keyboard auto-repeat: each key-down is a step.
  reports.clear();
  for (int i = 0; i < 3; ++i) QTest::keyPress(box, Qt::Key_Down);
  QTest::keyRelease(box, Qt::Key_Down);
  EXPECT_EQ(box->text(), "8");
  EXPECT_EQ(reports, (Reports{10, 9, 8}));
}

TEST_F(StatSpinTest, WheelStepsOnlyTheFocusedBox) {
  Prepare("7");
  neighbour->setFocus();
  ASSERT_FALSE(box->hasFocus());
  Wheel(120);
  EXPECT_EQ(box->text(), "7");

  FocusBox();
  Wheel(120);
  Wheel(120);
  Wheel(-120);
  EXPECT_EQ(box->text(), "8");
  EXPECT_EQ(reports, (Reports{8, 9, 8}));
  Wheel(0);  // a sideways turn
  EXPECT_EQ(box->text(), "8");
}

TEST_F(StatSpinTest, ArrowClickFocusesTheBoxAndSelectsItsText) {
  Prepare("7");
  neighbour->setFocus();
  ASSERT_FALSE(box->hasFocus());
  QTest::mouseClick(UpArrow(), Qt::LeftButton);
  EXPECT_TRUE(box->hasFocus());
  EXPECT_EQ(box->text(), "8");
  EXPECT_EQ(box->selectedText(), "8");
  EXPECT_EQ(reports, Reports{8});
  EXPECT_FALSE(UpArrow()->hasFocus());
}

TEST_F(StatSpinTest, HoldingAnArrowRepeatsOneStepPerRepeat) {
  Prepare("3");
  QTest::mousePress(UpArrow(), Qt::LeftButton);
  EXPECT_EQ(box->text(), "4");  // the press itself steps
  for (int i = 0; i < 200 && box->Value() < 7; ++i) QTest::qWait(20);
  QTest::mouseRelease(UpArrow(), Qt::LeftButton);
  const double released = box->Value();
  ASSERT_GE(released, 7);
  // One report per step, each one higher: no step was lost or doubled.
  ASSERT_EQ(reports.size(), static_cast<size_t>(released - 3));
  for (size_t i = 0; i < reports.size(); ++i) EXPECT_EQ(reports[i], 4 + static_cast<double>(i));
  QTest::qWait(50);
  EXPECT_EQ(box->Value(), released);  // letting go brings no extra step
}

TEST_F(StatSpinTest, AFailingHandlerLeavesTheBoxWorking) {
  box->SetValue(7);
  box->OnChange = [](StatSpinEdit*) { throw std::runtime_error("handler failed"); };
  EXPECT_THROW(box->SetValue(5), std::runtime_error);
  EXPECT_EQ(box->text(), "5");
  EXPECT_EQ(box->LastReportedValue(), 5);

  reports.clear();
  box->OnChange = [this](StatSpinEdit* sender) { reports.push_back(sender->Value()); };
  box->SetValue(5);
  EXPECT_TRUE(reports.empty());  // 5 was handed to the owner already
  box->setText("25");
  EXPECT_EQ(box->text(), "20");
  EXPECT_EQ(reports, Reports{20});
}

TEST_F(StatSpinTest, AHandlerMayChangeTheBoxItself) {
  box->SetValue(7);
  box->OnChange = [this](StatSpinEdit* sender) {
    reports.push_back(sender->Value());
    if (sender->Value() > 15) sender->SetValue(15);
  };
  Prepare("7");
  QTest::keyClicks(box, "18");
  EXPECT_EQ(box->text(), "15");
  EXPECT_EQ(reports, (Reports{1, 18, 15}));
  EXPECT_EQ(box->LastReportedValue(), 15);
}

}  // namespace
}  // namespace beditor::test
