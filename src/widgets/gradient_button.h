#pragma once
// A flat command button painted as a vertical colour run with a bold caption at its left.
// It never takes the keyboard focus; it answers the mouse and its Alt access key only.
#include <QColor>
#include <QFont>
#include <QString>
#include <QWidget>
#include <exception>
#include <functional>

class QShortcut;

namespace beditor {

// The colours of the three looks; runs go from the first colour at the top to the second
// at the bottom, except the pressed run, which is turned over.
struct GradientButtonColors {
  QColor ButtonColorFrom{62, 62, 62};
  QColor ButtonColorTo{0, 0, 0};
  QColor ButtonHotColorFrom{255, 251, 219};
  QColor ButtonHotColorTo{251, 200, 95};
  QColor ButtonSelectedColorFrom{234, 226, 187};
  QColor ButtonSelectedColorTo{221, 159, 56};
  QColor ButtonSeparatorColor{128, 128, 128};
};

class GradientButton : public QWidget {
  Q_OBJECT

 public:
  // The most colours a run is divided into.
  static constexpr int kRunColourCount = 32;

  explicit GradientButton(QWidget* parent = nullptr);

  // An ampersand underlines the next character and makes it the Alt access key; "&&"
  // draws one ampersand.
  QString Caption() const { return caption_; }
  void SetCaption(const QString& caption);

  // Caption font and colour in the normal and pressed looks.
  QFont Font() const { return font_; }
  void SetFont(const QFont& font);
  QColor FontColor() const { return fontColor_; }
  void SetFontColor(const QColor& colour);

  // Caption font and colour in the hot look; an invalid colour means the window-text colour.
  QFont HotTrackFont() const { return hotTrackFont_; }
  void SetHotTrackFont(const QFont& font);
  QColor HotTrackFontColor() const { return hotTrackFontColor_; }
  void SetHotTrackFontColor(const QColor& colour);

  // Whether the pointer resting on the button shows the hot look.
  bool HotTrack() const { return hotTrack_; }
  void SetHotTrack(bool hotTrack);

  const GradientButtonColors& Colors() const { return colors_; }
  void SetColors(const GradientButtonColors& colors);

  // The pointer is over the button.
  bool MouseInside() const { return mouseInside_; }
  // A mouse button went down on the button and has not come up yet.
  bool Pressed() const { return pressed_; }

  // Raised by a completed left click, by the access key and by assistive tools' press action.
  std::function<void(GradientButton*)> OnClick;
  // Receives what OnClick throws, after the button has left its pressed look. Without a
  // sink the error is dropped: it must not travel on into the event loop.
  std::function<void(std::exception_ptr)> OnError;

  // Clicks the button as its access key does; a disabled button ignores it.
  void Click();

 protected:
  void paintEvent(QPaintEvent* event) override;
  void enterEvent(QEnterEvent* event) override;
  void leaveEvent(QEvent* event) override;
  void mousePressEvent(QMouseEvent* event) override;
  void mouseMoveEvent(QMouseEvent* event) override;
  void mouseReleaseEvent(QMouseEvent* event) override;
  void changeEvent(QEvent* event) override;

 private:
  void RaiseClick();
  void SetMouseInside(bool inside);

  QString caption_;
  QFont font_;
  QColor fontColor_{Qt::white};
  QFont hotTrackFont_;
  QColor hotTrackFontColor_;
  bool hotTrack_ = true;
  GradientButtonColors colors_;
  bool mouseInside_ = false;
  bool pressed_ = false;
  bool leftPressed_ = false;  // the left button went down here: its release may click
  QShortcut* accessKey_;
};

}  // namespace beditor
