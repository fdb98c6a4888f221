#pragma once
// A rating bar: a horizontal colour run filling from the left over a grey background run,
// inside a thin frame, with a centred white caption outlined in grey.
#include <QColor>
#include <QImage>
#include <QString>
#include <QWidget>
#include <functional>

namespace beditor {

enum class BarOrientation { VerticalStripes };

// One colour run of a bar. Every accepted change repaints the bar that owns it.
class BarGradient {
 public:
  explicit BarGradient(std::function<void()> changed);
  BarGradient(const BarGradient&) = delete;
  BarGradient& operator=(const BarGradient&) = delete;

  QColor FromColor() const { return from_; }
  void SetFromColor(const QColor& colour);
  QColor ToColor() const { return to_; }
  void SetToColor(const QColor& colour);
  bool Active() const { return active_; }
  void SetActive(bool active);
  BarOrientation Orientation() const { return orientation_; }
  void SetOrientation(BarOrientation orientation);

  // The most bands the run is divided into, 1 .. 255; other values are ignored.
  int Steps() const { return steps_; }
  void SetSteps(int steps);

  // How much of the run is drawn, from the left. Only a changed value in 0 .. 100 is
  // taken; anything else leaves the bar as it was, without clamping or error.
  int PercentFilling() const { return percentFilling_; }
  void SetPercentFilling(int percent);

 private:
  template <typename T>
  void Change(T& field, const T& value);

  std::function<void()> changed_;
  QColor from_{Qt::black};
  QColor to_{Qt::white};
  bool active_ = true;
  BarOrientation orientation_ = BarOrientation::VerticalStripes;
  int steps_ = 255;
  int percentFilling_ = 100;
};

// Colours of the caption decoration; the outline shows in `Delineate`.
class BarLabelColors {
 public:
  explicit BarLabelColors(std::function<void()> changed);
  BarLabelColors(const BarLabelColors&) = delete;
  BarLabelColors& operator=(const BarLabelColors&) = delete;

  QColor Delineate() const { return delineate_; }
  void SetDelineate(const QColor& colour);
  QColor Shadow() const { return shadow_; }
  void SetShadow(const QColor& colour);
  QColor Highlight() const { return highlight_; }
  void SetHighlight(const QColor& colour);
  QColor Background() const { return background_; }
  void SetBackground(const QColor& colour);

 private:
  void Change(QColor& field, const QColor& value);

  std::function<void()> changed_;
  QColor delineate_{128, 128, 128};
  QColor shadow_{Qt::black};
  QColor highlight_{Qt::white};
  QColor background_{Qt::black};
};

class GradientBar : public QWidget {
  Q_OBJECT

 public:
  explicit GradientBar(QWidget* parent = nullptr);

  // The fill run (red to yellow unless set otherwise) and the background run (silver to grey).
  BarGradient Gradient;
  BarGradient GradientBack;
  BarLabelColors Colors;

  // Drawn exactly as set, centred.
  QString Caption() const { return caption_; }
  void SetCaption(const QString& caption);

  // Colour of the caption letters.
  QColor FontColor() const { return fontColor_; }
  void SetFontColor(const QColor& colour);

  // The bar's own percentage; the runs are drawn only while it is above 0.
  int Percent() const { return percent_; }
  void SetPercent(int percent);

 protected:
  void paintEvent(QPaintEvent* event) override;

  // Bits per pixel of the display the bar is on; below 16 the runs are left out.
  virtual int DisplayDepth() const;

 private:
  void Changed();
  QColor OwnerBackground() const;
  void PaintImage();

  QImage image_;       // everything is drawn here first
  QImage background_;  // the owner's background colour, copied in before each paint
  QColor backgroundColour_;
  QString caption_;
  QColor fontColor_{Qt::white};
  int percent_ = 100;
  int reportedFilling_ = 100;  // the fill assistive tools were last told of
};

}  // namespace beditor
