#include <QCloseEvent>
#ifndef _WIN32
#include <unistd.h>
#endif

#include "core/fighter_record.h"
#include "core/file_access.h"
#include "editor_fixture.h"

namespace beditor::test {
namespace {

using StartUp = EditorTest;

TEST_F(StartUp, WithoutArgumentsShowsTheDesignedFormWithTheProgramFoldersFiles) {
  Start();
  EXPECT_TRUE(dialogs_.messages.empty()) << dialogs_.Texts().join('|').toStdString();
  EXPECT_EQ(Form().FighterLines().Lines(), record::FreshRecord().Lines());
  EXPECT_EQ(Form().FighterLines().LineCount(), 36);
  EXPECT_EQ(Form().LoadedCategory(), -1);
  EXPECT_EQ(Form().windowTitle(), "Brennic Editor");
  EXPECT_EQ(Form().size(), QSize(844, 386));
  EXPECT_EQ(Label("Label2")->text(), QString::fromUtf8("Puños"));
  EXPECT_EQ(Label("Label8")->text(), QString::fromUtf8("Motivación"));
  EXPECT_EQ(Combo("cbCatPeso")->count(), 7);
  EXPECT_EQ(Combo("cbCatPeso")->currentIndex(), -1);
  EXPECT_EQ(Combo("cbJuegoSucio")->count(), 3);
  EXPECT_GE(Combo("cbTeam")->count(), 2);
  EXPECT_FALSE(Find<QLabel>("imFondo")->pixmap().isNull());
}

TEST_F(StartUp, CommandLineWordsAreJoinedWithSingleBlanksUnderFighters) {
  std::filesystem::create_directories(folder_ / "Fighters/LW");
  WriteFighter("Fighters/LW/John Smith.txt", SampleFighter());
  Start({"LW\\John", "Smith.txt"});
  EXPECT_TRUE(dialogs_.messages.empty());
  EXPECT_EQ(Edit("edNombre")->text(), "Ana de Souza");
  EXPECT_EQ(Form().LoadedPath(), folder_ / "Fighters" / "LW/John Smith.txt");
  EXPECT_EQ(Form().LoadedCategory(), 2);
}

#ifndef _WIN32
// The roster window names a fighter whose file name is Windows-1252 (a zip made on Windows) by
// the text it shows, in UTF-8: the editor finds that same file.
TEST_F(StartUp, ACommandLineNameFindsTheFileWhoseWindows1252NameReadsSo) {
  std::filesystem::create_directories(folder_ / "Fighters/LW");
  WriteFighter("Fighters/LW/Pe\xF1" "a.txt", SampleFighter());
  Start({"LW\\Pe\xC3\xB1" "a.txt"});
  EXPECT_TRUE(dialogs_.messages.empty()) << dialogs_.Texts().join('|').toStdString();
  EXPECT_EQ(Edit("edNombre")->text(), "Ana de Souza");
  EXPECT_EQ(Form().LoadedPath(), folder_ / "Fighters" / "LW/Pe\xF1" "a.txt");
}
#endif

TEST_F(StartUp, AFullPathArgumentStaysUnderFightersAndFailsToLoad) {
  WriteFighter("elsewhere.txt", SampleFighter());
  Start({(folder_ / "elsewhere.txt").string()});
  EXPECT_EQ(dialogs_.Texts(), QStringList{"El luchador no se ha cargado correctamente"});
  EXPECT_TRUE(Edit("edNombre")->text().isEmpty());
}

TEST_F(StartUp, MissingWeightListKeepsTheBuiltInCategories) {
  Remove("TAV Weights.txt");
  Start();
  ASSERT_EQ(dialogs_.messages.size(), 1u);
  EXPECT_EQ(dialogs_.messages[0].kind, ShownMessage::Plain);
  EXPECT_EQ(dialogs_.messages[0].text, "Weight file not found. Using default");
  EXPECT_EQ(Combo("cbCatPeso")->count(), 7);
  EXPECT_EQ(Combo("cbCatPeso")->itemText(0), "Featherweight: Max Max 145 lb / 66 kg");
  EXPECT_EQ(Combo("cbJuegoSucio")->count(), 3);
}

TEST_F(StartUp, MissingBackgroundSkipsCaptionsStylesTeamsAndTheFighter) {
  Remove("Fondo6.jpg");
  std::filesystem::create_directories(folder_ / "Fighters/LW");
  WriteFighter("Fighters/LW/a.txt", SampleFighter());
  Start({"LW/a.txt"});
  ASSERT_EQ(dialogs_.messages.size(), 1u);
  EXPECT_EQ(dialogs_.messages[0].text.toStdString(),
            "Cannot open file \"" + (folder_ / "Fondo6.jpg").string() + "\". " + MissingFileText() + ".");
  EXPECT_EQ(dialogs_.messages[0].flags, 0x10u);
  EXPECT_TRUE(Find<QLabel>("imFondo")->pixmap().isNull());
  EXPECT_EQ(Label("Label2")->text(), QString::fromUtf8("Puños"));
  EXPECT_EQ(Combo("cbJuegoSucio")->count(), 0);
  EXPECT_EQ(Combo("cbTeam")->count(), 0);
  EXPECT_TRUE(Edit("edNombre")->text().isEmpty());
}

TEST_F(StartUp, BrokenBackgroundGivesTheDecodersErrorNumber) {
  Write("Fondo6.jpg", "not a picture at all");
  Start();
  ASSERT_EQ(dialogs_.messages.size(), 1u);
  EXPECT_TRUE(dialogs_.messages[0].text.startsWith("JPEG error #")) << dialogs_.messages[0].text.toStdString();
  EXPECT_TRUE(Find<QLabel>("imFondo")->pixmap().isNull());
}

TEST_F(StartUp, EnglishConfigurationUsesTheEnglishTables) {
  Write("Config.txt", "EN\r\nsecond\r\n");
  Start();
  EXPECT_TRUE(dialogs_.messages.empty());
  LineList english;
  english.LoadLines(folder_ / "EN-Translation.txt");
  EXPECT_EQ(Label("Label2")->text().toStdString(), english.LineAt(53));
  EXPECT_EQ(Button("CmdButton1")->Caption().toStdString(), english.LineAt(75));
  EXPECT_EQ(Button("btCambiarEditor")->Caption(), "Switch to JEX Editor");
}

TEST_F(StartUp, LanguageFailuresStopAtTheFailingRead) {
  struct Case {
    std::string config;
    std::string expectedStart;
  };
  std::vector<Case> cases{{"", "List index out of bounds (0)"},
                          {"\xEF\xBB\xBF" "ES\r\n", "Cannot open file \""}};
#ifndef _WIN32
  // Windows' file names ignore case: there "es" finds ES-Translation.txt.
  cases.push_back({"es\r\n", "Cannot open file \""});
#endif
  for (const Case& c : cases) {
    dialogs_.Clear();
    Write("Config.txt", c.config);
    Start();
    ASSERT_EQ(dialogs_.messages.size(), 1u) << c.config;
    EXPECT_TRUE(dialogs_.messages[0].text.startsWith(QString::fromStdString(c.expectedStart)))
        << dialogs_.messages[0].text.toStdString();
    EXPECT_EQ(Combo("cbJuegoSucio")->count(), 0);
    EXPECT_EQ(Combo("cbTeam")->count(), 0);
  }
}

TEST_F(StartUp, ShortCaptionTableKeepsTheCaptionsSetBeforeIt) {
  LineList table;
  table.LoadLines(folder_ / "ES-Translation.txt");
  std::vector<std::string> lines(table.Lines().begin(), table.Lines().begin() + 60);
  lines[53] = "Golpes";
  WriteBytes(folder_ / "ES-Translation.txt", JoinLines(lines));
  Start();
  EXPECT_EQ(dialogs_.Texts(), QStringList{"List index out of bounds (60)"});
  EXPECT_EQ(Label("Label2")->text(), "Golpes");
  EXPECT_EQ(Combo("cbJuegoSucio")->count(), 0);
}

TEST_F(StartUp, CaptionLabelsFollowTheirBoxesByTheLabelRule) {
  Start();
  for (const char* name : {"edNombre", "edPeso", "lbFechaNac"}) {
    const QLabel* label = Label((std::string(name) + "Label").c_str());
    const QWidget* box = Edit(name);
    EXPECT_EQ(label->x(), box->x()) << name;
    EXPECT_EQ(label->y(), box->y() - label->height() - 3) << name;
  }
  const QLabel* sherdog = Label("edSherdogLabel");
  EXPECT_EQ(sherdog->x(), 312 - sherdog->width() - 3);
  EXPECT_EQ(sherdog->y(), 168 + (21 - sherdog->height()) / 2);
}

TEST_F(StartUp, EditorModeFileIsRestoredAtTheFirstShowing) {
  struct Case {
    const char* content;  // nullptr: no file
    int mode;
    QString button;
    QString error;
  };
  const std::vector<Case> cases = {
      {nullptr, 0, "Switch to JEX Editor", ""},
      {"1\r\n", 1, "Switch to TAV Editor", ""},
      {" 1\r\n", 1, "Switch to TAV Editor", ""},
      {"$1\r\n", 1, "Switch to TAV Editor", ""},
      {"2\r\n", 2, "Switch to JEX Editor", ""},
      {"x\r\n", 0, "Switch to JEX Editor", "'x' is not a valid integer value."},
      {"", 0, "Switch to JEX Editor", "List index out of bounds (0)"},
  };
  for (const Case& c : cases) {
    Remove("EditorMode.txt");
    if (c.content) Write("EditorMode.txt", c.content);
    dialogs_.Clear();
    StartShown();
    EXPECT_EQ(Form().EditorMode(), c.mode) << (c.content ? c.content : "none");
    EXPECT_EQ(Button("btCambiarEditor")->Caption(), c.button);
    EXPECT_EQ(dialogs_.Texts(), c.error.isEmpty() ? QStringList() : QStringList{c.error});
    EXPECT_TRUE(Form().isVisible());
    EXPECT_TRUE(Form().close());
    EXPECT_EQ(ReadBytes(folder_ / "EditorMode.txt"), std::to_string(c.mode) + "\r\n");
  }
}

TEST_F(StartUp, BoxesOfTheFirstShowingComeBeforeTheWindowIs) {
  Write("EditorMode.txt", "x");
  Start();
  bool visibleDuringBox = true;
  dialogs_.onMessage = [&](const ShownMessage&) { visibleDuringBox = Form().isVisible(); };
  Form().ShowFirstTime();
  ASSERT_EQ(dialogs_.messages.size(), 1u);
  EXPECT_FALSE(visibleDuringBox);
}

// A program folder the user may not write (as under Program Files) must not trap the user:
// the error is shown and the window closes; only the mode goes unremembered.
TEST_F(StartUp, UnwritableProgramFolderReportsTheModeAndClosesAnyway) {
  StartShown();
  Form().SwitchEditorMode();
#ifndef _WIN32
  // Root writes into any folder, so there the mode file's place is taken by a folder instead.
  const bool root = geteuid() == 0;
#else
  // So it is on Windows, where a read-only folder still takes new files.
  const bool root = true;
#endif
  if (root) {
    std::filesystem::create_directory(folder_ / "EditorMode.txt");
  } else {
    std::filesystem::permissions(folder_.Path(), std::filesystem::perms::owner_write,
                                 std::filesystem::perm_options::remove);
  }
  EXPECT_TRUE(Form().close());
  EXPECT_FALSE(Form().isVisible());
  if (!root)
    std::filesystem::permissions(folder_.Path(), std::filesystem::perms::owner_write, std::filesystem::perm_options::add);
  ASSERT_EQ(dialogs_.messages.size(), 1u);
  EXPECT_TRUE(dialogs_.messages[0].text.startsWith("Cannot create file \""));
  EXPECT_FALSE(IsExistingFile(folder_ / "EditorMode.txt"));
}

}  // namespace
}  // namespace beditor::test
