#pragma once
// A team's file in the program folder's Team folder, made when a fighter of the team is saved
// (by the editor, or by the roster tool's import) and the team has none yet.
#include <filesystem>
#include <functional>
#include <optional>
#include <string_view>

#include "core/file_access.h"

namespace beditor {

// Team/<team>.txt, or nothing for a team that gets no file: a name that cannot name one
// (IsPlainFileName), the empty name among them. The name is UTF-8.
std::optional<std::filesystem::path> TeamFilePath(const std::filesystem::path& programFolder, std::string_view team);

// The team's file when it ought to be there and is not.
std::optional<std::filesystem::path> MissingTeamFile(const std::filesystem::path& programFolder, std::string_view team);

// Calls `each` with the team of every entry of the Team folder whose name ends in ".txt",
// its letters in any case, without that ending: the same teams on every system, as the
// roster counts them. A folder that is missing, or cannot be listed to its end, gives the
// names listed before the failure (none for a missing one): a team list is never refused.
void ForEachTeamName(const std::filesystem::path& teamFolder, const std::function<void(NativeName team)>& each);

// Writes a new team file: three lines "0". Throws FileCreateError or StreamWriteError.
void WriteNewTeamFile(const std::filesystem::path& path);

}  // namespace beditor
