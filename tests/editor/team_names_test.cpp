#include "editor/team_names.h"

#include <gtest/gtest.h>

#include <algorithm>

#include "core/path_utf8.h"
#include "support/temp_folder.h"

namespace beditor {
namespace {

using test::TempFolder;
using test::WriteBytes;

QStringList Sorted(QStringList names) {
  std::sort(names.begin(), names.end());
  return names;
}

// The roster's rule on every system: the ending in any case, and nothing after it (Windows'
// own pattern would also match "Ana.txtold" through its short name, and Linux's would miss
// "Gym.TXT").
TEST(TeamNames, EveryTxtEntryWithoutItsEnding) {
  TempFolder folder;
  for (const char* name :
       {"Iron Gym.txt", "notes.doc", ".hidden.txt", "x.txt.bak", "Mot\xC3\xA9.txt", "Gym.TXT", "Ana.txtold"})
    WriteBytes(folder.Path() / PathFromUtf8(name), "");
  std::filesystem::create_directory(folder / "Club.txt");
  EXPECT_EQ(Sorted(TeamNames(folder.Path())),
            (QStringList{".hidden", "Club", "Gym", "Iron Gym", QString::fromUtf8("Mot\xC3\xA9")}));
  EXPECT_TRUE(TeamNames(folder / "missing").isEmpty());
}

#ifndef _WIN32
// A name written by a program that does not use UTF-8 (here the Windows-1252 "é") must not
// stop the list: it shows with a replacement character.
TEST(TeamNames, NameThatIsNotUtf8IsListedAnyway) {
  TempFolder folder;
  WriteBytes(folder / "Good.txt", "");
  WriteBytes(folder / "Mot\xE9.txt", "");
  QStringList names;
  ASSERT_NO_THROW(names = TeamNames(folder.Path()));
  EXPECT_EQ(Sorted(names), (QStringList{"Good", QStringLiteral("Mot\uFFFD")}));
}
#endif

}  // namespace
}  // namespace beditor
