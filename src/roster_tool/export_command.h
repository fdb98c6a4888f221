#pragma once
// `export [-o FILE]`: one CSV row per fighter, for a spreadsheet.
#include <string>

#include "roster_rules/roster_context.h"

namespace beditor::roster {

struct ExportOptions {
  std::string outputFile;  // empty: standard output
  char separator = ',';
};

int RunExport(const RosterContext& context, const ExportOptions& options);

}  // namespace beditor::roster
