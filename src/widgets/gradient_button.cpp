#include "widgets/gradient_button.h"

#include <QAccessible>
#include <QEnterEvent>
#include <QKeySequence>
#include <QMouseEvent>
#include <QPainter>
#include <QPointer>
#include <QShortcut>

#include "core/colour_runs.h"
#include "widgets/gradient_accessibility.h"
#include "widgets/gradient_caption_font.h"
#include "widgets/tahoma_font.h"

namespace beditor {

namespace {

Rgb ToRgb(const QColor& colour) { return {colour.red(), colour.green(), colour.blue()}; }

}  // namespace

GradientButton::GradientButton(QWidget* parent)
    : QWidget(parent),
      font_(TahomaFont(11, true)),
      hotTrackFont_(TahomaFont(11, true)),
      accessKey_(new QShortcut(this)) {
  InstallGradientAccessibility();
  setFocusPolicy(Qt::NoFocus);
  setAttribute(Qt::WA_OpaquePaintEvent);
  accessKey_->setContext(Qt::WindowShortcut);
  connect(accessKey_, &QShortcut::activated, this, &GradientButton::Click);
  resize(100, 28);
}

void GradientButton::SetCaption(const QString& caption) {
  if (caption == caption_) return;
  caption_ = caption;
  accessKey_->setKey(QKeySequence::mnemonic(caption_));
  update();
  QAccessibleEvent event(this, QAccessible::NameChanged);
  QAccessible::updateAccessibility(&event);
}

void GradientButton::SetFont(const QFont& font) {
  font_ = font;
  update();
}

void GradientButton::SetFontColor(const QColor& colour) {
  fontColor_ = colour;
  update();
}

void GradientButton::SetHotTrackFont(const QFont& font) {
  hotTrackFont_ = font;
  update();
}

void GradientButton::SetHotTrackFontColor(const QColor& colour) {
  hotTrackFontColor_ = colour;
  update();
}

void GradientButton::SetHotTrack(bool hotTrack) {
  hotTrack_ = hotTrack;
  update();
}

void GradientButton::SetColors(const GradientButtonColors& colors) {
  colors_ = colors;
  update();
}

void GradientButton::Click() {
  if (isEnabled()) RaiseClick();
}

void GradientButton::RaiseClick() {
  // Copies: the handler may replace them, or even delete the button, while it runs.
  const auto onClick = OnClick;
  const auto onError = OnError;
  if (!onClick) return;
  QPointer<GradientButton> self(this);
  try {
    onClick(this);
  } catch (...) {
    const std::exception_ptr error = std::current_exception();
    if (self) {
      pressed_ = false;
      leftPressed_ = false;
      repaint();  // the error box must not find the button still pressed
    }
    if (onError) {
      try {
        onError(error);
      } catch (...) {
      }
    }
  }
}

void GradientButton::SetMouseInside(bool inside) {
  if (inside == mouseInside_) return;
  mouseInside_ = inside;
  update();
}

void GradientButton::enterEvent(QEnterEvent*) {
  if (isEnabled()) SetMouseInside(true);
}

void GradientButton::leaveEvent(QEvent*) { SetMouseInside(false); }

void GradientButton::mousePressEvent(QMouseEvent* event) {
  // Qt keeps sending this button the mouse until every button is up again. The second
  // press of a double click comes here too, through QWidget's double-click handler, so a
  // double click is two clicks.
  mouseInside_ = true;
  pressed_ = true;
  if (event->button() == Qt::LeftButton) leftPressed_ = true;
  update();
}

void GradientButton::mouseMoveEvent(QMouseEvent* event) {
  if (pressed_) SetMouseInside(rect().contains(event->position().toPoint()));
}

void GradientButton::mouseReleaseEvent(QMouseEvent* event) {
  mouseInside_ = rect().contains(event->position().toPoint());
  const bool click = event->button() == Qt::LeftButton && leftPressed_ && mouseInside_;
  leftPressed_ = false;
  if (click) {
    // Pressed stays set while the handler runs, so a dialog it opens finds the button down.
    QPointer<GradientButton> self(this);
    RaiseClick();
    if (!self) return;
  }
  pressed_ = false;
  update();
}

void GradientButton::changeEvent(QEvent* event) {
  if (event->type() == QEvent::EnabledChange && !isEnabled()) {
    mouseInside_ = false;
    pressed_ = false;
    leftPressed_ = false;
    update();
  }
  QWidget::changeEvent(event);
}

void GradientButton::paintEvent(QPaintEvent*) {
  const bool hot = hotTrack_ && mouseInside_ && !pressed_;
  QColor top = colors_.ButtonColorFrom;
  QColor bottom = colors_.ButtonColorTo;
  QFont captionFont = font_;
  QColor captionColour = fontColor_;
  if (pressed_) {
    top = colors_.ButtonSelectedColorTo;
    bottom = colors_.ButtonSelectedColorFrom;
  } else if (hot) {
    top = colors_.ButtonHotColorFrom;
    bottom = colors_.ButtonHotColorTo;
    captionFont = hotTrackFont_;
    captionColour = hotTrackFontColor_.isValid() ? hotTrackFontColor_
                                                 : palette().color(QPalette::WindowText);
  }

  QPainter painter(this);
  for (const ColourBand& band : VerticalRunBands(height(), kRunColourCount, ToRgb(top), ToRgb(bottom)))
    painter.fillRect(0, band.first, width(), band.end - band.first,
                     QColor(band.colour.red, band.colour.green, band.colour.blue));

  const QRect captionArea = rect().adjusted(4, 4, -4, -4);
  if (captionArea.isValid()) {
    painter.save();
    painter.setClipRect(captionArea);  // too long a caption is cut, never wrapped
    painter.setFont(CrispCaptionFont(captionFont));
    painter.setPen(captionColour);
    painter.drawText(captionArea,
                     Qt::AlignLeft | Qt::AlignVCenter | Qt::TextSingleLine | Qt::TextShowMnemonic,
                     caption_);
    painter.restore();
  }

  painter.fillRect(0, height() - 1, width(), 1, colors_.ButtonSeparatorColor);
}

}  // namespace beditor
