#include "desktop/qt_dialogs.h"

#include <QApplication>
#include <QFileDialog>
#include <algorithm>

#include "desktop/plain_message_dialog.h"

namespace beditor {
namespace {

constexpr int kButtonOk = 1;
constexpr unsigned kIconMask = 0xF0;

enum class FileDialogKind { Open, Save };

// The position of the chosen filter; the dialog reports it by name, without its patterns.
int FilterIndex(const QStringList& filters, const QString& selected) {
  for (qsizetype i = 0; i < filters.size(); ++i) {
    if (filters[i] == selected || filters[i].startsWith(selected + QLatin1String(" ("))) return static_cast<int>(i);
  }
  return 0;
}

std::optional<FileDialogAnswer> RunFileDialog(const FileDialogRequest& request,
                                              FileDialogKind kind) {
  QFileDialog dialog(QApplication::activeWindow(), request.title);
  dialog.setObjectName(kind == FileDialogKind::Open ? QStringLiteral("openFileDialog")
                                                    : QStringLiteral("saveFileDialog"));
  // Any typed name is returned, existing or not, and an existing file is replaced without a
  // question: the callers decide what to do with the name.
  dialog.setFileMode(QFileDialog::AnyFile);
  dialog.setOption(QFileDialog::DontConfirmOverwrite);
  // The filter list shows its names ("Texto", "Todos"), not their patterns.
  dialog.setOption(QFileDialog::HideNameFilterDetails);
  if (kind == FileDialogKind::Save) {
    dialog.setAcceptMode(QFileDialog::AcceptSave);
    dialog.setDefaultSuffix(request.defaultSuffix);
  } else {
    dialog.setAcceptMode(QFileDialog::AcceptOpen);
  }
  if (!request.filters.isEmpty()) {
    dialog.setNameFilters(request.filters);
    if (request.filterIndex >= 0 && request.filterIndex < request.filters.size())
      dialog.selectNameFilter(request.filters.at(request.filterIndex));
  }
  if (!request.folder.isEmpty()) dialog.setDirectory(request.folder);
  // A proposed name with a folder opens the dialog in that folder.
  if (!request.fileName.isEmpty()) dialog.selectFile(request.fileName);

  if (dialog.exec() != QDialog::Accepted) return std::nullopt;
  const QStringList chosen = dialog.selectedFiles();
  if (chosen.isEmpty()) return std::nullopt;
  FileDialogAnswer answer;
  answer.path = chosen.first();
  answer.filterIndex = FilterIndex(request.filters, dialog.selectedNameFilter());
  return answer;
}

}  // namespace

QMessageBox::Icon SystemMessageIcon(unsigned flags) {
  switch (flags & kIconMask) {
    case 0x10:
      return QMessageBox::Critical;
    case 0x20:
      return QMessageBox::Question;
    case 0x30:
      return QMessageBox::Warning;
    case 0x40:
      return QMessageBox::Information;
    default:
      return QMessageBox::NoIcon;
  }
}

int QtDialogs::ShowSystemMessage(const QString& text, const QString& caption, unsigned flags) {
  QMessageBox box(SystemMessageIcon(flags), caption, text, QMessageBox::Ok,
                  QApplication::activeWindow());
  box.setTextFormat(Qt::PlainText);
  box.exec();
  return kButtonOk;
}

void QtDialogs::ShowPlainMessage(const QString& text) {
  PlainMessageDialog dialog(text, QApplication::activeWindow());
  dialog.exec();
}

std::optional<FileDialogAnswer> QtDialogs::GetOpenFileName(const FileDialogRequest& request) {
  return RunFileDialog(request, FileDialogKind::Open);
}

std::optional<FileDialogAnswer> QtDialogs::GetSaveFileName(const FileDialogRequest& request) {
  return RunFileDialog(request, FileDialogKind::Save);
}

std::optional<QString> QtDialogs::GetExistingFolder(const QString& title, const QString& folder) {
  const QString chosen = QFileDialog::getExistingDirectory(QApplication::activeWindow(), title, folder);
  if (chosen.isEmpty()) return std::nullopt;
  return chosen;
}

}  // namespace beditor
