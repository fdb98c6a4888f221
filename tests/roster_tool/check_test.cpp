// `check`: the report on the fixture roster, with one fighter of each kind of problem.
#include <gtest/gtest.h>

#include "core/path_utf8.h"
#include "roster_run.h"

namespace beditor::roster::test {
namespace {

TEST(Check, ReportsEachKindOfProblemOnceAndCountsThem) {
  const TempFolder folder = CopyOfFixture();
  const RunResult result = RunTool(folder.Path(), {"check"});
  EXPECT_EQ(result.out, FixtureFile("check_tav.txt"));
  EXPECT_EQ(result.err, "");
  EXPECT_EQ(result.code, 1);  // two errors
}

TEST(Check, TheModePicksTheCategoryFoldersAndTheGamePlanRule) {
  const TempFolder folder = CopyOfFixture();
  const std::string groundOnly = PathToUtf8(folder / "Fighters/HW/Ground Only.txt");
  // In TAV, "Go to the ground" is a game plan like any other.
  RunResult result = RunTool(folder.Path(), {"--mode", "tav", "check", groundOnly});
  EXPECT_EQ(result.out, "1 file checked: 0 errors, 0 warnings\n");
  EXPECT_EQ(result.code, 0);
  // JEX has no Welterweight: stored category 4 is its Super Heavyweight.
  result = RunTool(folder.Path(), {"--mode", "jex", "check", groundOnly});
  EXPECT_EQ(result.out,
            "Fighters/HW/Ground Only.txt:20: error: line 20 (Game plan): Go to the ground is not a JEX game plan: the "
            "editor refuses to save the fighter\n"
            "Fighters/HW/Ground Only.txt:21: error: line 21 (Category): Super Heavyweight: +265 lb / 120 kg belongs in "
            "SHW, not in HW\n"
            "1 file checked: 2 errors, 0 warnings\n");
  EXPECT_EQ(result.code, 1);
  // Without --mode, the editor's own: EditorMode.txt "1" is JEX.
  beditor::test::WriteBytes(folder / "EditorMode.txt", "1\r\n");
  EXPECT_EQ(RunTool(folder.Path(), {"check", groundOnly}).out, result.out);
}

TEST(Check, NamedFilesOnlyAndNoFolderRuleOutsideTheRoster) {
  const TempFolder folder = CopyOfFixture();
  // A misplaced fighter copied out of the roster is judged by its content alone.
  std::filesystem::copy_file(folder / "Fighters/LW/Misplaced Welter.txt", folder / "loose.txt");
  EXPECT_EQ(RunTool(folder.Path(), {"check", PathToUtf8(folder / "loose.txt")}).out,
            "1 file checked: 0 errors, 0 warnings\n");
  const RunResult result = RunTool(folder.Path(), {"check", PathToUtf8(folder / "Fighters/LW/Misplaced Welter.txt")});
  EXPECT_EQ(result.out,
            "Fighters/LW/Misplaced Welter.txt:21: error: line 21 (Category): Welterweight: Max 170 lb / 77 kg belongs "
            "in WW, not in LW\n"
            "1 file checked: 1 error, 0 warnings\n");
  // Named together, each is the other's twin.
  const RunResult both = RunTool(folder.Path(), {"check", PathToUtf8(folder / "loose.txt"),
                                                 PathToUtf8(folder / "Fighters/LW/Misplaced Welter.txt")});
  EXPECT_NE(both.out.find("Misplaced Welter.txt:27: warning: line 27 (Sherdog ID): 1002 is also the Sherdog ID of "),
            std::string::npos)
      << both.out;
  EXPECT_NE(both.out.find("2 files checked: 1 error, 2 warnings\n"), std::string::npos) << both.out;
}

TEST(Check, AMissingFileIsAnError) {
  const TempFolder folder = CopyOfFixture();
  const RunResult result = RunTool(folder.Path(), {"check", PathToUtf8(folder / "Fighters/LW/Nobody.txt")});
  EXPECT_NE(result.out.find("Fighters/LW/Nobody.txt:1: error: Cannot open file"), std::string::npos) << result.out;
  EXPECT_EQ(result.code, 1);
}

TEST(Check, AProgramFolderWithoutItsListsIsAUsageError) {
  const TempFolder folder = CopyOfFixture();
  std::filesystem::remove(folder / "ES-estilo.txt");
  RunResult result = RunTool(folder.Path(), {"check"});
  EXPECT_EQ(result.code, 2);
  EXPECT_NE(result.err.find("style list"), std::string::npos) << result.err;
  EXPECT_EQ(result.out, "");

  const TempFolder empty;
  result = RunTool(empty.Path(), {"export"});
  EXPECT_EQ(result.code, 2);
  EXPECT_EQ(result.out, "");
}

}  // namespace
}  // namespace beditor::roster::test
