#pragma once
// The white caption label of a control, drawn transparent over the background picture.
// A text box's label follows its box: it is placed by the label rule again whenever its
// caption changes size, and greys and hides with the box.
#include <QLabel>
#include <QPointer>

namespace beditor {

class CaptionLabel : public QLabel {
  Q_OBJECT
 public:
  enum class Side { None, Above, Left };

  CaptionLabel(const QString& text, QWidget* parent);

  // Places the label above or to the left of `box` and makes it follow the box's state.
  void AttachTo(QWidget* box, Side side);

  void SetCaption(const QString& text);

 protected:
  bool event(QEvent* event) override;
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  void Fit();
  void Place();

  QPointer<QWidget> box_;
  Side side_ = Side::None;
  // The designed caption is measured only if it is still there when the label is placed or
  // first shown: the caption table normally replaces it first, and measuring text is one of
  // the dearer steps of building the window.
  bool fitPending_ = true;
};

}  // namespace beditor
