#pragma once
// `export -o roster.xlsx` (or `--format xlsx`): the roster as a spreadsheet workbook, the
// same columns and rows as the CSV, each cell typed (roster_workbook/workbook_writer.h).
#include "roster_rules/roster_context.h"
#include "roster_tool/export_command.h"

namespace beditor::roster {

// Whether the export writes a workbook: --format, or else the file name's ending.
bool ExportsWorkbook(const ExportOptions& options);

int RunWorkbookExport(const RosterContext& context, const ExportOptions& options);

}  // namespace beditor::roster
