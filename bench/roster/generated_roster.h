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

}  // namespace beditor::bench
