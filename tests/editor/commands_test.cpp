#include "core/fighter_record.h"
#include "editor_fixture.h"
#include "core/file_access.h"
#include "desktop/program_translation.h"
#include "evaluation/evaluation_window.h"
#include "support/refusing_files.h"
#include "widgets/gradient_bar.h"

namespace beditor::test {
namespace {

class Commands : public EditorTest {
 protected:
  void SetUp() override {
    StartShown();
    std::filesystem::create_directories(folder_ / "Fighters/LW");
    std::filesystem::create_directories(folder_ / "Fighters/WW");
    fighter_ = SampleFighter();
    fighter_[20] = "0";  // lightweight: the second TAV category
    WriteFighter("Fighters/LW/Ana.txt", fighter_);
  }

  void LoadAna() {
    Form().LoadFighter(folder_ / "Fighters/LW/Ana.txt");
    ASSERT_TRUE(dialogs_.messages.empty()) << dialogs_.Texts().join('|').toStdString();
  }
  void AnswerSave(const std::filesystem::path& path, int filter = 0) {
    dialogs_.saveAnswers.push_back(FileDialogAnswer{QString::fromStdString(path.string()), filter});
  }
  QString CaptionLine(int line) {
    LineList table;
    table.LoadLines(folder_ / "ES-Translation.txt");
    return QString::fromLatin1(table.LineAt(line).c_str());
  }

