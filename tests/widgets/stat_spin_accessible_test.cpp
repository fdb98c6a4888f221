// What assistive technology sees of a stat spin box.
#include <QAccessible>
#include <QAccessibleInterface>
#include <QLabel>

#include "stat_spin_test_fixture.h"

namespace beditor::test {
namespace {

using Reports = std::vector<double>;

QAccessibleInterface* Accessible(QWidget* widget) {
  QAccessibleInterface* interface = QAccessible::queryAccessibleInterface(widget);
  EXPECT_NE(interface, nullptr);
  return interface;
}

TEST_F(StatSpinTest, ScreenReadersSeeEditableTextWithItsValue) {
  Prepare("13", 1);
  QAccessibleInterface* accessible = Accessible(box);
  ASSERT_NE(accessible, nullptr);
  EXPECT_EQ(accessible->role(), QAccessible::EditableText);
  EXPECT_TRUE(accessible->state().editable);
  EXPECT_TRUE(accessible->state().focused);
  EXPECT_EQ(accessible->text(QAccessible::Value), "13");

  QAccessibleTextInterface* text = accessible->textInterface();
  ASSERT_NE(text, nullptr);
  EXPECT_EQ(text->characterCount(), 2);
  EXPECT_EQ(text->text(0, 2), "13");
  EXPECT_EQ(text->cursorPosition(), 1);
  text->setSelection(0, 0, 2);
  EXPECT_EQ(box->selectedText(), "13");
  int start = -1;
  int end = -1;
  text->selection(0, &start, &end);
  EXPECT_EQ(std::pair(start, end), std::pair(0, 2));

  QAccessibleValueInterface* value = accessible->valueInterface();
  ASSERT_NE(value, nullptr);
  EXPECT_EQ(value->currentValue().toInt(), 13);
  EXPECT_EQ(value->minimumValue().toInt(), 1);
  EXPECT_EQ(value->maximumValue().toInt(), 20);
  EXPECT_EQ(value->minimumStepSize().toInt(), 1);
}

TEST_F(StatSpinTest, ValueSetThroughAssistiveTechnologyIsClampedAndReported) {
  Prepare("13");
  QAccessibleInterface* accessible = Accessible(box);
  ASSERT_NE(accessible, nullptr);
  accessible->valueInterface()->setCurrentValue(35);
  EXPECT_EQ(box->text(), "20");
  accessible->actionInterface()->doAction(QAccessibleActionInterface::decreaseAction());
  EXPECT_EQ(box->text(), "19");
  accessible->setText(QAccessible::Value, "0");
  EXPECT_EQ(box->text(), "1");
  EXPECT_EQ(reports, (Reports{20, 19, 1}));

  box->setEnabled(false);
  accessible->valueInterface()->setCurrentValue(5);
  accessible->actionInterface()->doAction(QAccessibleActionInterface::increaseAction());
  EXPECT_EQ(box->text(), "1");
}

TEST_F(StatSpinTest, NameComesFromTheBuddyLabelOrTheAccessibleName) {
  auto* label = new QLabel(QStringLiteral("&Pu\u00f1os"), &window);
  label->setBuddy(box);
  EXPECT_EQ(Accessible(box)->text(QAccessible::Name), QStringLiteral("Pu\u00f1os"));
  box->setAccessibleName("Punch");
  EXPECT_EQ(Accessible(box)->text(QAccessible::Name), "Punch");
}

TEST_F(StatSpinTest, CharacterPositionsFollowTheDrawnText) {
  Prepare("12", 2);
  box->grab();  // lays the text out as drawn
  QAccessibleTextInterface* text = Accessible(box)->textInterface();
  ASSERT_NE(text, nullptr);
  const QRect first = text->characterRect(0);
  const QRect second = text->characterRect(1);
  ASSERT_FALSE(first.isEmpty());
  EXPECT_LT(first.left(), second.left());
  EXPECT_LE(second.right(), box->mapToGlobal(box->TextArea().bottomRight()).x());
  EXPECT_EQ(text->offsetAtPoint(first.center()), 0);
  EXPECT_EQ(text->offsetAtPoint(box->mapToGlobal(QPoint(64, 10))), -1);  // on the arrows
  EXPECT_TRUE(text->characterRect(2).isNull());
}

}  // namespace
}  // namespace beditor::test
