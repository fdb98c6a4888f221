#pragma once
// `rate [FILE...]`: the evaluation's six ratings of each fighter, as a table or CSV.
#include <string>
#include <vector>

#include "roster_rules/roster_context.h"

namespace beditor::roster {

struct RateOptions {
  bool csv = false;
  char separator = ',';
  std::string outputFile;  // empty: standard output
};

int RunRate(const RosterContext& context, const std::vector<std::string>& files, const RateOptions& options);

}  // namespace beditor::roster
