#pragma once
// `merge UPDATE_FOLDER [--base EARLIER_UPDATE_FOLDER] [--dry-run]`: takes a roster update
// into this program folder, planned whole first and written as `import` writes.
#include <string>

#include "roster_rules/roster_context.h"

namespace beditor::roster {

struct MergeOptions {
  std::string updateFolder;  // UTF-8
  std::string baseFolder;    // empty: none
  bool dryRun = false;
};

// 0 when the update was taken whole, 1 when a conflict kept the player's value, the plan was
// refused or a write failed, 2 for a usage error or a folder that is no program folder.
int RunMerge(const RosterContext& context, const MergeOptions& options);

}  // namespace beditor::roster
