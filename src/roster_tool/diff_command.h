#pragma once
// `diff OTHER_FOLDER [--csv]`: what another program folder's roster (a roster update) would
// change in this one, fighter by fighter, in the words and column names of `export`.
#include <string>

#include "roster_rules/roster_context.h"

namespace beditor::roster {

struct DiffOptions {
  std::string otherFolder;  // UTF-8
  bool csv = false;
  char separator = ',';
};

// 0 when the rosters hold the same, 1 when they differ, 2 for trouble (as diff has them).
int RunDiff(const RosterContext& context, const DiffOptions& options);

}  // namespace beditor::roster
