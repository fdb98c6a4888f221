#pragma once
// The dialogs the running program shows: Qt message boxes, the program's own plain message
// dialog and Qt file dialogs.
#include <QMessageBox>

#include "qt_adapters/dialogs.h"

namespace beditor {

// The message box icon that the flags' icon bits ask for.
QMessageBox::Icon SystemMessageIcon(unsigned flags);

class QtDialogs : public Dialogs {
 public:
  // Always the OK button: the boxes offer no other.
  int ShowSystemMessage(const QString& text, const QString& caption, unsigned flags) override;
  void ShowPlainMessage(const QString& text) override;
  std::optional<FileDialogAnswer> GetOpenFileName(const FileDialogRequest& request) override;
  std::optional<FileDialogAnswer> GetSaveFileName(const FileDialogRequest& request) override;
  std::optional<QString> GetExistingFolder(const QString& title, const QString& folder) override;
};

}  // namespace beditor
