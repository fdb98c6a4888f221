#include "core/team_file_name.h"

#include <gtest/gtest.h>

#include <string>

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

}  // namespace
}  // namespace beditor
