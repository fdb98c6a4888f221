#include "widgets/stat_spin_arrows.h"

#include <QToolButton>

namespace beditor {
namespace {

QToolButton* MakeArrow(QWidget* parent, Qt::ArrowType arrow, const char* name) {
  auto* button = new QToolButton(parent);
  button->setObjectName(QString::fromLatin1(name));
  button->setArrowType(arrow);
  button->setAutoRepeat(true);
  button->setFocusPolicy(Qt::NoFocus);
  button->setToolButtonStyle(Qt::ToolButtonIconOnly);
  // A pixel-small button: the arrow is scaled to what is left.
  button->setIconSize(QSize(5, 3));
  return button;
}

}  // namespace

StatSpinArrows::StatSpinArrows(QWidget* parent)
    : QWidget(parent),
      up_(MakeArrow(this, Qt::UpArrow, "upArrow")),
      down_(MakeArrow(this, Qt::DownArrow, "downArrow")) {
  setFocusPolicy(Qt::NoFocus);
  // `pressed` comes on the press and again on every auto-repeat; the release that ends a
  // hold brings no step of its own.
  connect(up_, &QToolButton::pressed, this, [this] { emit StepRequested(+1); });
  connect(down_, &QToolButton::pressed, this, [this] { emit StepRequested(-1); });
}

void StatSpinArrows::resizeEvent(QResizeEvent* event) {
  QWidget::resizeEvent(event);
  const int upperHeight = height() / 2;
  up_->setGeometry(0, 0, width(), upperHeight);
  down_->setGeometry(0, upperHeight, width(), height() - upperHeight);
}

}  // namespace beditor
