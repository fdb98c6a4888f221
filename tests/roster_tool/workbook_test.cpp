// `export -o roster.xlsx` and `import roster.xlsx`: the round trip of tricky texts, typed
// cells, sheets as other spreadsheet programs write them, refused cells and files. The round
// trips through LibreOffice and openpyxl are in spreadsheet_programs_test.py.
#include <gtest/gtest.h>
#include <minizip/zip.h>

#include <filesystem>
#include <map>

#include "core/csv.h"
#include "core/path_utf8.h"
#include "core/windows_1252.h"
#include "roster_run.h"
#include "roster_tool/formula_guard.h"
#include "roster_workbook/workbook_columns.h"
#include "roster_workbook/workbook_reader.h"
#include "support/line_edit.h"

namespace beditor::roster::test {
namespace {

using beditor::test::ReadBytes;
using beditor::test::WriteBytes;
using Kind = WorkbookCell::Kind;

// Sets line `line` (from 0) of the fighter file to `text` (UTF-8, stored as Windows-1252).
void SetLine(const std::filesystem::path& file, int line, const std::string& text) {
  WriteBytes(file, beditor::test::WithLine(ReadBytes(file), line, *Utf8ToWindows1252(text)));
}

// Texts a spreadsheet would take for something else: numbers, dates, formulas, its own
// escapes; accents, quotes, a long name, spaces at the ends, a tab. Lines: 17 full name, 18 common name, 21 height,
// 22 weight, 24 nationality, 25 birth date, 26 Sherdog ID, 0 punches.
void WriteTrickyTexts(const std::filesystem::path& folder) {
  const auto tom = folder / "Fighters/SHW/Big Tom.txt";
  SetLine(tom, 17, "José \"Pepe\" Núñez, l'Ours");
  SetLine(tom, 18, "007");
  SetLine(tom, 21, "'5'10\"");
  SetLine(tom, 22, "1e5");
  SetLine(tom, 24, "=1+1");
  SetLine(tom, 25, "09/08/1997");
  SetLine(tom, 26, "0042");
  const auto sergio = folder / "Fighters/MW/Sergio Ortega.txt";
  SetLine(sergio, 17, std::string(300, 'n') + " Ñandú");
  SetLine(sergio, 18, "_x0041_ @home");
  SetLine(sergio, 24, "-3");
  SetLine(sergio, 26, "2.5");
  SetLine(sergio, 0, "016");
  SetLine(sergio, 21, "  180 cm ");
  SetLine(sergio, 22, "70\tkg");
}

std::filesystem::path WorkbookBeside(const TempFolder& folder, const std::string& suffix = ".xlsx") {
  return folder.Path().parent_path() / (folder.Path().filename().string() + "-roster" + suffix);
}

RunResult Export(const TempFolder& folder, const std::filesystem::path& to, std::vector<std::string> options = {}) {
  std::vector<std::string> arguments = {"export", "-o", PathToUtf8(to)};
  arguments.insert(arguments.end(), options.begin(), options.end());
  return RunTool(folder.Path(), arguments);
}

RunResult Import(const TempFolder& folder, const std::filesystem::path& from, std::vector<std::string> options = {}) {
  std::vector<std::string> arguments = {"import", PathToUtf8(from)};
  arguments.insert(arguments.end(), options.begin(), options.end());
  return RunTool(folder.Path(), arguments);
}

const WorkbookCell* CellAt(const WorkbookRow& row, std::size_t column) {
  for (const WorkbookCell& cell : row.cells)
    if (cell.column == column) return &cell;
  return nullptr;
}

TEST(Workbook, RoundTripOfTrickyTextsWritesNothing) {
  for (const char* mode : {"tav", "jex"}) {
    const TempFolder folder = CopyOfFixture();
    WriteTrickyTexts(folder.Path());
    const auto workbook = WorkbookBeside(folder);
    const RunResult exported = Export(folder, workbook, {"--mode", mode});
    EXPECT_EQ(exported.code, 0) << exported.err;
    EXPECT_EQ(exported.out, "");

    const auto before = FolderBytes(folder.Path());
    const RunResult imported = Import(folder, workbook, {"--mode", mode});
    EXPECT_EQ(imported.code, 0) << imported.err;
    EXPECT_EQ(imported.out, "0 changed, 0 moved, 0 created, 12 unchanged\n") << mode;
    EXPECT_EQ(FolderBytes(folder.Path()), before) << mode;
    std::filesystem::remove(workbook);
  }
}

// Same rows and texts as the CSV; text columns hold text cells, the number columns numbers
// where their text is a plain integer and text where it is not.
TEST(Workbook, CellsAreTypedByColumn) {
  const TempFolder folder = CopyOfFixture();
  WriteTrickyTexts(folder.Path());
  const auto workbook = WorkbookBeside(folder);
  Export(folder, workbook);
  const WorkbookSheet sheet = ReadFirstSheet(ReadBytes(workbook));
  std::filesystem::remove(workbook);

  const CsvTable csv = ReadCsvFile(ExportedCsv(folder.Path()), "export.csv");
  ASSERT_EQ(sheet.rows.size(), csv.records.size());
  for (std::size_t r = 0; r < csv.records.size(); ++r) {
    const auto& cells = csv.records[r].cells;
    for (std::size_t column = 0; column < cells.size(); ++column) {
      const std::string expected(WithoutFormulaGuard(cells[column]));
      const WorkbookCell* cell = CellAt(sheet.rows[r], column);
      SCOPED_TRACE(CellName(column, static_cast<int>(r) + 1));
      if (expected.empty()) {
        EXPECT_EQ(cell, nullptr);
        continue;
      }
      ASSERT_NE(cell, nullptr);
      EXPECT_EQ(cell->text, expected);
      EXPECT_FALSE(cell->formula);
      const bool number = r > 0 && IsNumberColumn(column) && IsPlainInteger(expected);
      EXPECT_EQ(cell->kind, number ? Kind::Number : Kind::Text);
    }
  }
}

// A workbook's parts, zipped by minizip as a spreadsheet program would. A part given as
// {name, size} of spaces is written in blocks, for one that unpacks far larger than it is.
std::string ZipOf(const std::filesystem::path& at, const std::map<std::string, std::string>& parts,
                  std::size_t spaces = 0) {
  zipFile zip = zipOpen64(PathToUtf8(at).c_str(), APPEND_STATUS_CREATE);
  EXPECT_NE(zip, nullptr);
  for (const auto& [name, bytes] : parts) {
    zipOpenNewFileInZip64(zip, name.c_str(), nullptr, nullptr, 0, nullptr, 0, nullptr, Z_DEFLATED, 1, 0);
    zipWriteInFileInZip(zip, bytes.data(), static_cast<unsigned>(bytes.size()));
    if (name.ends_with("sheet1.xml") && spaces > 0) {
      const std::string block(1 << 20, ' ');
      for (std::size_t written = 0; written < spaces; written += block.size())
        zipWriteInFileInZip(zip, block.data(), static_cast<unsigned>(block.size()));
    }
    zipCloseFileInZip(zip);
  }
  zipClose(zip, nullptr);
  std::string bytes = ReadBytes(at);
  std::filesystem::remove(at);
  return bytes;
}

// A workbook of one sheet: its rows (sheetData's inside), shared strings and styles.
std::map<std::string, std::string> WorkbookParts(const std::string& rows, const std::string& strings = "",
                                                 const std::string& styles = "") {
  const std::string main = "http://schemas.openxmlformats.org/spreadsheetml/2006/main";
  const std::string type = "http://schemas.openxmlformats.org/officeDocument/2006/relationships/";
  std::map<std::string, std::string> parts = {
      {"[Content_Types].xml", "<Types xmlns=\"http://schemas.openxmlformats.org/package/2006/content-types\"/>"},
      {"_rels/.rels",
       "<Relationships xmlns=\"http://schemas.openxmlformats.org/package/2006/relationships\"><Relationship Id=\"r1\" "
       "Type=\"" + type + "officeDocument\" Target=\"xl/workbook.xml\"/></Relationships>"},
      {"xl/workbook.xml", "<workbook xmlns=\"" + main + "\" xmlns:r=\"" + type.substr(0, type.size() - 1) +
                              "\"><sheets><sheet name=\"Roster\" sheetId=\"1\" r:id=\"rId1\"/></sheets></workbook>"},
      {"xl/_rels/workbook.xml.rels",
       "<Relationships xmlns=\"http://schemas.openxmlformats.org/package/2006/relationships\">"
       "<Relationship Id=\"rId1\" Type=\"" + type + "worksheet\" Target=\"worksheets/sheet1.xml\"/>"
       "<Relationship Id=\"rId2\" Type=\"" + type + "sharedStrings\" Target=\"/xl/sharedStrings.xml\"/>"
       "<Relationship Id=\"rId3\" Type=\"" + type + "styles\" Target=\"styles.xml\"/></Relationships>"},
      {"xl/worksheets/sheet1.xml", "<worksheet xmlns=\"" + main + "\"><sheetData>" + rows + "</sheetData></worksheet>"},
      {"xl/sharedStrings.xml", "<sst xmlns=\"" + main + "\">" + strings + "</sst>"},
      {"xl/styles.xml", "<styleSheet xmlns=\"" + main + "\">" + styles + "</styleSheet>"},
  };
  return parts;
}

// Shared texts 0..3: file, common_name, punches, "SHW/Big Tom.txt"; styles 0 general, 1 the
// built-in date, 2 a date of the workbook's own, 3 a number format of its own.
const std::string kHeaderStrings =
    "<si><t>file</t></si><si><t>common_name</t></si><si><t>punches</t></si><si><t>SHW/Big Tom.txt</t></si>";
const std::string kStyles =
    "<numFmts><numFmt numFmtId=\"164\" formatCode=\"dd/mm/yyyy\"/><numFmt numFmtId=\"165\" "
    "formatCode=\"&quot;day&quot; 0.0\"/></numFmts><cellStyleXfs><xf numFmtId=\"14\"/></cellStyleXfs><cellXfs>"
    "<xf numFmtId=\"0\"/><xf numFmtId=\"14\"/><xf numFmtId=\"164\"/><xf numFmtId=\"165\"/></cellXfs>";
const std::string kHeaderRow =
    "<row r=\"1\"><c r=\"A1\" t=\"s\"><v>0</v></c><c r=\"B1\" t=\"s\"><v>1</v></c><c r=\"C1\" t=\"s\"><v>2</v></c></row>";

// Big Tom's row with these cells after the file's (B: common_name, C: punches).
std::string BigTomRow(const std::string& cells) {
  return kHeaderRow + "<row r=\"2\"><c r=\"A2\" t=\"s\"><v>3</v></c>" + cells + "</row>";
}

RunResult DryRunOf(const TempFolder& folder, const std::string& workbookBytes) {
  const auto workbook = WorkbookBeside(folder);
  WriteBytes(workbook, workbookBytes);
  RunResult result = Import(folder, workbook, {"--dry-run"});
  std::filesystem::remove(workbook);
  return result;
}

// Cells as Excel and LibreOffice save them: each kind read as the sheet shows it.
TEST(Workbook, CellsAsSpreadsheetsSaveThem) {
  const TempFolder folder = CopyOfFixture();
  const std::string name = PathToUtf8(WorkbookBeside(folder));
  const std::string punches19 = "Fighters/SHW/Big Tom.txt: line 1 (Punches): \"20\" -> \"19\"\n";
  const std::string summary1 = "dry run, nothing written: 1 changed, 0 moved, 0 created, 0 unchanged\n";
  struct Case {
    const char* what;
    std::string cells;
    std::string strings;  // shared texts after the header's
    std::string out;
  };
  const std::vector<Case> cases = {
      {"inline strings, rich text runs, phonetic guide left out, escapes",
       "<c r=\"B2\" t=\"inlineStr\"><is><r><t>T</t></r><r><rPr><b/></rPr><t xml:space=\"preserve\">o m</t></r>"
       "<rPh sb=\"0\" eb=\"1\"><t>x</t></rPh><t>_x005F_x0041__x0021_</t></is></c><c r=\"C2\"><v>19</v></c>",
       "", "Fighters/SHW/Big Tom.txt: line 19 (Common name): \"Tom\" -> \"To m_x0041_!\"\n" + punches19 + summary1},
      {"an integral number in a text column is its digits, whatever its form or format",
       "<c r=\"B2\" s=\"3\"><v>7.0</v></c><c r=\"C2\"><v>1.9E1</v></c>", "",
       "Fighters/SHW/Big Tom.txt: line 19 (Common name): \"Tom\" -> \"7\"\n" + punches19 + summary1},
      {"a true or false cell as the sheet shows it", "<c r=\"B2\" t=\"b\"><v>1</v></c><c r=\"C2\"><v>20</v></c>", "",
       "Fighters/SHW/Big Tom.txt: line 19 (Common name): \"Tom\" -> \"TRUE\"\n" + summary1},
      {"formulas at their values, said", "<c r=\"B2\" t=\"str\"><f>LOWER(\"TOM\")</f><v>tom</v></c>"
       "<c r=\"C2\"><f>10+9</f><v>19</v></c>", "",
       name + ":B2: a formula: its value \"tom\" is taken\n" + name + ":C2: a formula: its value \"19\" is taken\n"
       "Fighters/SHW/Big Tom.txt: line 19 (Common name): \"Tom\" -> \"tom\"\n" + punches19 + summary1},
      {"shared texts; columns without a cell are empty, a blank styled cell too",
       "<c r=\"B2\" t=\"s\"><v>4</v></c><c r=\"C2\"><v>20</v></c><c r=\"D2\" s=\"1\"/>", "<si><t>Tom</t></si>",
       "dry run, nothing written: 0 changed, 0 moved, 0 created, 1 unchanged\n"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.what);
    const RunResult result = DryRunOf(folder, ZipOf(WorkbookBeside(folder, ".zip"),
                                                    WorkbookParts(BigTomRow(c.cells), kHeaderStrings + c.strings, kStyles)));
    EXPECT_EQ(result.code, 0) << result.err;
    EXPECT_EQ(result.out, c.out);
  }
}

// A cell the import cannot take as typed is refused by its name, with what to do.
TEST(Workbook, DatesErrorsAndUnworkedFormulasAreRefusedByCell) {
  const TempFolder folder = CopyOfFixture();
  const auto before = FolderBytes(folder.Path());
  const std::string name = PathToUtf8(WorkbookBeside(folder));
  const std::string typeAsText =
      "a date cell: the spreadsheet made a date of the text typed there; type it as text (format the cell as Text, "
      "or type ' before it)";
  const std::vector<std::pair<std::string, std::string>> cases = {
      {"<c r=\"B2\" s=\"1\"><v>35650</v></c>", name + ":B2: " + typeAsText},
      {"<c r=\"B2\" s=\"2\"><v>35650</v></c>", name + ":B2: " + typeAsText},
      {"<c r=\"C2\" t=\"d\"><v>1997-08-09</v></c>", name + ":C2: " + typeAsText},
      {"<c r=\"C2\" t=\"e\"><f>1/0</f><v>#DIV/0!</v></c>", name + ":C2: an error value (#DIV/0!), not a cell's text"},
      {"<c r=\"B2\"><f>1+1</f></c>",
       name + ":B2: a formula whose value no spreadsheet has worked out: open the file in a spreadsheet and save it, "
              "or type the value"},
  };
  for (const auto& [cells, refusal] : cases) {
    SCOPED_TRACE(cells);
    const RunResult result =
        DryRunOf(folder, ZipOf(WorkbookBeside(folder, ".zip"), WorkbookParts(BigTomRow(cells), kHeaderStrings, kStyles)));
    EXPECT_EQ(result.code, 1);
    EXPECT_EQ(result.err, refusal + "\nimport refused (1 problem): nothing was written\n");
    EXPECT_EQ(result.out, "");
  }
  // In a column of the player's own, a date is no matter.
  const RunResult own = DryRunOf(
      folder, ZipOf(WorkbookBeside(folder, ".zip"), WorkbookParts(BigTomRow("<c r=\"C2\"><v>20</v></c><c r=\"E2\" s=\"1\"><v>35650</v></c>"),
                                                                  kHeaderStrings, kStyles)));
  EXPECT_EQ(own.code, 0) << own.err;
  EXPECT_EQ(FolderBytes(folder.Path()), before);
}

// What is no workbook, a damaged one or one far larger than a roster is refused whole:
// nothing written, and no more read than the limits allow.
TEST(Workbook, FilesThatAreNoUsableWorkbookAreRefused) {
  const TempFolder folder = CopyOfFixture();
  WriteTrickyTexts(folder.Path());
  const auto before = FolderBytes(folder.Path());
  const auto workbook = WorkbookBeside(folder);
  ASSERT_EQ(Export(folder, workbook).code, 0);
  const std::string exported = ReadBytes(workbook);
  const std::string name = PathToUtf8(workbook);
  auto parts = WorkbookParts(BigTomRow(""), kHeaderStrings, kStyles);
  auto withoutSheet = parts;
  withoutSheet.erase("xl/worksheets/sheet1.xml");
  std::string damaged = exported;
  // The sheet's compressed bytes lie after the parts that come first in the archive.
  for (std::size_t at = damaged.size() / 3; at < damaged.size() / 2; ++at) damaged[at] ^= 0x55;

  const std::vector<std::pair<std::string, std::string>> cases = {
      {ExportedCsv(folder.Path()), name + ": not a workbook (.xlsx): it is no zip archive, or a damaged one"},
      {exported.substr(0, exported.size() / 2), name + ": not a workbook (.xlsx): it is no zip archive, or a damaged one"},
      {ZipOf(WorkbookBeside(folder, ".zip"), {{"a.txt", "a"}}),
       name + ": not a workbook (.xlsx): a zip archive of other files"},
      {ZipOf(WorkbookBeside(folder, ".zip"), withoutSheet),
       name + ": not a workbook (.xlsx): it has no part xl/worksheets/sheet1.xml"},
      {ZipOf(WorkbookBeside(folder, ".zip"), parts, 300u << 20),
       name + ": the workbook's part xl/worksheets/sheet1.xml unpacks to more than 256 MB, far more than a roster"},
  };
  for (const auto& [bytes, refusal] : cases) {
    SCOPED_TRACE(refusal);
    WriteBytes(workbook, bytes);
    const RunResult result = Import(folder, workbook);
    EXPECT_EQ(result.code, 1);
    EXPECT_EQ(result.err, refusal + "\nimport refused (1 problem): nothing was written\n");
  }
  WriteBytes(workbook, damaged);
  const RunResult result = Import(folder, workbook);
  EXPECT_EQ(result.code, 1);
  EXPECT_TRUE(result.err.starts_with(name + ": damaged workbook: ")) << result.err;

  // A file larger than any roster's workbook is not read at all.
  std::filesystem::resize_file(workbook, kLargestWorkbookFile + 1);
  const RunResult large = Import(folder, workbook);
  EXPECT_EQ(large.code, 1);
  EXPECT_EQ(large.err, name + ": the file is larger than 64 MB, far more than a roster\n"
                              "import refused (1 problem): nothing was written\n");
  std::filesystem::remove(workbook);
  EXPECT_EQ(FolderBytes(folder.Path()), before);
}

// A fighter whose text no spreadsheet cell holds stops the export, naming it; the former
// workbook stays as it was.
TEST(Workbook, FailedExportKeepsTheFormerFile) {
  const TempFolder folder = CopyOfFixture();
  const auto workbook = WorkbookBeside(folder);
  WriteBytes(workbook, "former");
  SetLine(folder / "Fighters/SHW/Big Tom.txt", 17, std::string(40000, 'x'));
  const RunResult result = Export(folder, workbook);
  EXPECT_EQ(result.code, 1);
  EXPECT_EQ(result.err, "error: Fighters/SHW/Big Tom.txt: cell B13: 40000 characters are more than a spreadsheet "
                        "cell holds (32767)\n");
  EXPECT_EQ(ReadBytes(workbook), "former");

  // The same on the first row of a roster long enough that the files are read well ahead of
  // the workbook: the reading stops too, and the export ends.
  std::filesystem::copy_file(folder / "Fighters/SHW/Big Tom.txt", folder / "Fighters/FW/Aaa Long.txt");
  for (int copy = 0; copy < 1500; ++copy)
    std::filesystem::copy_file(folder / "Fighters/FW/Ana Ribeiro.txt",
                               folder / ("Fighters/SHW/Copy " + std::to_string(copy) + ".txt"));
  const RunResult first = Export(folder, workbook);
  EXPECT_EQ(first.code, 1);
  EXPECT_TRUE(first.err.starts_with("error: Fighters/FW/Aaa Long.txt: cell B2: ")) << first.err;
  EXPECT_EQ(ReadBytes(workbook), "former");
  std::filesystem::remove(workbook);
}

}  // namespace
}  // namespace beditor::roster::test
