// Roster updates on two generated program folders of 10,000 fighters each, the second an
// update of the first in which 1,000 fighters differ (200 moved to another category, 300 new,
// 500 with a changed field): `diff` and `merge --dry-run` against two raw read passes over both
// folders, the least any comparison of them must do.
// Usage: roster_update_benchmarks [Google Benchmark options]
#include <iostream>
#include <sstream>

#include "comparison.h"
#include "generated_roster.h"
#include "read_pass.h"
#include "roster_tool/command_line.h"

namespace beditor::bench {
namespace {

constexpr int kFighters = kUpdatedFighters;
constexpr double kMaxRatio = 2.5;

std::string Mine() { return Roster(kFighters).folder.string(); }

int RunTool(const std::vector<std::string>& arguments, std::string* out = nullptr) {
  std::ostringstream output;
  std::ostringstream err;
  const int code = roster::RunRosterTool(arguments, {output, err, false});
  if (out) *out = output.str();
  return code;
}

void RegisterUpdateBenchmarks() {
  AddBenchmark("Update/ReadPassTwiceBothFolders", [](benchmark::State& state) {
    const auto& mine = Roster(kFighters).folder;
    const auto& update = RosterUpdate();
    for (auto _ : state)
      for (int pass = 0; pass < 2; ++pass) {
        benchmark::DoNotOptimize(ReadPass(mine));
        benchmark::DoNotOptimize(ReadPass(update));
      }
  });
  AddBenchmark("Update/diff", [](benchmark::State& state) {
    const std::vector<std::string> arguments = {"--folder", Mine(), "diff", RosterUpdate().string()};
    for (auto _ : state) {
      std::string out;
      if (RunTool(arguments, &out) != 1) state.SkipWithError("diff found no differences");
      // 200 moved, 300 new, 500 changed (200 of the moved with their category changed too).
      if (out.find("1000 fighters differ: 300 new, 0 only here, 200 moved, 700 changed") == std::string::npos)
        state.SkipWithError(("unexpected differences: " + out.substr(out.rfind('\n', out.size() - 2))).c_str());
    }
  });
  AddBenchmark("Update/merge --dry-run", [](benchmark::State& state) {
    const std::vector<std::string> arguments = {"--folder", Mine(), "merge", RosterUpdate().string(), "--dry-run"};
    for (auto _ : state)
      if (RunTool(arguments) != 0) state.SkipWithError("merge --dry-run failed");
  });
  AddComparison({"diff, 10,000 fighters each, 1,000 differ", "Update/ReadPassTwiceBothFolders", "Update/diff",
                 kMaxRatio});
  AddComparison({"merge --dry-run, the same", "Update/ReadPassTwiceBothFolders", "Update/merge --dry-run",
                 kMaxRatio});
}

}  // namespace
}  // namespace beditor::bench

int main(int argc, char** argv) {
  using namespace beditor::bench;
  RegisterUpdateBenchmarks();
  if (!InitializeBenchmarks(argc, argv)) return 1;
  ComparisonReporter reporter;
  benchmark::RunSpecifiedBenchmarks(&reporter);
  reporter.PrintSummary(std::cout);
  benchmark::Shutdown();
  return 0;
}
