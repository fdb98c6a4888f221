#pragma once
// An image control that reports clicks (the hidden language flag).
#include <QLabel>
#include <functional>

namespace beditor {

class ClickableImage : public QLabel {
  Q_OBJECT
 public:
  explicit ClickableImage(QWidget* parent = nullptr);
  std::function<void()> OnClick;

 protected:
  void mouseReleaseEvent(QMouseEvent* event) override;
};

}  // namespace beditor
