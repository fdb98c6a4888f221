#include "widgets/stat_spin_accessible.h"

#include "widgets/stat_spin_edit.h"

namespace beditor {
namespace {

QAccessibleInterface* CreateStatSpinAccessible(const QString& className, QObject* object) {
  if (className != QLatin1String(StatSpinEdit::staticMetaObject.className())) return nullptr;
  auto* box = qobject_cast<StatSpinEdit*>(object);
  return box ? new StatSpinAccessible(box) : nullptr;
}

}  // namespace

StatSpinAccessible::StatSpinAccessible(StatSpinEdit* box)
    : QAccessibleWidget(box, QAccessible::EditableText) {}

StatSpinEdit* StatSpinAccessible::Box() const { return static_cast<StatSpinEdit*>(widget()); }

void* StatSpinAccessible::interface_cast(QAccessible::InterfaceType type) {
  switch (type) {
    case QAccessible::TextInterface:
      return static_cast<QAccessibleTextInterface*>(this);
    case QAccessible::ValueInterface:
      return static_cast<QAccessibleValueInterface*>(this);
    default:
      return QAccessibleWidget::interface_cast(type);
  }
}

QString StatSpinAccessible::text(QAccessible::Text kind) const {
  if (kind == QAccessible::Value) return Box()->text();
  // The name comes from accessibleName or else from the label whose buddy the box is.
  return QAccessibleWidget::text(kind);
}

void StatSpinAccessible::setText(QAccessible::Text kind, const QString& text) {
  // Goes through the change processing like any other text change.
  if (kind == QAccessible::Value) {
    Box()->setText(text);
  } else {
    QAccessibleWidget::setText(kind, text);
  }
}

QAccessible::State StatSpinAccessible::state() const {
  QAccessible::State state = QAccessibleWidget::state();
  state.editable = true;
  state.selectableText = true;
  return state;
}

QStringList StatSpinAccessible::actionNames() const {
  return QAccessibleWidget::actionNames() << QAccessibleActionInterface::increaseAction()
                                          << QAccessibleActionInterface::decreaseAction();
}

void StatSpinAccessible::doAction(const QString& actionName) {
  if (!Box()->isEnabled()) return;
  if (actionName == QAccessibleActionInterface::increaseAction()) {
    Box()->StepUp();
  } else if (actionName == QAccessibleActionInterface::decreaseAction()) {
    Box()->StepDown();
  } else {
    QAccessibleWidget::doAction(actionName);
  }
}

void StatSpinAccessible::selection(int selectionIndex, int* startOffset, int* endOffset) const {
  *startOffset = *endOffset = 0;
  if (selectionIndex != 0 || !Box()->hasSelectedText()) return;
  *startOffset = Box()->selectionStart();
  *endOffset = Box()->selectionEnd();
}

int StatSpinAccessible::selectionCount() const { return Box()->hasSelectedText() ? 1 : 0; }

void StatSpinAccessible::addSelection(int startOffset, int endOffset) {
  setSelection(0, startOffset, endOffset);
}

void StatSpinAccessible::removeSelection(int selectionIndex) {
  if (selectionIndex == 0) Box()->deselect();
}

void StatSpinAccessible::setSelection(int selectionIndex, int startOffset, int endOffset) {
  if (selectionIndex != 0) return;
  Box()->setSelection(startOffset, endOffset - startOffset);
}

int StatSpinAccessible::cursorPosition() const { return Box()->cursorPosition(); }

void StatSpinAccessible::setCursorPosition(int position) { Box()->setCursorPosition(position); }

QString StatSpinAccessible::text(int startOffset, int endOffset) const {
  const QString shown = Box()->text();
  if (startOffset < 0 || endOffset > shown.size() || startOffset > endOffset) return {};
  return shown.mid(startOffset, endOffset - startOffset);
}

int StatSpinAccessible::characterCount() const { return Box()->text().size(); }

QRect StatSpinAccessible::characterRect(int offset) const {
  const QRect onBox = Box()->CharacterRect(offset);
  if (onBox.isNull()) return {};
  return QRect(Box()->mapToGlobal(onBox.topLeft()), onBox.size());
}

int StatSpinAccessible::offsetAtPoint(const QPoint& point) const {
  const QPoint onBox = Box()->mapFromGlobal(point);
  if (!Box()->TextArea().contains(onBox)) return -1;
  return Box()->cursorPositionAt(onBox);
}

void StatSpinAccessible::scrollToSubstring(int, int) {
  // At most a few digits: the text always fits.
}

QString StatSpinAccessible::attributes(int offset, int* startOffset, int* endOffset) const {
  *startOffset = *endOffset = offset;
  return {};
}

QVariant StatSpinAccessible::currentValue() const { return Box()->IntegerValue(); }

void StatSpinAccessible::setCurrentValue(const QVariant& value) {
  if (!Box()->isEnabled()) return;
  bool readable = false;
  const double number = value.toDouble(&readable);
  if (readable) Box()->SetValue(number);
}

QVariant StatSpinAccessible::maximumValue() const {
  return static_cast<int>(StatSpinEdit::MaxValue);
}

QVariant StatSpinAccessible::minimumValue() const {
  return static_cast<int>(StatSpinEdit::MinValue);
}

QVariant StatSpinAccessible::minimumStepSize() const {
  return static_cast<int>(StatSpinEdit::Increment);
}

void InstallStatSpinAccessibility() {
  static const bool installed = [] {
    QAccessible::installFactory(&CreateStatSpinAccessible);
    return true;
  }();
  (void)installed;
}

}  // namespace beditor
