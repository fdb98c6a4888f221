#include "desktop/plain_message_dialog.h"

#include <QGuiApplication>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QScreen>
#include <QVBoxLayout>
#include <algorithm>

#include "qt_adapters/dialogs.h"

namespace beditor {
namespace {

QScreen* ScreenOf(const QWidget* widget) {
  if (QScreen* screen = widget->screen()) return screen;
  return QGuiApplication::primaryScreen();
}

// Tabs become blanks up to the next multiple of eight characters, the classic expansion.
QString ExpandTabs(const QString& text) {
  QString expanded;
  int column = 0;
  for (QChar c : text) {
    if (c == u'\t') {
      const int blanks = 8 - column % 8;
      expanded.append(QString(blanks, u' '));
      column += blanks;
    } else {
      expanded.append(c);
      column = (c == u'\n' || c == u'\r') ? 0 : column + 1;
    }
  }
  return expanded;
}

}  // namespace

PlainMessageDialog::PlainMessageDialog(const QString& text, QWidget* parent)
    : QDialog(parent, Qt::Dialog | Qt::MSWindowsFixedSizeDialogHint | Qt::WindowTitleHint |
                          Qt::WindowSystemMenuHint | Qt::WindowCloseButtonHint),
      label_(new QLabel(ExpandTabs(text), this)),
      okButton_(new QPushButton(QStringLiteral("OK"), this)) {
  setWindowTitle(kApplicationTitle);
  setModal(true);

  label_->setTextFormat(Qt::PlainText);
  label_->setWordWrap(true);
  // As wide as the longest line, but never wider than half the screen; longer lines wrap.
  const int widest = ScreenOf(this)->geometry().width() / 2;
  const QRect natural = label_->fontMetrics().boundingRect(QRect(0, 0, widest, 1 << 20),
                                                           Qt::TextWordWrap, label_->text());
  label_->setFixedWidth(std::min(widest, natural.width() + 1));

  okButton_->setDefault(true);
  connect(okButton_, &QPushButton::clicked, this, &QDialog::accept);

  auto* buttons = new QHBoxLayout;
  buttons->addStretch();
  buttons->addWidget(okButton_);
  buttons->addStretch();
  auto* layout = new QVBoxLayout(this);
  layout->setContentsMargins(12, 12, 12, 10);
  layout->setSpacing(12);
  layout->addWidget(label_);
  layout->addLayout(buttons);
  // The dialog takes the size of its text and button and cannot be resized.
  layout->setSizeConstraint(QLayout::SetFixedSize);
}

void PlainMessageDialog::showEvent(QShowEvent* event) {
  QDialog::showEvent(event);
  // Centred on the screen, not on the window that opened it.
  QRect frame = frameGeometry();
  frame.moveCenter(ScreenOf(this)->geometry().center());
  move(frame.topLeft());
}

}  // namespace beditor
