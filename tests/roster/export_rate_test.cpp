// `export` and `rate` on the fixture roster.
#include <gtest/gtest.h>

#include <algorithm>

#include "core/csv.h"
#include "core/path_utf8.h"
#include "roster_run.h"

namespace beditor::roster::test {
namespace {

using beditor::test::ReadBytes;
using beditor::test::WriteBytes;

TEST(Export, WritesTheExpectedCsv) {
  const TempFolder folder = CopyOfFixture();
  // Choice entries for stored numbers, stored text where a number selects nothing or the file
  // would be refused (with no ratings then), Windows-1252 text as UTF-8, no team for "0",
  // fight style "3" read as "2", the weight list's order.
  EXPECT_EQ(ExportedCsv(folder.Path()), FixtureFile("export_tav.csv"));
}

TEST(Export, SemicolonSeparatorAndOutputFile) {
  const TempFolder folder = CopyOfFixture();
  const auto csv = folder / "roster.csv";
  const RunResult result = RunTool(folder.Path(), {"export", "--separator", ";", "-o", PathToUtf8(csv)});
  EXPECT_EQ(result.code, 0) << result.err;
  EXPECT_EQ(result.out, "");
  // No cell of the fixture holds a comma or a semicolon.
  std::string expected = FixtureFile("export_tav.csv");
  std::replace(expected.begin(), expected.end(), ',', ';');
  EXPECT_EQ(ReadBytes(csv), expected);
}

TEST(Export, CellsThatNeedQuotesAreQuoted) {
  const TempFolder folder = CopyOfFixture();
  const auto path = folder / "Fighters/SHW/Big Tom.txt";
  std::string bytes = ReadBytes(path);
  bytes.replace(bytes.find("Big Tom"), 7, "Tom \"Big\", Jr.");
  WriteBytes(path, bytes);
  const std::string csv = ExportedCsv(folder.Path());
  EXPECT_NE(csv.find("\r\nSHW/Big Tom.txt,\"Tom \"\"Big\"\", Jr.\",Tom,"), std::string::npos) << csv;
}

TEST(Export, OrderFollowsTheModesWeightList) {
  const TempFolder folder = CopyOfFixture();
  const RunResult jex = RunTool(folder.Path(), {"--mode", "jex", "export"});
  // JEX has no WW: its folder comes after the game's own folders.
  const auto position = [&jex](const char* file) { return jex.out.find(std::string("\r\n") + file); };
  EXPECT_LT(position("MW/Sergio Ortega.txt"), position("SHW/Big Tom.txt"));
  EXPECT_LT(position("SHW/Big Tom.txt"), position("WW/Odd Values.txt"));
  // Category entries come from JEX's list: stored 1 is its Middleweight.
  EXPECT_NE(jex.out.find("WW/Odd Values.txt,Odd Values,Odd,Middleweight: Max 185 lb / 84 kg,"), std::string::npos);
}

TEST(Rate, ClampsAbilitiesAsTheEditorsBoxesDo) {
  const TempFolder folder = CopyOfFixture();
  const auto odd = folder / "Fighters/WW/Odd Values.txt";
  const auto rateOdd = [&] { return RunTool(folder.Path(), {"rate", "--csv", PathToUtf8(odd)}).out; };
  const std::string stored35 = rateOdd();
  std::string bytes = ReadBytes(odd);
  const auto dodge = bytes.find("\r\n35\r\n") + 2;
  WriteBytes(odd, bytes.replace(dodge, 2, "20"));
  EXPECT_EQ(rateOdd(), stored35);
  WriteBytes(odd, bytes.replace(dodge, 2, "19"));
  EXPECT_NE(rateOdd(), stored35);
}

TEST(Rate, TableCsvAndExportAgree) {
  const TempFolder folder = CopyOfFixture();
  const RunResult table = RunTool(folder.Path(), {"rate"});
  EXPECT_EQ(table.code, 1);  // one fighter the editor would refuse
  EXPECT_EQ(table.err,
            "Fighters/FW/Broken Number.txt:7: error: not rated: the editor refuses to load the file (see check)\n");
  EXPECT_EQ(table.out.substr(0, table.out.find('\n')),
            "file                       Ground  Striking   Defense   Fitness    Mental   Overall");
  EXPECT_NE(table.out.find("\nSHW/Big Tom.txt               100       100       100       100       100       100\n"),
            std::string::npos)
      << table.out;

  // Every rated row of `rate --csv` is the file and rating cells of its export row.
  const RunResult csv = RunTool(folder.Path(), {"rate", "--csv"});
  const auto rated = ReadCsvFile(csv.out, "rate").records;
  const auto exported = ReadCsvFile(ExportedCsv(folder.Path()), "export").records;
  ASSERT_EQ(rated.size(), 12u);  // the header and the eleven rated fighters
  ASSERT_EQ(exported.size(), 13u);
  std::size_t next = 1;
  for (std::size_t row = 1; row < exported.size(); ++row) {
    const auto& cells = exported[row].cells;
    if (cells.back().empty()) continue;  // not rated
    std::vector<std::string> expected = {cells.front()};
    expected.insert(expected.end(), cells.end() - 6, cells.end());
    EXPECT_EQ(rated[next++].cells, expected);
  }
  EXPECT_EQ(next, rated.size());
}

}  // namespace
}  // namespace beditor::roster::test
