#pragma once
// Our own texts (the roster window's, the messages the editor adds to its caption table's) in
// the program folder's language, so that the editor and the roster window always agree:
// Config.txt names the language (ES, EN, or any code a player has a caption table for), and
// the translation built into the program for that code is installed. A code without one
// shows the texts as written, in English.
#include <QString>
#include <QStringList>
#include <QTranslator>
#include <filesystem>

namespace beditor {

class ProgramTranslation {
 public:
  explicit ProgramTranslation(const std::filesystem::path& programFolder);
  ~ProgramTranslation();
  ProgramTranslation(const ProgramTranslation&) = delete;
  ProgramTranslation& operator=(const ProgramTranslation&) = delete;

  bool IsInstalled() const { return installed_; }

  // The languages built in, as the codes of Config.txt name them in lower case ("es").
  static QStringList Languages();

 private:
  QTranslator translator_;
  bool installed_ = false;
};

}  // namespace beditor
