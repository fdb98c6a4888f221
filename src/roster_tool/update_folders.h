#pragma once
// The other program folder that `diff` compares with and `merge` takes an update from: it must
// be a program folder (it has a Fighters folder), and not the player's own.
#include <filesystem>
#include <string>

#include "roster_rules/roster_context.h"
#include "roster_rules/roster_snapshot.h"

namespace beditor::roster {

// The folder named on the command line (UTF-8). Throws UnreadableFolderError when it is no
// program folder or is the player's own folder.
std::filesystem::path OtherProgramFolder(const RosterContext& mine, const std::string& name, const char* role);

// The roster of another program folder, read in the player's game.
RosterSnapshot ReadOtherSnapshot(const RosterContext& mine, const std::filesystem::path& folder);

}  // namespace beditor::roster
