// The rating bar painted pixel by pixel: frame, background strips, both runs, fill extent,
// the outlined caption, the owner showing through, and what assistive tools see.
#include <gtest/gtest.h>

#include <QAccessible>
#include <QAccessibleValueInterface>
#include <QFontMetrics>
#include <QPainter>
#include <QtTest/QTest>
#include <memory>

#include "support/paint_counter.h"
#include "core/colour_runs.h"
#include "widgets/gradient_bar.h"
#include "widgets/tahoma_font.h"

namespace beditor {
namespace {

constexpr int kWidth = 276;
constexpr int kHeight = 20;

// An owner that paints its own pattern over its background colour, so that pixels the bar
// leaves out can be told from pixels it paints in the background colour.
class PatternedOwner : public QWidget {
 public:
  QColor pattern;
  void paintEvent(QPaintEvent*) override {
    if (pattern.isValid()) QPainter(this).fillRect(rect(), pattern);
  }
};

class LowColourBar : public GradientBar {
 public:
  using GradientBar::GradientBar;
  int DisplayDepth() const override { return 8; }
};

class GradientBarTest : public ::testing::Test {
 protected:
  template <typename Bar = GradientBar>
  Bar* MakeBar(const QColor& ownerColour = Qt::black) {
    owner_ = std::make_unique<PatternedOwner>();
    QPalette palette = owner_->palette();
    palette.setColor(QPalette::Window, ownerColour);
    owner_->setPalette(palette);
    owner_->setAutoFillBackground(true);
    owner_->resize(300, 40);
    auto* bar = new Bar(owner_.get());
    bar->setGeometry(9, 8, kWidth, kHeight);
    return bar;
  }

  QImage Grab(const GradientBar* bar) const {
    return owner_->grab(bar->geometry()).toImage().convertToFormat(QImage::Format_RGB32);
  }

  // The run colour every area column should show: the fill where it reaches, else the
  // background run.
  static std::vector<QRgb> ExpectedAreaColumns(int percent, Rgb from, Rgb to) {
    std::vector<QRgb> columns(kWidth, 0);
    for (const auto& bands : {StripeBands(1, kWidth - 3, 100, 100, {192, 192, 192}, {128, 128, 128}),
                              StripeBands(1, kWidth - 3, 255, percent, from, to)})
      for (const ColourBand& band : bands)
        for (int column = band.first; column < band.end; ++column)
          columns[column] = qRgb(band.colour.red, band.colour.green, band.colour.blue);
    return columns;
  }

