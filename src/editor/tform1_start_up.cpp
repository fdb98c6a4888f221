// Creation, first showing and closing of the editor window, and the program-folder files
// read on the way.
#include <QComboBox>
#include <algorithm>
#include <QImage>
#include <QLabel>
#include <QPixmap>

#include "editor/background_picture.h"
#include "editor/fighter_record.h"
#include "editor/team_names.h"
#include "editor/tform1.h"
#include "files/error_box.h"
#include "files/file_access.h"
#include "files/number_text.h"
#include "files/path_text.h"
#include "files/windows_1252.h"

namespace beditor {
namespace {

constexpr const char* kEditorModeFile = "EditorMode.txt";

// The command-line name is always taken below the Fighters folder, whatever it holds: it
// is appended, never resolved against it. Either slash separates folders.
std::filesystem::path FighterPathFromCommandLine(const std::filesystem::path& programFolder, std::string name) {
  std::replace(name.begin(), name.end(), '\\', '/');
  std::filesystem::path path = programFolder / "Fighters";
  path += std::filesystem::path::preferred_separator;
  path += PathFromUtf8(name);
  return path;
}

}  // namespace

void TForm1::FormCreate() {
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

void TForm1::FormShow() {
  const auto path = InProgramFolder(kEditorModeFile);
  if (IsExistingFile(path)) {
    LineList mode;
    mode.LoadLines(path);
    editorMode_ = ParseInteger(mode.LineAt(0));
    if (editorMode_ == 1) btCambiarEditorClick();
  } else {
    editorMode_ = 0;
  }
}

void TForm1::FormClose() {
  LineList mode;
  mode.AppendLine(FormatInteger(editorMode_));
  mode.SaveLines(InProgramFolder(kEditorModeFile));
}

void TForm1::LoadBackground() {
  imFondo->setPixmap(QPixmap::fromImage(TakeBackground(programFolder_)));
}

void TForm1::LoadListEntries(QComboBox* box, const std::filesystem::path& path) {
  LineList lines;
  lines.LoadLines(path);
  box->clear();
  QStringList entries;
  entries.reserve(lines.LineCount());
  for (const auto& line : lines.Lines()) entries << Windows1252ToQString(line);
  box->addItems(entries);
  box->setCurrentIndex(-1);
}

void TForm1::LoadWeightList(const char* fileName) {
  try {
    LoadListEntries(cbCatPeso, InProgramFolder(fileName));
  } catch (...) {
    dialogs_.ShowPlainMessage(QStringLiteral("Weight file not found. Using default"));
  }
}

void TForm1::LoadLanguage() {
  configLines_.LoadLines(InProgramFolder("Config.txt"));
  const QString code = Windows1252ToQString(configLines_.LineAt(0));
  captionLines_.LoadLines(InProgramFolder(ToPath(code + QStringLiteral("-Translation.txt"))));
  for (const auto& [line, setCaption] : captionSetters_) setCaption(Caption(line));
  LoadListEntries(cbJuegoSucio, InProgramFolder(ToPath(code + QStringLiteral("-estilo.txt"))));
}

void TForm1::LoadTeams() {
  const QStringList teams = TeamNames(InProgramFolder("Team"));
  cbTeam->clear();
  cbTeam->addItems(teams);
  cbTeam->setCurrentIndex(-1);
}

}  // namespace beditor
