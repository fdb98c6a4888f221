#pragma once
// The other program folder that `diff` compares with and `merge` takes an update from, named
// on the command line.
#include <filesystem>
#include <string>

#include "roster_rules/other_program_folder.h"
#include "roster_rules/roster_context.h"

namespace beditor::roster {

// The folder named on the command line (UTF-8). Throws UnreadableFolderError when it is no
// program folder or is the player's own folder.
std::filesystem::path OtherProgramFolder(const RosterContext& mine, const std::string& name, const char* role);

}  // namespace beditor::roster
