// Creation, first showing and closing of the editor window, and the program-folder files
// read on the way.
#include <QComboBox>
#include <algorithm>
#include <QImage>
#include <QLabel>
#include <QPixmap>

#include "core/fighter_record.h"
#include "core/file_access.h"
#include "core/file_names.h"
#include "core/number_text.h"
#include "core/program_folder_lists.h"
#include "editor/background_picture.h"
#include "editor/editor_window.h"
#include "editor/team_names.h"
#include "qt_adapters/error_box.h"
#include "qt_adapters/path_text.h"
#include "qt_adapters/widget_text.h"

namespace beditor {
namespace {

// The command-line name is always taken below the Fighters folder, whatever it holds: it
// is appended, never resolved against it. Either slash separates folders. A name the roster
// reads as Windows-1252 is found by the text it shows (the roster window names it so).
std::filesystem::path FighterPathFromCommandLine(const std::filesystem::path& programFolder, std::string name) {
  std::replace(name.begin(), name.end(), '\\', '/');
  const std::filesystem::path fighters = programFolder / "Fighters";
  std::filesystem::path path = fighters;
  path += std::filesystem::path::preferred_separator;
  path += RelativePathFromUtf8(fighters, name);
  return path;
}

}  // namespace

void EditorWindow::SetUpFromProgramFolder() {
  fighterLines_ = LineList();
  LoadWeightList("TAV Weights.txt");
  loadedCategory_ = -1;
  fighterLines_ = record::FreshRecord();
  // Background, captions and teams: the first failure ends creation here, shown in the
  // standard error box; the window still opens with what was set up so far.
  Guarded([this] {
    LoadBackground();
    LoadLanguage();
    LoadTeams();
    if (arguments_.ArgumentCount() >= 1) {
      std::string name = arguments_.ArgumentAt(1);
      for (int i = 2; i <= arguments_.ArgumentCount(); ++i) {
        name += ' ';
        name += arguments_.ArgumentAt(i);
      }
      LoadFighter(FighterPathFromCommandLine(programFolder_, name));
    }
  });
}

void EditorWindow::RestoreEditorMode() {
  // The window was built as the TAV editor; the switch makes it the JEX editor.
  const record::EditorMode remembered(ReadEditorModeNumber(programFolder_));
  if (remembered.EditedGame() == record::Game::JEX)
    SwitchEditorMode();
  else
    mode_ = remembered;
}

void EditorWindow::RememberEditorMode() { WriteEditorModeNumber(programFolder_, mode_.Number()); }

void EditorWindow::LoadBackground() {
  backgroundImage_->setPixmap(QPixmap::fromImage(TakeBackground(programFolder_)));
}

void EditorWindow::LoadListEntries(QComboBox* box, const std::filesystem::path& path) {
  LineList lines;
  lines.LoadLines(path);
  box->clear();
  QStringList entries;
  entries.reserve(lines.LineCount());
  for (const auto& line : lines.Lines()) entries << Windows1252ToQString(line);
  box->addItems(entries);
  box->setCurrentIndex(-1);
}

void EditorWindow::LoadWeightList(const char* fileName) {
  try {
    LoadListEntries(controls_.ListBox(record::Field::Category), InProgramFolder(fileName));
  } catch (...) {
    dialogs_.ShowPlainMessage(QStringLiteral("Weight file not found. Using default"));
  }
}

void EditorWindow::LoadLanguage() {
  configLines_.LoadLines(InProgramFolder(kConfigFileName));
  const std::string code = LanguageCode(configLines_);
  captionLines_.LoadLines(CaptionTablePath(programFolder_, code));
  for (const auto& [line, setCaption] : captionSetters_) setCaption(Caption(line));
  LoadListEntries(controls_.ListBox(record::Field::FightStyle), StyleListPath(programFolder_, code));
}

void EditorWindow::LoadTeams() {
  const QStringList teams = TeamNames(InProgramFolder("Team"));
  QComboBox* team = controls_.ListBox(record::Field::Team);
  team->clear();
  team->addItems(teams);
  team->setCurrentIndex(-1);
}

}  // namespace beditor
