#pragma once
// `import FILE [--dry-run]`: a roster CSV file, as export writes it and a spreadsheet saves
// it, back into the fighter files.
#include <string>

#include "roster/roster_context.h"

namespace beditor::roster {

struct ImportOptions {
  std::string csvFile;  // UTF-8
  bool dryRun = false;
};

int RunImport(const RosterContext& context, const ImportOptions& options);

struct ImportPlan;
// Writes a plan that refused nothing: team files first, then each row's file by the atomic
// replace, a move removing its source after. Says what it wrote on context.out; stops at the
// first failure and says on context.err what was written before it (exit code 1).
int ApplyImport(const RosterContext& context, const ImportPlan& plan);

}  // namespace beditor::roster
