// The command button: its three looks row by row, the caption inset, and the click rule
// under real mouse sequences delivered through the window.
#include <gtest/gtest.h>

#include <QAccessible>
#include <QLineEdit>
#include <QtTest/QTest>
#include <memory>
#include <stdexcept>

#include "support/paint_counter.h"
#include "core/colour_runs.h"
#include "widgets/gradient_button.h"

namespace beditor {
namespace {

constexpr int kWidth = 120;
constexpr int kHeight = 28;

Rgb ToRgb(const QColor& colour) { return {colour.red(), colour.green(), colour.blue()}; }

class GradientButtonTest : public ::testing::Test {
 protected:
  void SetUp() override {
    window_ = std::make_unique<QWidget>();
    window_->resize(300, 100);
    edit_ = new QLineEdit(window_.get());
    edit_->setGeometry(10, 60, 100, 21);
    button_ = new GradientButton(window_.get());
    button_->setGeometry(10, 10, kWidth, kHeight);
    button_->SetCaption(QStringLiteral("Salir"));
    button_->OnClick = [this](GradientButton* sender) {
      EXPECT_EQ(sender, button_);
      ++clicks_;
      pressedDuringClick_ = button_->Pressed();
    };
    window_->show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(window_.get()));
    // Start every test with the pointer away from the button and no button held.
    Move(QPoint(250, 90));
  }

  void TearDown() override { ReleaseHeldButtons(); }

  // Leaves no mouse button held for what comes next.
  void ReleaseHeldButtons() {
    for (Qt::MouseButton held : {Qt::LeftButton, Qt::RightButton, Qt::MiddleButton})
      if (QGuiApplication::mouseButtons() & held) QTest::mouseRelease(Window(), held, {}, QPoint(250, 90));
  }

  QWindow* Window() const { return window_->windowHandle(); }
  // A point of the button, in the window.
  QPoint On(int x = kWidth / 2, int y = kHeight / 2) const { return button_->mapTo(window_.get(), QPoint(x, y)); }
  QPoint Off() const { return QPoint(250, 90); }
  void Move(QPoint where) { QTest::mouseMove(Window(), where); }

  QImage Grab() const { return button_->grab().toImage().convertToFormat(QImage::Format_RGB32); }

  std::unique_ptr<QWidget> window_;
  QLineEdit* edit_ = nullptr;
  GradientButton* button_ = nullptr;
  int clicks_ = 0;
  bool pressedDuringClick_ = false;
};

TEST_F(GradientButtonTest, EachLookFillsTheRunAndTheSeparatorRow) {
  const GradientButtonColors colours;
  struct Case {
    const char* look;
    std::function<void()> enter;
    QColor top, bottom;
  };
  const Case cases[] = {
      {"normal", [] {}, colours.ButtonColorFrom, colours.ButtonColorTo},
      {"hot", [this] { Move(On()); }, colours.ButtonHotColorFrom, colours.ButtonHotColorTo},
      {"pressed", [this] { QTest::mousePress(Window(), Qt::LeftButton, {}, On()); },
       colours.ButtonSelectedColorTo, colours.ButtonSelectedColorFrom},
      {"pressed, pointer off",
       [this] {
         QTest::mousePress(Window(), Qt::LeftButton, {}, On());
         Move(Off());
       },
       colours.ButtonSelectedColorTo, colours.ButtonSelectedColorFrom},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.look);
    c.enter();
    const QImage image = Grab();
    const auto bands = VerticalRunBands(kHeight, 32, ToRgb(c.top), ToRgb(c.bottom));
    for (const ColourBand& band : bands)
      for (int row = band.first; row < std::min(band.end, kHeight - 1); ++row)
        for (int column : {0, 1, 2, 3, kWidth - 4, kWidth - 1})
          ASSERT_EQ(QColor(image.pixel(column, row)),
                    QColor(band.colour.red, band.colour.green, band.colour.blue))
              << column << "," << row;
    for (int column = 0; column < kWidth; ++column)
      ASSERT_EQ(QColor(image.pixel(column, kHeight - 1)), colours.ButtonSeparatorColor) << column;
    ReleaseHeldButtons();
    Move(Off());
  }
  // The normal run, read straight off the screen.
  const QImage normal = Grab();
  EXPECT_EQ(QColor(normal.pixel(kWidth - 1, 0)), QColor(62, 62, 62));
  EXPECT_EQ(QColor(normal.pixel(kWidth - 1, 1)), QColor(60, 60, 60));
  EXPECT_EQ(QColor(normal.pixel(kWidth - 1, 26)), QColor(2, 2, 2));
}

