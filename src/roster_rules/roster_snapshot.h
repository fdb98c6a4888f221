#pragma once
// A program folder's roster read whole, for comparing it with another: every fighter file's
// bytes and the names of the team files. A roster update is read this way, and so is the
// player's own folder beside it.
#include <filesystem>
#include <optional>
#include <map>
#include <string>
#include <string_view>
#include <vector>

#include "roster_rules/fighter_view.h"
#include "roster_rules/roster_context.h"
#include "roster_rules/roster_files.h"

namespace beditor::roster {

struct SnapshotFighter {
  FighterFile file;
  std::string bytes;
  std::optional<std::string> unreadable;  // why the file could not be read, as the system says it

  // The fighter's stored line of a field (layout row); empty for an unreadable file.
  std::string Line(std::size_t field, FighterView& scratch) const;
};

struct RosterSnapshot {
  std::filesystem::path folder;           // the program folder read
  std::vector<SnapshotFighter> fighters;  // in the order the roster is listed
  std::vector<UnlistedFolder> unlisted;   // category folders that could not be listed
  // The Team folder's files by team, UTF-8: "Iron Gym" -> "Iron Gym.txt" (the ending in any case).
  std::map<std::string, std::string> teamFiles;
};

// Reads the roster of the context's folder in its game. Throws UnreadableFolderError when the
// folder has no Fighters folder: it is no program folder.
RosterSnapshot ReadSnapshot(const RosterContext& context);

}  // namespace beditor::roster
