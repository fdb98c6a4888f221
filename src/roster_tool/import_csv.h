#pragma once
// The command-line import's way in: a roster CSV file, as export writes it and a spreadsheet
// saves it (any column order, columns of the user's own ignored), read into typed rows.
#include <array>
#include <string>
#include <string_view>
#include <vector>

#include "core/fighter_layout.h"
#include "roster_rules/import_plan.h"

namespace beditor::roster {

struct ImportCsv {
  std::vector<ImportRow> rows;  // numbered by their CSV row, from 2
  // The CSV's own problems (its form, its header), as "FILE:ROW:COLUMN: message": no row is
  // read when there is one.
  std::vector<std::string> refusals;
  int fileColumn = 0;  // from 1
  std::array<int, record::kFields.size()> fieldColumns{};  // from 1, 0 where absent
};

ImportCsv ReadImportCsv(std::string_view csvBytes, std::string_view csvName);

// A refusal of the plan as the tool prints it: "FILE:ROW:COLUMN: message", the column the
// field's or, where the CSV has none for it, the file column.
std::string CsvRefusalLine(const ImportCsv& csv, std::string_view csvName, const Refusal& refusal);

}  // namespace beditor::roster
