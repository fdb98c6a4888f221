// Names as the file system knows them: read as text, found again from that text, and
// compared by the system's own rule.
#include <gtest/gtest.h>

#include "core/file_names.h"
#include "core/path_utf8.h"
#include "core/team_file.h"
#include "support/temp_folder.h"

namespace beditor {
namespace {

using test::TempFolder;
using test::WriteBytes;

// Windows ignores case in names, by one rule for every language; POSIX does not.
TEST(FileNames, NamesOfOneEntryShareTheirKey) {
  const std::vector<std::pair<std::string, std::string>> sameWhereCaseIsIgnored = {
      {"LW/Ignacio Brevanza.txt", "lw/IGNACIO brevanza.TXT"},
      {"LW/\xC3\x91" "and\xC3\xBA.txt", "lw/\xC3\xB1" "AND\xC3\x9A.txt"},  // Ñandú, ñANDÚ
  };
  for (const auto& [a, b] : sameWhereCaseIsIgnored) {
#ifdef _WIN32
    EXPECT_EQ(FileSystemNameKey(a), FileSystemNameKey(b)) << b;
#else
    EXPECT_NE(FileSystemNameKey(a), FileSystemNameKey(b)) << b;
#endif
  }
  EXPECT_NE(FileSystemNameKey("LW/Ana.txt"), FileSystemNameKey("LW/Ana.txt "));
  EXPECT_NE(FileSystemNameKey("LW/A.txt"), FileSystemNameKey("LW/B.txt"));
}

#ifndef _WIN32
// A zip made on Windows and unpacked here leaves its names in Windows-1252: such a name reads
// as that code page's text, and that text finds the same bytes again, but never a file whose
// name is UTF-8 already: such a file is named by its own text only.
TEST(FileNames, AWindows1252NameIsReadAsTextAndFoundByIt) {
  const std::string windows1252 = "Pe\xF1" "a.txt";   // Peña in Windows-1252
  const std::string utf8 = "Pe\xC3\xB1" "a.txt";      // Peña in UTF-8
  const std::string utf8ReadAs1252 = "Pe\xC3\x83\xC2\xB1" "a.txt";  // PeÃ±a: UTF-8's bytes read as Windows-1252

  EXPECT_EQ(NameToUtf8(windows1252), utf8);
  EXPECT_TRUE(IsWindows1252Name(windows1252));
  EXPECT_EQ(NameToUtf8(utf8), utf8);
  EXPECT_FALSE(IsWindows1252Name(utf8));

  struct Case {
    const char* what;
    std::vector<std::string> entries;  // below the folder, as bytes
    std::string text;                  // what is asked for
    std::string found;                 // the bytes it names
  };
  const std::vector<Case> cases = {
      {"only the Windows-1252 name", {windows1252}, utf8, windows1252},
      {"both: the text is the UTF-8 file's", {windows1252, utf8}, utf8, utf8},
      {"a UTF-8 name is not Windows-1252 text", {utf8}, utf8ReadAs1252, utf8ReadAs1252},
      {"neither: the text itself", {}, utf8, utf8},
      {"a folder and a file, each Windows-1252", {"Jos\xE9/" + windows1252}, "Jos\xC3\xA9/" + utf8,
       "Jos\xE9/" + windows1252},
      {"plain ASCII", {"LW/Ana.txt"}, "LW/Ana.txt", "LW/Ana.txt"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.what);
    const TempFolder folder;
    for (const std::string& entry : c.entries) {
      std::filesystem::create_directories((folder.Path() / entry).parent_path());
      WriteBytes(folder.Path() / entry, entry);
    }
    EXPECT_EQ(RelativePathFromUtf8(folder.Path(), c.text).native(), c.found);
  }

  // A team's file too: the team line (Windows-1252) names it.
  const TempFolder program;
  std::filesystem::create_directory(program / "Team");
  WriteBytes(program / "Team" / windows1252, "0\r\n0\r\n0\r\n");
  EXPECT_EQ(MissingTeamFile(program.Path(), "Pe\xC3\xB1" "a"), std::nullopt);
}
#endif

}  // namespace
}  // namespace beditor
