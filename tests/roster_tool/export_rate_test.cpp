// `export` and `rate` on the fixture roster.
#include <gtest/gtest.h>

#include <algorithm>

#ifndef _WIN32
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

#include <csignal>
#endif

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

#ifndef _WIN32
// The tool run in a child process whose files may not grow beyond `limit` bytes: writes past
// it fail (EFBIG), as on a full disk.
RunResult RunWithFileSizeLimit(const std::filesystem::path& folder, const std::vector<std::string>& arguments,
                               rlim_t limit) {
  const auto output = folder.parent_path() / (folder.filename().string() + "-limited.out");
  const pid_t child = fork();
  if (child == 0) {
    std::signal(SIGXFSZ, SIG_IGN);
    const rlimit small{limit, limit};
    setrlimit(RLIMIT_FSIZE, &small);
    const RunResult result = RunTool(folder, arguments);
    const rlimit none{RLIM_INFINITY, RLIM_INFINITY};
    setrlimit(RLIMIT_FSIZE, &none);
    WriteBytes(output, result.err);
    _exit(result.code);
  }
  int status = 0;
  waitpid(child, &status, 0);
  RunResult result;
  result.code = WIFEXITED(status) ? WEXITSTATUS(status) : -1;
  result.err = ReadBytes(output);
  std::filesystem::remove(output);
  return result;
}

// A CSV written with -o replaces the former one whole, or not at all: an export that fails
// halfway leaves the former file as it was, and no temporary file beside it.
TEST(Export, AFailedOutputFileKeepsTheFormerOne) {
  const TempFolder folder = CopyOfFixture();
  const auto csv = folder / "out/roster.csv";
  std::filesystem::create_directory(folder / "out");
  const std::string former = "file,punches\r\nFW/Ana Ribeiro.txt,12\r\n";
  for (const auto& command : {std::vector<std::string>{"export"}, std::vector<std::string>{"rate", "--csv"}}) {
    SCOPED_TRACE(command.front());
    WriteBytes(csv, former);
    auto arguments = command;
    arguments.insert(arguments.end(), {"-o", PathToUtf8(csv)});
    const RunResult failed = RunWithFileSizeLimit(folder.Path(), arguments, 200);
    EXPECT_EQ(failed.code, 1);
    EXPECT_NE(failed.err.find("Stream write error"), std::string::npos) << failed.err;
    EXPECT_EQ(ReadBytes(csv), former);
    EXPECT_EQ(std::distance(std::filesystem::directory_iterator(folder / "out"), {}), 1);

    RunTool(folder.Path(), arguments);
    EXPECT_EQ(ReadBytes(csv), command.front() == "export" ? FixtureFile("export_tav.csv")
                                                          : RunTool(folder.Path(), command).out);
  }
}
#endif

// -o names where a spreadsheet goes; a slip of the name never replaces a fighter file, a list
// or a program, nor puts a file among the fighters or teams.
TEST(Export, NoExportIsWrittenOverTheRostersOrProgramsFiles) {
  const TempFolder folder = CopyOfFixture();
  const TempFolder other = CopyOfFixture();  // another program folder, as a relative -o reaches it
  WriteBytes(folder / "beditor", "program");
  const auto before = FolderBytes(folder.Path());
  const auto otherBefore = FolderBytes(other.Path());
  struct Case {
    std::filesystem::path output;
    const char* says;
  };
  std::vector<Case> refused = {
      {folder / "Fighters/LW/Ignacio Brevanza.txt", "lies in the roster's Fighters folder"},
      {other / "Fighters/LW/New.txt", "lies in a program folder's Fighters folder"},
      {folder / "Fighters/LW/New.csv", "lies in the roster's Fighters folder"},
      {folder / "Fighters/../Team/Roster.xlsx", "lies in the roster's Team folder"},
      {folder / "Config.txt", "exists and is no spreadsheet (.csv or .xlsx)"},
      {folder / "beditor", "exists and is no spreadsheet (.csv or .xlsx)"},
      {other / "Fighters/FW/Ana Ribeiro.txt", "lies in a program folder's Fighters folder"},
  };
#ifndef _WIN32
  // A link is followed as the write would follow it, one that leads nowhere yet too.
  const TempFolder links;
  std::filesystem::create_symlink(folder / "Fighters/HW/New.txt", links / "new.csv");
  refused.push_back({links / "new.csv", "lies in the roster's Fighters folder"});
#endif
  const std::vector<std::vector<std::string>> commands = {
      {"export", "--format", "csv"}, {"export", "--format", "xlsx"}, {"rate", "--csv"}};
  for (const Case& c : refused)
    for (std::vector<std::string> arguments : commands) {
      SCOPED_TRACE(PathToUtf8(c.output) + " " + arguments.back());
      arguments.insert(arguments.end(), {"-o", PathToUtf8(c.output)});
      const RunResult result = RunTool(folder.Path(), arguments);
      EXPECT_EQ(result.code, 1);
      EXPECT_NE(result.err.find(c.says), std::string::npos) << result.err;
    }
  EXPECT_EQ(FolderBytes(folder.Path()), before);
  EXPECT_EQ(FolderBytes(other.Path()), otherBefore);

  // A spreadsheet of either kind is replaced, in any case of its ending.
  for (const char* name : {"roster.csv", "ROSTER.XLSX"}) {
    WriteBytes(folder / name, "former");
    EXPECT_EQ(RunTool(folder.Path(), {"export", "-o", PathToUtf8(folder / name)}).code, 0) << name;
    EXPECT_NE(ReadBytes(folder / name), "former") << name;
  }
}

}  // namespace
}  // namespace beditor::roster::test
