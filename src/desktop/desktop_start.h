#pragma once
// The start of every Qt program of ours, once its QApplication exists: the application's name
// and version, Qt's own texts in the system's language and our own in the program folder's
// (both before any window or box exists), and the program's icon, set once the first window
// has painted. The process rules and the
// command line come first, ahead of the toolkit (core/process_start.h).
#include <QString>
#include <filesystem>

#include "desktop/program_icon.h"
#include "desktop/program_translation.h"
#include "desktop/qt_translation.h"

namespace beditor {

class DesktopStart {
 public:
  // The icon comes from the program's own folder; the language from the program folder the
  // program works on (the roster window's --folder), whose editor it follows.
  DesktopStart(const QString& applicationName, const std::filesystem::path& programFolder,
               const std::filesystem::path& languageFolder);
  DesktopStart(const DesktopStart&) = delete;
  DesktopStart& operator=(const DesktopStart&) = delete;

 private:
  QtTranslation qtTexts_;
  ProgramTranslation ownTexts_;
  DeferredProgramIcon icon_;
};

}  // namespace beditor
