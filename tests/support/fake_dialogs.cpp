#include "support/fake_dialogs.h"

namespace beditor::test {
namespace {

std::optional<FileDialogAnswer> TakeAnswer(std::deque<std::optional<FileDialogAnswer>>& answers) {
  if (answers.empty()) return std::nullopt;
  const bool chosen = answers.front().has_value();
  FileDialogAnswer answer = chosen ? *answers.front() : FileDialogAnswer{};
  answers.pop_front();
  if (!chosen) return std::nullopt;
  return answer;
}

}  // namespace

int FakeDialogs::ShowSystemMessage(const QString& text, const QString& caption, unsigned flags) {
  messages.push_back({ShownMessage::System, text, caption, flags});
  if (onMessage) onMessage(messages.back());
  return 1;
}

void FakeDialogs::ShowPlainMessage(const QString& text) {
  messages.push_back({ShownMessage::Plain, text, kApplicationTitle, 0});
  if (onMessage) onMessage(messages.back());
}

std::optional<FileDialogAnswer> FakeDialogs::GetOpenFileName(const FileDialogRequest& request) {
  openRequests.push_back(request);
  return TakeAnswer(openAnswers);
}

std::optional<FileDialogAnswer> FakeDialogs::GetSaveFileName(const FileDialogRequest& request) {
  saveRequests.push_back(request);
  return TakeAnswer(saveAnswers);
}

std::optional<QString> FakeDialogs::GetExistingFolder(const QString& title, const QString&) {
  folderRequests.push_back(title);
  if (folderAnswers.empty()) return std::nullopt;
  // Copied as a plain value: GCC warns on a copy of the optional itself.
  const bool chosen = folderAnswers.front().has_value();
  QString answer = chosen ? *folderAnswers.front() : QString();
  folderAnswers.pop_front();
  if (!chosen) return std::nullopt;
  return answer;
}

QStringList FakeDialogs::Texts() const {
  QStringList texts;
  for (const auto& message : messages) texts << message.text;
  return texts;
}

}  // namespace beditor::test
