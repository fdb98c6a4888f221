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
// A name written by a program that does not use UTF-8 (here the Windows-1252 "é", from a zip
// made on Windows) must not stop the list: it is read as Windows-1252, as the team line of a
// fighter file is, so that the team saved from the box is that file's.
TEST(TeamNames, NameThatIsNotUtf8IsListedAnyway) {
  TempFolder folder;
  WriteBytes(folder / "Good.txt", "");
  WriteBytes(folder / "Mot\xE9.txt", "");
  QStringList names;
  ASSERT_NO_THROW(names = TeamNames(folder.Path()));
  EXPECT_EQ(Sorted(names), (QStringList{"Good", QStringLiteral("Mot\u00E9")}));
}
#endif

}  // namespace
}  // namespace beditor
