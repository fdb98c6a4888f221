#pragma once
// What the program shows the user in boxes and file dialogs. The windows are built with a
// Dialogs; the program uses the Qt one, tests a scripted one that records what was shown.
#include <QString>
#include <QStringList>
#include <optional>

namespace beditor {

// Flags of the system message box.
constexpr unsigned kMessageOk = 0x00;
constexpr unsigned kMessageIconError = 0x10;
constexpr unsigned kMessageIconWarning = 0x30;
constexpr unsigned kMessageIconInformation = 0x40;

// The application title: caption of the standard error and message boxes.
inline const QString kApplicationTitle = QStringLiteral("BEditor");

struct FileDialogRequest {
  QString title;
  QString folder;           // starting folder; empty: the system's choice
  QString fileName;         // proposed file name, with or without a folder
  QStringList filters;      // "Texto (*.txt)" …; empty: no filter
  int filterIndex = 0;      // preselected filter
  QString defaultSuffix;    // added to a typed name without extension
};

struct FileDialogAnswer {
  QString path;
  int filterIndex = 0;  // the filter in force when the dialog was closed
};

class Dialogs {
 public:
  virtual ~Dialogs() = default;

  // A system message box with this text, caption and flags; returns the button pressed.
  virtual int ShowSystemMessage(const QString& text, const QString& caption, unsigned flags) = 0;

  // The program's own small message dialog titled "BEditor" with one OK button.
  virtual void ShowPlainMessage(const QString& text) = 0;

  // Open and save dialogs; no value when the user cancels.
  virtual std::optional<FileDialogAnswer> GetOpenFileName(const FileDialogRequest& request) = 0;
  virtual std::optional<FileDialogAnswer> GetSaveFileName(const FileDialogRequest& request) = 0;

  // A folder picked in the folder dialog, starting in `folder`; no value when the user cancels.
  virtual std::optional<QString> GetExistingFolder(const QString& title, const QString& folder) = 0;
};

}  // namespace beditor
