#pragma once
// A generated program folder with a roster of many fighters, for the roster tool's benchmarks.
#include <filesystem>
#include <string>
#include <vector>

namespace beditor::bench {

struct GeneratedRoster {
  std::filesystem::path folder;  // the program folder
  std::vector<std::filesystem::path> files;
  std::size_t bytes = 0;  // of all fighter files
};

// Made on first use in a temporary folder that is removed at exit: `count` fighters spread
// over the TAV category folders, each laid out as the editor saves one, with team files.
const GeneratedRoster& Roster(int count);

// A roster update of Roster(kUpdatedFighters) in a program folder of its own, made on first use:
// kUpdateMoved fighters moved one category folder on, kUpdateNew new ones and kUpdateChanged
// with another punches value.
constexpr int kUpdatedFighters = 10'000;
constexpr int kUpdateMoved = 200, kUpdateNew = 300, kUpdateChanged = 500;
const std::filesystem::path& RosterUpdate();
// Where RosterUpdate puts the update of the roster in `rosterFolder` (for a child process,
// which finds it without making it again).
std::filesystem::path UpdateBeside(const std::filesystem::path& rosterFolder);

}  // namespace beditor::bench
