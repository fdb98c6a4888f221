// Open, save, clear, evaluate and exit.
#include <QComboBox>
#include <QLineEdit>
#include <algorithm>

#include "core/fighter_record.h"
#include "core/game_rules.h"
#include "core/save_rules.h"
#include "core/team_file.h"
#include "editor/editor_window.h"
#include "evaluation/evaluation_window.h"
#include "core/file_access.h"
#include "core/file_errors.h"
#include "qt_adapters/path_text.h"
#include "resources/editor_layout.h"
#include "widgets/gradient_button.h"

namespace beditor {
namespace {

bool SameFile(const std::filesystem::path& a, const std::filesystem::path& b) {
  std::error_code error;
  const auto resolvedA = std::filesystem::weakly_canonical(a, error);
  const auto resolvedB = std::filesystem::weakly_canonical(b, error);
  return resolvedA == resolvedB || IsSameFile(a, b);
}

}  // namespace

void EditorWindow::OpenFighter() {
  FileDialogRequest request;
  request.title = QStringLiteral("Abrir luchador");
  request.folder = openFolder_;
  request.fileName = lastOpenedFile_;
  const auto answer = dialogs_.GetOpenFileName(request);
  // The dialog's own show handler points its next showing at the fighters' folder.
  openFolder_ = QStringLiteral("Fighters");
  if (!answer) return;
  lastOpenedFile_ = answer->path;
  LoadFighter(ToPath(answer->path));
}

void EditorWindow::SaveFighter() {
  using record::Field;
  const bool incomplete =
      std::ranges::any_of(record::kFieldsNeededToSave, [this](Field field) { return controls_.ShowsNothing(field); });
  if (incomplete) {
    ShowCaptionMessage(layout::kIncompleteFighterMessage);
    return;
  }
  if (!record::AllowsGamePlan(Game(), controls_.ListBox(Field::GamePlan)->currentIndex())) {
    dialogs_.ShowSystemMessage(QStringLiteral("JEX fighters cannot have Go to the ground gameplan"),
                               QStringLiteral("Not saved"), kMessageOk | kMessageIconInformation);
    return;
  }

  record::ZeroFillEmptyLines(fighterLines_);

  FileDialogRequest request;
  request.title = QStringLiteral("Guardar luchador");
  request.fileName = controls_.TextBox(Field::FullName)->text() + QStringLiteral(".txt");

  if (const auto teamFile = MissingTeamFile(programFolder_, controls_.ListBox(Field::Team)->currentText().toStdString()))
    WriteNewTeamFile(*teamFile);

  // The folder of the chosen category in the game the window edits.
  const int category = controls_.ListBox(Field::Category)->currentIndex();
  if (const auto folder = record::CategoryFolder(Game(), category))
    saveFolder_ = ToQString(InProgramFolder("Fighters") / std::string(*folder));
  request.folder = saveFolder_;
  request.filters = {QStringLiteral("Texto (*.txt)"), QStringLiteral("Todos (*)")};
  request.filterIndex = saveFilterIndex_;
  request.defaultSuffix = QStringLiteral("txt");
  const auto answer = dialogs_.GetSaveFileName(request);
  saveFolder_ = QStringLiteral("Fighters");
  if (!answer) return;
  saveFilterIndex_ = answer->filterIndex;

  const auto savedPath = ToPath(answer->path);
  fighterLines_.SaveLines(savedPath);
  ShowCaptionMessage(layout::kFighterSavedMessage);
  // A fighter that changed category leaves its old folder, unless it was saved over itself.
  if (loadedCategory_ != -1 && loadedCategory_ != category &&
      !SameFile(loadedPath_, savedPath)) {
    try {
      record::RemoveFormerFile(loadedPath_);
    } catch (const FileRemoveError&) {
      // Still there (read-only, say): the user's to see.
      dialogs_.ShowSystemMessage(
          // Not a caption of the table: in the program folder's language through our own
          // translation (desktop/program_translation.h).
          tr("The fighter was saved, but its old file could not be removed:\n%1\n"
             "The fighter is now in two category folders.")
              .arg(ToQString(loadedPath_)),
          tr("Old file not removed"), kMessageOk | kMessageIconWarning);
    }
  }
  ClearAll();
}

void EditorWindow::ShowCaptionMessage(const layout::CaptionMessage& message) {
  // The text's line first: of a table too short for both, the error names that line.
  const QString text = Caption(message.textLine);
  const QString title = Caption(message.titleLine);
  dialogs_.ShowSystemMessage(text, title, kMessageOk | kMessageIconInformation);
}

void EditorWindow::ExitEditor() { close(); }

void EditorWindow::ShowEvaluation() {
  if (evaluationWindow_) evaluationWindow_->Open();
}

void EditorWindow::ClearAll() {
  loadedCategory_ = -1;
  controls_.Clear();
  // Nothing of the previous fighter that the form no longer shows may reach the next save.
  fighterLines_ = record::FreshRecord();
}

}  // namespace beditor
