#pragma once
// `export [-o FILE]`: one CSV row per fighter, for a spreadsheet (or a workbook:
// export_workbook.h).
#include <string>

#include "roster_rules/roster_context.h"

namespace beditor::roster {

struct ExportOptions {
  std::string outputFile;  // empty: standard output
  char separator = ',';
  std::string format;  // "csv" or "xlsx"; empty: by the file name's ending
};

int RunExport(const RosterContext& context, const ExportOptions& options);

}  // namespace beditor::roster
