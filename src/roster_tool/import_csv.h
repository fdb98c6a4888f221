#pragma once
// The command-line import's way in: a roster CSV file, as export writes it and a spreadsheet
// saves it (any column order, columns of the user's own ignored), read into typed rows.
#include <array>
#include <functional>
#include <string>
#include <string_view>
#include <vector>

#include "core/csv.h"
#include "core/fighter_layout.h"
#include "roster_rules/import_plan.h"

namespace beditor::roster {

struct ImportCsv {
  std::vector<ImportRow> rows;  // numbered by their CSV row, from 2
  // The CSV's own problems (its form, its header), as "FILE:ROW:COLUMN: message": no row is
  // read when there is one.
  std::vector<std::string> refusals;
  // Columns of the user's own, which the import does not read (the ratings' not among them).
  std::vector<std::string> ignoredColumns;
  int fileColumn = 0;  // from 1
  std::array<int, record::kFields.size()> fieldColumns{};  // from 1, 0 where absent
  // A cell's place as messages name it (row and column from 1): "FILE:ROW:COLUMN" for a CSV.
  std::function<std::string(int row, int column)> place;
};

ImportCsv ReadImportCsv(std::string_view csvBytes, std::string_view csvName);

// The same from a table already split into cells (a workbook's sheet), its first record the
// header, each cell taken as it is (no formula guard to take off).
ImportCsv ImportRowsOfTable(const CsvTable& table, std::function<std::string(int row, int column)> place);

// A refusal of the plan as the tool prints it: "FILE:ROW:COLUMN: message" (the place as
// `csv.place` names it), the column the field's or, where the CSV has none for it, the file
// column.
std::string CsvRefusalLine(const ImportCsv& csv, const Refusal& refusal);

}  // namespace beditor::roster
