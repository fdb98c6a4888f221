#include "widgets/gradient_bar.h"

#include <QAccessible>
#include <QFontMetrics>
#include <QPainter>
#include <utility>

#include "core/colour_runs.h"
#include "widgets/gradient_caption_font.h"
#include "widgets/gradient_accessibility.h"
#include "widgets/tahoma_font.h"

namespace beditor {

namespace {

Rgb ToRgb(const QColor& colour) { return {colour.red(), colour.green(), colour.blue()}; }

// The caption is measured with the system's default dialog font, Tahoma 8 point.
QFont DialogFont() { return TahomaFont(11); }

}  // namespace

BarGradient::BarGradient(std::function<void()> changed) : changed_(std::move(changed)) {}

template <typename T>
void BarGradient::Change(T& field, const T& value) {
  if (field == value) return;
  field = value;
  if (changed_) changed_();
}

void BarGradient::SetFromColor(const QColor& colour) { Change(from_, colour); }
void BarGradient::SetToColor(const QColor& colour) { Change(to_, colour); }
void BarGradient::SetActive(bool active) { Change(active_, active); }
void BarGradient::SetOrientation(BarOrientation orientation) { Change(orientation_, orientation); }

void BarGradient::SetSteps(int steps) {
  if (steps >= 1 && steps <= 255) Change(steps_, steps);
}

void BarGradient::SetPercentFilling(int percent) {
  if (percent >= 0 && percent <= 100) Change(percentFilling_, percent);
}

BarLabelColors::BarLabelColors(std::function<void()> changed) : changed_(std::move(changed)) {}

void BarLabelColors::Change(QColor& field, const QColor& value) {
  if (field == value) return;
  field = value;
  if (changed_) changed_();
}

void BarLabelColors::SetDelineate(const QColor& colour) { Change(delineate_, colour); }
void BarLabelColors::SetShadow(const QColor& colour) { Change(shadow_, colour); }
void BarLabelColors::SetHighlight(const QColor& colour) { Change(highlight_, colour); }
void BarLabelColors::SetBackground(const QColor& colour) { Change(background_, colour); }

GradientBar::GradientBar(QWidget* parent)
    : QWidget(parent),
      Gradient([this] { Changed(); }),
      GradientBack([this] { Changed(); }),
      Colors([this] { Changed(); }) {
  InstallGradientAccessibility();
  setFocusPolicy(Qt::NoFocus);
  setFont(TahomaFont(11));
  Gradient.SetFromColor(QColor(255, 0, 0));
  Gradient.SetToColor(QColor(255, 255, 0));
  GradientBack.SetFromColor(QColor(192, 192, 192));
  GradientBack.SetToColor(QColor(128, 128, 128));
  GradientBack.SetSteps(100);
  resize(276, 20);
}

void GradientBar::SetCaption(const QString& caption) {
  if (caption == caption_) return;
  caption_ = caption;
  Changed();
  QAccessibleEvent event(this, QAccessible::NameChanged);
  QAccessible::updateAccessibility(&event);
}

void GradientBar::SetFontColor(const QColor& colour) {
  if (colour == fontColor_) return;
  fontColor_ = colour;
  Changed();
}

void GradientBar::SetPercent(int percent) {
  if (percent < 0 || percent > 100 || percent == percent_) return;
  percent_ = percent;
  Changed();
}

void GradientBar::Changed() {
  update();
  if (Gradient.PercentFilling() != reportedFilling_) {
    reportedFilling_ = Gradient.PercentFilling();
    QAccessibleValueChangeEvent event(this, reportedFilling_);
    QAccessible::updateAccessibility(&event);
  }
}

int GradientBar::DisplayDepth() const { return depth(); }

QColor GradientBar::OwnerBackground() const {
  const QWidget* owner = parentWidget() ? parentWidget() : this;
  return owner->palette().color(QPalette::Window);
}

void GradientBar::PaintImage() {
  const int width = this->width();
  const int height = this->height();
  const QColor ownerColour = OwnerBackground();
  if (background_.size() != size() || backgroundColour_ != ownerColour) {
    background_ = QImage(size(), QImage::Format_ARGB32_Premultiplied);
    background_.fill(ownerColour.rgb());
    backgroundColour_ = ownerColour;
  }
  image_ = background_.copy();

  QPainter painter(&image_);
  // Button-shadow colour: the Dark role is the platform's 3D shadow of buttons.
  const QColor frame = palette().color(QPalette::Dark);
  painter.fillRect(0, 0, width, 1, frame);
  painter.fillRect(0, height - 1, width, 1, frame);
  painter.fillRect(0, 0, 1, height, frame);
  painter.fillRect(width - 1, 0, 1, height, frame);

  // The runs leave column W-2 and rows 1 and H-2 to the background.
  const int areaLeft = 1;
  const int areaWidth = width - 3;
  const int areaTop = 2;
  const int areaHeight = height - 4;
  if (percent_ > 0 && areaHeight > 0 && DisplayDepth() >= 16) {
    for (const BarGradient* gradient : {&GradientBack, &Gradient}) {
      if (!gradient->Active()) continue;
      for (const ColourBand& band :
           StripeBands(areaLeft, areaWidth, gradient->Steps(), gradient->PercentFilling(),
                       ToRgb(gradient->FromColor()), ToRgb(gradient->ToColor())))
        painter.fillRect(band.first, areaTop, band.end - band.first, areaHeight,
                         QColor(band.colour.red, band.colour.green, band.colour.blue));
    }
  }

  if (!caption_.isEmpty()) {
    const QFontMetrics measure(DialogFont());
    const int textWidth = measure.horizontalAdvance(caption_) + 2;
    const int textHeight = measure.height() + 2;
    const int x = (width - textWidth) / 2;
    const int y = (height - textHeight) / 2;
    const QFont letters = CrispCaptionFont(font());
    painter.setFont(letters);
    painter.setClipRect(rect());
    const int baseline = QFontMetrics(letters).ascent();
    painter.setPen(Colors.Delineate());
    for (const QPoint offset : {QPoint(0, 0), QPoint(2, 2), QPoint(0, 2), QPoint(2, 0)})
      painter.drawText(x + offset.x(), y + offset.y() + baseline, caption_);
    painter.setPen(fontColor_);
    painter.drawText(x + 1, y + 1 + baseline, caption_);
  }
  painter.end();

  // Pixels in the owner's background colour are left out, so the owner shows through.
  const QRgb hole = ownerColour.rgb();
  for (int row = 0; row < height; ++row) {
    auto* line = reinterpret_cast<QRgb*>(image_.scanLine(row));
    for (int column = 0; column < width; ++column)
      if (line[column] == hole) line[column] = qRgba(0, 0, 0, 0);
  }
}

void GradientBar::paintEvent(QPaintEvent*) {
  if (width() <= 0 || height() <= 0) return;
  PaintImage();
  QPainter painter(this);
  painter.drawImage(0, 0, image_);
}

}  // namespace beditor
