#pragma once
// Two sides of one fighter merged field by field against the fighter both started from: the
// roster window's edits against the file as another program left it, and a roster update
// against the player's own folder. A field changed on one side only takes that side; changed
// on both to the same value is no conflict; changed on both to different values is a conflict,
// which is never settled here: the caller names it and lets the player choose.
#include <array>
#include <string_view>

#include "core/fighter_layout.h"
#include "roster_rules/fighter_view.h"

namespace beditor::roster {

enum class FieldMerge {
  Unchanged,  // no side changed it
  Theirs,     // changed on their side only: theirs is taken
  Mine,       // changed on my side only: mine stays
  Same,       // changed on both sides to the same value
  Conflict,   // changed on both sides to different values
};

// One field, each side its stored line. Comparing lines, not the cells a list shows for them,
// keeps every byte a side wrote: "07" and "7" are different choices of the same entry.
constexpr FieldMerge MergeField(std::string_view base, std::string_view mine, std::string_view theirs) {
  if (mine == theirs) return base == mine ? FieldMerge::Unchanged : FieldMerge::Same;
  if (base == mine) return FieldMerge::Theirs;
  if (base == theirs) return FieldMerge::Mine;
  return FieldMerge::Conflict;
}

// Every field of one fighter, by layout row. Without an earlier version to compare with, pass
// mine as the base: every difference is then theirs to take.
using FighterMerge = std::array<FieldMerge, record::kFields.size()>;
FighterMerge MergeFighter(const FighterView& base, const FighterView& mine, const FighterView& theirs);

}  // namespace beditor::roster
