#include "silent_dialogs.h"

namespace beditor::fuzz {

int SilentDialogs::ShowSystemMessage(const QString& text, const QString&, unsigned) {
  messages.push_back({false, text});
  return 1;  // OK
}

void SilentDialogs::ShowPlainMessage(const QString& text) { messages.push_back({true, text}); }

std::optional<FileDialogAnswer> SilentDialogs::GetOpenFileName(const FileDialogRequest&) { return std::nullopt; }

std::optional<FileDialogAnswer> SilentDialogs::GetSaveFileName(const FileDialogRequest&) { return std::nullopt; }

std::optional<QString> SilentDialogs::GetExistingFolder(const QString&, const QString&) { return std::nullopt; }

}  // namespace beditor::fuzz
