#pragma once
// Peak memory of one piece of work, measured in a fresh process so that memory freed by
// earlier benchmarks and kept by the allocator cannot hide it.
#include <filesystem>
#include <functional>
#include <string>

namespace beditor::bench {

using PeakTask = std::function<void(const std::filesystem::path& input)>;

// Names a task that PeakGrowth can run in a child process.
void AddPeakTask(const std::string& name, PeakTask task);

// Runs the named task on `input` in a child process (this executable, started again) and
// returns how far its resident memory rose above where it stood just before, in bytes.
// Returns a negative value when the child could not measure.
double PeakGrowth(const std::string& task, const std::filesystem::path& input);

// The child's side: when the arguments ask for a task, runs it, prints the growth on
// standard output and returns true.
bool RunPeakTaskIfAsked(int argc, char** argv);

}  // namespace beditor::bench
