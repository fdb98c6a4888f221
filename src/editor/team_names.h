#pragma once
// The names the team list offers.
#include <QStringList>
#include <filesystem>

namespace beditor {

// Every entry of the Team folder whose name matches "*.txt", folders and hidden entries
// included, in the order the system lists them, each without its last four characters.
// A missing folder gives no names.
QStringList TeamNames(const std::filesystem::path& teamFolder);

}  // namespace beditor
