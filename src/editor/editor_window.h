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
#include "files/dialogs.h"
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

  // The commands, as their buttons run them.
  void CmdButton1Click();  // save
  void CmdButton2Click();  // open
  void CmdButton3Click();  // exit
  void CmdButton4Click();  // clear all
  void CmdButton5Click();  // evaluate
  void btCambiarEditorClick();
  void imIdiomaClick();

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

  void FormCreate();
  void FormShow();
  void FormClose();

  void LoadBackground();
  void LoadLanguage();
  void LoadTeams();
  void ClearAll();
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

  QLabel* imFondo = nullptr;
  ClickableImage* imIdioma = nullptr;
  CaptionLabel* lbPlayDirty = nullptr;

  // The control of each field of the record, built from the layout table.
  FieldControls controls_;

  GradientButton* CmdButton1 = nullptr;
  GradientButton* CmdButton2 = nullptr;
  GradientButton* CmdButton3 = nullptr;
  GradientButton* CmdButton4 = nullptr;
  GradientButton* CmdButton5 = nullptr;
  GradientButton* btCambiarEditor = nullptr;

  // Caption-table line -> the control caption it sets, in table order.
  std::map<int, std::function<void(const QString&)>> captionSetters_;
};

}  // namespace beditor
