#include "roster_tool/import_workbook.h"

#include <algorithm>
#include <set>

#include "core/file_access.h"
#include "core/path_utf8.h"
#include "roster_rules/quoted_text.h"
#include "roster_rules/roster_columns.h"
#include "roster_workbook/workbook_columns.h"
#include "roster_workbook/workbook_reader.h"

namespace beditor::roster {
namespace {

using Kind = WorkbookCell::Kind;

// What the import says of a cell it cannot take; empty for one it takes.
std::string Unusable(const WorkbookCell& cell) {
  switch (cell.kind) {
    case Kind::Date:
      return "a date cell: the spreadsheet made a date of the text typed there; type it as text (format the "
             "cell as Text, or type ' before it)";
    case Kind::Error: return "an error value (" + cell.text + "), not a cell's text";
    case Kind::NoValue:
      return "a formula whose value no spreadsheet has worked out: open the file in a spreadsheet and save it, "
             "or type the value";
    default: return {};
  }
}

}  // namespace

bool IsWorkbookFile(std::string_view fileName, std::string_view bytes) {
  return EndsInAnyCase(PathFromUtf8(fileName).native(), ".xlsx") || bytes.starts_with("PK\x03\x04");
}

ImportWorkbook ReadImportWorkbook(std::string_view workbookBytes, std::string_view workbookName) {
  ImportWorkbook workbook;
  const std::string name(workbookName);
  WorkbookSheet sheet;
  try {
    sheet = ReadFirstSheet(workbookBytes);
  } catch (const WorkbookReadError& error) {
    workbook.table.refusals.push_back(name + ": " + error.what());
    return workbook;
  }

  // Only the columns the import reads are kept, in their order: the others (the ratings, the
  // player's own) may hold anything, and a sheet's row may reach far to the right.
  std::set<std::string> known = {kFileColumn};
  for (const auto& field : record::kFields) known.insert(field.column);
  std::vector<std::size_t> kept;  // by kept column: the sheet's column
  if (!sheet.rows.empty())
    for (const WorkbookCell& cell : sheet.rows.front().cells)
      if (cell.kind == Kind::Text && known.count(cell.text)) kept.push_back(cell.column);
  const auto place = [name, kept](int row, int column) {
    const auto index = static_cast<std::size_t>(column - 1);
    return name + ":" + CellName(index < kept.size() ? kept[index] : index, row);
  };

  CsvTable table;
  std::vector<const WorkbookCell*> unusable;
  for (std::size_t r = 0; r < sheet.rows.size(); ++r) {
    const WorkbookRow& row = sheet.rows[r];
    CsvRecord& record = table.records.emplace_back();
    record.row = record.line = row.row;
    record.cells.resize(kept.size());
    for (const WorkbookCell& cell : row.cells) {
      const auto at = std::lower_bound(kept.begin(), kept.end(), cell.column);
      if (at == kept.end() || *at != cell.column) continue;
      record.cells[static_cast<std::size_t>(at - kept.begin())] = cell.text;
      if (r == 0) continue;  // the header
      const std::string problem = Unusable(cell);
      const std::string where = name + ":" + CellName(cell.column, row.row) + ": ";
      if (!problem.empty())
        workbook.table.refusals.push_back(where + problem);
      else if (cell.formula)
        workbook.formulas.push_back(where + "a formula: its value " + Quoted(cell.text) + " is taken");
    }
  }
  if (!workbook.table.refusals.empty()) return workbook;
  workbook.table = ImportRowsOfTable(table, place);
  return workbook;
}

}  // namespace beditor::roster
