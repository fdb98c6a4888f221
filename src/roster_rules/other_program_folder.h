#pragma once
// Another program folder beside the player's: a roster update to take or compare with. It must
// be a program folder (it has a Fighters folder) and not the player's own; what is wrong with
// it comes as data, for each program to word.
#include <filesystem>

#include "roster_rules/roster_context.h"
#include "roster_rules/roster_snapshot.h"

namespace beditor::roster {

enum class OtherFolderProblem {
  None,
  NotAFolder,
  NoFightersFolder,  // a folder, but no program folder
  OwnFolder,         // the player's own program folder
};

OtherFolderProblem CheckOtherFolder(const RosterContext& mine, const std::filesystem::path& folder);

// The roster of another program folder, read in the player's game.
RosterSnapshot ReadOtherSnapshot(const RosterContext& mine, const std::filesystem::path& folder);

}  // namespace beditor::roster
