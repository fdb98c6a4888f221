#include "core/team_file_name.h"

#include <gtest/gtest.h>

#include <string>

#include "core/path_utf8.h"
#include "core/team_file.h"
#include "support/temp_folder.h"

namespace beditor {
namespace {

TEST(TeamFileName, OnlyNamesEverySystemCanHoldGetATeamFile) {
  const std::pair<std::string, bool> cases[] = {
      {"Iron Gym", true},
      {"Ñandú Team", true},
      {"東京", true},
      {"Con Artists", true},
      {"COM10", true},
      {"CONSOLE", true},
      {"", false},
      {".", false},
      {"..", false},
      {"a/b", false},
      {"a\\b", false},
      {"What?", false},
      {"a:b", false},
      {"tab\there", false},
      {"Trailing.", false},
      {"Trailing ", false},
      {"CON", false},
      {"con", false},
      {"Nul", false},
      {"AUX.team", false},
      {"PRN ", false},
      {"COM1", false},
      {"lpt9", false},
  };
  for (const auto& [name, plain] : cases) EXPECT_EQ(IsPlainFileName(name), plain) << "'" << name << "'";
}

// The one rule both programs make team files by: a plain name gets Team/<name>.txt once, with
// three "0" lines; an existing file counts as made, whatever it holds.
TEST(TeamFile, APlainNameWithoutAFileGetsOneOfThreeZeros) {
  test::TempFolder folder;
  std::filesystem::create_directories(folder / "Team");
  const std::string name = "Ñandú Team";
  const auto path = TeamFilePath(folder.Path(), name);
  ASSERT_TRUE(path.has_value());
  EXPECT_EQ(*path, folder.Path() / "Team" / PathFromUtf8(name + ".txt"));
  EXPECT_EQ(MissingTeamFile(folder.Path(), name), path);
  WriteNewTeamFile(*path);
  EXPECT_EQ(test::ReadBytes(*path), "0\r\n0\r\n0\r\n");
  EXPECT_EQ(MissingTeamFile(folder.Path(), name), std::nullopt);

  for (const char* refused : {"", "AC/DC", "CON"}) {
    EXPECT_EQ(TeamFilePath(folder.Path(), refused), std::nullopt) << refused;
    EXPECT_EQ(MissingTeamFile(folder.Path(), refused), std::nullopt) << refused;
  }
}

}  // namespace
}  // namespace beditor