TEST_F(GradientButtonTest, CaptionColourFollowsTheLookAndHotTrackingCanBeOff) {
  const auto count = [](const QImage& image, QRgb colour) {
    int n = 0;
    for (int y = 0; y < kHeight; ++y)
      for (int x = 0; x < kWidth; ++x) n += image.pixel(x, y) == colour;
    return n;
  };
  const QRgb white = qRgb(255, 255, 255);
  const QRgb windowText = button_->palette().color(QPalette::WindowText).rgb();
  EXPECT_GT(count(Grab(), white), 10);
  Move(On());
  ASSERT_TRUE(button_->MouseInside());
  EXPECT_EQ(count(Grab(), white), 0);
  EXPECT_GT(count(Grab(), windowText), 10);
  Move(Off());
  EXPECT_FALSE(button_->MouseInside());
  EXPECT_GT(count(Grab(), white), 10);

  button_->SetHotTrack(false);
  Move(On());
  EXPECT_EQ(QColor(Grab().pixel(kWidth - 1, 0)), QColor(62, 62, 62));
  EXPECT_GT(count(Grab(), white), 10);
}

// Caption pixels: white ones in the normal look.
QRect WhiteBox(const QImage& image) {
  QRect box;
  for (int y = 0; y < image.height(); ++y)
    for (int x = 0; x < image.width(); ++x)
      if (image.pixel(x, y) == qRgb(255, 255, 255)) box |= QRect(x, y, 1, 1);
  return box;
}

TEST_F(GradientButtonTest, CaptionSitsInsetOnOneLineAndIsCutAtTheRight) {
  const QRect shortCaption = WhiteBox(Grab());
  ASSERT_FALSE(shortCaption.isEmpty());
  EXPECT_GE(shortCaption.left(), 4);
  EXPECT_LE(shortCaption.left(), 6);
  // Vertically centred between the insets.
  EXPECT_LE(std::abs((shortCaption.top() - 4) - (kHeight - 5 - shortCaption.bottom())), 3);

  button_->SetCaption(QStringLiteral("A caption far too long for this button, cut not wrapped"));
  const QRect longCaption = WhiteBox(Grab());
  // Letters reach the right inset and stop there.
  EXPECT_LE(longCaption.right(), kWidth - 5);
  EXPECT_GE(longCaption.right(), kWidth - 8);
  EXPECT_GE(longCaption.top(), 4);
  EXPECT_LE(longCaption.bottom(), kHeight - 5);
  EXPECT_LE(longCaption.height(), shortCaption.height() + 3);  // one line only
}

TEST_F(GradientButtonTest, AmpersandUnderlinesAndGivesTheAltAccessKey) {
  const QImage plain = Grab();
  button_->SetCaption(QStringLiteral("&Salir"));
  const QImage marked = Grab();
  QRect difference;
  for (int y = 0; y < kHeight; ++y)
    for (int x = 0; x < kWidth; ++x)
      if (plain.pixel(x, y) != marked.pixel(x, y)) difference |= QRect(x, y, 1, 1);
  ASSERT_FALSE(difference.isEmpty());  // the underline under "S" is the only change
  EXPECT_LE(difference.height(), 2);
  EXPECT_LE(difference.right(), WhiteBox(plain).left() + 10);

  window_->activateWindow();
  ASSERT_TRUE(QTest::qWaitForWindowActive(window_.get()));
  QTest::keyClick(window_.get(), Qt::Key_S, Qt::AltModifier);
  EXPECT_EQ(clicks_, 1);
  QTest::keyClick(window_.get(), Qt::Key_A, Qt::AltModifier);
  EXPECT_EQ(clicks_, 1);
  button_->setEnabled(false);
  QTest::keyClick(window_.get(), Qt::Key_S, Qt::AltModifier);
  EXPECT_EQ(clicks_, 1);
}

TEST_F(GradientButtonTest, PressDragOffAndReleaseThereIsNoClick) {
  edit_->setFocus();
  QTest::mousePress(Window(), Qt::LeftButton, {}, On());
  EXPECT_TRUE(button_->Pressed());
  EXPECT_TRUE(button_->MouseInside());
  Move(Off());
  EXPECT_TRUE(button_->Pressed());
  EXPECT_FALSE(button_->MouseInside());
  QTest::mouseRelease(Window(), Qt::LeftButton, {}, Off());
  EXPECT_EQ(clicks_, 0);
  EXPECT_FALSE(button_->Pressed());
  EXPECT_FALSE(button_->MouseInside());
  EXPECT_EQ(QColor(Grab().pixel(kWidth - 1, 0)), QColor(62, 62, 62));
  EXPECT_TRUE(edit_->hasFocus());  // the button never takes the focus
}

