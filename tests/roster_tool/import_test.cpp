// `import`: the round trip, a spreadsheet's edit applied, refused inputs, write failures.
#include <gtest/gtest.h>

#include <functional>

#include "core/csv.h"
#include "core/file_access.h"
#include "core/path_utf8.h"
#include "core/windows_1252.h"
#include "roster_run.h"
#include "support/line_edit.h"
#include "support/refusing_files.h"

#ifdef _WIN32
#ifndef NOMINMAX
#define NOMINMAX
#endif
#include <windows.h>
#else
#include <csignal>
#include <fstream>
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>
#endif

namespace beditor::roster::test {
namespace {

using beditor::test::LetAnyoneWriteIn;
using beditor::test::ReadBytes;
using beditor::test::WithLine;
using beditor::test::WithUnremovableFile;
using beditor::test::WriteBytes;
using Rows = std::vector<std::vector<std::string>>;

// The exported CSV as rows of cells, to edit as a spreadsheet would.
Rows ExportedRows(const std::filesystem::path& folder, const std::vector<std::string>& options = {}) {
  Rows rows;
  for (auto& record : ReadCsvFile(ExportedCsv(folder, options), "export").records) rows.push_back(record.cells);
  return rows;
}

std::size_t Column(const Rows& rows, const std::string& name) {
  const auto& header = rows.front();
  const auto found = std::find(header.begin(), header.end(), name);
  EXPECT_NE(found, header.end()) << name;
  return static_cast<std::size_t>(found - header.begin());
}

std::string& Cell(Rows& rows, const std::string& file, const std::string& column) {
  const std::size_t at = Column(rows, column);
  for (auto& row : rows)
    if (row.front() == file) return row[at];
  ADD_FAILURE() << "no row for " << file;
  static std::string none;
  return none;
}

// A new fighter's row: the cells given, the rest empty.
std::vector<std::string> NewRow(const Rows& rows, const std::map<std::string, std::string>& cells) {
  std::vector<std::string> row(rows.front().size());
  for (const auto& [column, text] : cells) row[Column(rows, column)] = text;
  return row;
}

std::string CsvText(const Rows& rows, char separator = ',') {
  std::string text(kUtf8ByteOrderMark);
  for (const auto& row : rows) text += WriteCsvRecord(row, separator);
  return text;
}

RunResult Import(const TempFolder& folder, const std::string& csvBytes, std::vector<std::string> options = {}) {
  const auto csv = folder.Path().parent_path() / (folder.Path().filename().string() + "-import.csv");
  WriteBytes(csv, csvBytes);
  std::vector<std::string> arguments = {"import", PathToUtf8(csv)};
  arguments.insert(arguments.end(), options.begin(), options.end());
  RunResult result = RunTool(folder.Path(), arguments);
  std::filesystem::remove(csv);
  return result;
}

TEST(Import, RoundTripWritesNothing) {
  for (const char* mode : {"tav", "jex"}) {
    for (const char* separator : {",", ";"}) {
      const TempFolder folder = CopyOfFixture();
      const auto before = FolderBytes(folder.Path());
      const auto modified = std::filesystem::last_write_time(folder / "Fighters/LW/Carried Lines.txt");
      const RunResult result =
          Import(folder, ExportedCsv(folder.Path(), {"--mode", mode, "--separator", separator}), {"--mode", mode});
      EXPECT_EQ(result.code, 0) << result.err;
      EXPECT_EQ(result.out, "0 changed, 0 moved, 0 created, 12 unchanged\n") << mode << separator;
      EXPECT_EQ(FolderBytes(folder.Path()), before) << mode << separator;
      EXPECT_EQ(std::filesystem::last_write_time(folder / "Fighters/LW/Carried Lines.txt"), modified);
    }
  }
}

// A shared fighter's text that a spreadsheet would run as a formula is exported behind a "'",
// which the import takes off again: the round trip is byte-exact for every text, one that
// begins with "'" itself included, and a number stays a number.
TEST(Import, FormulaTextIsGuardedInTheCsvAndComesBackAsItWas) {
  const TempFolder folder = CopyOfFixture();
  const auto path = folder / "Fighters/SHW/Big Tom.txt";
  std::string bytes = ReadBytes(path);
  const auto setLine = [&bytes](int line, const std::string& text) { bytes = WithLine(bytes, line, text); };
  setLine(17, "=HYPERLINK(\"http://x\",\"Tom\")");  // full name
  setLine(18, "'Big");                                 // common name
  setLine(24, "@home");                                // nationality
  setLine(26, "-5");                                   // Sherdog ID: a number
  setLine(31, "+Team");                                // team
  WriteBytes(path, bytes);
  WriteBytes(folder / "Team/+Team.txt", "0\r\n0\r\n0\r\n");

  Rows rows = ExportedRows(folder.Path());
  const std::string file = "SHW/Big Tom.txt";
  EXPECT_EQ(Cell(rows, file, "full_name"), "'=HYPERLINK(\"http://x\",\"Tom\")");
  EXPECT_EQ(Cell(rows, file, "common_name"), "''Big");
  EXPECT_EQ(Cell(rows, file, "nationality"), "'@home");
  EXPECT_EQ(Cell(rows, file, "sherdog_id"), "-5");
  EXPECT_EQ(Cell(rows, file, "team"), "'+Team");
  EXPECT_EQ(Cell(rows, file, "punches"), "20");

  const auto before = FolderBytes(folder.Path());
  RunResult result = Import(folder, CsvText(rows));
  EXPECT_EQ(result.code, 0) << result.err;
  EXPECT_EQ(result.out, "0 changed, 0 moved, 0 created, 12 unchanged\n");
  EXPECT_EQ(FolderBytes(folder.Path()), before);

  // Typed in the spreadsheet behind the guard, as it shows the exported cells.
  Cell(rows, file, "nationality") = "'-minus";
  Cell(rows, file, "common_name") = "Big";
  result = Import(folder, CsvText(rows));
  EXPECT_EQ(result.code, 0) << result.err;
  setLine(24, "-minus");
  setLine(18, "Big");
  EXPECT_EQ(ReadBytes(path), bytes);
}

// Two rows that name one file, in another case where the system ignores it, would write it
// twice, the second row over the first: refused as any file named twice.
TEST(Import, OneFileNamedInAnotherCaseIsNamedTwiceWhereTheSystemIgnoresCase) {
  const TempFolder folder = CopyOfFixture();
  Rows rows = ExportedRows(folder.Path());
  Cell(rows, "LW/Ignacio Brevanza.txt", "punches") = "3";
  Cell(rows, "SHW/Big Tom.txt", "file") = "lw/IGNACIO Brevanza.TXT";
  const auto before = FolderBytes(folder.Path());
  const RunResult result = Import(folder, CsvText(rows));
  EXPECT_EQ(result.code, 1);
  EXPECT_EQ(result.out, "");
#ifdef _WIN32
  EXPECT_NE(result.err.find(":13:1: \"lw/IGNACIO Brevanza.TXT\" is also named by row "), std::string::npos)
      << result.err;
#else
  EXPECT_NE(result.err.find(":13:1: file: Cannot open file"), std::string::npos) << result.err;
#endif
  EXPECT_EQ(FolderBytes(folder.Path()), before);
}

#ifndef _WIN32
// A fighter file from a zip made on Windows and unpacked here keeps its Windows-1252 name:
// the roster reads it as that code page's text, so the CSV stays UTF-8 (its accented cells
// too), and the cell finds the same file again. A moved fighter takes the name's text.
TEST(Import, AFileNameThatIsNotUtf8IsReadAsWindows1252) {
  const TempFolder folder = CopyOfFixture();
  const std::string onDisk = "Fighters/LW/Pe\xF1" "a.txt";
  const std::string cell = "LW/Pe\xC3\xB1" "a.txt";
  std::filesystem::copy_file(folder / "Fighters/SHW/Big Tom.txt", folder / onDisk);

  const std::string csv = ExportedCsv(folder.Path());
  EXPECT_TRUE(IsValidUtf8(csv));
  Rows rows = ExportedRows(folder.Path());
  EXPECT_EQ(Cell(rows, "LW/Ignacio Brevanza.txt", "common_name"), "El Halc\xC3\xB3n");
  EXPECT_EQ(Cell(rows, cell, "full_name"), "Big Tom");

  const RunResult check = RunTool(folder.Path(), {"check", "--", PathToUtf8(folder / onDisk)});
  EXPECT_NE(check.out.find("Fighters/" + cell + ":1: warning: the name of the file or its folder is not UTF-8: "
                           "it is read as Windows-1252\n"),
            std::string::npos)
      << check.out;

  auto before = FolderBytes(folder.Path());
  RunResult result = Import(folder, csv);
  EXPECT_EQ(result.code, 0) << result.err;
  EXPECT_EQ(result.out, "0 changed, 0 moved, 0 created, 13 unchanged\n");
  EXPECT_EQ(FolderBytes(folder.Path()), before);

  Cell(rows, cell, "punches") = "3";
  result = Import(folder, CsvText(rows));
  EXPECT_EQ(result.out, "changed Fighters/" + cell + "\n1 changed, 0 moved, 0 created, 12 unchanged\n") << result.err;
  before[onDisk] = "3" + before[onDisk].substr(before[onDisk].find("\r\n"));
  EXPECT_EQ(FolderBytes(folder.Path()), before);

  Cell(rows, cell, "category") = "Welterweight: Max 170 lb / 77 kg";
  result = Import(folder, CsvText(rows));
  EXPECT_EQ(result.code, 0) << result.err;
  EXPECT_FALSE(std::filesystem::exists(folder / onDisk));
  EXPECT_TRUE(std::filesystem::exists(folder / ("Fighters/WW/Pe\xC3\xB1" "a.txt")));
}

// Such a name that reads as another file's UTF-8 name in the same folder would have that
// file's cell: it is left out, saying so, and the cell stays the UTF-8 file's alone.
TEST(Import, AWindows1252NameThatReadsAsAnotherFilesNameIsLeftOut) {
  const TempFolder folder = CopyOfFixture();
  const std::string windows1252 = "Fighters/LW/Pe\xF1" "a.txt";
  const std::string cell = "LW/Pe\xC3\xB1" "a.txt";
  std::filesystem::copy_file(folder / "Fighters/SHW/Big Tom.txt", folder / windows1252);
  std::filesystem::copy_file(folder / "Fighters/FW/Ana Ribeiro.txt", folder / ("Fighters/" + cell));

  const RunResult exported = RunTool(folder.Path(), {"export"});
  EXPECT_EQ(exported.code, 1);
  EXPECT_EQ(exported.err, "Fighters/LW: error: a file whose name is not UTF-8 reads as \"Pe\xC3\xB1" "a.txt\" in "
                          "Windows-1252, the name of another file there: it is left out until one of the two is "
                          "renamed\n");
  Rows rows;
  for (auto& record : ReadCsvFile(exported.out, "export").records) rows.push_back(record.cells);
  EXPECT_EQ(std::count_if(rows.begin(), rows.end(), [&](const auto& row) { return row.front() == cell; }), 1);
  EXPECT_EQ(Cell(rows, cell, "full_name"), "Ana Ribeiro");
  // Named on the command line, it is read by its own path.
  const RunResult check = RunTool(folder.Path(), {"check", PathToUtf8(folder / windows1252)});
  EXPECT_NE(check.out.find("/Fighters/" + cell + ":21: error: line 21 (Category): Super Heavyweight: +265 lb / 120 "
                           "kg belongs in SHW, not in LW\n"),
            std::string::npos)
      << check.out;

  // A row of that cell could be either fighter's (a CSV exported before the UTF-8 file came
  // would be the other's): it is refused, and neither is written.
  const auto before = FolderBytes(folder.Path());
  Cell(rows, cell, "punches") = "3";
  const RunResult result = Import(folder, CsvText(rows));
  EXPECT_EQ(result.code, 1);
  EXPECT_NE(result.err.find("two files carry this name, one in UTF-8 and one in Windows-1252"), std::string::npos)
      << result.err;
  EXPECT_EQ(FolderBytes(folder.Path()), before);
}
#endif

// A spreadsheet reads "007" as 7 and "1e5" as 100000, and saves them so: such a text goes
// behind the guard, and comes back as it was; an integer in its plain form and the number
// columns stay bare.
TEST(Import, TextThatASpreadsheetReadsAsANumberIsGuardedAndComesBackAsItWas) {
  const TempFolder folder = CopyOfFixture();
  const auto path = folder / "Fighters/SHW/Big Tom.txt";
  std::string bytes = ReadBytes(path);
  const auto setLine = [&bytes](int line, const std::string& text) { bytes = WithLine(bytes, line, text); };
  setLine(18, "007");     // common name
  setLine(21, "1e5");     // height
  setLine(22, " 70");     // weight
  setLine(26, "123456");  // Sherdog ID
  WriteBytes(path, bytes);

  Rows rows = ExportedRows(folder.Path());
  const std::string file = "SHW/Big Tom.txt";
  EXPECT_EQ(Cell(rows, file, "common_name"), "'007");
  EXPECT_EQ(Cell(rows, file, "height"), "'1e5");
  EXPECT_EQ(Cell(rows, file, "weight"), "' 70");
  EXPECT_EQ(Cell(rows, file, "sherdog_id"), "123456");
  EXPECT_EQ(Cell(rows, file, "punches"), "20");

  const auto before = FolderBytes(folder.Path());
  const RunResult result = Import(folder, CsvText(rows));
  EXPECT_EQ(result.code, 0) << result.err;
  EXPECT_EQ(result.out, "0 changed, 0 moved, 0 created, 12 unchanged\n");
  EXPECT_EQ(FolderBytes(folder.Path()), before);
}

// A spreadsheet in a Spanish locale saves with ";", in Windows-1252, without a byte-order mark.
std::string SpreadsheetBytes(const Rows& rows) {
  std::string text;
  for (const auto& row : rows) text += WriteCsvRecord(row, ';');
  return *Utf8ToWindows1252(text);
}

TEST(Import, SpreadsheetEditIsApplied) {
  const TempFolder folder = CopyOfFixture();
  const auto before = FolderBytes(folder.Path());
  Rows rows = ExportedRows(folder.Path());
  Cell(rows, "FW/Ana Ribeiro.txt", "punches") = "15";
  Cell(rows, "FW/Ana Ribeiro.txt", "rating_overall") = "99";  // ignored
  Cell(rows, "LW/Carried Lines.txt", "nationality") = "Perú del Sur";
  Cell(rows, "LW/Carried Lines.txt", "common_name") = "Carry";  // as it was
  // The out-of-range dodge and the odd numbers stay; only the team changes.
  Cell(rows, "WW/Odd Values.txt", "team") = "Nuevo Gym";
  Cell(rows, "HW/Twin Two.txt", "category") = "Light Heavyweight: Max 205 lb / 93 kg";
  Cell(rows, "LW/Short File.txt", "team") = "Red Corner";
  Cell(rows, "FW/Broken Number.txt", "motivation") = "9";
  rows.push_back(NewRow(rows, {{"full_name", "Nuevo Peleador"},
                               {"common_name", "Nuevo"},
                               {"category", "Middleweight: Max 185 lb / 84 kg"},
                               {"game_plan", "Kicks"},
                               {"ground_game_plan", "Sub"},
                               {"clinch_game_plan", "Knees"},
                               {"fight_style", "Limpio"},
                               {"sherdog_id", "3003"},
                               {"punches", "10"},
                               {"team", "Iron Gym"}}));
  const RunResult result = Import(folder, SpreadsheetBytes(rows));
  EXPECT_EQ(result.err, "");
  EXPECT_EQ(result.code, 0);
  EXPECT_EQ(result.out,
            "changed Fighters/FW/Ana Ribeiro.txt\n"
            "changed Fighters/FW/Broken Number.txt\n"
            "changed Fighters/LW/Carried Lines.txt\n"
            "changed Fighters/LW/Short File.txt\n"
            "created Team/Nuevo Gym.txt\n"
            "changed Fighters/WW/Odd Values.txt\n"
            "moved Fighters/HW/Twin Two.txt to Fighters/LHW/Twin Two.txt\n"
            "created Fighters/MW/Nuevo Peleador.txt\n"
            "5 changed, 1 moved, 1 created, 6 unchanged; 1 team file created\n");

  auto expected = before;
  const auto replaced = [&expected](const std::string& file, const std::string& from, const std::string& to) {
    std::string& bytes = expected[file];
    const auto at = bytes.find(from);
    ASSERT_NE(at, std::string::npos) << file << ": " << from;
    bytes.replace(at, from.size(), to);
  };
  replaced("Fighters/FW/Ana Ribeiro.txt", "12\r\n14\r\n", "15\r\n14\r\n");
  replaced("Fighters/FW/Broken Number.txt", "\r\nabc\r\n", "\r\n9\r\n");
  // Line ends, carried lines and lines past 35 as they were.
  replaced("Fighters/LW/Carried Lines.txt", "\nPer\xFA\n", "\nPer\xFA del Sur\n");
  replaced("Fighters/WW/Odd Values.txt", "\r\nRed Corner\r\n", "\r\nNuevo Gym\r\n");
  // A short file gets the lines up to the team's, padded with "0" as a load pads them.
  expected["Fighters/LW/Short File.txt"] += "0\r\n0\r\n0\r\n0\r\n0\r\n0\r\n0\r\n0\r\n0\r\n0\r\n0\r\nRed Corner\r\n";
  expected["Fighters/LHW/Twin Two.txt"] = expected["Fighters/HW/Twin Two.txt"];
  expected.erase("Fighters/HW/Twin Two.txt");
  replaced("Fighters/LHW/Twin Two.txt", "\r\n2\r\n4\r\n190 cm", "\r\n2\r\n3\r\n190 cm");
  expected["Team/Nuevo Gym.txt"] = "0\r\n0\r\n0\r\n";
  // As the editor saves a fighter typed from scratch: untouched abilities 1, empty lines up
  // to 32 saved as "0", lines 33 to 35 as they are.
  expected["Fighters/MW/Nuevo Peleador.txt"] =
      "10\r\n1\r\n1\r\n1\r\n1\r\n1\r\n1\r\n1\r\n1\r\n1\r\n1\r\n1\r\n1\r\n1\r\n1\r\n1\r\n1\r\n"
      "Nuevo Peleador\r\nNuevo\r\n4\r\n2\r\n0\r\n0\r\n1\r\n0\r\n0\r\n3003\r\n0\r\n0\r\n0\r\n0\r\nIron Gym\r\n0\r\n"
      "2\r\n\r\n\r\n";
  EXPECT_EQ(FolderBytes(folder.Path()), expected);

  // And the result round-trips.
  const auto after = FolderBytes(folder.Path());
  EXPECT_EQ(Import(folder, ExportedCsv(folder.Path())).code, 0);
  EXPECT_EQ(FolderBytes(folder.Path()), after);
}

TEST(Import, ColumnsInAnyOrderAndOnlySomeOfThem) {
  const TempFolder folder = CopyOfFixture();
  const auto before = FolderBytes(folder.Path());
  const RunResult result =
      Import(folder, "notes,punches,file\nmine,16,FW/Ana Ribeiro.txt\n,,\nx,12,SHW/Big Tom.txt\n");
  EXPECT_EQ(result.code, 0) << result.err;
  EXPECT_EQ(result.err, "note: not imported, no column of the roster: \"notes\"\n");
  EXPECT_EQ(result.out, "changed Fighters/FW/Ana Ribeiro.txt\n"
                        "changed Fighters/SHW/Big Tom.txt\n"
                        "2 changed, 0 moved, 0 created, 0 unchanged\n");
  EXPECT_EQ(ReadBytes(folder / "Fighters/FW/Ana Ribeiro.txt").substr(0, 4), "16\r\n");
  EXPECT_EQ(ReadBytes(folder / "Fighters/SHW/Big Tom.txt").substr(0, 4), "12\r\n");
  EXPECT_EQ(ReadBytes(folder / "Fighters/SHW/Big Tom.txt").substr(4), before.at("Fighters/SHW/Big Tom.txt").substr(4));

  // A row short of cells says nothing of the fields it lacks: their lines stay.
  const std::string ana = ReadBytes(folder / "Fighters/FW/Ana Ribeiro.txt");
  const RunResult shortRow = Import(folder, "file,punches,kicks,team\r\nFW/Ana Ribeiro.txt,17\r\n");
  EXPECT_EQ(shortRow.code, 0) << shortRow.err;
  EXPECT_EQ(ReadBytes(folder / "Fighters/FW/Ana Ribeiro.txt"), "17" + ana.substr(2));
}

TEST(Import, DryRunShowsEachFieldAndWritesNothing) {
  const TempFolder folder = CopyOfFixture();
  const auto before = FolderBytes(folder.Path());
  Rows rows = ExportedRows(folder.Path());
  Cell(rows, "HW/Twin Two.txt", "category") = "Light Heavyweight: Max 205 lb / 93 kg";
  Cell(rows, "HW/Twin Two.txt", "team") = "Nuevo Gym";
  Cell(rows, "HW/Twin Two.txt", "ground_game_plan") = "3";
  const RunResult result = Import(folder, CsvText(rows), {"--dry-run"});
  EXPECT_EQ(result.code, 0) << result.err;
  EXPECT_EQ(result.out,
            "Fighters/HW/Twin Two.txt: line 21 (Category): \"Heavyweight: Max 265 lb / 120 kg\" -> \"Light "
            "Heavyweight: Max 205 lb / 93 kg\"\n"
            "Fighters/HW/Twin Two.txt: line 28 (Ground game plan): \"GnP\" -> \"3\"\n"
            "Fighters/HW/Twin Two.txt: line 32 (Team): \"\" -> \"Nuevo Gym\"\n"
            "Fighters/HW/Twin Two.txt: would move to Fighters/LHW/Twin Two.txt\n"
            "Team/Nuevo Gym.txt: would be created\n"
            "dry run, nothing written: 0 changed, 1 moved, 0 created, 11 unchanged; 1 team file created\n");
  EXPECT_EQ(FolderBytes(folder.Path()), before);
}

struct Refused {
  const char* what;
  std::function<void(Rows&)> edit;
  std::string message;  // one line of standard error
  const char* mode = "tav";
  bool wholeLine = true;  // false: the line starts so (it goes on with a system's message)
};

TEST(Import, RefusedInputsWriteNothing) {
  const std::string ana = "FW/Ana Ribeiro.txt";
  const std::vector<Refused> cases = {
      {"no file column", [](Rows& rows) { rows.front().front() = "path"; },
       ":1:1: the required column \"file\" is missing"},
      {"a column twice", [](Rows& rows) { rows.front()[2] = "full_name"; },
       ":1:3: the column \"full_name\" appears twice"},
      // Its edits would be dropped without a word.
      {"a column's name typed another way", [](Rows& rows) { rows.front()[16] = "Punches "; },
       ":1:17: the column \"Punches \" is not \"punches\": columns are named exactly as export names them"},
      {"a column's name typed as words", [](Rows& rows) { rows.front()[15] = "Sherdog\u00a0ID"; },
       ":1:16: the column \"Sherdog\u00a0ID\" is not \"sherdog_id\": columns are named exactly as export names "
       "them"},
      {"ability above 20", [&](Rows& rows) { Cell(rows, ana, "kicks") = "21"; },
       ":2:18: kicks: \"21\" is not an integer from 1 to 20"},
      {"ability not whole", [&](Rows& rows) { Cell(rows, ana, "ground_game") = "7.5"; },
       ":2:34: ground_game: \"7.5\" is not an integer from 1 to 20"},
      {"choice neither entry nor integer", [&](Rows& rows) { Cell(rows, ana, "game_plan") = "Spinning"; },
       ":2:5: game_plan: \"Spinning\" is neither an entry of the Game plan list nor an integer"},
      {"line break in a text", [&](Rows& rows) { Cell(rows, ana, "height") = "160\ncm"; },
       ":2:12: height: a line break or NUL cannot go into a line of a fighter file"},
      {"character Windows-1252 lacks", [&](Rows& rows) { Cell(rows, ana, "nationality") = "Polska Łódź"; },
       ":2:14: nationality: \"Ł\" is a character Windows-1252 cannot hold"},
      {"team with a line break", [&](Rows& rows) { Cell(rows, ana, "team") = "Iron\r\nGym"; },
       ":2:11: team: a line break or NUL cannot go into a line of a fighter file"},
      {"file above Fighters", [&](Rows& rows) { Cell(rows, ana, "file") = "../Config.txt"; },
       ":2:1: file: \"../Config.txt\" leaves the Fighters folder"},
      {"absolute file", [&](Rows& rows) { Cell(rows, ana, "file") = "/etc/hostname"; },
       ":2:1: file: \"/etc/hostname\" leaves the Fighters folder"},
      {"NUL in the file", [&](Rows& rows) { Cell(rows, ana, "file") = std::string("FW/Ana Ribeiro.txt\0x", 20); },
       ":2:1: file: a NUL cannot be part of a file name"},
      {"drive letter", [&](Rows& rows) { Cell(rows, ana, "file") = "C:\\x.txt"; },
       ":2:1: file: \"C:\\x.txt\" leaves the Fighters folder"},
      {"two rows, one file", [&](Rows& rows) { Cell(rows, "SHW/Big Tom.txt", "file") = "FW\\Ana Ribeiro.txt"; },
       ":13:1: \"FW/Ana Ribeiro.txt\" is also named by row 2"},
      {"file gone", [&](Rows& rows) { Cell(rows, "SHW/Big Tom.txt", "file") = "SHW/Gone.txt"; },
       ":13:1: file: Cannot open file \"", "tav", false},
      {"category without folder", [&](Rows& rows) { Cell(rows, ana, "category") = "9"; },
       ":2:4: category: \"9\" has no category folder in TAV mode"},
      {"Go to the ground in JEX", [&](Rows& rows) { Cell(rows, ana, "game_plan") = "Go to the ground"; },
       ":2:5: game_plan: JEX fighters cannot have the Go to the ground game plan", "jex"},
      {"the same as a number in JEX", [&](Rows& rows) { Cell(rows, ana, "game_plan") = "6"; },
       ":2:5: game_plan: JEX fighters cannot have the Go to the ground game plan", "jex"},
      {"new fighter over an existing one",
       [](Rows& rows) {
         rows.push_back(NewRow(rows, {{"full_name", "Big Tom"}, {"common_name", "T"},
                                      {"category", "Super Heavyweight: +265 lb / 120 kg"}, {"game_plan", "Kicks"},
                                      {"ground_game_plan", "Sub"}, {"clinch_game_plan", "Knees"},
                                      {"fight_style", "Limpio"}, {"sherdog_id", "0"}}));
       },
       ":14:1: Fighters/SHW/Big Tom.txt already exists"},
      {"new fighter without a common name",
       [](Rows& rows) {
         rows.push_back(NewRow(rows, {{"full_name", "New"}, {"category", "Lightweight: Max 155 lb / 70 kg"},
                                      {"game_plan", "Kicks"}, {"ground_game_plan", "Sub"},
                                      {"clinch_game_plan", "Knees"}, {"fight_style", "Limpio"},
                                      {"sherdog_id", "0"}}));
       },
       ":14:3: common_name: a new fighter needs a Common name"},
      {"new fighter named as no file can be",
       [](Rows& rows) {
         rows.push_back(NewRow(rows, {{"full_name", "A/B"}, {"common_name", "AB"},
                                      {"category", "Lightweight: Max 155 lb / 70 kg"}, {"game_plan", "Kicks"},
                                      {"ground_game_plan", "Sub"}, {"clinch_game_plan", "Knees"},
                                      {"fight_style", "Limpio"}, {"sherdog_id", "0"}}));
       },
       ":14:2: full_name: \"A/B\" cannot name a fighter file"},
      {"moved onto an existing file",
       [&](Rows& rows) {
         // Misplaced Welter moved to MW, where a file of that name already waits.
         Cell(rows, "LW/Misplaced Welter.txt", "category") = "Middleweight: Max 185 lb / 84 kg";
       },
       ":6:1: Fighters/MW/Misplaced Welter.txt already exists"},
  };
  for (const Refused& refused : cases) {
    SCOPED_TRACE(refused.what);
    const TempFolder folder = CopyOfFixture();
    if (std::string(refused.what) == "moved onto an existing file")
      std::filesystem::copy_file(folder / "Fighters/MW/Sergio Ortega.txt", folder / "Fighters/MW/Misplaced Welter.txt");
    const auto before = FolderBytes(folder.Path());
    Rows rows = ExportedRows(folder.Path(), {"--mode", refused.mode});
    // A good edit too: it must not be written either.
    Cell(rows, "LHW/Twin One.txt", "punches") = "20";
    refused.edit(rows);
    const RunResult result = Import(folder, CsvText(rows), {"--mode", refused.mode});
    EXPECT_EQ(result.code, 1);
    EXPECT_EQ(result.out, "");
    EXPECT_NE(result.err.find(refused.message + (refused.wholeLine ? "\n" : "")), std::string::npos) << result.err;
    EXPECT_NE(result.err.find("import refused"), std::string::npos) << result.err;
    EXPECT_EQ(FolderBytes(folder.Path()), before);
  }
}

TEST(Import, MalformedOrMissingCsvIsRefused) {
  const TempFolder folder = CopyOfFixture();
  const auto before = FolderBytes(folder.Path());
  RunResult result = Import(folder, "file,punches\r\n\"FW/Ana Ribeiro.txt,12\r\n");
  EXPECT_EQ(result.code, 1);
  EXPECT_NE(result.err.find("-import.csv:2:1: the quote that opens this cell (line 2) is never closed\n"),
            std::string::npos)
      << result.err;
  // Cut off inside its last row ("10" became "1", "27/06/1988" "27/06/"): no line end after it.
  for (const char* cut : {"file,punches,kicks\r\nFW/Ana Ribeiro.txt,1", "file,birth_date\r\nFW/Ana Ribeiro.txt,27/06/"}) {
    result = Import(folder, cut);
    EXPECT_EQ(result.code, 1);
    EXPECT_NE(result.err.find(":2:2: the file ends inside this row, with no line end after it: it seems cut off"),
              std::string::npos)
        << result.err;
  }
  result = RunTool(folder.Path(), {"import", PathToUtf8(folder / "nowhere.csv")});
  EXPECT_EQ(result.code, 1);
  EXPECT_NE(result.err.find("Cannot open file"), std::string::npos) << result.err;
  EXPECT_EQ(FolderBytes(folder.Path()), before);
}

// Three rows edited; the second one's file cannot be written.
Rows ThreeEdits(const std::filesystem::path& folder, const std::string& secondName) {
  Rows rows = ExportedRows(folder);
  Cell(rows, "FW/Ana Ribeiro.txt", "punches") = "15";
  Cell(rows, "LW/Ignacio Brevanza.txt", "full_name") = secondName;
  Cell(rows, "SHW/Big Tom.txt", "punches") = "15";
  return rows;
}

void ExpectStoppedAtTheSecond(const std::map<std::string, std::string>& before,
                              const std::map<std::string, std::string>& after) {
  auto expected = before;
  expected["Fighters/FW/Ana Ribeiro.txt"].replace(0, 2, "15");
  EXPECT_EQ(after, expected);  // the first whole, the second untouched, the third not written
}

TEST(Import, ReadOnlyFileStopsTheImport) {
  const TempFolder folder = CopyOfFixture();
  const auto readOnly = folder / "Fighters/LW/Ignacio Brevanza.txt";
  const Rows rows = ThreeEdits(folder.Path(), "Ignacio B.");
  const auto before = FolderBytes(folder.Path());
  std::filesystem::permissions(readOnly, std::filesystem::perms::owner_read | std::filesystem::perms::group_read);
  const RunResult result = Import(folder, CsvText(rows));
  EXPECT_EQ(result.code, 1);
  EXPECT_EQ(result.out, "changed Fighters/FW/Ana Ribeiro.txt\n");
  EXPECT_NE(result.err.find("error: import stopped at row 5, writing Fighters/LW/Ignacio Brevanza.txt: Cannot create "
                            "file"),
            std::string::npos)
      << result.err;
  EXPECT_NE(result.err.find("Fighters/LW/Ignacio Brevanza.txt is untouched; 1 file was written whole before it"),
            std::string::npos)
      << result.err;
  ExpectStoppedAtTheSecond(before, FolderBytes(folder.Path()));
}

// A move whose old file cannot be removed (read-only on Windows, in a folder the user may
// not change elsewhere) keeps the new file, which is whole, says where the fighter now is
// twice, and goes on with the other rows; the import then fails.
TEST(Import, AnOldFileThatCannotBeRemovedIsReportedNamingBothFiles) {
  const TempFolder folder = CopyOfFixture();
  Rows rows = ExportedRows(folder.Path());
  Cell(rows, "HW/Twin Two.txt", "category") = "Light Heavyweight: Max 205 lb / 93 kg";
  Cell(rows, "SHW/Big Tom.txt", "punches") = "15";
  const std::string moved = ReadBytes(folder / "Fighters/HW/Twin Two.txt");
  LetAnyoneWriteIn(folder / "Fighters/LHW");
  LetAnyoneWriteIn(folder / "Fighters/SHW");
  std::filesystem::permissions(folder / "Fighters/SHW/Big Tom.txt", std::filesystem::perms::all);
  RunResult result;
  WithUnremovableFile(folder / "Fighters/HW/Twin Two.txt", [&] { result = Import(folder, CsvText(rows)); });
  EXPECT_EQ(result.code, 1);
  EXPECT_EQ(result.out,
            "copied Fighters/HW/Twin Two.txt to Fighters/LHW/Twin Two.txt\n"
            "changed Fighters/SHW/Big Tom.txt\n"
            "1 changed, 0 moved, 0 created, 10 unchanged; 1 copied, their old files not removed\n");
  EXPECT_NE(result.err.find("error: row 12: Fighters/HW/Twin Two.txt was not removed after it was written to "
                            "Fighters/LHW/Twin Two.txt, so the fighter is in both folders: Cannot remove file \"" +
                            AbsolutePathText(folder / "Fighters/HW/Twin Two.txt") + "\". "),
            std::string::npos)
      << result.err;
  EXPECT_EQ(ReadBytes(folder / "Fighters/HW/Twin Two.txt"), moved);
  EXPECT_NE(ReadBytes(folder / "Fighters/LHW/Twin Two.txt").find("\r\n3\r\n190 cm"), std::string::npos);
}

#ifdef _WIN32
// A spreadsheet keeps the CSV it saved open for writing, letting others read it: the import
// reads it all the same.
TEST(Import, ACsvHeldOpenByASpreadsheetIsImported) {
  const TempFolder folder = CopyOfFixture();
  Rows rows = ExportedRows(folder.Path());
  Cell(rows, "FW/Ana Ribeiro.txt", "punches") = "15";
  const auto csv = folder / "edited.csv";
  WriteBytes(csv, CsvText(rows));
  const HANDLE held = CreateFileW(csv.c_str(), GENERIC_READ | GENERIC_WRITE, FILE_SHARE_READ, nullptr,
                                  OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr);
  ASSERT_NE(held, INVALID_HANDLE_VALUE);
  const RunResult result = RunTool(folder.Path(), {"import", PathToUtf8(csv)});
  CloseHandle(held);
  EXPECT_EQ(result.err, "");
  EXPECT_EQ(result.code, 0);
  EXPECT_EQ(result.out, "changed Fighters/FW/Ana Ribeiro.txt\n1 changed, 0 moved, 0 created, 11 unchanged\n");
}
#else
TEST(Import, ShortWriteStopsTheImport) {
  const TempFolder folder = CopyOfFixture();
  // Too long for the file-size limit below; the other fighters fit.
  const Rows rows = ThreeEdits(folder.Path(), std::string(8000, 'I'));
  const auto before = FolderBytes(folder.Path());
  const auto csv = folder.Path().parent_path() / (folder.Path().filename().string() + "-short.csv");
  WriteBytes(csv, CsvText(rows));

  const pid_t child = fork();
  if (child == 0) {
    std::signal(SIGXFSZ, SIG_IGN);
    const rlimit small{4096, 4096};
    setrlimit(RLIMIT_FSIZE, &small);
    const RunResult result = RunTool(folder.Path(), {"import", PathToUtf8(csv)});
    std::ofstream(folder.Path().parent_path() / (folder.Path().filename().string() + "-short.out")) << result.out
                                                                                                     << result.err;
    _exit(result.code);
  }
  int status = 0;
  waitpid(child, &status, 0);
  const auto output = folder.Path().parent_path() / (folder.Path().filename().string() + "-short.out");
  const std::string messages = ReadBytes(output);
  std::filesystem::remove(output);
  std::filesystem::remove(csv);
  ASSERT_TRUE(WIFEXITED(status));
  EXPECT_EQ(WEXITSTATUS(status), 1);
  EXPECT_NE(messages.find("changed Fighters/FW/Ana Ribeiro.txt\nerror: import stopped at row 5, writing "
                          "Fighters/LW/Ignacio Brevanza.txt: Stream write error\n"),
            std::string::npos)
      << messages;
  ExpectStoppedAtTheSecond(before, FolderBytes(folder.Path()));
}
#endif

}  // namespace
}  // namespace beditor::roster::test
