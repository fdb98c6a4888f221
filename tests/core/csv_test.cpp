// CSV files as spreadsheets exchange them: what the writer writes, the reader reads back as it
// was, whatever the cells hold; malformed quoting is refused with its row and column.
#include <gtest/gtest.h>

#include <ostream>
#include <string>
#include <string_view>
#include <vector>

#include "core/csv.h"

namespace beditor {

// Found by GoogleTest through the record's namespace: failures then show the cells.
void PrintTo(const CsvRecord& record, std::ostream* out) {
  *out << "row " << record.row << ", line " << record.line << ": " << ::testing::PrintToString(record.cells);
}

namespace {

using Rows = std::vector<std::vector<std::string>>;

// The rows as the writer writes them, each record's CR LF replaced by `lineEnd`.
std::string WriteRows(const Rows& rows, char separator, std::string_view lineEnd = "\r\n") {
  std::string text;
  for (const auto& row : rows) {
    std::string record = WriteCsvRecord(row, separator);
    record.resize(record.size() - 2);
    text += record;
    text += lineEnd;
  }
  return text;
}

Rows CellsOf(const std::vector<CsvRecord>& records) {
  Rows rows;
  for (const auto& record : records) rows.push_back(record.cells);
  return rows;
}

TEST(CsvWriter, QuotesTheCellsThatNeedItAndNoOthers) {
  struct Case {
    std::vector<std::string> cells;
    char separator;
    std::string record;
  };
  const std::vector<Case> cases = {
      {{"Name", "Weight", "Team"}, ',', "Name,Weight,Team\r\n"},
      {{"Name", "Weight", "Team"}, ';', "Name;Weight;Team\r\n"},
      {{"a,b", "c"}, ',', "\"a,b\",c\r\n"},
      {{"a,b", "c"}, ';', "\"a,b\";c\r\n"},  // either separator is quoted, whichever is used
      {{"a;b", "c"}, ',', "\"a;b\",c\r\n"},
      {{"say \"hi\"", "\""}, ',', "\"say \"\"hi\"\"\",\"\"\"\"\r\n"},
      {{"two\r\nlines", "lf\nonly", "cr\ronly"}, ',', "\"two\r\nlines\",\"lf\nonly\",\"cr\ronly\"\r\n"},
      {{" lead", "trail\t", "in side", "\tx"}, ',', "\" lead\",\"trail\t\",in side,\"\tx\"\r\n"},
      {{"", "", ""}, ',', ",,\r\n"},
      {{""}, ';', "\r\n"},
      {{"Jos\xC3\xA9", "61.5", "=1+1"}, ';', "Jos\xC3\xA9;61.5;=1+1\r\n"},
  };
  for (const auto& [cells, separator, record] : cases) EXPECT_EQ(WriteCsvRecord(cells, separator), record);
}

// A writer that checks byte by byte must come to the rule's answer: every byte alone, and
// between plain bytes, for each separator.
TEST(CsvWriter, QuotingRulesByByteAgreeWithTheCellRule) {
  for (const char separator : {',', ';', '|'}) {
    const auto rules = CsvQuotingRules(separator);
    for (int value = 0; value < 256; ++value) {
      const char byte = static_cast<char>(value);
      const std::string alone(1, byte);
      const std::string inside = "a" + alone + "b";
      EXPECT_EQ(rules[static_cast<std::size_t>(value)] != 0, CsvCellNeedsQuotes(alone, separator)) << value;
      EXPECT_EQ((rules[static_cast<std::size_t>(value)] & kCsvQuotesAnywhere) != 0, CsvCellNeedsQuotes(inside, separator))
          << value;
    }
  }
}

TEST(CsvRoundTrip, WhatTheWriterWritesIsReadBackAsItWas) {
  const std::vector<Rows> tables = {
      {{"Name", "Weight", "Team"}, {"Ana", "61", "Norte"}, {"Luis", "70", "Sur"}},
      {{"a,b", "c;d"}, {",", ";"}, {",,;;", "x"}},
      {{"quote", "doubled"}, {"\"", "\"\""}, {"say \"hi\"", "\"at both ends\""}},
      {{"Name", "Notes"}, {"Ana", "two\r\nlines"}, {"Luis", "a\nb\rc\r\n\r\n"}, {"\n", "\r"}},
      {{"Name", "Notes", "Team"}, {"", "", ""}, {"Ana", "", ""}, {"", "x", ""}},
      {{"Name", "Team"}, {""}, {"Ana", "Norte"}, {""}},  // blank rows, the last one too
      {{"Nombre", "Equipo"}, {"Jos\xC3\xA9 Pe\xC3\xB1" "a", "Le\xC3\xB3n \xE2\x82\xAC"}},
      {{" Name", "Team "}, {"\t", " "}, {"  two  ", "x"}},
  };
  for (const auto& rows : tables) {
    for (char separator : {',', ';'}) {
      for (std::string_view lineEnd : {"\r\n", "\n"}) {
        for (std::string_view mark : {"", "\xEF\xBB\xBF"}) {
          const std::string text = WriteRows(rows, separator, lineEnd);
          SCOPED_TRACE(std::string(mark) + text);
          const CsvTable table = ReadCsvFile(std::string(mark) + text, "roster.csv");
          EXPECT_EQ(table.separator, separator);
          EXPECT_EQ(CellsOf(table.records), rows);
          for (std::size_t i = 0; i < table.records.size(); ++i) EXPECT_EQ(table.records[i].row, static_cast<int>(i) + 1);
        }
      }
    }
  }
}

TEST(CsvReader, RecordsRowsAndLines) {
  struct Case {
    std::string text;
    std::vector<CsvRecord> records;
  };
  const std::vector<Case> cases = {
      {"", {}},
      {"a", {{1, 1, {"a"}}}},
      {"a\r\n", {{1, 1, {"a"}}}},
      {"a\n", {{1, 1, {"a"}}}},
      {"a\r", {{1, 1, {"a"}}}},
      {"\r\n", {{1, 1, {""}}}},
      {"a\r\n\r\n", {{1, 1, {"a"}}, {2, 2, {""}}}},
      {"a,\r\nb", {{1, 1, {"a", ""}}, {2, 2, {"b"}}}},
      {",", {{1, 1, {"", ""}}}},
      {"\"\",\"\"", {{1, 1, {"", ""}}}},
      {"a\rb\n\nc", {{1, 1, {"a"}}, {2, 2, {"b"}}, {3, 3, {""}}, {4, 4, {"c"}}}},
      // A cell holding line breaks is one spreadsheet row over several text lines.
      {"Name,Notes\r\nAna,\"two\r\nlines\"\r\n\r\nLuis,\"a\nb\rc\"\nEva,x",
       {{1, 1, {"Name", "Notes"}},
        {2, 2, {"Ana", "two\r\nlines"}},
        {3, 4, {""}},
        {4, 5, {"Luis", "a\nb\rc"}},
        {5, 8, {"Eva", "x"}}}},
      // Only the given separator separates.
      {"a;b,c", {{1, 1, {"a;b", "c"}}}},
  };
  for (const auto& [text, records] : cases) EXPECT_EQ(ReadCsvRecords(text, ',', "roster.csv"), records) << text;
}

TEST(CsvReader, RefusesMalformedQuotesWithRowAndColumn) {
  struct Case {
    std::string text;
    char separator;
    int row;
    int column;
    std::string reason;
  };
  const std::vector<Case> cases = {
      {"a,\"b\"c\r\n", ',', 1, 2, "text after the closing quote of this cell (line 1)"},
      {"Name,Team\r\nAna,\"Los \"Tigres\"\"\r\n", ',', 2, 2, "text after the closing quote of this cell (line 2)"},
      {"a;\"b\",c", ';', 1, 2, "text after the closing quote"},
      {"Name,Team\r\nAna,Los \"Tigres\"\r\n", ',', 2, 2, "a quote inside a cell that does not start with one (line 2)"},
      {"Name,Team\r\nAna, \"Norte\"\r\n", ',', 2, 2, "a quote inside a cell that does not start with one"},
      {"Name,Team\r\nAna,\"Norte\r\nLuis,Sur\r\n", ',', 2, 2, "the quote that opens this cell (line 2) is never closed"},
      {"\"", ',', 1, 1, "the quote that opens this cell (line 1) is never closed"},
      // After a cell with line breaks, the row is the spreadsheet's, the line the text's.
      {"Name,Notes\r\nAna,\"two\r\nlines\"\r\nLuis,\"x\"y\r\n", ',', 3, 2, "text after the closing quote of this cell (line 4)"},
  };
  for (const auto& [text, separator, row, column, reason] : cases) {
    try {
      ReadCsvRecords(text, separator, "roster.csv");
      ADD_FAILURE() << "accepted: " << text;
    } catch (const CsvFormatError& error) {
      EXPECT_EQ(error.Row(), row) << text;
      EXPECT_EQ(error.Column(), column) << text;
      const std::string prefix = "roster.csv:" + std::to_string(row) + ":" + std::to_string(column) + ": ";
      EXPECT_EQ(std::string(error.what()).substr(0, prefix.size() + reason.size()), prefix + reason);
    }
  }
}

TEST(CsvReader, ErrorIsOneOfTheProgramsOwnWithItsWholeMessage) {
  try {
    ReadCsvFile("Name;Team\r\nAna;\"Norte\"x\r\n", "/home/ana/roster.csv");
    FAIL();
  } catch (const BEditorError& error) {
    EXPECT_STREQ(error.what(),
                 "/home/ana/roster.csv:2:2: text after the closing quote of this cell (line 2); "
                 "a quote inside a quoted cell is written twice");
  }
}

TEST(CsvSeparator, FoundOutsideQuotesInTheHeaderLine) {
  const std::vector<std::pair<std::string, char>> cases = {
      {"Name,Weight,Team", ','},
      {"Name;Weight;Team", ';'},
      {"Name", ','},
      {"", ','},
      {"\"a;b;c\",d", ','},
      {"\"a,b,c\";d", ';'},
      {"\"say \"\"x,y,z\"\"\";d", ';'},
      {"\"two\r\nlines,,,\";d", ';'},   // a line break inside quotes does not end the header
      {"Name;Weight\r\na,b,c,d,e", ';'},  // later lines are not looked at
      {"Name;Weight,kg;Team", ';'},       // the more frequent one wins
      {"a,b;c", ','},                     // a tie is ","
  };
  for (const auto& [text, separator] : cases) EXPECT_EQ(DetectCsvSeparator(text), separator) << text;
}

TEST(CsvBytes, ValidUtf8KeptOtherwiseWindows1252AndNoByteOrderMark) {
  const std::vector<std::pair<std::string, std::string>> cases = {
      {"", ""},
      {"\xEF\xBB\xBF", ""},
      {"\xEF\xBB\xBFName;Peso", "Name;Peso"},
      {"Jos\xC3\xA9", "Jos\xC3\xA9"},
      {"\xEF\xBB\xBFJos\xC3\xA9", "Jos\xC3\xA9"},
      {"Jos\xE9", "Jos\xC3\xA9"},
      {"\xEF\xBB\xBFJos\xE9", "Jos\xC3\xA9"},
      {"\x80 5", "\xE2\x82\xAC 5"},
      // One decision for the whole file: a single invalid byte makes all of it Windows-1252.
      {"\xC3\xA9 \xE9", "\xC3\x83\xC2\xA9 \xC3\xA9"},
  };
  for (const auto& [bytes, text] : cases) EXPECT_EQ(CsvBytesToUtf8(bytes), text) << bytes;
}

TEST(CsvFile, ReadsWhatASpanishLocaleSpreadsheetSaves) {
  const CsvTable table =
      ReadCsvFile("Nombre;Peso;Equipo\r\nJos\xE9 Pe\xF1" "a;61,5;\"Le\xF3n; Norte\"\r\n", "equipo.csv");
  EXPECT_EQ(table.separator, ';');
  EXPECT_EQ(CellsOf(table.records),
            (Rows{{"Nombre", "Peso", "Equipo"}, {"Jos\xC3\xA9 Pe\xC3\xB1" "a", "61,5", "Le\xC3\xB3n; Norte"}}));
}

}  // namespace
}  // namespace beditor
