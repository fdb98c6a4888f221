// The team list over a Team folder of 10,000 files against a bare opendir/readdir listing.
#include <dirent.h>

#include <QComboBox>
#include <fstream>
#include <stdexcept>

#include "bench_registry.h"
#include "comparison.h"
#include "editor/single_line_edit.h"
#include "editor/team_names.h"
#include "sample_files.h"

namespace beditor::bench {
namespace {

constexpr int kTeamCount = 10'000;
constexpr double kMaxTimeRatio = 1.2;

const std::filesystem::path& TeamFolder() {
  static const std::filesystem::path folder = [] {
    const auto path = WorkFolder() / "Team";
    std::filesystem::create_directory(path);
    for (int i = 0; i < kTeamCount; ++i)
      std::ofstream(path / ("Team " + std::to_string(i) + " Gym.txt"));
    return path;
  }();
  return folder;
}

std::size_t CountEntries(const std::filesystem::path& folder) {
  DIR* listing = ::opendir(folder.c_str());
  if (!listing) throw std::runtime_error("cannot list " + folder.string());
  std::size_t count = 0;
  while (const dirent* entry = ::readdir(listing)) {
    benchmark::DoNotOptimize(entry->d_name);
    ++count;
  }
  ::closedir(listing);
  return count;
}

// The team box as the editor window builds it, filled as LoadTeams fills it.
void FillTeamBox(const QStringList& teams) {
  QComboBox box;
  box.setEditable(true);
  box.setLineEdit(new SingleLineEdit(&box));
  box.setInsertPolicy(QComboBox::NoInsert);
  box.clear();
  box.addItems(teams);
  box.setCurrentIndex(-1);
  benchmark::DoNotOptimize(box.count());
}

}  // namespace

void RegisterTeamListBenchmarks() {
  const std::string name = "TeamList/" + std::to_string(kTeamCount);
  // The folder is made before the first timing starts.
  AddBenchmark(name + "/readdir", [](benchmark::State& state) {
    const auto& folder = TeamFolder();
    for (auto _ : state) benchmark::DoNotOptimize(CountEntries(folder));
  });
  AddBenchmark(name + "/TeamNames", [](benchmark::State& state) {
    const auto& folder = TeamFolder();
    for (auto _ : state) benchmark::DoNotOptimize(TeamNames(folder));
  });
  AddBenchmark(name + "/TeamNames+box", [](benchmark::State& state) {
    const auto& folder = TeamFolder();
    for (auto _ : state) FillTeamBox(TeamNames(folder));
  });
  AddBenchmark(name + "/box", [](benchmark::State& state) {
    const QStringList teams = TeamNames(TeamFolder());
    for (auto _ : state) FillTeamBox(teams);
  });
  AddComparison(
      {"Team names (10,000) vs readdir", name + "/readdir", name + "/TeamNames", kMaxTimeRatio});
  AddComparison({"Team names + box vs readdir", name + "/readdir", name + "/TeamNames+box"});
  AddComparison({"Team box fill alone vs readdir", name + "/readdir", name + "/box"});
}

}  // namespace beditor::bench
