#pragma once
// `import FILE [--dry-run]`: a roster CSV file, as export writes it and a spreadsheet saves
// it, back into the fighter files.
#include <string>

#include "roster_rules/roster_context.h"

namespace beditor::roster {

struct ImportOptions {
  std::string csvFile;  // UTF-8
  bool dryRun = false;
};

int RunImport(const RosterContext& context, const ImportOptions& options);

}  // namespace beditor::roster
