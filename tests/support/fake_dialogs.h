#pragma once
// Dialogs that show nothing: they record every box and answer file dialogs from a script.
#include <deque>
#include <functional>
#include <vector>

#include "qt_adapters/dialogs.h"
#include "support/qt_printers.h"

namespace beditor::test {

struct ShownMessage {
  enum Kind { System, Plain } kind;
  QString text;
  QString caption;
  unsigned flags = 0;
};

class FakeDialogs : public Dialogs {
 public:
  int ShowSystemMessage(const QString& text, const QString& caption, unsigned flags) override;
  void ShowPlainMessage(const QString& text) override;
  std::optional<FileDialogAnswer> GetOpenFileName(const FileDialogRequest& request) override;
  std::optional<FileDialogAnswer> GetSaveFileName(const FileDialogRequest& request) override;
  std::optional<QString> GetExistingFolder(const QString& title, const QString& folder) override;

  // The next file dialogs' answers, in order; no answer left means cancel.
  std::deque<std::optional<FileDialogAnswer>> openAnswers;
  std::deque<std::optional<FileDialogAnswer>> saveAnswers;
  std::deque<std::optional<QString>> folderAnswers;

  std::vector<ShownMessage> messages;
  std::vector<FileDialogRequest> openRequests;
  std::vector<FileDialogRequest> saveRequests;
  std::vector<QString> folderRequests;  // their titles

  // Runs whenever a box is shown, for checks of what the windows look like at that moment.
  std::function<void(const ShownMessage&)> onMessage;

  // The texts of the boxes shown so far, in order.
  QStringList Texts() const;
  void Clear() { messages.clear(); }
};

}  // namespace beditor::test
