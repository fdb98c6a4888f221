// Roster updates on two generated program folders of 10,000 fighters each, the second an
// update of the first in which 1,000 fighters differ (200 moved to another category, 300 new,
// 500 with a changed field): `diff` and `merge --dry-run` against two raw read passes over both
// folders, the least any comparison of them must do.
// Usage: roster_update_benchmarks [Google Benchmark options]
#include <iostream>
#include <sstream>
#include <stdexcept>

#include "comparison.h"
#include "core/fighter_layout.h"
#include "core/fighter_record.h"
#include "core/file_access.h"
#include "generated_roster.h"
#include "read_pass.h"
#include "roster_tool/command_line.h"

namespace beditor::bench {
namespace {

constexpr int kFighters = 10'000;
constexpr int kMoved = 200, kNew = 300, kChanged = 500;
constexpr double kMaxRatio = 2.5;

std::string Mine() { return Roster(kFighters).folder.string(); }

// The generated fighter's file, in its category folder.
std::filesystem::path FighterFile(const std::filesystem::path& folder, int number) {
  const auto& folders = record::kTavFolders;
  return folder / "Fighters" / folders[static_cast<std::size_t>(number) % folders.size()] /
         ("Fighter " + std::to_string(number) + ".txt");
}

std::string WithLine(std::string bytes, int line, const std::string& text) {
  std::size_t start = 0;
  for (int i = 0; i < line; ++i) start = bytes.find("\r\n", start) + 2;
  return bytes.replace(start, bytes.find("\r\n", start) - start, text);
}

// A copy of the roster with the update's differences, made once.
const std::filesystem::path& Update() {
  static const std::filesystem::path update = [] {
    const auto& mine = Roster(kFighters).folder;
    const auto folder = mine.parent_path() / "update";
    std::filesystem::copy(mine, folder, std::filesystem::copy_options::recursive);
    const auto& folders = record::kTavFolders;
    const int count = static_cast<int>(folders.size());
    for (int i = 0; i < kMoved; ++i) {
      const int number = i * 7;  // any category: moved one folder on
      const int category = (number % count + 1) % count;
      const auto from = FighterFile(folder, number);
      const auto to = folder / "Fighters" / folders[static_cast<std::size_t>(category)] / from.filename();
      ReplaceFileContents(to, WithLine(ReadWholeFile(from), record::kWeightCategory, std::to_string(category - 1)));
      std::filesystem::remove(from);
    }
    for (int i = 0; i < kChanged; ++i) {
      const auto file = FighterFile(folder, 5000 + i * 7);
      const std::string bytes = ReadWholeFile(file);
      // Another punches value than the fighter's own.
      ReplaceFileContents(file, WithLine(bytes, 0, bytes.starts_with("20\r\n") ? "19" : "20"));
    }
    for (int i = 0; i < kNew; ++i) {
      const int number = kFighters + i;
      const auto file = FighterFile(folder, number);
      std::string bytes = ReadWholeFile(FighterFile(folder, 9000 + i));
      bytes = WithLine(WithLine(bytes, 17, "Fighter " + std::to_string(number)), 26, std::to_string(100000 + number));
      ReplaceFileContents(file, WithLine(bytes, record::kWeightCategory,
                                         std::to_string(number % count - 1)));
    }
    return folder;
  }();
  return update;
}

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
    const auto& update = Update();
    for (auto _ : state)
      for (int pass = 0; pass < 2; ++pass) {
        benchmark::DoNotOptimize(ReadPass(mine));
        benchmark::DoNotOptimize(ReadPass(update));
      }
  });
  AddBenchmark("Update/diff", [](benchmark::State& state) {
    const std::vector<std::string> arguments = {"--folder", Mine(), "diff", Update().string()};
    for (auto _ : state) {
      std::string out;
      if (RunTool(arguments, &out) != 1) state.SkipWithError("diff found no differences");
      // 200 moved, 300 new, 500 changed (200 of the moved with their category changed too).
      if (out.find("1000 fighters differ: 300 new, 0 only here, 200 moved, 700 changed") == std::string::npos)
        state.SkipWithError(("unexpected differences: " + out.substr(out.rfind('\n', out.size() - 2))).c_str());
    }
  });
  AddBenchmark("Update/merge --dry-run", [](benchmark::State& state) {
    const std::vector<std::string> arguments = {"--folder", Mine(), "merge", Update().string(), "--dry-run"};
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
