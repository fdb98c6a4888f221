#pragma once
// A refusal in the roster tool's English, as scripts read it: the field's CSV column first,
// "punches: \"25\" is not an integer from 1 to 20".
#include <string>

#include "roster_rules/refusal.h"

namespace beditor::roster {

std::string EnglishRefusal(const Refusal& refusal);

}  // namespace beditor::roster
