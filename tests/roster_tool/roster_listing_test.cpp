// The roster's listing: which names it takes on every system, and what a folder that cannot
// be listed does to the commands that list the roster.
#include <gtest/gtest.h>

#include <algorithm>
#include <cerrno>

#include "core/csv.h"
#include "core/file_access.h"
#include "roster_run.h"
#include "support/refusing_files.h"

namespace beditor::roster::test {
namespace {

#ifndef _WIN32
using beditor::test::WithUnlistableFolder;
#endif

// The file cells of an exported CSV, in its order.
std::vector<std::string> FileCells(const std::string& csv) {
  std::vector<std::string> cells;
  const auto records = ReadCsvFile(csv, "export").records;
  for (std::size_t i = 1; i < records.size(); ++i) cells.push_back(records[i].cells.front());
  return cells;
}

// A name ending in ".txt" in any case is a fighter file, and nothing else is, on every
// system: Windows' own "*.txt" would also take a name whose short form ends so.
TEST(RosterListing, TakesNamesEndingInTxtInAnyCaseOnly) {
  const TempFolder folder = CopyOfFixture();
  const auto shw = folder / "Fighters/SHW";
  for (const char* name : {"Upper.TXT", "Mixed.Txt", "Big Tom.txtold", "Big Tom.txt.bak", "notes.doc"})
    std::filesystem::copy_file(shw / "Big Tom.txt", shw / name);
  const RunResult result = RunTool(folder.Path(), {"export"});
  EXPECT_EQ(result.code, 0) << result.err;
  std::vector<std::string> inShw;
  for (const std::string& cell : FileCells(result.out))
    if (cell.starts_with("SHW/")) inShw.push_back(cell);
  EXPECT_EQ(inShw, (std::vector<std::string>{"SHW/Big Tom.txt", "SHW/Mixed.Txt", "SHW/Upper.TXT"}));
}

// Zip tools and copies drop empty folders: a category folder that is not there is an empty
// category, not a folder that could not be listed.
TEST(RosterListing, AMissingCategoryFolderIsAnEmptyCategory) {
  const TempFolder folder = CopyOfFixture();
  std::filesystem::remove_all(folder / "Fighters/MW");
  const RunResult check = RunTool(folder.Path(), {"check"});
  EXPECT_EQ(check.out.find("Fighters/MW"), std::string::npos) << check.out;
  EXPECT_NE(check.out.find("11 files checked: "), std::string::npos) << check.out;
  const RunResult exported = RunTool(folder.Path(), {"export"});
  EXPECT_EQ(exported.code, 0) << exported.err;
  EXPECT_EQ(exported.err, "");
  const RunResult rated = RunTool(folder.Path(), {"rate"});
  EXPECT_EQ(rated.err.find("Fighters/MW"), std::string::npos) << rated.err;
}

// Zip tools and other editors write "Fighters\\lw". Where the system ignores case that is the
// category LW, listed once, as such; elsewhere it is a folder of its own.
TEST(RosterListing, ACategoryFolderInAnotherCaseIsListedOnce) {
  const TempFolder folder = CopyOfFixture();
  std::filesystem::rename(folder / "Fighters/LW", folder / "Fighters/lw-renamed");
  std::filesystem::rename(folder / "Fighters/lw-renamed", folder / "Fighters/lw");
  const RunResult result = RunTool(folder.Path(), {"export"});
  EXPECT_EQ(result.code, 0) << result.err;
  const auto cells = FileCells(result.out);
  EXPECT_EQ(cells.size(), 12u);
#ifdef _WIN32
  const std::string lw = "LW/";
#else
  const std::string lw = "lw/";
#endif
  EXPECT_EQ(std::count_if(cells.begin(), cells.end(), [&lw](const std::string& cell) { return cell.starts_with(lw); }),
            4);
}

#ifndef _WIN32
// A category folder that cannot be listed leaves its fighters out: check, export and rate say
// so, naming the folder, and fail; the other folders are still done.
TEST(RosterListing, AFolderThatCannotBeListedIsReportedAndFails) {
  const TempFolder folder = CopyOfFixture();
  const auto lw = folder / "Fighters/LW";
  const std::string message =
      "Fighters/LW: error: Cannot list folder \"" + AbsolutePathText(lw) + "\". " + SystemErrorText(EACCES) + "\n";
  RunResult check, exported, rated;
  WithUnlistableFolder(lw, [&] {
    check = RunTool(folder.Path(), {"check"});
    exported = RunTool(folder.Path(), {"export"});
    rated = RunTool(folder.Path(), {"rate"});
  });
  EXPECT_EQ(check.code, 1);
  EXPECT_TRUE(check.out.starts_with(message)) << check.out;
  EXPECT_EQ(check.out.find("Fighters/LW/"), std::string::npos) << check.out;
  EXPECT_NE(check.out.find("8 files checked: 2 errors, 5 warnings\n"), std::string::npos) << check.out;

  EXPECT_EQ(exported.code, 1);
  EXPECT_EQ(exported.err, message);
  const auto cells = FileCells(exported.out);
  EXPECT_EQ(cells.size(), 8u);
  EXPECT_EQ(std::count_if(cells.begin(), cells.end(), [](const std::string& cell) { return cell.starts_with("LW/"); }),
            0);

  EXPECT_EQ(rated.code, 1);
  EXPECT_TRUE(rated.err.starts_with(message)) << rated.err;
}
#endif

}  // namespace
}  // namespace beditor::roster::test
