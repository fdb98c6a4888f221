#include "widgets/stat_spin_edit.h"

#include <QAccessible>
#include <QApplication>
#include <QContextMenuEvent>
#include <QFocusEvent>
#include <QFontMetrics>
#include <QInputMethodEvent>
#include <QKeyEvent>
#include <QKeySequence>
#include <QMenu>
#include <QMouseEvent>
#include <QPainter>
#include <QStyle>
#include <QWheelEvent>
#include <algorithm>
#include <utility>

#include "widgets/stat_spin_accessible.h"
#include "widgets/stat_spin_arrows.h"
#include "core/stat_spin_rules.h"
#include "widgets/system_beep.h"
#include "widgets/tahoma_font.h"

namespace beditor {
namespace {

// Sets a flag for the length of a scope and puts the old state back however the scope
// ends (an OnChange handler may throw).
class ScopedFlag {
 public:
  explicit ScopedFlag(bool& flag) : flag_(flag), previous_(std::exchange(flag, true)) {}
  ~ScopedFlag() { flag_ = previous_; }
  ScopedFlag(const ScopedFlag&) = delete;
  ScopedFlag& operator=(const ScopedFlag&) = delete;

 private:
  bool& flag_;
  bool previous_;
};

template <typename T>
class ScopedValue {
 public:
  ScopedValue(T& slot, T value) : slot_(slot), previous_(std::exchange(slot, value)) {}
  ~ScopedValue() { slot_ = previous_; }
  ScopedValue(const ScopedValue&) = delete;
  ScopedValue& operator=(const ScopedValue&) = delete;

