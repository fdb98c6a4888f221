#include "editor/clickable_image.h"

#include <QMouseEvent>

namespace beditor {

ClickableImage::ClickableImage(QWidget* parent) : QLabel(parent) { setCursor(Qt::PointingHandCursor); }

void ClickableImage::mouseReleaseEvent(QMouseEvent* event) {
  if (event->button() == Qt::LeftButton && rect().contains(event->position().toPoint()) && OnClick) OnClick();
  QLabel::mouseReleaseEvent(event);
}

}  // namespace beditor
