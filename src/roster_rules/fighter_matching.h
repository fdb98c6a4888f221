#pragma once
// Which fighter of one roster is which of another's. The same place (category folder and file
// name) first, unless both carry identifiers that differ; failing that, the same fighter
// identifier (the Sherdog ID: a positive whole number, which each roster gives to one fighter
// only); failing that, the same file name in any case, in another folder, where one fighter
// only of those left on each side has it and not both carry identifiers. A fighter moved to
// another category or file name is then the same fighter, never a second one.
#include <optional>
#include <vector>

#include "roster_rules/roster_snapshot.h"

namespace beditor::roster {

struct FighterPair {
  std::optional<std::size_t> mine;    // index into the first roster's fighters
  std::optional<std::size_t> theirs;  // index into the second's
};

// Every fighter of `theirs` in its order, each with its match in `mine` if any; then the
// fighters of `mine` that match none, in their order.
std::vector<FighterPair> MatchFighters(const RosterSnapshot& mine, const RosterSnapshot& theirs);

}  // namespace beditor::roster
