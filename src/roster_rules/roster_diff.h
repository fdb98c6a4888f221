#pragma once
// What a roster update would change in the player's roster, fighter by fighter: a new fighter,
// one only the player has, one moved to another place, and each field that differs with both
// cells as export writes them; and the team files new on either side.
#include <string>
#include <vector>

#include "roster_rules/choice_lists.h"
#include "roster_rules/fighter_matching.h"
#include "roster_rules/roster_snapshot.h"

namespace beditor::roster {

struct FieldDifference {
  std::size_t field;  // layout row
  std::string mine, theirs;
};

struct FighterDifference {
  FighterPair pair;
  bool moved = false;       // both have it, at different places
  bool unreadable = false;  // a side's file could not be read: its fields are not compared
  std::vector<FieldDifference> fields;
};

struct RosterDiff {
  std::vector<FighterDifference> fighters;  // those that differ, in MatchFighters' order
  std::vector<std::string> newTeams;        // team files only the update has, "Iron Gym.txt"
  std::vector<std::string> ownTeams;        // team files only the player has
  bool Empty() const { return fighters.empty() && newTeams.empty() && ownTeams.empty(); }
};

// The cells are those the player's lists show.
RosterDiff DiffRosters(const RosterSnapshot& mine, const RosterSnapshot& theirs, const ChoiceLists& lists);

}  // namespace beditor::roster
