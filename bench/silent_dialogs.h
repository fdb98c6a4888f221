#pragma once
// Dialogs that show nothing and cancel every file dialog: start-up must not stop for a box.
#include "qt_adapters/dialogs.h"

namespace beditor::bench {

class SilentDialogs : public Dialogs {
 public:
  int ShowSystemMessage(const QString&, const QString&, unsigned) override {
    ++shown;
    return 1;
  }
  void ShowPlainMessage(const QString&) override { ++shown; }
  std::optional<FileDialogAnswer> GetOpenFileName(const FileDialogRequest&) override { return {}; }
  std::optional<FileDialogAnswer> GetSaveFileName(const FileDialogRequest&) override { return {}; }
  std::optional<QString> GetExistingFolder(const QString&, const QString&) override { return {}; }

  int shown = 0;  // boxes that would have been shown
};

}  // namespace beditor::bench
