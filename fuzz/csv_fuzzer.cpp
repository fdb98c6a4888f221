// The CSV reader and writer. Any bytes are read, or refused with the program's own error
// naming the row and column, never a crash; decoding always yields UTF-8. Rows built from the
// input (cells cut at byte FE, rows at byte FF) are written and read back as they were, both
// by the record reader and through the whole file path: byte-order mark, encoding, separator.
#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "core/csv.h"
#include "core/windows_1252.h"
#include "fuzz_check.h"

namespace {

using Rows = std::vector<std::vector<std::string>>;

constexpr std::string_view kFileName = "roster.csv";

// UTF-8 checked another way: each sequence decoded by its bit patterns, then refused unless
// it is the shortest one for its code point, within U+10FFFF and not a surrogate.
bool ReferenceIsUtf8(std::string_view bytes) {
  for (std::size_t at = 0; at < bytes.size();) {
    const auto lead = static_cast<unsigned char>(bytes[at]);
    const std::size_t length = lead < 0x80 ? 1 : (lead >> 5) == 0x06 ? 2 : (lead >> 4) == 0x0E ? 3 : (lead >> 3) == 0x1E ? 4 : 0;
    if (length == 0 || bytes.size() - at < length) return false;
    std::uint32_t code = length == 1 ? lead : lead & (0x7F >> length);
    for (std::size_t i = 1; i < length; ++i) {
      const auto next = static_cast<unsigned char>(bytes[at + i]);
      if ((next & 0xC0) != 0x80) return false;
      code = (code << 6) | (next & 0x3F);
    }
    const std::size_t shortest = code < 0x80 ? 1 : code < 0x800 ? 2 : code < 0x10000 ? 3 : 4;
    if (shortest != length || code > 0x10FFFF || (code >= 0xD800 && code <= 0xDFFF)) return false;
    at += length;
  }
  return true;
}

// Text lines a cell spans beyond its first: CR LF, lone CR and lone LF end one each.
int LineBreaks(std::string_view cell) {
  int count = 0;
  for (std::size_t i = 0; i < cell.size(); ++i) {
    if (cell[i] == '\n' || (cell[i] == '\r' && !cell.substr(i + 1).starts_with('\n'))) ++count;
  }
  return count;
}

Rows RowsOf(std::string_view bytes) {
  Rows rows(1, std::vector<std::string>(1));
  for (char c : bytes) {
    if (c == '\xFF') {
      rows.emplace_back(1);
    } else if (c == '\xFE') {
      rows.back().emplace_back();
    } else {
      rows.back().back() += c;
    }
  }
  return rows;
}

// Rows counted from 1 without a gap; each record on a later line than the one before.
void CheckNumbering(const std::vector<beditor::CsvRecord>& records) {
  for (std::size_t i = 0; i < records.size(); ++i) {
    FUZZ_CHECK(records[i].row == static_cast<int>(i) + 1);
    FUZZ_CHECK(!records[i].cells.empty());
    FUZZ_CHECK(records[i].line > (i == 0 ? 0 : records[i - 1].line));
    FUZZ_CHECK(records[i].line >= records[i].row);
  }
  if (!records.empty()) FUZZ_CHECK(records.front().line == 1);
}

void CheckAnyFile(std::string_view bytes) {
  using namespace beditor;
  FUZZ_CHECK(IsValidUtf8(bytes) == ReferenceIsUtf8(bytes));
  const std::string text = CsvBytesToUtf8(bytes);
  FUZZ_CHECK(IsValidUtf8(text));
  std::string_view unmarked = bytes;
  if (unmarked.starts_with(kUtf8ByteOrderMark)) unmarked.remove_prefix(kUtf8ByteOrderMark.size());
  if (IsValidUtf8(unmarked)) FUZZ_CHECK(text == unmarked);

  try {
    const CsvTable table = ReadCsvFile(bytes, kFileName);
    FUZZ_CHECK(table.separator == DetectCsvSeparator(text));
    CheckNumbering(table.records);
    // Written out again, the records read back the same, rows and lines included.
    std::string rewritten;
    for (const auto& record : table.records) rewritten += WriteCsvRecord(record.cells, table.separator);
    FUZZ_CHECK(ReadCsvRecords(rewritten, table.separator, kFileName) == table.records);
  } catch (const CsvFormatError& error) {
    FUZZ_CHECK(error.Row() >= 1 && error.Column() >= 1);
    const std::string prefix =
        std::string(kFileName) + ":" + std::to_string(error.Row()) + ":" + std::to_string(error.Column()) + ": ";
    FUZZ_CHECK(std::string_view(error.what()).starts_with(prefix));
  }
  // Any other exception escapes and ends the run as a finding.
}

void CheckRoundTrip(const Rows& rows, unsigned char flags) {
  using namespace beditor;
  const char separator = (flags & 1) != 0 ? ';' : ',';
  const std::string_view lineEnd = (flags & 2) != 0 ? "\n" : "\r\n";
  std::string written;
  for (const auto& row : rows) {
    std::string record = WriteCsvRecord(row, separator);
    FUZZ_CHECK(record.ends_with("\r\n"));
    record.resize(record.size() - 2);
    written += record;
    written += lineEnd;
  }

  const std::vector<CsvRecord> records = ReadCsvRecords(written, separator, kFileName);
  FUZZ_CHECK(records.size() == rows.size());
  int line = 1;
  for (std::size_t i = 0; i < rows.size(); ++i) {
    FUZZ_CHECK(records[i].row == static_cast<int>(i) + 1);
    FUZZ_CHECK(records[i].line == line);
    FUZZ_CHECK(records[i].cells == rows[i]);
    for (const auto& cell : rows[i]) line += LineBreaks(cell);
    ++line;
  }

  // The whole file path. A file without a mark whose first cell starts with one loses it, and
  // a one-cell header line has no separator to find: neither is what the program writes.
  const bool marked = (flags & 4) != 0;
  if (!marked && written.starts_with(kUtf8ByteOrderMark)) return;
  if (rows.front().size() < 2 && separator != ',') return;
  const CsvTable table = ReadCsvFile(marked ? std::string(kUtf8ByteOrderMark) + written : written, kFileName);
  FUZZ_CHECK(table.separator == separator);
  FUZZ_CHECK(table.records.size() == records.size());
  // Bytes that are not UTF-8 make the whole file Windows-1252, every cell converted alone.
  const bool utf8 = IsValidUtf8(written);
  for (std::size_t i = 0; i < records.size(); ++i) {
    FUZZ_CHECK(table.records[i].row == records[i].row);
    FUZZ_CHECK(table.records[i].line == records[i].line);
    FUZZ_CHECK(table.records[i].cells.size() == rows[i].size());
    for (std::size_t j = 0; j < rows[i].size(); ++j) {
      FUZZ_CHECK(table.records[i].cells[j] == (utf8 ? rows[i][j] : Windows1252ToUtf8(rows[i][j])));
    }
  }
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const std::string_view bytes(reinterpret_cast<const char*>(data), size);
  CheckAnyFile(bytes);
  // The first byte also picks the separator, the line end and the byte-order mark.
  CheckRoundTrip(RowsOf(bytes), size > 0 ? data[0] : 0);
  return 0;
}
