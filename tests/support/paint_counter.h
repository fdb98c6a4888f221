#pragma once
// Counts the paint events a widget receives, for checks that a change repaints (or not).
#include <QEvent>
#include <QWidget>

namespace beditor::test {

class PaintCounter : public QObject {
 public:
  explicit PaintCounter(QWidget* widget) { widget->installEventFilter(this); }
  int count = 0;

 protected:
  bool eventFilter(QObject*, QEvent* event) override {
    if (event->type() == QEvent::Paint) ++count;
    return false;
  }
};

}  // namespace beditor::test
