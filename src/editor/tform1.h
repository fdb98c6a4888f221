#pragma once
// The editor window: one fighter in a fixed form, kept in step with the fighter record.
#include <QWidget>
#include <array>
#include <filesystem>
#include <map>
#include <functional>

#include "evaluation/ability_boxes.h"
#include "core/argument_splitter.h"
#include "core/editor_mode.h"
#include "core/fighter_layout.h"
#include "files/dialogs.h"
#include "core/line_list.h"

class QComboBox;
class QLabel;
class QLineEdit;

namespace beditor {
namespace layout {
struct CaptionMessage;
}

class CaptionLabel;
class ClickableImage;
class GradientButton;
class StatSpinEdit;
class TForm2;

class TForm1 : public QWidget {
  Q_OBJECT
 public:
  // Builds the window from its program folder and runs its creation steps; every box they
  // raise is shown through `dialogs` before the window is.
  TForm1(std::filesystem::path programFolder, ProgramArguments arguments, Dialogs& dialogs,
         QWidget* parent = nullptr);
  ~TForm1() override;

  // The first showing: restores the editor mode, centres the window, shows it.
  void ShowFirstTime();

  // The evaluation window that "Evaluar" opens.
  void SetEvaluationWindow(TForm2* window) { evaluationWindow_ = window; }
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

  // Change handlers: each writes its control's value into its record line.
  void edNombreChange();
  void edNombreCortoChange();
  void edEstaturaChange();
  void edPesoChange();
  void lbNacionalidadChange();
  void lbFechaNacChange();
  void edSherdogChange();
  void spPunchChange(StatSpinEdit* box);
  void cbGamePlanChange();
  void cbCatPesoChange();
  void cbGroundGPlanChnge();
  void cbFancyStrikesChange();
  void cbFancySubsChange();
  void cbTeamChange();
  void cbJuegoSucioChange();
  void cbClinchGPlanChange();

  void WriteTextLine(int line, const QLineEdit* box);
  void WriteLine(int line, const std::string& text);
  QString Caption(int line) const;
  // An information box with the message's text and title from the caption table.
  void ShowCaptionMessage(const layout::CaptionMessage& message);
  std::filesystem::path InProgramFolder(const std::filesystem::path& relative) const;
  void Guarded(const std::function<void()>& body);

  const std::filesystem::path programFolder_;
  const ProgramArguments arguments_;
  Dialogs& dialogs_;
  TForm2* evaluationWindow_ = nullptr;

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

  QLineEdit* edNombre = nullptr;
  QLineEdit* edNombreCorto = nullptr;
  QLineEdit* edEstatura = nullptr;
  QLineEdit* edPeso = nullptr;
  QLineEdit* lbNacionalidad = nullptr;
  QLineEdit* lbFechaNac = nullptr;
  QLineEdit* edSherdog = nullptr;

  StatSpinEdit* spPunch = nullptr;
  StatSpinEdit* spKick = nullptr;
  StatSpinEdit* spStrenght = nullptr;
  StatSpinEdit* spClinch = nullptr;
  StatSpinEdit* spAgility = nullptr;
  StatSpinEdit* spDodge = nullptr;
  StatSpinEdit* spMotivation = nullptr;
  StatSpinEdit* spTD = nullptr;
  StatSpinEdit* spTDDef = nullptr;
  StatSpinEdit* spGnP = nullptr;
  StatSpinEdit* spGroundGame = nullptr;
  StatSpinEdit* spSub = nullptr;
  StatSpinEdit* spSubDef = nullptr;
  StatSpinEdit* spStamina = nullptr;
  StatSpinEdit* spFortitude = nullptr;
  StatSpinEdit* spPace = nullptr;
  StatSpinEdit* spAgressivity = nullptr;
  StatSpinEdit* spKORes = nullptr;

  QComboBox* cbGamePlan = nullptr;
  QComboBox* cbGroundGPlan = nullptr;
  QComboBox* cbClinchGPlan = nullptr;
  QComboBox* cbTeam = nullptr;
  QComboBox* cbCatPeso = nullptr;
  QComboBox* cbJuegoSucio = nullptr;
  QComboBox* cbFancyStrikes = nullptr;
  QComboBox* cbFancySubs = nullptr;

  GradientButton* CmdButton1 = nullptr;
  GradientButton* CmdButton2 = nullptr;
  GradientButton* CmdButton3 = nullptr;
  GradientButton* CmdButton4 = nullptr;
  GradientButton* CmdButton5 = nullptr;
  GradientButton* btCambiarEditor = nullptr;

  // Ability boxes and all text boxes and choice boxes in the order the window holds them.
  std::array<StatSpinEdit*, 18> abilityBoxes_{};
  std::vector<QLineEdit*> textBoxes_;
  std::vector<QComboBox*> choiceBoxes_;
  // Caption-table line -> the control caption it sets, in table order.
  std::map<int, std::function<void(const QString&)>> captionSetters_;
};

}  // namespace beditor
