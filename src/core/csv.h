#pragma once
// Spreadsheet CSV files (RFC 4180): records written and read, the separator found from the
// header line, and a file's bytes taken as UTF-8 or Windows-1252 the way spreadsheets save them.
#include <array>
#include <string>
#include <string_view>
#include <vector>

#include "core/file_errors.h"

namespace beditor {

// Starts every CSV file the program writes: spreadsheets on Windows then read it as UTF-8.
inline constexpr std::string_view kUtf8ByteOrderMark = "\xEF\xBB\xBF";

// A CSV file that cannot be read, or a cell that is refused:
// "<file>:<row>:<column>: <reason>", row and column counted from 1 as a spreadsheet shows
// them (the header is row 1, the first cell column 1).
class CsvFormatError : public BEditorError {
 public:
  CsvFormatError(std::string_view fileName, int row, int column, std::string_view reason);

  int Row() const { return row_; }
  int Column() const { return column_; }

 private:
  int row_;
  int column_;
};

struct CsvRecord {
  // The spreadsheet's row: records counted from 1, the header included. A cell holding line
  // breaks still makes one row, so `line`, the text line the record starts on, can be further.
  int row = 0;
  int line = 0;
  std::vector<std::string> cells;

  bool operator==(const CsvRecord&) const = default;
};

// One record: the cells (at least one) joined by the separator and ended by CR LF. A cell is
// quoted, its quotes doubled, when it holds a quote, CR, LF, the separator or either of ","
// and ";" (so the separator found from a written header line is always the one used), or
// starts or ends with a space or tab (which spreadsheets may otherwise trim).
std::string WriteCsvRecord(const std::vector<std::string>& cells, char separator);

// One cell as WriteCsvRecord writes it, appended to `record`; the caller puts the separators
// and the line end. For a writer that builds its records in a buffer of its own.
void AppendCsvCell(std::string& record, std::string_view cell, char separator);

// True when WriteCsvRecord puts the cell in quotes; otherwise it writes the cell as it is.
bool CsvCellNeedsQuotes(std::string_view cell, char separator);

// The same rule byte by byte, for a writer that checks each byte as it copies it: a cell
// goes in quotes when it holds a byte marked kCsvQuotesAnywhere, or starts or ends with one
// marked at all.
inline constexpr unsigned char kCsvQuotesAnywhere = 1;
inline constexpr unsigned char kCsvQuotesAtAnEnd = 2;
std::array<unsigned char, 256> CsvQuotingRules(char separator);

// "," or ";", whichever occurs more often outside quotes in the header line (up to the first
// line break outside quotes); "," when neither does or on a tie.
char DetectCsvSeparator(std::string_view text);

// Every record of the text. CR LF, lone LF and lone CR end a record; a line break at the very
// end adds none, and a blank line is a record of one empty cell. A quoted cell may hold
// separators, line breaks and doubled quotes. Throws CsvFormatError, naming `fileName`, for
// text after a closing quote, a quote inside an unquoted cell, or a quote never closed.
std::vector<CsvRecord> ReadCsvRecords(std::string_view text, char separator, std::string_view fileName);

// The bytes of a CSV file as UTF-8 text: a leading byte-order mark dropped, the rest kept as
// it is when it is valid UTF-8, and otherwise converted from Windows-1252 (what spreadsheets
// in a Western European locale save).
std::string CsvBytesToUtf8(std::string_view bytes);

struct CsvTable {
  char separator = ',';
  std::vector<CsvRecord> records;
};

// A CSV file as a spreadsheet saves it: its bytes decoded, its separator found from its
// header line, its records read. Throws CsvFormatError.
CsvTable ReadCsvFile(std::string_view bytes, std::string_view fileName);

}  // namespace beditor
