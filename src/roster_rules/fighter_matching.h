#pragma once
// Which fighter of one roster is which of another's. The same place (category folder and file
// name) first, unless both carry identifiers that differ; failing that, the same fighter
// identifier (the Sherdog ID: a positive whole number, which each roster gives to one fighter
// only); failing that, the same file name in any case and the same full name, in another
// folder, where one fighter only of those left on each side has that name and neither carries
// an identifier. A fighter moved to another category or file name is then the same fighter,
// never a second one.
#include <optional>
#include <string_view>
#include <vector>

#include "roster_rules/roster_snapshot.h"

namespace beditor::roster {

struct FighterPair {
  std::optional<std::size_t> mine;    // index into the first roster's fighters
  std::optional<std::size_t> theirs;  // index into the second's
  bool byName = false;                // matched by file name alone
};

// A Sherdog ID line that names a fighter: a positive whole number. "0", an empty line and
// spellings such as "00", "-1" or " 7" name no one: files carry them as placeholders.
bool IsFighterIdentifier(std::string_view line);

// Every fighter of `theirs` in its order, each with its match in `mine` if any; then the
// fighters of `mine` that match none, in their order.
std::vector<FighterPair> MatchFighters(const RosterSnapshot& mine, const RosterSnapshot& theirs);

}  // namespace beditor::roster
