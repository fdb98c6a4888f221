#pragma once
// The names the team list offers.
#include <QStringList>
#include <filesystem>

namespace beditor {

// The team of every file of the Team folder (ForEachTeamName: a name ending in ".txt" in any
// case, folders and hidden entries included), in the order the system lists them. A missing
// folder gives no names.
QStringList TeamNames(const std::filesystem::path& teamFolder);

}  // namespace beditor
