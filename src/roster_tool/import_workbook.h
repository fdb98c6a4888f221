#pragma once
// The command-line import's way in from a spreadsheet workbook (.xlsx): its first sheet,
// read into the same typed rows as a CSV file (import_csv.h), so that the plan, its
// refusals, the dry run and the write step are the CSV's. Cells are taken as the sheet shows
// them: a number as its digits, a formula at its value. Cells the import cannot take as
// typed text (a date, an error value, a formula never worked out) are refused by their name.
#include <string>
#include <string_view>
#include <vector>

#include "roster_tool/import_csv.h"

namespace beditor::roster {

struct ImportWorkbook {
  ImportCsv table;  // its places "FILE:C5"; its refusals include the workbook's own
  // The formula cells whose values were taken, as "FILE:C5: ..." lines.
  std::vector<std::string> formulas;
};

ImportWorkbook ReadImportWorkbook(std::string_view workbookBytes, std::string_view workbookName);

// Whether the file is to be read as a workbook: its name ends in .xlsx, or its bytes are a
// zip archive's (no CSV file begins so).
bool IsWorkbookFile(std::string_view fileName, std::string_view bytes);

}  // namespace beditor::roster
