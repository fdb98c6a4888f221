#include "editor/single_line_edit.h"

#include <QAction>
#include <QClipboard>
#include <QContextMenuEvent>
#include <QGuiApplication>
#include <QKeyEvent>
#include <QMenu>
#include <QMimeData>
#include <limits>

#include "qt_adapters/widget_text.h"

namespace beditor {

SingleLineEdit::SingleLineEdit(QWidget* parent) : QLineEdit(parent) {
  // A record line may be longer than a line edit's default 32767 characters; a cut box
  // would write the cut text back into the record when a fighter is loaded.
  setMaxLength(std::numeric_limits<int>::max());
}

void SingleLineEdit::PasteFirstLine() {
  if (isReadOnly()) return;
  insert(FirstLineOf(QGuiApplication::clipboard()->text(QClipboard::Clipboard)));
}

void SingleLineEdit::keyPressEvent(QKeyEvent* event) {
  if (event->matches(QKeySequence::Paste)) {
    PasteFirstLine();
    event->accept();
    return;
  }
  QLineEdit::keyPressEvent(event);
}

void SingleLineEdit::contextMenuEvent(QContextMenuEvent* event) {
  QMenu* menu = createStandardContextMenu();
  menu->setAttribute(Qt::WA_DeleteOnClose);
  // The standard paste action would insert every line of the clipboard text.
  for (QAction* action : menu->actions()) {
    if (action->objectName() == QLatin1String("edit-paste")) {
      disconnect(action, &QAction::triggered, nullptr, nullptr);
      connect(action, &QAction::triggered, this, &SingleLineEdit::PasteFirstLine);
    }
  }
  menu->popup(event->globalPos());
}

void SingleLineEdit::dropEvent(QDropEvent* event) {
  if (!event->mimeData()->hasText() || isReadOnly()) {
    QLineEdit::dropEvent(event);
    return;
  }
  setCursorPosition(cursorPositionAt(event->position().toPoint()));
  insert(FirstLineOf(event->mimeData()->text()));
  event->acceptProposedAction();
  setFocus(Qt::MouseFocusReason);
}

void SingleLineEdit::mouseReleaseEvent(QMouseEvent* event) {
  // The X11 selection paste on a middle click.
  if (event->button() == Qt::MiddleButton && QGuiApplication::clipboard()->supportsSelection()) {
    if (!isReadOnly()) {
      setCursorPosition(cursorPositionAt(event->position().toPoint()));
      insert(FirstLineOf(QGuiApplication::clipboard()->text(QClipboard::Selection)));
    }
    event->accept();
    return;
  }
  QLineEdit::mouseReleaseEvent(event);
}

}  // namespace beditor