 private:
  T& slot_;
  T previous_;
};

bool IsAcceptedText(const QString& text) {
  const QList<uint> characters = text.toUcs4();
  return std::all_of(characters.begin(), characters.end(),
                     [](uint c) { return IsAcceptedSpinCharacter(c); });
}

// Whether a plain line edit would insert the key's text (it leaves Ctrl and Ctrl+Shift
// chords to the shortcuts).
bool InsertsText(const QKeyEvent& event) {
  const QString text = event.text();
  if (text.isEmpty() || !text.front().isPrint()) return false;
  const Qt::KeyboardModifiers modifiers = event.modifiers() & ~Qt::KeypadModifier;
  return modifiers != Qt::ControlModifier && modifiers != (Qt::ControlModifier | Qt::ShiftModifier);
}

bool IsCutOrPaste(const QKeyEvent& event) {
  if (event.matches(QKeySequence::Cut) || event.matches(QKeySequence::Paste)) return true;
  const Qt::KeyboardModifiers modifiers = event.modifiers() & ~Qt::KeypadModifier;
  switch (event.key()) {
    case Qt::Key_X:
    case Qt::Key_V:
      return modifiers == Qt::ControlModifier;
    case Qt::Key_Delete:
    case Qt::Key_Insert:
      return modifiers == Qt::ShiftModifier;
    default:
      return false;
  }
}

bool IsStepKey(const QKeyEvent& event) {
  return (event.key() == Qt::Key_Up || event.key() == Qt::Key_Down) &&
         !(event.modifiers() & Qt::AltModifier);
}

QString MenuText(const char* text, QKeySequence::StandardKey shortcut) {
  QString result = QLineEdit::tr(text);
  const QString keys = QKeySequence(shortcut).toString(QKeySequence::NativeText);
  if (!keys.isEmpty()) result += QLatin1Char('\t') + keys;
  return result;
}

}  // namespace

StatSpinEdit::StatSpinEdit(QWidget* parent) : QLineEdit(parent), arrows_(new StatSpinArrows(this)) {
  InstallStatSpinAccessibility();
  setFrame(false);
  setFont(TahomaFont(11, true));
  setAlignment(Qt::AlignRight | Qt::AlignVCenter);
  // Dropping text would be a paste.
  setAcceptDrops(false);
  setInputMethodHints(Qt::ImhPreferNumbers | Qt::ImhNoPredictiveText);
  resize(BoxWidth, BoxHeight);
  LayoutArrows();
  connect(arrows_, &StatSpinArrows::StepRequested, this, &StatSpinEdit::StepFromArrow);

  setText(QStringLiteral("0"));
  connect(this, &QLineEdit::textChanged, this, &StatSpinEdit::ProcessChange);
  SetValue(MinValue);
  lastReportedValue_ = MinValue;
  shownText_ = text();
  undoAvailable_ = false;
}

double StatSpinEdit::Value() const { return SpinTextValue(text().toStdString(), MinValue); }

void StatSpinEdit::SetValue(double x) {
  const ScopedValue source(source_, EditSource::Code);
  ChangeThenProcess([this, x] { WriteValue(x); });
}

int StatSpinEdit::IntegerValue() const { return static_cast<int>(Value()); }

void StatSpinEdit::StepUp() { Step(+Increment); }

void StatSpinEdit::StepDown() { Step(-Increment); }

void StatSpinEdit::SetTextColor(const QColor& color) {
  QPalette colours = palette();
  colours.setColor(QPalette::Active, QPalette::Text, color);
  colours.setColor(QPalette::Inactive, QPalette::Text, color);
  setPalette(colours);
}

QColor StatSpinEdit::TextColor() const { return palette().color(QPalette::Active, QPalette::Text); }

void StatSpinEdit::Undo() {
  if (!undoAvailable_) return;
  const ScopedValue source(source_, EditSource::Undo);
  typingRun_ = false;
  const QString target = std::exchange(undoText_, text());
  ChangeThenProcess([this, &target] { setText(target); });
}

QMenu* StatSpinEdit::CreateContextMenu() {
  auto* menu = new QMenu(this);
  QAction* undo = menu->addAction(MenuText("&Undo", QKeySequence::Undo), this, &StatSpinEdit::Undo);
  undo->setObjectName(QStringLiteral("edit-undo"));
  undo->setEnabled(CanUndo());
  menu->addSeparator();
  // Cut, paste and delete are refused; they stay in the menu, greyed, where users look
  // for them.
  QAction* cut = menu->addAction(MenuText("Cu&t", QKeySequence::Cut));
  cut->setObjectName(QStringLiteral("edit-cut"));
  cut->setEnabled(false);
  QAction* copy = menu->addAction(MenuText("&Copy", QKeySequence::Copy), this, &QLineEdit::copy);
  copy->setObjectName(QStringLiteral("edit-copy"));
  copy->setEnabled(hasSelectedText());
  QAction* paste = menu->addAction(MenuText("&Paste", QKeySequence::Paste));
  paste->setObjectName(QStringLiteral("edit-paste"));
  paste->setEnabled(false);
  QAction* clear = menu->addAction(QLineEdit::tr("Delete"));
  clear->setObjectName(QStringLiteral("edit-delete"));
  clear->setEnabled(false);
  menu->addSeparator();
  QAction* selectAllAction =
      menu->addAction(MenuText("Select All", QKeySequence::SelectAll), this, &QLineEdit::selectAll);
  selectAllAction->setObjectName(QStringLiteral("select-all"));
  selectAllAction->setEnabled(!text().isEmpty() && selectedText() != text());
  return menu;
}

QRect StatSpinEdit::TextArea() const {
  const QMargins margins = textMargins();
  return rect().marginsRemoved(margins);
}

QRect StatSpinEdit::CharacterRect(int offset) const {
  const QString shown = text();
  if (offset < 0 || offset >= shown.size()) return {};
  // Measured from the caret, which the line edit places for us.
  const QFontMetrics metrics(font());
  const int caretX = cursorRect().center().x();
  const int left = caretX + metrics.horizontalAdvance(shown.left(offset)) -
                   metrics.horizontalAdvance(shown.left(cursorPosition()));
  const QRect area = TextArea();
  return QRect(left, area.top(), metrics.horizontalAdvance(shown.at(offset)), area.height());
}

QSize StatSpinEdit::sizeHint() const { return QSize(BoxWidth, BoxHeight); }

QSize StatSpinEdit::minimumSizeHint() const { return sizeHint(); }

void StatSpinEdit::ProcessChange() {
  if (changing_) return;
  const QString previousText = shownText_;
  const QString before = text();
  const int caret = cursorPosition();
  {
    const ScopedFlag changing(changing_);
    WriteValue(Value());
  }
  if (text() != before) setCursorPosition(std::min<int>(caret, text().size()));
  RememberForUndo(previousText);
  shownText_ = text();

  const double value = Value();
  if (value == lastReportedValue_) return;
  // Noted before the owner hears of it, so that a handler that fails cannot leave the box
  // believing an old value is still the reported one.
  lastReportedValue_ = value;
  if (QAccessible::isActive()) {
    QAccessibleValueChangeEvent accessibleEvent(this, IntegerValue());
    QAccessible::updateAccessibility(&accessibleEvent);
  }
  if (OnChange) OnChange(this);
}

void StatSpinEdit::ChangeThenProcess(const std::function<void()>& change) {
  const QString before = text();
  {
    const ScopedFlag changing(changing_);
    change();
  }
  if (text() != before) ProcessChange();
}

void StatSpinEdit::Step(double delta) {
  const ScopedValue source(source_, EditSource::Step);
  const QString before = text();
  const bool wholeTextSelected = !before.isEmpty() && selectedText() == before;
  const int caretFromEnd = before.size() - cursorPosition();
  {
    const ScopedFlag changing(changing_);
    WriteValue(Value() + delta);
  }
  // The caret keeps its place counted from the right, where the digits are aligned; a
  // selected value stays selected, ready to be typed over.
  if (wholeTextSelected) {
    selectAll();
  } else {
    setCursorPosition(std::max<int>(0, text().size() - caretFromEnd));
  }
  if (text().compare(before, Qt::CaseInsensitive) != 0) ProcessChange();
}

void StatSpinEdit::StepFromArrow(int direction) {
  if (!hasFocus() && isEnabled() && isVisible() && focusPolicy() != Qt::NoFocus) {
    setFocus(Qt::OtherFocusReason);
  }
  Step(direction * Increment);
}

void StatSpinEdit::WriteValue(double x) {
  const QString canonical =
      QString::fromStdString(FormatSpinValue(ClampSpinValue(x, MinValue, MaxValue)));
  if (canonical != text()) setText(canonical);
}

void StatSpinEdit::RememberForUndo(const QString& previousText) {
  switch (source_) {
    case EditSource::Code:
      // A value put in by the program is not the user's edit: there is nothing to undo.
      undoAvailable_ = false;
      typingRun_ = false;
      break;
    case EditSource::Typing:
      if (!typingRun_) {
        undoText_ = previousText;
        undoAvailable_ = true;
        typingRun_ = true;
      }
      break;
    case EditSource::Step:
      undoText_ = previousText;
      undoAvailable_ = true;
      typingRun_ = false;
      break;
    case EditSource::Undo:
      break;
  }
}

bool StatSpinEdit::event(QEvent* event) {
  // The step keys belong to the box even where the window binds them to a shortcut.
  if (event->type() == QEvent::ShortcutOverride && IsStepKey(*static_cast<QKeyEvent*>(event))) {
    event->accept();
    return true;
  }
  return QLineEdit::event(event);
}

void StatSpinEdit::keyPressEvent(QKeyEvent* event) {
  if (IsStepKey(*event)) {
    event->accept();
    Step(event->key() == Qt::Key_Up ? +Increment : -Increment);
    return;
  }
  if (IsCutOrPaste(*event) || event->matches(QKeySequence::Redo)) {
    event->accept();
    return;
  }
  if (event->matches(QKeySequence::Undo)) {
    event->accept();
    Undo();
    return;
  }
  if (InsertsText(*event) && !IsAcceptedText(event->text())) {
    event->accept();
    SystemBeep();
    return;
  }
  const ScopedValue source(source_, EditSource::Typing);
  const QString before = text();
  // Enter and Escape go on to the owner as the line edit passes them on.
  ChangeThenProcess([this, event] { QLineEdit::keyPressEvent(event); });
  // A key that only moves the caret or the selection ends a run of typing.
  if (text() == before) typingRun_ = false;
}

void StatSpinEdit::inputMethodEvent(QInputMethodEvent* event) {
  if (!event->commitString().isEmpty() && !IsAcceptedText(event->commitString())) {
    SystemBeep();
    QInputMethodEvent withoutCommit(event->preeditString(), event->attributes());
    QLineEdit::inputMethodEvent(&withoutCommit);
    event->accept();
    return;
  }
  const ScopedValue source(source_, EditSource::Typing);
  ChangeThenProcess([this, event] { QLineEdit::inputMethodEvent(event); });
}

void StatSpinEdit::wheelEvent(QWheelEvent* event) {
  const int rotation = event->angleDelta().y();
  if (!hasFocus() || rotation == 0) {
    QLineEdit::wheelEvent(event);
    return;
  }
  event->accept();
  Step(rotation > 0 ? +Increment : -Increment);
}

void StatSpinEdit::focusInEvent(QFocusEvent* event) {
  QLineEdit::focusInEvent(event);
  // Coming back from a menu or another window leaves the selection as it was. A click into
  // the text places the caret when the press arrives, right after this; a click on the
  // arrows (which also brings the focus here as a mouse click) keeps the text selected.
  if (event->reason() != Qt::PopupFocusReason && event->reason() != Qt::ActiveWindowFocusReason) {
    selectAll();
  }
}

void StatSpinEdit::focusOutEvent(QFocusEvent* event) {
  QLineEdit::focusOutEvent(event);
  typingRun_ = false;
  SetValue(Value());
}

void StatSpinEdit::mousePressEvent(QMouseEvent* event) {
  // The middle button would paste the selection clipboard.
  if (event->button() == Qt::MiddleButton) {
    event->accept();
    return;
  }
  typingRun_ = false;
  QLineEdit::mousePressEvent(event);
}

void StatSpinEdit::mouseReleaseEvent(QMouseEvent* event) {
  if (event->button() == Qt::MiddleButton) {
    event->accept();
    return;
  }
  QLineEdit::mouseReleaseEvent(event);
}

void StatSpinEdit::contextMenuEvent(QContextMenuEvent* event) {
  QMenu* menu = CreateContextMenu();
  menu->setAttribute(Qt::WA_DeleteOnClose);
  menu->popup(event->globalPos());
  event->accept();
}

void StatSpinEdit::paintEvent(QPaintEvent* event) {
  QLineEdit::paintEvent(event);
  PaintBevel();
}

void StatSpinEdit::PaintBevel() {
  QPainter painter(this);
  const QPalette& colours = palette();
  const int right = width() - 1;
  const int bottom = height() - 1;
  // Outer edge lowered: shadow above and left, highlight below and right.
  painter.setPen(colours.color(QPalette::Dark));
  painter.drawLine(0, 0, right - 1, 0);
  painter.drawLine(0, 1, 0, bottom - 1);
  painter.setPen(colours.color(QPalette::Light));
  painter.drawLine(0, bottom, right, bottom);
  painter.drawLine(right, 0, right, bottom - 1);
  // Inner edge raised, soft: highlight above and left, a mid shade below and right.
  painter.setPen(colours.color(QPalette::Light));
  painter.drawLine(1, 1, right - 2, 1);
  painter.drawLine(1, 2, 1, bottom - 2);
  painter.setPen(colours.color(QPalette::Mid));
  painter.drawLine(1, bottom - 1, right - 1, bottom - 1);
  painter.drawLine(right - 1, 1, right - 1, bottom - 2);
}

void StatSpinEdit::resizeEvent(QResizeEvent* event) {
  QLineEdit::resizeEvent(event);
  LayoutArrows();
}

void StatSpinEdit::changeEvent(QEvent* event) {
  QLineEdit::changeEvent(event);
  if (event->type() == QEvent::PaletteChange) KeepDisabledTextGreyed();
  if (event->type() == QEvent::StyleChange) LayoutArrows();
}

void StatSpinEdit::LayoutArrows() {
  const int scrollBarWidth = style()->pixelMetric(QStyle::PM_ScrollBarExtent, nullptr, this);
  const int arrowWidth = std::min(scrollBarWidth, MaxArrowWidth);
  arrows_->setGeometry(width() - BevelWidth - arrowWidth, BevelWidth, arrowWidth,
                       height() - 2 * BevelWidth);
  setTextMargins(BevelWidth, BevelWidth, BevelWidth + arrowWidth + ArrowGap, BevelWidth);
}

void StatSpinEdit::KeepDisabledTextGreyed() {
  // An owner that recolours the text through every colour group would otherwise leave a
  // disabled box in its enabled colour.
  const QColor greyed = QApplication::palette(this).color(QPalette::Disabled, QPalette::Text);
  if (palette().color(QPalette::Disabled, QPalette::Text) == greyed) return;
  QPalette colours = palette();
  colours.setColor(QPalette::Disabled, QPalette::Text, greyed);
  setPalette(colours);
}

}  // namespace beditor
