#pragma once
// Dialogs for unattended runs: every box is recorded, nothing is shown, file dialogs cancel.
#include <vector>

#include "qt_adapters/dialogs.h"

namespace beditor::fuzz {

struct RecordedMessage {
  bool plain = false;  // the program's own message dialog, else a system message box
  QString text;
};

class SilentDialogs : public Dialogs {
 public:
  int ShowSystemMessage(const QString& text, const QString& caption, unsigned flags) override;
  void ShowPlainMessage(const QString& text) override;
  std::optional<FileDialogAnswer> GetOpenFileName(const FileDialogRequest& request) override;
  std::optional<FileDialogAnswer> GetSaveFileName(const FileDialogRequest& request) override;
  std::optional<QString> GetExistingFolder(const QString& title, const QString& folder) override;

  std::vector<RecordedMessage> messages;
};

}  // namespace beditor::fuzz