TEST_F(GradientButtonTest, PressDragOffAndBackReleaseInsideClicksOnceWhilePressed) {
  QTest::mousePress(Window(), Qt::LeftButton, {}, On(5, 5));
  Move(Off());
  Move(On(kWidth - 1, kHeight - 1));  // the corner pixel still counts as inside
  EXPECT_TRUE(button_->MouseInside());
  QTest::mouseRelease(Window(), Qt::LeftButton, {}, On(kWidth - 1, kHeight - 1));
  EXPECT_EQ(clicks_, 1);
  EXPECT_TRUE(pressedDuringClick_);
  EXPECT_FALSE(button_->Pressed());
  // Back to the hot look: the pointer is still on the button.
  EXPECT_EQ(QColor(Grab().pixel(kWidth - 1, 0)), GradientButtonColors().ButtonHotColorFrom);
}

TEST_F(GradientButtonTest, DoubleClickIsTwoClicks) {
  QTest::mouseDClick(Window(), Qt::LeftButton, {}, On());
  EXPECT_EQ(clicks_, 2);
  EXPECT_FALSE(button_->Pressed());
}

TEST_F(GradientButtonTest, RightAndMiddleButtonsOnlyShowThePressedLook) {
  for (Qt::MouseButton other : {Qt::RightButton, Qt::MiddleButton}) {
    QTest::mousePress(Window(), other, {}, On());
    EXPECT_TRUE(button_->Pressed());
    EXPECT_EQ(QColor(Grab().pixel(kWidth - 1, 0)), GradientButtonColors().ButtonSelectedColorTo);
    QTest::mouseRelease(Window(), other, {}, On());
    EXPECT_FALSE(button_->Pressed());
  }
  EXPECT_EQ(clicks_, 0);
}

TEST_F(GradientButtonTest, AFailingClickLeavesThePressedLookBeforeTheErrorIsReported) {
  test::PaintCounter counter(button_);
  int& paints = counter.count;

  int paintsWhenThrown = -1;
  button_->OnClick = [&](GradientButton*) {
    paintsWhenThrown = paints;
    throw std::runtime_error("Stream write error");
  };
  std::string reported;
  bool pressedWhenReported = true;
  int paintsWhenReported = -1;
  button_->OnError = [&](std::exception_ptr error) {
    pressedWhenReported = button_->Pressed();
    paintsWhenReported = paints;
    try {
      std::rethrow_exception(error);
    } catch (const std::exception& e) {
      reported = e.what();
    }
  };
  QTest::mouseClick(Window(), Qt::LeftButton, {}, On());
  EXPECT_EQ(reported, "Stream write error");
  EXPECT_FALSE(pressedWhenReported);
  EXPECT_GT(paintsWhenReported, paintsWhenThrown);

  // Without an error sink the error is dropped at the button.
  button_->OnError = nullptr;
  QTest::mouseClick(Window(), Qt::LeftButton, {}, On());
  EXPECT_FALSE(button_->Pressed());
  button_->removeEventFilter(&counter);
}

TEST_F(GradientButtonTest, DisabledButtonDoesNotReact) {
  button_->setEnabled(false);
  Move(On());
  EXPECT_FALSE(button_->MouseInside());
  QTest::mouseClick(Window(), Qt::LeftButton, {}, On());
  button_->Click();
  EXPECT_EQ(clicks_, 0);
  EXPECT_FALSE(button_->Pressed());
}

TEST_F(GradientButtonTest, AssistiveToolsSeeAPushButtonThatCanBePressed) {
  button_->SetCaption(QStringLiteral("&Guardar && salir"));
  QAccessibleInterface* accessible = QAccessible::queryAccessibleInterface(button_);
  ASSERT_NE(accessible, nullptr);
  EXPECT_EQ(accessible->role(), QAccessible::Button);
  EXPECT_EQ(accessible->text(QAccessible::Name), QStringLiteral("Guardar & salir"));
  QAccessibleActionInterface* actions = accessible->actionInterface();
  ASSERT_NE(actions, nullptr);
  EXPECT_TRUE(actions->actionNames().contains(QAccessibleActionInterface::pressAction()));
  actions->doAction(QAccessibleActionInterface::pressAction());
  EXPECT_EQ(clicks_, 1);
  EXPECT_FALSE(accessible->state().focusable);

  button_->setEnabled(false);
  EXPECT_TRUE(accessible->state().disabled);
  EXPECT_FALSE(actions->actionNames().contains(QAccessibleActionInterface::pressAction()));
  actions->doAction(QAccessibleActionInterface::pressAction());
  EXPECT_EQ(clicks_, 1);
}

}  // namespace
}  // namespace beditor
