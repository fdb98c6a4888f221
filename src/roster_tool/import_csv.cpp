#include "roster_tool/import_csv.h"

#include <algorithm>
#include <map>

#include "core/csv.h"
#include "roster_tool/formula_guard.h"
#include "roster_rules/quoted_text.h"
#include "roster_rules/refusal_text.h"
#include "roster_rules/roster_columns.h"

namespace beditor::roster {
namespace {

constexpr int kAbsent = 0;

std::string Located(const ImportCsv& csv, int row, int column, const std::string& message) {
  return csv.place(row, column) + ": " + message;
}

// A column's name as a person may type it: its ASCII letters in lower case and its digits,
// nothing else ("Punches ", "PUNCHES", "Sherdog ID", "full name" with a no-break space).
std::string Loosely(std::string_view name) {
  std::string loose;
  for (const char c : name) {
    if (c >= 'A' && c <= 'Z')
      loose += static_cast<char>(c - 'A' + 'a');
    else if ((c >= 'a' && c <= 'z') || (c >= '0' && c <= '9'))
      loose += c;
  }
  return loose;
}

// Finds the columns; false, with the CSV's refusals said, when the header will not do.
bool ReadHeader(const CsvRecord& header, ImportCsv& csv) {
  std::map<std::string, int*> known = {{kFileColumn, &csv.fileColumn}};
  for (std::size_t i = 0; i < record::kFields.size(); ++i) known[record::kFields[i].column] = &csv.fieldColumns[i];
  for (std::size_t column = 0; column < header.cells.size(); ++column) {
    const std::string& name = header.cells[column];
    const auto found = known.find(name);
    if (found == known.end()) {
      // A roster column's name typed another way would have its edits dropped unseen.
      const std::string loose = Loosely(name);
      const auto meant = std::find_if(known.begin(), known.end(),
                                      [&loose](const auto& entry) { return Loosely(entry.first) == loose; });
      if (meant != known.end())
        csv.refusals.push_back(Located(csv, header.row, static_cast<int>(column) + 1,
                                       "the column " + Quoted(name) + " is not " + Quoted(meant->first) +
                                           ": columns are named exactly as export names them"));
      else if (std::find(kRatingColumns.begin(), kRatingColumns.end(), name) == kRatingColumns.end())
        csv.ignoredColumns.push_back(name);  // a column of the user's own
      continue;
    }
    if (*found->second != kAbsent)
      csv.refusals.push_back(
          Located(csv, header.row, static_cast<int>(column) + 1, "the column " + Quoted(found->first) + " appears twice"));
    *found->second = static_cast<int>(column) + 1;
  }
  if (csv.fileColumn == kAbsent)
    csv.refusals.push_back(Located(csv, header.row, 1, "the required column \"file\" is missing"));
  return csv.refusals.empty();
}

const std::string& Cell(const CsvRecord& record, int column) {
  static const std::string kEmpty;
  return column > 0 && static_cast<std::size_t>(column) <= record.cells.size()
             ? record.cells[static_cast<std::size_t>(column - 1)]
             : kEmpty;
}

// The rows of the table; `cellText` makes each cell's text as the import takes it. A CSV's row
// short of cells says nothing of the fields it lacks (`shortKeepsLines`: they keep their
// lines); a workbook's row simply has no empty cells at its end.
ImportCsv RowsOfTable(const CsvTable& table, ImportCsv csv, std::string_view (*cellText)(std::string_view),
                      bool shortKeepsLines) {
  if (table.records.empty()) {
    csv.refusals.push_back(Located(csv, 1, 1, "the file is empty: its first row names the columns"));
    return csv;
  }
  if (!ReadHeader(table.records.front(), csv)) return csv;
  for (std::size_t i = 1; i < table.records.size(); ++i) {
    const CsvRecord& record = table.records[i];
    bool blank = true;
    for (const auto& cell : record.cells) blank = blank && cell.empty();
    if (blank) continue;  // spreadsheets leave empty rows at the end
    ImportRow& row = csv.rows.emplace_back();
    row.row = record.row;
    row.file = std::string(cellText(Cell(record, csv.fileColumn)));
    for (std::size_t field = 0; field < record::kFields.size(); ++field) {
      const int column = csv.fieldColumns[field];
      if (column == kAbsent || (shortKeepsLines && static_cast<std::size_t>(column) > record.cells.size())) continue;
      row.cells[field] = std::string(cellText(Cell(record, column)));
    }
  }
  return csv;
}

std::string_view AsItIs(std::string_view cell) { return cell; }

}  // namespace

ImportCsv ReadImportCsv(std::string_view csvBytes, std::string_view csvName) {
  ImportCsv csv;
  csv.place = [name = std::string(csvName)](int row, int column) {
    return name + ":" + std::to_string(row) + ":" + std::to_string(column);
  };
  CsvTable table;
  try {
    table = ReadCsvFile(csvBytes, csvName);
  } catch (const CsvFormatError& error) {
    csv.refusals.push_back(error.what());
    return csv;
  }
  csv = RowsOfTable(table, std::move(csv), WithoutFormulaGuard, true);
  // A file cut off (a copy that stopped) ends inside its last row, whose last cell may be cut
  // ("1" of "10", "27/06/" of a date): spreadsheets end a CSV with a line end.
  const bool ended = !csvBytes.empty() && (csvBytes.back() == '\n' || csvBytes.back() == '\r');
  if (!ended && table.records.size() > 1 && csv.refusals.empty()) {
    const CsvRecord& last = table.records.back();
    csv.refusals.push_back(Located(csv, last.row, static_cast<int>(last.cells.size()),
                                   "the file ends inside this row, with no line end after it: it seems cut off (a "
                                   "whole CSV ends with a line end)"));
  }
  return csv;
}

ImportCsv ImportRowsOfTable(const CsvTable& table, std::function<std::string(int row, int column)> place) {
  ImportCsv csv;
  csv.place = std::move(place);
  return RowsOfTable(table, std::move(csv), AsItIs, false);
}

std::string CsvRefusalLine(const ImportCsv& csv, const Refusal& refusal) {
  int column = csv.fileColumn;
  if (refusal.field) {
    const int fieldColumn = csv.fieldColumns[record::RowOf(*refusal.field)];
    if (fieldColumn != kAbsent) column = fieldColumn;
  }
  return Located(csv, refusal.row, column, EnglishRefusal(refusal));
}

}  // namespace beditor::roster
