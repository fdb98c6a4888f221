#include "editor/caption_label.h"

#include <QEvent>

namespace beditor {

CaptionLabel::CaptionLabel(const QString& text, QWidget* parent) : QLabel(text, parent) {
  QPalette palette = this->palette();
  palette.setColor(QPalette::Active, QPalette::WindowText, Qt::white);
  palette.setColor(QPalette::Inactive, QPalette::WindowText, Qt::white);
  palette.setColor(QPalette::Disabled, QPalette::WindowText, QColor(160, 160, 160));
  setPalette(palette);
  setAutoFillBackground(false);
  setAttribute(Qt::WA_TranslucentBackground);
}

void CaptionLabel::Fit() {
  fitPending_ = false;  // first: adjustSize polishes the label, which asks for a fit again
  adjustSize();
}

void CaptionLabel::AttachTo(QWidget* box, Side side) {
  box_ = box;
  side_ = side;
  setBuddy(box);
  box->installEventFilter(this);
  Place();
}

void CaptionLabel::SetCaption(const QString& text) {
  setText(text);
  Fit();
  Place();
}

void CaptionLabel::Place() {
  if (fitPending_) Fit();
  if (!box_) return;
  const QRect box = box_->geometry();
  if (side_ == Side::Above) {
    move(box.left(), box.top() - height() - 3);
  } else if (side_ == Side::Left) {
    move(box.left() - width() - 3, box.top() + (box.height() - height()) / 2);
  }
}

bool CaptionLabel::event(QEvent* event) {
  if (event->type() == QEvent::Polish && fitPending_) Place();
  return QLabel::event(event);
}

bool CaptionLabel::eventFilter(QObject* watched, QEvent* event) {
  if (watched == box_) {
    switch (event->type()) {
      case QEvent::EnabledChange: setEnabled(box_->isEnabled()); break;
      case QEvent::ShowToParent: show(); break;
      case QEvent::HideToParent: hide(); break;
      case QEvent::Move:
      case QEvent::Resize: Place(); break;
      default: break;
    }
  }
  return QLabel::eventFilter(watched, event);
}

}  // namespace beditor
