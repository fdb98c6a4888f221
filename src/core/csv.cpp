#include "core/csv.h"

#include <algorithm>
#include <array>
#include <iterator>
#include <cstddef>
#include <cstdint>

#include "core/windows_1252.h"

namespace beditor {

namespace {

constexpr char kQuote = '"';

// Spreadsheets may trim these from either end of a cell.
constexpr char kBlanks[] = {' ', '\t'};

bool IsBlank(char c) { return std::find(std::begin(kBlanks), std::end(kBlanks), c) != std::end(kBlanks); }

// The bytes that put a cell in quotes wherever they stand, one bit each: all lie below 64.
constexpr std::uint64_t kQuotingBytes = [] {
  std::uint64_t bits = 0;
  for (const unsigned char c : {kQuote, '\r', '\n', ',', ';'}) bits |= std::uint64_t{1} << c;
  return bits;
}();

// Line breaks as the reader counts them: CR LF, lone CR and lone LF one each.
int CountLineBreaks(std::string_view text) {
  int count = 0;
  for (std::size_t i = 0; i < text.size(); ++i) {
    if (text[i] == '\n' || (text[i] == '\r' && (i + 1 == text.size() || text[i + 1] != '\n'))) ++count;
  }
  return count;
}

std::string OnLine(int line) { return " (line " + std::to_string(line) + ")"; }

}  // namespace

CsvFormatError::CsvFormatError(std::string_view fileName, int row, int column, std::string_view reason)
    : BEditorError(std::string(fileName) + ":" + std::to_string(row) + ":" + std::to_string(column) + ": " +
                   std::string(reason)),
      row_(row),
      column_(column) {}

bool CsvCellNeedsQuotes(std::string_view cell, char separator) {
  if (cell.empty()) return false;
  if (IsBlank(cell.front()) || IsBlank(cell.back())) return true;
  // Every byte looked at, without a branch per byte: every cell of an export passes here,
  // most are short, and nearly all are written as they are.
  bool quoted = false;
  for (const char c : cell) {
    const auto byte = static_cast<unsigned char>(c);
    quoted |= (byte < 64 && ((kQuotingBytes >> (byte & 63)) & 1) != 0) | (c == separator);
  }
  return quoted;
}

std::array<unsigned char, 256> CsvQuotingRules(char separator) {
  std::array<unsigned char, 256> rules{};
  for (int byte = 0; byte < 64; ++byte)
    if ((kQuotingBytes >> byte) & 1) rules[static_cast<std::size_t>(byte)] = kCsvQuotesAnywhere;
  rules[static_cast<unsigned char>(separator)] = kCsvQuotesAnywhere;
  for (const char blank : kBlanks) rules[static_cast<unsigned char>(blank)] = kCsvQuotesAtAnEnd;
  return rules;
}

void AppendCsvCell(std::string& record, std::string_view cell, char separator) {
  if (!CsvCellNeedsQuotes(cell, separator)) {
    record += cell;
    return;
  }
  record += kQuote;
  // Each quote doubled: the text up to and including it, then the quote once more.
  for (std::size_t quote; (quote = cell.find(kQuote)) != std::string_view::npos; cell.remove_prefix(quote + 1)) {
    record.append(cell, 0, quote + 1);
    record += kQuote;
  }
  record += cell;
  record += kQuote;
}

std::string WriteCsvRecord(const std::vector<std::string>& cells, char separator) {
  std::string record;
  std::size_t size = cells.size() + 2;
  for (const std::string& cell : cells) size += cell.size();
  record.reserve(size);
  for (std::size_t i = 0; i < cells.size(); ++i) {
    if (i > 0) record += separator;
    AppendCsvCell(record, cells[i], separator);
  }
  record += "\r\n";
  return record;
}

char DetectCsvSeparator(std::string_view text) {
  int commas = 0;
  int semicolons = 0;
  bool quoted = false;
  for (char c : text) {
    // A doubled quote inside a quoted cell toggles twice, leaving the cell quoted.
    if (c == kQuote) {
      quoted = !quoted;
    } else if (!quoted) {
      if (c == '\r' || c == '\n') break;
      if (c == ',') ++commas;
      if (c == ';') ++semicolons;
    }
  }
  return semicolons > commas ? ';' : ',';
}

std::vector<CsvRecord> ReadCsvRecords(std::string_view text, char separator, std::string_view fileName) {
  // The bytes that end an unquoted cell, as a table: a roster's file has half a million cells.
  std::array<bool, 256> endsUnquoted{};
  for (const char stop : {separator, kQuote, '\r', '\n'}) endsUnquoted[static_cast<unsigned char>(stop)] = true;
  std::vector<CsvRecord> records;
  int line = 1;
  std::size_t at = 0;
  std::size_t cellsBefore = 0;  // the previous record's: records of a file are mostly alike
  while (at < text.size()) {
    CsvRecord record;
    record.row = static_cast<int>(records.size()) + 1;
    record.line = line;
    record.cells.reserve(cellsBefore);
    for (;;) {
      const int column = static_cast<int>(record.cells.size()) + 1;
      std::string cell;
      if (at < text.size() && text[at] == kQuote) {
        const int openedOn = line;
        ++at;
        for (;;) {
          const std::size_t quote = text.find(kQuote, at);
          if (quote == std::string_view::npos) {
            throw CsvFormatError(fileName, record.row, column,
                                 "the quote that opens this cell" + OnLine(openedOn) + " is never closed");
          }
          const std::string_view piece = text.substr(at, quote - at);
          line += CountLineBreaks(piece);
          cell += piece;
          at = quote + 1;
          if (at < text.size() && text[at] == kQuote) {
            cell += kQuote;
            ++at;
          } else {
            break;
          }
        }
        if (at < text.size() && text[at] != separator && text[at] != '\r' && text[at] != '\n') {
          throw CsvFormatError(fileName, record.row, column,
                               "text after the closing quote of this cell" + OnLine(line) +
                                   "; a quote inside a quoted cell is written twice");
        }
      } else {
        std::size_t end = at;
        while (end < text.size() && !endsUnquoted[static_cast<unsigned char>(text[end])]) ++end;
        if (end < text.size() && text[end] == kQuote) {
          throw CsvFormatError(fileName, record.row, column,
                               "a quote inside a cell that does not start with one" + OnLine(line) +
                                   "; a cell holding quotes is put in quotes whole, its quotes written twice");
        }
        cell.assign(text.substr(at, end - at));
        at = end;
      }
      record.cells.push_back(std::move(cell));
      if (at < text.size() && text[at] == separator) {
        ++at;
        continue;
      }
      break;
    }
    // Here the text ends or a line break ends the record.
    if (at < text.size()) {
      at += text.substr(at).starts_with("\r\n") ? 2 : 1;
      ++line;
    }
    cellsBefore = record.cells.size();
    records.push_back(std::move(record));
  }
  return records;
}

std::string CsvBytesToUtf8(std::string_view bytes) {
  if (bytes.starts_with(kUtf8ByteOrderMark)) bytes.remove_prefix(kUtf8ByteOrderMark.size());
  if (IsValidUtf8(bytes)) return std::string(bytes);
  return Windows1252ToUtf8(bytes);
}

CsvTable ReadCsvFile(std::string_view bytes, std::string_view fileName) {
  const std::string text = CsvBytesToUtf8(bytes);
  CsvTable table;
  table.separator = DetectCsvSeparator(text);
  table.records = ReadCsvRecords(text, table.separator, fileName);
  return table;
}

}  // namespace beditor