  std::vector<std::string> fighter_;
};

TEST_F(Commands, SaveAfterACategoryChangeMovesTheFighterToItsNewFolder) {
  LoadAna();
  Spin("spPunch")->SetValue(15);
  Pick(Combo("cbCatPeso"), 2);
  AnswerSave(folder_ / "Fighters/WW/Ana de Souza.txt");
  Button("CmdButton1")->Click();

  ASSERT_EQ(dialogs_.saveRequests.size(), 1u);
  const FileDialogRequest& request = dialogs_.saveRequests[0];
  EXPECT_EQ(request.title, "Guardar luchador");
  EXPECT_EQ(request.fileName, "Ana de Souza.txt");
  EXPECT_EQ(request.folder.toStdString(), (folder_ / "Fighters" / "WW").string());
  EXPECT_EQ(request.filters.size(), 2);
  EXPECT_TRUE(request.filters[0].startsWith("Texto"));
  EXPECT_TRUE(request.filters[1].startsWith("Todos"));
  EXPECT_EQ(request.defaultSuffix, "txt");

  auto expected = fighter_;
  expected[0] = "15";
  expected[20] = "1";
  EXPECT_EQ(ReadBytes(folder_ / "Fighters/WW/Ana de Souza.txt"), JoinLines(expected));
  EXPECT_FALSE(IsExistingFile(folder_ / "Fighters/LW/Ana.txt"));
  ASSERT_EQ(dialogs_.messages.size(), 1u);
  EXPECT_EQ(dialogs_.messages[0].text, CaptionLine(87));
  EXPECT_EQ(dialogs_.messages[0].caption, CaptionLine(88));
  EXPECT_EQ(dialogs_.messages[0].flags, 0x40u);
  EXPECT_EQ(Form().LoadedCategory(), -1);
  EXPECT_TRUE(Edit("edNombre")->text().isEmpty());
  EXPECT_EQ(Form().FighterLines().Lines(), record::FreshRecord().Lines());
}

// The old file cannot be removed (its folder refuses changes to the user): the save stands
// and is confirmed as ever, then one more message names the old file, so the user knows the
// fighter is now in two folders.
TEST_F(Commands, AnOldFileThatCannotBeRemovedIsNamedAfterTheConfirmation) {
  LoadAna();
  Pick(Combo("cbCatPeso"), 2);
  AnswerSave(folder_ / "Fighters/WW/Ana de Souza.txt");
  LetAnyoneWriteIn(folder_ / "Fighters/WW");
  WithUnremovableFile(folder_ / "Fighters/LW/Ana.txt", [this] { Button("CmdButton1")->Click(); });

  EXPECT_TRUE(IsExistingFile(folder_ / "Fighters/WW/Ana de Souza.txt"));
  EXPECT_EQ(ReadBytes(folder_ / "Fighters/LW/Ana.txt"), JoinLines(fighter_));
  ASSERT_EQ(dialogs_.messages.size(), 2u) << dialogs_.Texts().join('|').toStdString();
  EXPECT_EQ(dialogs_.messages[0].text, CaptionLine(87));
  EXPECT_TRUE(dialogs_.messages[1].text.contains(QString::fromStdString((folder_ / "Fighters/LW/Ana.txt").string())))
      << dialogs_.messages[1].text.toStdString();
  EXPECT_EQ(dialogs_.messages[1].flags, 0x30u);
  EXPECT_TRUE(Edit("edNombre")->text().isEmpty()) << "cleared, as after every save";
}

// The message is not the caption table's: it comes in the folder's language (Spanish here)
// through our own translation, which the program installs at its start.
TEST_F(Commands, AnOldFileThatCannotBeRemovedIsSaidInTheFoldersLanguage) {
  const ProgramTranslation translation(folder_.Path());
  ASSERT_TRUE(translation.IsInstalled());
  LoadAna();
  Pick(Combo("cbCatPeso"), 2);
  AnswerSave(folder_ / "Fighters/WW/Ana de Souza.txt");
  LetAnyoneWriteIn(folder_ / "Fighters/WW");
  WithUnremovableFile(folder_ / "Fighters/LW/Ana.txt", [this] { Button("CmdButton1")->Click(); });
  ASSERT_EQ(dialogs_.messages.size(), 2u) << dialogs_.Texts().join('|').toStdString();
  EXPECT_TRUE(dialogs_.messages[1].text.startsWith(QString::fromUtf8("El luchador se guard\xC3\xB3")))
      << dialogs_.messages[1].text.toStdString();
  EXPECT_EQ(dialogs_.messages[1].caption, "Archivo anterior no borrado");
}

TEST_F(Commands, SaveInTheSameCategoryKeepsTheOldFile) {
  LoadAna();
  AnswerSave(folder_ / "Fighters/LW/Ana de Souza.txt");
  Button("CmdButton1")->Click();
  EXPECT_TRUE(IsExistingFile(folder_ / "Fighters/LW/Ana.txt"));
  EXPECT_TRUE(IsExistingFile(folder_ / "Fighters/LW/Ana de Souza.txt"));
}

TEST_F(Commands, SavingOverTheLoadedFileNeverDeletesIt) {
  for (const char* chosen : {"Fighters/LW/Ana.txt", "Fighters/WW/../LW/Ana.txt"}) {
    WriteFighter("Fighters/LW/Ana.txt", fighter_);
    LoadAna();
    Pick(Combo("cbCatPeso"), 2);
    AnswerSave(folder_ / chosen);
    Button("CmdButton1")->Click();
    ASSERT_TRUE(IsExistingFile(folder_ / "Fighters/LW/Ana.txt")) << chosen;
    EXPECT_EQ(LineAt(folder_ / "Fighters/LW/Ana.txt", 20), "1");
    dialogs_.Clear();
  }
}

TEST_F(Commands, IncompleteFightersAreRefusedBeforeAnythingChanges) {
  const std::vector<std::function<void()>> blanks = {
      [&] { Edit("edNombre")->clear(); },         [&] { Edit("edNombreCorto")->clear(); },
      [&] { Combo("cbCatPeso")->setCurrentIndex(-1); },  [&] { Combo("cbGamePlan")->setCurrentIndex(-1); },
      [&] { Edit("edSherdog")->clear(); },        [&] { Combo("cbGroundGPlan")->setCurrentIndex(-1); },
      [&] { Combo("cbJuegoSucio")->setCurrentIndex(-1); }, [&] { Combo("cbClinchGPlan")->setCurrentIndex(-1); },
  };
  for (std::size_t i = 0; i < blanks.size(); ++i) {
    auto lines = fighter_;
    lines[30] = "";
    WriteFighter("Fighters/LW/Ana.txt", lines);
    LoadAna();
    blanks[i]();
    Button("CmdButton1")->Click();
    ASSERT_EQ(dialogs_.messages.size(), 1u) << i;
    EXPECT_EQ(dialogs_.messages[0].text, CaptionLine(85));
    EXPECT_EQ(dialogs_.messages[0].caption, CaptionLine(86));
    EXPECT_EQ(dialogs_.messages[0].flags, 0x40u);
    EXPECT_TRUE(dialogs_.saveRequests.empty());
    EXPECT_EQ(Line(30), "") << "no zero fill";
    dialogs_.Clear();
  }
}

TEST_F(Commands, JexFightersCannotGoToTheGround) {
  LoadAna();
  Button("btCambiarEditor")->Click();
  Pick(Combo("cbCatPeso"), 1);
  Pick(Combo("cbGamePlan"), 5);
  dialogs_.Clear();
  Button("CmdButton1")->Click();
  ASSERT_EQ(dialogs_.messages.size(), 1u);
  EXPECT_EQ(dialogs_.messages[0].text, "JEX fighters cannot have Go to the ground gameplan");
  EXPECT_EQ(dialogs_.messages[0].caption, "Not saved");
  EXPECT_EQ(dialogs_.messages[0].flags, 0x40u);
  EXPECT_TRUE(dialogs_.saveRequests.empty());

  Button("btCambiarEditor")->Click();
  Pick(Combo("cbCatPeso"), 1);
  dialogs_.Clear();
  Button("CmdButton1")->Click();  // the TAV game allows it; the dialog is cancelled
  EXPECT_EQ(dialogs_.saveRequests.size(), 1u);
}

TEST_F(Commands, TeamFilesAreMadeOnlyForPlainNewNames) {
  struct Case {
    QString team;
    bool fileMade;
  };
  const std::vector<Case> cases = {{"Iron Gym", true}, {"AC/DC Gym", false}, {"..", false},
                                   {"a\\b", false},     {"What?", false},     {"", false}};
  for (const Case& c : cases) {
    LoadAna();
    QLineEdit* team = Combo("cbTeam")->lineEdit();
    team->selectAll();
    QTest::keyClicks(team, c.team);
    if (c.team.isEmpty()) QTest::keyClick(team, Qt::Key_Delete);
    const auto teamFile = folder_ / "Team" / (c.team.toStdString() + ".txt");
    const auto written = folder_ / "Fighters/LW/saved.txt";
    AnswerSave(written);
    Button("CmdButton1")->Click();
    EXPECT_EQ(IsExistingFile(teamFile), c.fileMade) << c.team.toStdString();
    if (c.fileMade) {
      EXPECT_EQ(ReadBytes(teamFile), "0\r\n0\r\n0\r\n");
    }
    EXPECT_EQ(LineAt(written, 31), c.team.isEmpty() ? "0" : c.team.toStdString()) << "the fighter is saved anyway";
    std::filesystem::remove(written);
    dialogs_.Clear();
  }
  EXPECT_FALSE(std::filesystem::exists(folder_ / "Team/AC"));
  EXPECT_FALSE(std::filesystem::exists(folder_ / "...txt"));
}

TEST_F(Commands, ATeamFileIsMadeEvenWhenTheSaveIsCancelledAndNeverTouchedAgain) {
  LoadAna();
  Combo("cbTeam")->lineEdit()->selectAll();
  QTest::keyClicks(Combo("cbTeam")->lineEdit(), "Blue Corner");
  Button("CmdButton1")->Click();  // cancelled
  EXPECT_EQ(ReadBytes(folder_ / "Team/Blue Corner.txt"), "0\r\n0\r\n0\r\n");
  EXPECT_EQ(Line(30), "0") << "the zero fill stays";
  WriteBytes(folder_ / "Team/Blue Corner.txt", "kept\r\n");
  Button("CmdButton1")->Click();
  EXPECT_EQ(ReadBytes(folder_ / "Team/Blue Corner.txt"), "kept\r\n");
}

TEST_F(Commands, AFailedWriteStopsBeforeConfirmingDeletingOrClearing) {
  LoadAna();
  Pick(Combo("cbCatPeso"), 2);
  AnswerSave(folder_ / "Fighters/Missing/x.txt");
  Button("CmdButton1")->Click();
  ASSERT_EQ(dialogs_.messages.size(), 1u);
  EXPECT_TRUE(dialogs_.messages[0].text.startsWith("Cannot create file \""));
  EXPECT_EQ(dialogs_.messages[0].flags, 0x10u);
  EXPECT_TRUE(IsExistingFile(folder_ / "Fighters/LW/Ana.txt"));
  EXPECT_EQ(Edit("edNombre")->text(), "Ana de Souza");
  EXPECT_EQ(Form().LoadedCategory(), 1);
}

TEST_F(Commands, AFighterTypedFromScratchSavesItsAbilitiesAsShown) {
  QTest::keyClicks(Edit("edNombre"), "New Guy");
  QTest::keyClicks(Edit("edNombreCorto"), "Guy");
  QTest::keyClicks(Edit("edSherdog"), "7");
  for (const char* box : {"cbCatPeso", "cbGamePlan", "cbGroundGPlan", "cbJuegoSucio", "cbClinchGPlan"})
    Pick(Combo(box), 0);
  Spin("spKick")->SetValue(9);
  AnswerSave(folder_ / "Fighters/LW/New Guy.txt");
  Button("CmdButton1")->Click();
  LineList saved;
  saved.LoadLines(folder_ / "Fighters/LW/New Guy.txt");
  ASSERT_EQ(saved.LineCount(), 36);
  EXPECT_EQ(saved.LineAt(0), "1");
  EXPECT_EQ(saved.LineAt(1), "9");
  EXPECT_EQ(saved.LineAt(23), "1");
  EXPECT_EQ(saved.LineAt(17), "New Guy");
  EXPECT_EQ(saved.LineAt(19), "1");
  EXPECT_EQ(saved.LineAt(20), "-1");
  EXPECT_EQ(saved.LineAt(21), "0");
  EXPECT_EQ(saved.LineAt(31), "0");
  EXPECT_EQ(saved.LineAt(34), "");
  EXPECT_EQ(saved.LineAt(35), "");
  EXPECT_EQ(ReadBytes(folder_ / "Fighters/LW/New Guy.txt").substr(0, 6), "1\r\n9\r\n");
}

TEST_F(Commands, ClearAllEmptiesTheFormAndLeavesNothingBehind) {
  LoadAna();
  Button("CmdButton4")->Click();
  for (const char* box : {"spPunch", "spKORes", "spGroundGame"}) {
    EXPECT_EQ(Spin(box)->text(), "1") << box;
    EXPECT_EQ(Spin(box)->palette().color(QPalette::Active, QPalette::Text), QColor(255, 0, 0)) << box;
  }
  for (const char* box : {"edNombre", "edNombreCorto", "edEstatura", "edPeso", "lbNacionalidad", "lbFechaNac", "edSherdog"})
    EXPECT_TRUE(Edit(box)->text().isEmpty()) << box;
  for (const char* box : {"cbGamePlan", "cbGroundGPlan", "cbClinchGPlan", "cbTeam", "cbCatPeso", "cbJuegoSucio",
                          "cbFancyStrikes", "cbFancySubs"}) {
    EXPECT_EQ(Combo(box)->currentIndex(), -1) << box;
    EXPECT_TRUE(Combo(box)->currentText().isEmpty()) << box;
  }
  EXPECT_EQ(Form().LoadedCategory(), -1);
  EXPECT_EQ(Form().LoadedPath(), folder_ / "Fighters/LW/Ana.txt");
  EXPECT_EQ(Form().FighterLines().Lines(), record::FreshRecord().Lines());
}

// The window hands its boxes over by field: a box given for another field's place would move
// its value into another rating.
TEST_F(Commands, EvaluateRatesEachAbilityBoxAsItsField) {
  EvaluationWindow evaluation(Form().Abilities(), Form().CaptionLines(), dialogs_, &Form());
  Form().SetEvaluationWindow(&evaluation);
  LoadAna();
  Button("CmdButton5")->Click();
  std::vector<int> fills;
  for (const GradientBar* bar : {evaluation.groundBar, evaluation.strikingBar, evaluation.defenseBar,
                                 evaluation.fitnessBar, evaluation.mentalBar, evaluation.overallBar})
    fills.push_back(bar->Gradient.PercentFilling());
  // Ground (5+3+2+19)/4, striking (12+11+9)/3, defence (7+4+13)/3, fitness (10+8+14+18+15)/5,
  // mental (6+16+17)/3, overall their mean; each times 5.
  EXPECT_EQ(fills, (std::vector<int>{36, 53, 40, 65, 65, 52}));
}

TEST_F(Commands, OpenProposesTheLastFileAndLoadsTheChoice) {
  Button("CmdButton2")->Click();  // cancelled
  EXPECT_EQ(Edit("edNombre")->text(), "");
  dialogs_.openAnswers.push_back(FileDialogAnswer{QString::fromStdString((folder_ / "Fighters/LW/Ana.txt").string()), 0});
  Button("CmdButton2")->Click();
  ASSERT_EQ(dialogs_.openRequests.size(), 2u);
  EXPECT_EQ(dialogs_.openRequests[0].title, "Abrir luchador");
  EXPECT_TRUE(dialogs_.openRequests[0].folder.isEmpty());
  EXPECT_TRUE(dialogs_.openRequests[0].fileName.isEmpty());
  EXPECT_TRUE(dialogs_.openRequests[0].filters.isEmpty());
  EXPECT_EQ(Edit("edNombre")->text(), "Ana de Souza");
  Button("CmdButton2")->Click();
  EXPECT_EQ(dialogs_.openRequests[2].folder, "Fighters");
  EXPECT_EQ(dialogs_.openRequests[2].fileName.toStdString(), (folder_ / "Fighters/LW/Ana.txt").string());
}

TEST_F(Commands, SaveFolderFollowsTheModeNumberAndTheFilterIsRemembered) {
  LoadAna();
  Pick(Combo("cbCatPeso"), 3);
  dialogs_.saveAnswers.push_back(std::nullopt);
  Button("CmdButton1")->Click();
  EXPECT_EQ(dialogs_.saveRequests.back().folder.toStdString(), (folder_ / "Fighters" / "MW").string());

  Button("btCambiarEditor")->Click();  // JEX: the fourth category is light heavyweight
  Pick(Combo("cbCatPeso"), 3);
  AnswerSave(folder_ / "Fighters/LW/x.txt", 1);
  Button("CmdButton1")->Click();
  EXPECT_EQ(dialogs_.saveRequests.back().folder.toStdString(), (folder_ / "Fighters" / "LHW").string());
  EXPECT_EQ(dialogs_.saveRequests.back().filterIndex, 0);

  WriteFighter("Fighters/LW/Ana.txt", fighter_);
  dialogs_.Clear();
  LoadAna();
  Button("btCambiarEditor")->Click();
  Pick(Combo("cbCatPeso"), 3);
  Button("CmdButton1")->Click();
  EXPECT_EQ(dialogs_.saveRequests.back().filterIndex, 1);
}

// Any mode number but 1 shows the TAV editor, so it saves into TAV's folders by TAV's rules,
// and the number read is written back at close.
TEST_F(Commands, RememberedModeTwoIsTavThroughout) {
  Write("EditorMode.txt", "2\r\n");
  StartShown();
  const std::vector<std::pair<int, std::string>> cases = {{2, "WW"}, {6, "SHW"}};
  for (const auto& [position, folder] : cases) {
    LoadAna();
    Pick(Combo("cbCatPeso"), position);
    Pick(Combo("cbGamePlan"), 5);
    dialogs_.saveRequests.clear();
    Button("CmdButton1")->Click();
    ASSERT_EQ(dialogs_.saveRequests.size(), 1u) << folder;
    EXPECT_EQ(dialogs_.saveRequests[0].folder.toStdString(), (folder_ / "Fighters" / folder).string());
  }
  EXPECT_TRUE(Form().close());
  EXPECT_EQ(ReadBytes(folder_ / "EditorMode.txt"), "2\r\n");
}

}  // namespace
}  // namespace beditor::test
