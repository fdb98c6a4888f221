#pragma once
// The stat spin box: a one-line entry box for an ability rating from 1 to 20, with an
// up/down arrow pair at its right edge. Its value lives in its text; every change of the
// text, whatever its cause, is corrected into canonical form at once, and the owner hears
// of each real change of the value through `OnChange`.
#include <QColor>
#include <QLineEdit>
#include <QString>
#include <functional>

class QMenu;

namespace beditor {

class StatSpinArrows;

class StatSpinEdit : public QLineEdit {
  Q_OBJECT

 public:
  static constexpr double MinValue = 1;
  static constexpr double MaxValue = 20;
  static constexpr double Increment = 1;
  static constexpr int BoxWidth = 65;
  static constexpr int BoxHeight = 21;
  // The soft bevel drawn around the inner area.
  static constexpr int BevelWidth = 2;
  // The arrow pair is as wide as a vertical scroll bar, but no wider than this.
  static constexpr int MaxArrowWidth = 15;
  // Room left between the end of the text area and the arrow pair.
  static constexpr int ArrowGap = 2;

  explicit StatSpinEdit(QWidget* parent = nullptr);

  // The text read as a whole number; unreadable text reads as MinValue. Not clamped.
  double Value() const;
  // Clamps `x`, writes it as canonical text when that differs from the text shown; the
  // change is reported through OnChange like a typed one.
  void SetValue(double x);
  // Value truncated toward zero.
  int IntegerValue() const;
  // The value at the last change notification.
  double LastReportedValue() const { return lastReportedValue_; }

  // The fighter-record line the box edits, as its window sets it (0 until set).
  int RecordLine() const { return recordLine_; }
  void SetRecordLine(int line) { recordLine_ = line; }

  void StepUp();
  void StepDown();

  // Text colour of the enabled box; a disabled box always shows greyed text. Recolouring
  // through setPalette(QPalette::Text) works as well.
  void SetTextColor(const QColor& color);
  QColor TextColor() const;

  // Single-level undo: back to the text before the last edit (an undo undoes itself).
  bool CanUndo() const { return undoAvailable_; }
  void Undo();

  // The box's context menu: undo, copy and select all; cut, paste and delete are shown
  // but never enabled. The menu is a child of the box.
  QMenu* CreateContextMenu();

  StatSpinArrows* Arrows() const { return arrows_; }
  // Where the text is drawn: inside the bevel, ending ArrowGap pixels left of the arrows.
  QRect TextArea() const;
  // The on-box rectangle of the character at `offset` (for assistive technology).
  QRect CharacterRect(int offset) const;

  QSize sizeHint() const override;
  QSize minimumSizeHint() const override;

  // Raised only by the change processing, once per real change of the value.
  std::function<void(StatSpinEdit*)> OnChange;

 protected:
  bool event(QEvent* event) override;
  void keyPressEvent(QKeyEvent* event) override;
  void inputMethodEvent(QInputMethodEvent* event) override;
  void wheelEvent(QWheelEvent* event) override;
  void focusInEvent(QFocusEvent* event) override;
  void focusOutEvent(QFocusEvent* event) override;
  void mousePressEvent(QMouseEvent* event) override;
  void mouseReleaseEvent(QMouseEvent* event) override;
  void contextMenuEvent(QContextMenuEvent* event) override;
  void paintEvent(QPaintEvent* event) override;
  void resizeEvent(QResizeEvent* event) override;
  void changeEvent(QEvent* event) override;

 private:
  // What caused the text change being processed; decides what undo remembers.
  enum class EditSource { Code, Typing, Step, Undo };

  void ProcessChange();
  // Runs `change` with the change processing held off, then processes the result once, so
  // that OnChange is raised from the box's own code rather than from inside the line edit.
  void ChangeThenProcess(const std::function<void()>& change);
  void Step(double delta);
  void StepFromArrow(int direction);
  // Clamp, canonical text, replace the text only when it differs.
  void WriteValue(double x);
  void RememberForUndo(const QString& previousText);
  void LayoutArrows();
  void KeepDisabledTextGreyed();
  void PaintBevel();

  StatSpinArrows* arrows_;
  double lastReportedValue_ = 0;
  bool changing_ = false;
  int recordLine_ = 0;

  EditSource source_ = EditSource::Code;
  // The text as the last change processing left it.
  QString shownText_;
  QString undoText_;
  bool undoAvailable_ = false;
  // Characters typed one after another form one edit for undo.
  bool typingRun_ = false;
};

}  // namespace beditor
