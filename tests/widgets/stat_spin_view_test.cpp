// What the stat spin box looks like and how it takes the focus: bevel, arrow pair, text
// area, colours, focus entry and exit, and the disabled box.
#include <QImage>
#include <QLabel>
#include <QStyle>

#include "stat_spin_test_fixture.h"

namespace beditor::test {
namespace {

using Reports = std::vector<double>;

int ExpectedArrowWidth(const QWidget* box) {
  return std::min(box->style()->pixelMetric(QStyle::PM_ScrollBarExtent, nullptr, box), 15);
}

// Text is drawn smoothed: a pixel counts as drawn in a colour when it lies much nearer to it
// than the white background does.
bool IsInk(QRgb pixel, QRgb ink) {
  const int distance = std::abs(qRed(pixel) - qRed(ink)) + std::abs(qGreen(pixel) - qGreen(ink)) +
                       std::abs(qBlue(pixel) - qBlue(ink));
  const int background = (255 - qRed(ink)) + (255 - qGreen(ink)) + (255 - qBlue(ink));
  return distance * 4 < background;
}

// The columns of `image` within `area` holding ink of `colour`.
std::vector<int> ColumnsWith(const QImage& image, const QRect& area, QRgb colour) {
  std::vector<int> columns;
  for (int x = area.left(); x <= area.right(); ++x) {
    for (int y = area.top(); y <= area.bottom(); ++y) {
      if (IsInk(image.pixel(x, y), colour)) {
        columns.push_back(x);
        break;
      }
    }
  }
  return columns;
}

TEST_F(StatSpinTest, ArrowsSitInsideTheBevelAndTheTextEndsBeforeThem) {
  const int arrowWidth = ExpectedArrowWidth(box);
  EXPECT_EQ(box->Arrows()->geometry(), QRect(65 - 2 - arrowWidth, 2, arrowWidth, 17));
  EXPECT_EQ(UpArrow()->geometry().united(DownArrow()->geometry()), QRect(0, 0, arrowWidth, 17));
  EXPECT_LT(UpArrow()->geometry().bottom(), DownArrow()->geometry().top());
  EXPECT_EQ(box->TextArea(), QRect(2, 2, 65 - 2 - arrowWidth - 2 - 2, 17));
}

TEST_F(StatSpinTest, PaintsASoftBevelAroundRightAlignedText) {
  box->SetTextColor(QColor(0, 128, 0));
  box->SetValue(20);
  neighbour->setFocus();  // no caret in the picture
  const QImage image = box->grab().toImage();
  const QPalette& colours = box->palette();
  const struct {
    int x, y;
    QPalette::ColorRole role;
  } bevel[] = {
      {0, 0, QPalette::Dark},    {30, 0, QPalette::Dark},   {0, 10, QPalette::Dark},
      {30, 20, QPalette::Light}, {64, 10, QPalette::Light}, {64, 20, QPalette::Light},
      {1, 1, QPalette::Light},   {30, 1, QPalette::Light},  {1, 10, QPalette::Light},
      {30, 19, QPalette::Mid},   {63, 10, QPalette::Mid},   {63, 19, QPalette::Mid},
      {3, 3, QPalette::Base},
  };
  for (const auto& p : bevel) {
    SCOPED_TRACE(testing::Message() << p.x << "," << p.y);
    EXPECT_EQ(image.pixelColor(p.x, p.y).rgb(), colours.color(p.role).rgb());
  }

  const std::vector<int> text = ColumnsWith(image, box->rect(), qRgb(0, 128, 0));
  ASSERT_FALSE(text.empty());
  EXPECT_GE(text.front(), box->TextArea().left());
  EXPECT_LE(text.back(), box->TextArea().right());
  // Right-aligned: the digits end near the right end of the text area.
  EXPECT_GT(text.front(), box->TextArea().center().x());
}

TEST_F(StatSpinTest, DisabledBoxIsGreyedWhateverColourTheOwnerGaveIt) {
  box->SetValue(13);
  // The owner may recolour through every colour group at once.
  QPalette red = box->palette();
  red.setColor(QPalette::Text, QColor(255, 0, 0));
  box->setPalette(red);
  ASSERT_FALSE(ColumnsWith(box->grab().toImage(), box->TextArea(), qRgb(255, 0, 0)).empty());

  box->setEnabled(false);
  const QImage image = box->grab().toImage();
  EXPECT_TRUE(ColumnsWith(image, box->TextArea(), qRgb(255, 0, 0)).empty());
  const QColor greyed = box->palette().color(QPalette::Disabled, QPalette::Text);
  EXPECT_FALSE(ColumnsWith(image, box->TextArea(), greyed.rgb()).empty());
  EXPECT_FALSE(UpArrow()->isEnabled());
  EXPECT_FALSE(DownArrow()->isEnabled());

  box->setEnabled(true);
  EXPECT_FALSE(ColumnsWith(box->grab().toImage(), box->TextArea(), qRgb(255, 0, 0)).empty());
}

TEST_F(StatSpinTest, DisabledBoxTakesNoInputAndNoFocusButStillReads) {
  Prepare("13");
  neighbour->setFocus();
  box->setEnabled(false);
  box->setFocus();
  EXPECT_FALSE(box->hasFocus());
  QTest::keyClicks(box, "5");
  QTest::keyClick(box, Qt::Key_Up);
  Wheel(120);
  QTest::mouseClick(UpArrow(), Qt::LeftButton);
  EXPECT_EQ(box->text(), "13");
  EXPECT_EQ(box->IntegerValue(), 13);
  EXPECT_TRUE(reports.empty());
}

TEST_F(StatSpinTest, TabSelectsAllAndAMouseClickPlacesTheCaret) {
  box->SetValue(12);
  neighbour->setFocus();
  ASSERT_TRUE(neighbour->hasFocus());
  QTest::keyClick(neighbour, Qt::Key_Backtab, Qt::ShiftModifier);
  ASSERT_TRUE(box->hasFocus());
  EXPECT_EQ(box->selectedText(), "12");

  neighbour->setFocus();
  QTest::mouseClick(box, Qt::LeftButton, {}, QPoint(box->TextArea().left() + 1, 10));
  ASSERT_TRUE(box->hasFocus());
  EXPECT_FALSE(box->hasSelectedText());
  EXPECT_EQ(box->cursorPosition(), 0);
}

TEST_F(StatSpinTest, LosingTheFocusChangesNothingVisible) {
  Prepare("7", 1);
  QTest::keyClicks(box, "3");
  ASSERT_EQ(box->text(), "20");
  reports.clear();
  neighbour->setFocus();
  EXPECT_EQ(box->text(), "20");
  EXPECT_TRUE(reports.empty());
}

}  // namespace
}  // namespace beditor::test
