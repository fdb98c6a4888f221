#pragma once
// A text box whose pasted or dropped text keeps only its first line, so a record line
// never receives a line break.
#include <QLineEdit>

namespace beditor {

class SingleLineEdit : public QLineEdit {
  Q_OBJECT
 public:
  explicit SingleLineEdit(QWidget* parent = nullptr);

  // Inserts the first line of the clipboard text at the caret.
  void PasteFirstLine();

 protected:
  void keyPressEvent(QKeyEvent* event) override;
  void contextMenuEvent(QContextMenuEvent* event) override;
  void dropEvent(QDropEvent* event) override;
  void mouseReleaseEvent(QMouseEvent* event) override;
};

}  // namespace beditor
