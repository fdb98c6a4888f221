#pragma once
// The editor window: one fighter in a fixed form, kept in step with the fighter record.
#include <QWidget>
#include <filesystem>
#include <map>
#include <functional>

#include "evaluation/ability_boxes.h"
#include "editor/field_controls.h"
#include "core/argument_splitter.h"
#include "core/editor_mode.h"
#include "core/fighter_layout.h"
#include "qt_adapters/dialogs.h"
#include "core/line_list.h"

class QComboBox;
class QLabel;

namespace beditor {
namespace layout {
struct CaptionMessage;
}

class CaptionLabel;
class ClickableImage;
class GradientButton;
class EvaluationWindow;

class EditorWindow : public QWidget {
  Q_OBJECT
 public:
  // Builds the window from its program folder and runs its creation steps; every box they
  // raise is shown through `dialogs` before the window is.
  EditorWindow(std::filesystem::path programFolder, ProgramArguments arguments, Dialogs& dialogs,
               QWidget* parent = nullptr);
  ~EditorWindow() override;

  // The first showing: restores the editor mode, centres the window, shows it.
  void ShowFirstTime();

  // The evaluation window that "Evaluar" opens.
  void SetEvaluationWindow(EvaluationWindow* window) { evaluationWindow_ = window; }
  AbilityBoxes Abilities() const;
  const LineList& CaptionLines() const { return captionLines_; }

  // State the commands work on, readable for checks.
  const LineList& FighterLines() const { return fighterLines_; }
  const LineList& ConfigLines() const { return configLines_; }
  int LoadedCategory() const { return loadedCategory_; }
  const std::filesystem::path& LoadedPath() const { return loadedPath_; }
  // The number remembered in EditorMode.txt, and the game the window edits: JEX for 1,
  // TAV for any other number.
  int EditorMode() const { return mode_.Number(); }
  record::Game Game() const { return mode_.EditedGame(); }

  // The commands, as their buttons run them: each button's caption and (object name).
  void SaveFighter();       // "Guardar Luchador" (CmdButton1)
  void OpenFighter();       // "Cargar Luchador" (CmdButton2)
  void ExitEditor();        // "Salir" (CmdButton3): closes the window
  // "Limpiar todo" (CmdButton4), and after a save: empties every control and starts a fresh
  // record.
  void ClearAll();
  void ShowEvaluation();    // "Evaluar" (CmdButton5): opens the evaluation window
  void SwitchEditorMode();  // the mode button (btCambiarEditor): TAV <-> JEX
  void ToggleLanguage();    // the hidden language flag (imIdioma)

  void LoadFighter(const std::filesystem::path& path);

 protected:
  void closeEvent(QCloseEvent* event) override;

 private:
  void BuildControls();
  void BuildTextBoxes();
  void BuildAbilityBoxes();
  void BuildChoiceBoxes();
  void BuildCommandButtons();
  void ConnectHandlers();

  // Creation: the weight list, a fresh record, then the background, the captions, the teams
  // and a fighter named on the command line, stopping at the first failure.
  void SetUpFromProgramFolder();
  // The first showing and the closing: the editor mode of EditorMode.txt.
  void RestoreEditorMode();
  void RememberEditorMode();

  void LoadBackground();
  void LoadLanguage();
  void LoadTeams();
  // Replaces the weight entries with a weight list file; reports a file it cannot read.
  void LoadWeightList(const char* fileName);
  void LoadListEntries(QComboBox* box, const std::filesystem::path& path);
  void CentreOnDesktop();

  // Every field's control writes its record line as soon as its content changes.
  void FieldChanged(const record::FieldLayout& field);

  void WriteLine(int line, const std::string& text);
  QString Caption(int line) const;
  // An information box with the message's text and title from the caption table.
  void ShowCaptionMessage(const layout::CaptionMessage& message);
  std::filesystem::path InProgramFolder(const std::filesystem::path& relative) const;
  void Guarded(const std::function<void()>& body);

  const std::filesystem::path programFolder_;
  const ProgramArguments arguments_;
  Dialogs& dialogs_;
  EvaluationWindow* evaluationWindow_ = nullptr;

  LineList fighterLines_;
  LineList captionLines_;
  LineList configLines_;
  int loadedCategory_ = 0;
  std::filesystem::path loadedPath_;
  record::EditorMode mode_;

  // Remembered between showings of the file dialogs.
  QString openFolder_;
  QString lastOpenedFile_;
  QString saveFolder_;
  int saveFilterIndex_ = 0;

  QLabel* backgroundImage_ = nullptr;        // imFondo
  ClickableImage* languageFlag_ = nullptr;   // imIdioma
  CaptionLabel* playsDirtyLabel_ = nullptr;  // lbPlayDirty

  // The control of each field of the record, built from the layout table.
  FieldControls controls_;

  GradientButton* saveButton_ = nullptr;
  GradientButton* openButton_ = nullptr;
  GradientButton* exitButton_ = nullptr;
  GradientButton* clearAllButton_ = nullptr;
  GradientButton* evaluateButton_ = nullptr;
  GradientButton* modeButton_ = nullptr;

  // Caption-table line -> the control caption it sets, in table order.
  std::map<int, std::function<void(const QString&)>> captionSetters_;
};

}  // namespace beditor