  std::unique_ptr<PatternedOwner> owner_;
};

TEST_F(GradientBarTest, FrameStripsAndRunsAtEveryPixel) {
  struct Case {
    int percent;
    Rgb from, to;
  };
  const Case cases[] = {{100, {255, 0, 0}, {255, 255, 0}},
                        {5, {255, 0, 0}, {255, 255, 0}},
                        {60, {255, 0, 0}, {255, 255, 0}},
                        {43, {0, 128, 128}, {0, 255, 0}}};
  for (const Case& c : cases) {
    SCOPED_TRACE(testing::Message() << c.percent << "%");
    GradientBar* bar = MakeBar();
    bar->Gradient.SetFromColor(QColor(c.from.red, c.from.green, c.from.blue));
    bar->Gradient.SetToColor(QColor(c.to.red, c.to.green, c.to.blue));
    bar->Gradient.SetPercentFilling(c.percent);
    const QImage image = Grab(bar);
    const QRgb frame = bar->palette().color(QPalette::Dark).rgb();
    const QRgb black = qRgb(0, 0, 0);
    ASSERT_NE(frame, black);
    const std::vector<QRgb> area = ExpectedAreaColumns(c.percent, c.from, c.to);
    int mismatches = 0;
    for (int y = 0; y < kHeight; ++y) {
      for (int x = 0; x < kWidth; ++x) {
        QRgb expected;
        if (x == 0 || x == kWidth - 1 || y == 0 || y == kHeight - 1)
          expected = frame;
        else if (x == kWidth - 2 || y == 1 || y == kHeight - 2)
          expected = black;
        else
          expected = area[x];
        if (image.pixel(x, y) != expected && ++mismatches <= 5)
          ADD_FAILURE() << "pixel " << x << "," << y << ": " << std::hex << image.pixel(x, y)
                        << " instead of " << expected;
      }
    }
  }
}

TEST_F(GradientBarTest, FillExtentAndColoursOfTheListedCases) {
  GradientBar* bar = MakeBar();
  bar->Gradient.SetPercentFilling(5);
  QImage image = Grab(bar);
  // Nearly pure red up to column 15, then the silver-to-grey background run.
  EXPECT_EQ(QColor(image.pixel(1, 9)), QColor(255, 0, 0));
  EXPECT_EQ(QColor(image.pixel(15, 9)), QColor(255, 13, 0));
  EXPECT_EQ(QColor(image.pixel(16, 9)), QColor(189, 189, 189));  // background band 5
  EXPECT_EQ(QColor(image.pixel(273, 9)), QColor(128, 128, 128));

  bar->Gradient.SetPercentFilling(100);
  image = Grab(bar);
  EXPECT_EQ(QColor(image.pixel(1, 2)), QColor(255, 0, 0));
  EXPECT_EQ(QColor(image.pixel(273, 17)), QColor(255, 255, 0));
  EXPECT_EQ(QColor(image.pixel(274, 17)), QColor(Qt::black));
}

TEST_F(GradientBarTest, OnlyChangedValuesInRangeAreTakenAndRepainted) {
  GradientBar* bar = MakeBar();
  bar->Gradient.SetPercentFilling(50);
  owner_->show();
  ASSERT_TRUE(QTest::qWaitForWindowExposed(owner_.get()));
  const QImage before = Grab(bar);

  test::PaintCounter counter(bar);
  int& paints = counter.count;
  QCoreApplication::processEvents();
  paints = 0;

  for (int ignored : {101, -1, 50}) {
    bar->Gradient.SetPercentFilling(ignored);
    QCoreApplication::processEvents();
    EXPECT_EQ(bar->Gradient.PercentFilling(), 50) << ignored;
    EXPECT_EQ(paints, 0) << ignored;
  }
  EXPECT_EQ(Grab(bar), before);

  for (int taken : {0, 100, 70}) {
    paints = 0;
    bar->Gradient.SetPercentFilling(taken);
    QCoreApplication::processEvents();
    EXPECT_EQ(bar->Gradient.PercentFilling(), taken);
    EXPECT_GE(paints, 1) << taken;
  }
  paints = 0;
  bar->SetCaption(QStringLiteral("Ground 70%"));
  QCoreApplication::processEvents();
  EXPECT_GE(paints, 1);
  bar->removeEventFilter(&counter);
}

TEST_F(GradientBarTest, CaptionIsCentredWhiteWithADiagonalGreyOutline) {
  const QString caption = QStringLiteral("Ground 60%");
  GradientBar* bar = MakeBar();
  bar->Gradient.SetActive(false);
  bar->GradientBack.SetActive(false);
  bar->SetCaption(caption);
  const QImage image = Grab(bar);

  const QFontMetrics metrics(TahomaFont(11));
  const int w = metrics.horizontalAdvance(caption);
  const int x = (kWidth - (w + 2)) / 2;
  const int y = (kHeight - (metrics.height() + 2)) / 2;
  const QRgb white = qRgb(255, 255, 255), grey = qRgb(128, 128, 128);

  QRect whiteBox;
  int greyPixels = 0;
  for (int row = 1; row < kHeight - 1; ++row) {
    for (int column = 1; column < kWidth - 1; ++column) {
      const QRgb pixel = image.pixel(column, row);
      if (pixel == grey) ++greyPixels;
      if (pixel != white) continue;
      whiteBox |= QRect(column, row, 1, 1);
      // Each letter pixel has its copies in grey, or letter pixels, on all four diagonals.
      for (QPoint diagonal : {QPoint(-1, -1), QPoint(1, 1), QPoint(-1, 1), QPoint(1, -1)}) {
        const QRgb around = image.pixel(column + diagonal.x(), row + diagonal.y());
        EXPECT_TRUE(around == grey || around == white) << column << "," << row;
      }
    }
  }
  EXPECT_GT(greyPixels, 0);
  ASSERT_FALSE(whiteBox.isEmpty());
  // The letters start one pixel in from the origin and span the measured width,
  // per-cent sign included.
  EXPECT_GE(whiteBox.left(), x + 1);
  EXPECT_LE(whiteBox.left(), x + 2);
  EXPECT_LE(whiteBox.right(), x + w);
#ifdef _WIN32
  // Windows smooths the edges of its type more: the last pure-white column sits further in.
  constexpr int kLastColumnSlack = 5;
#else
  constexpr int kLastColumnSlack = 3;
#endif
  EXPECT_GE(whiteBox.right(), x + w - kLastColumnSlack);
  EXPECT_GE(whiteBox.top(), y + 1);
  EXPECT_LE(whiteBox.bottom(), y + metrics.height());
}

TEST_F(GradientBarTest, OwnerShowsThroughWhereverTheBarHasTheBackgroundColour) {
  const QColor ownerColour(10, 20, 30), pattern(0, 0, 255);
  GradientBar* bar = MakeBar(ownerColour);
  owner_->pattern = pattern;
  bar->Gradient.SetPercentFilling(30);
  const QImage image = Grab(bar);
  for (QPoint strip : {QPoint(274, 5), QPoint(100, 1), QPoint(3, 18)})
    EXPECT_EQ(QColor(image.pixel(strip)), pattern) << strip.x() << "," << strip.y();
  EXPECT_EQ(QColor(image.pixel(1, 9)), QColor(255, 0, 0));
}

TEST_F(GradientBarTest, FewerThanSixteenBitsPerPixelDrawsNoRuns) {
  auto* bar = MakeBar<LowColourBar>();
  const QImage image = Grab(bar);
  const QRgb frame = bar->palette().color(QPalette::Dark).rgb();
  EXPECT_EQ(image.pixel(0, 0), frame);
  EXPECT_EQ(image.pixel(kWidth - 1, 10), frame);
  for (int y = 1; y < kHeight - 1; ++y)
    for (int x = 1; x < kWidth - 1; ++x) ASSERT_EQ(image.pixel(x, y), qRgb(0, 0, 0)) << x << "," << y;
}

TEST_F(GradientBarTest, InactiveOrSingleStepRunsAreNotDrawn) {
  GradientBar* bar = MakeBar();
  bar->Gradient.SetSteps(1);
  EXPECT_EQ(QColor(Grab(bar).pixel(1, 9)), QColor(192, 192, 192));
  bar->GradientBack.SetActive(false);
  EXPECT_EQ(QColor(Grab(bar).pixel(1, 9)), QColor(Qt::black));
  bar->Gradient.SetSteps(255);
  bar->SetPercent(0);  // the bar's own percentage must be above 0 for any run
  EXPECT_EQ(QColor(Grab(bar).pixel(1, 9)), QColor(Qt::black));
  bar->SetPercent(100);
  EXPECT_EQ(QColor(Grab(bar).pixel(1, 9)), QColor(255, 0, 0));
}

TEST_F(GradientBarTest, AssistiveToolsSeeAProgressBarNamedByItsCaption) {
  GradientBar* bar = MakeBar();
  bar->SetCaption(QStringLiteral("Ground 60%"));
  bar->Gradient.SetPercentFilling(60);
  QAccessibleInterface* accessible = QAccessible::queryAccessibleInterface(bar);
  ASSERT_NE(accessible, nullptr);
  EXPECT_EQ(accessible->role(), QAccessible::ProgressBar);
  EXPECT_EQ(accessible->text(QAccessible::Name), QStringLiteral("Ground 60%"));
  QAccessibleValueInterface* value = accessible->valueInterface();
  ASSERT_NE(value, nullptr);
  EXPECT_EQ(value->currentValue().toInt(), 60);
  EXPECT_EQ(value->minimumValue().toInt(), 0);
  EXPECT_EQ(value->maximumValue().toInt(), 100);
  bar->Gradient.SetPercentFilling(85);
  EXPECT_EQ(value->currentValue().toInt(), 85);
}

}  // namespace
}  // namespace beditor
