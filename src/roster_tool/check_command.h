#pragma once
// `check [FILE...]`: what the editor would refuse, clamp or pad in each fighter file, and
// which fighters sit in the wrong folder, lack their team file or repeat another's identity.
#include <string>
#include <vector>

#include "roster_rules/roster_context.h"

namespace beditor::roster {

int RunCheck(const RosterContext& context, const std::vector<std::string>& files);

}  // namespace beditor::roster
