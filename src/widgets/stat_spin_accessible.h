#pragma once
// What assistive technology sees of a stat spin box: editable text with its caret and
// selection, and a value from 1 to 20 that can be read, set and stepped.
#include <QAccessibleWidget>

namespace beditor {

class StatSpinEdit;

class StatSpinAccessible : public QAccessibleWidget,
                           public QAccessibleTextInterface,
                           public QAccessibleValueInterface {
 public:
  explicit StatSpinAccessible(StatSpinEdit* box);

  void* interface_cast(QAccessible::InterfaceType type) override;
  QString text(QAccessible::Text kind) const override;
  void setText(QAccessible::Text kind, const QString& text) override;
  QAccessible::State state() const override;

  QStringList actionNames() const override;
  void doAction(const QString& actionName) override;

  // Text.
  void selection(int selectionIndex, int* startOffset, int* endOffset) const override;
  int selectionCount() const override;
  void addSelection(int startOffset, int endOffset) override;
  void removeSelection(int selectionIndex) override;
  void setSelection(int selectionIndex, int startOffset, int endOffset) override;
  int cursorPosition() const override;
  void setCursorPosition(int position) override;
  QString text(int startOffset, int endOffset) const override;
  int characterCount() const override;
  QRect characterRect(int offset) const override;
  int offsetAtPoint(const QPoint& point) const override;
  void scrollToSubstring(int startIndex, int endIndex) override;
  QString attributes(int offset, int* startOffset, int* endOffset) const override;

  // Value.
  QVariant currentValue() const override;
  void setCurrentValue(const QVariant& value) override;
  QVariant maximumValue() const override;
  QVariant minimumValue() const override;
  QVariant minimumStepSize() const override;

 private:
  StatSpinEdit* Box() const;
};

// Makes every stat spin box answer with StatSpinAccessible; safe to call any number of
// times.
void InstallStatSpinAccessibility();

}  // namespace beditor
