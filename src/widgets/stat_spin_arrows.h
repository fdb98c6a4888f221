#pragma once
// The up/down arrow pair of the stat spin box: two stacked arrow buttons that step once
// when pressed and once per auto-repeat while held. They never take the focus themselves.
#include <QWidget>

class QToolButton;

namespace beditor {

class StatSpinArrows : public QWidget {
  Q_OBJECT

 public:
  explicit StatSpinArrows(QWidget* parent = nullptr);

  QToolButton* UpArrow() const { return up_; }
  QToolButton* DownArrow() const { return down_; }

 signals:
  // +1 for the upper arrow, -1 for the lower one; once per press and once per repeat.
  void StepRequested(int direction);

 protected:
  void resizeEvent(QResizeEvent* event) override;

 private:
  QToolButton* up_;
  QToolButton* down_;
};

}  // namespace beditor
