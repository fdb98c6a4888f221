#pragma once
// Taking a roster update into the player's folder, planned whole before anything is written.
// The update's fighters are matched with the player's (fighter_matching.h). Without the
// earlier version of the update the player took before (the base), the update's values are
// taken; with it, each field is merged three ways as the roster window merges its edits: a
// field the player changed since the base and the update did not keeps the player's value, and
// one both changed to different values is a conflict that keeps the player's. New fighters
// are created, moved ones moved, the player's others kept: nothing is deleted. Team files the
// update has and the player has not are copied; the player's stay as they are.
#include <filesystem>
#include <optional>
#include <string>
#include <vector>

#include "roster_rules/import_plan.h"
#include "roster_rules/import_write.h"
#include "roster_rules/roster_context.h"
#include "roster_rules/roster_snapshot.h"

namespace beditor::roster {

// A field, or the fighter's place, changed both by the player and by the update since the base.
struct UpdateConflict {
  FighterFile file;                  // the player's
  std::optional<std::size_t> field;  // layout row; none for the place (category folder and file name)
  std::string base, mine, theirs;    // cells as export writes them, or file cells for the place
};

struct UpdatePlan {
  ImportPlan plan;  // the fighters' writes, and the refusals that stop it all
  std::vector<UpdateConflict> conflicts;
  std::vector<std::string> teamFiles;  // the update's team files to copy, "Iron Gym.txt"
  // The file each row of the plan is about, as messages name it: the player's, or the
  // update's for a new fighter. By the refusals' and rows' row numbers, from 1.
  std::vector<std::string> rowFiles;
};

// `mine` is the player's roster in the context's folder, `update` the update's, `base` the
// earlier version of it, if given.
UpdatePlan PlanUpdate(const RosterContext& context, const RosterSnapshot& mine, const RosterSnapshot& update,
                      const RosterSnapshot* base);

// Copies the plan's team files from the update's folder, then writes the fighters as the
// import writes them. A team file that cannot be copied stops it before any fighter is written.
ImportWriteResult WriteUpdate(const RosterContext& context, const std::filesystem::path& updateFolder,
                              const UpdatePlan& plan, ImportWriteReport& report);

}  // namespace beditor::roster
