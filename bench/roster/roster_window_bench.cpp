// The roster window on a generated roster of 10,000 fighters, against the roster tool on the
// same folder: opening the window to its first painted table against `check`, sorting the
// table by Overall against a bare sort of the same 10,000 figures, showing a roster update in
// which 1,000 fighters differ against the opening, and the memory the loaded window takes
// beyond an empty one, without and with the update shown.
// Usage: roster_window_benchmarks [Google Benchmark options]
#include <QApplication>
#include <QEventLoop>
#include <QHeaderView>
#include <QTableView>
#include <algorithm>
#include <cstdio>
#include <iostream>
#include <sstream>

#include "comparison.h"
#include "qt_adapters/dialogs.h"
#include "generated_roster.h"
#include "peak_memory.h"
#include "roster_tool/command_line.h"
#include "roster_window/roster_filter_model.h"
#include "roster_window/roster_table_model.h"
#include "roster_window/roster_window.h"

namespace beditor::bench {
namespace {

constexpr int kFighters = 10'000;
constexpr double kMaxOpenToCheckRatio = 2.0;
constexpr double kMaxSortMilliseconds = 100;
constexpr double kMaxMemoryMegabytes = 64;
constexpr double kMaxUpdateToOpenRatio = 1.5;

// Boxes are not expected: a benchmark that shows one has gone wrong.
class NoDialogs : public Dialogs {
 public:
  int ShowSystemMessage(const QString& text, const QString&, unsigned) override {
    std::cerr << "unexpected box: " << text.toStdString() << '\n';
    return 1;
  }
  void ShowPlainMessage(const QString& text) override { std::cerr << "unexpected box: " << text.toStdString() << '\n'; }
  std::optional<FileDialogAnswer> GetOpenFileName(const FileDialogRequest&) override { return std::nullopt; }
  std::optional<FileDialogAnswer> GetSaveFileName(const FileDialogRequest&) override { return std::nullopt; }
  std::optional<QString> GetExistingFolder(const QString&, const QString&) override { return std::nullopt; }
};

// Opens the window on the folder as the program does and returns once the whole roster is
// in the table and the table has been painted.
std::unique_ptr<RosterWindow> OpenWindow(const std::filesystem::path& folder, Dialogs& dialogs) {
  auto window = std::make_unique<RosterWindow>(folder, record::Game::TAV, dialogs);
  window->show();
  QEventLoop loop;
  QObject::connect(window.get(), &RosterWindow::Loaded, &loop, &QEventLoop::quit);
  window->StartLoading();
  if (window->Loading()) loop.exec();
  window->repaint();  // painted now, not at the event loop's leisure
  return window;
}

// Shows the update as the window's edits, as File → "Take a roster update…" does once the
// folder is picked, and paints the table.
bool ShowUpdate(RosterWindow& window, const std::filesystem::path& update) {
  const bool shown = window.Model().TakeUpdate(update).shown;
  window.repaint();
  return shown;
}

// A child process's task: the toolkit started, the window opened, the update shown if asked.
void PeakOfWindow(const std::filesystem::path& folder, bool withUpdate) {
  int argc = 1;
  char name[] = "roster_window_benchmarks";
  char* argv[] = {name, nullptr};
  QApplication application(argc, argv);
  NoDialogs dialogs;
  auto window = OpenWindow(folder, dialogs);
  if (withUpdate && !ShowUpdate(*window, UpdateBeside(folder))) std::cerr << "update refused\n";
}

void RegisterBenchmarks() {
  AddBenchmark("RosterWindow/check", [](benchmark::State& state) {
    const std::vector<std::string> arguments = {"--folder", Roster(kFighters).folder.string(), "check"};
    for (auto _ : state) {
      std::ostringstream out, err;
      if (roster::RunRosterTool(arguments, {out, err, false}) != 0) state.SkipWithError("check found errors");
    }
  });
  AddBenchmark("RosterWindow/OpenToFirstPaint", [](benchmark::State& state) {
    NoDialogs dialogs;
    const auto folder = Roster(kFighters).folder;
    for (auto _ : state) {
      auto window = OpenWindow(folder, dialogs);
      if (window->Model().rowCount() != kFighters) state.SkipWithError("not every fighter was read");
      state.PauseTiming();
      window.reset();
      state.ResumeTiming();
    }
  });
  // The window's sort is measured on the loaded table, alternating the order so that each
  // iteration sorts.
  AddBenchmark("RosterWindow/SortOverallBare", [](benchmark::State& state) {
    std::vector<std::pair<int, int>> figures;
    for (int row = 0; row < kFighters; ++row) figures.emplace_back((row * 7919) % 101, row);
    for (auto _ : state) {
      auto copy = figures;
      std::stable_sort(copy.begin(), copy.end());
      benchmark::DoNotOptimize(copy.data());
    }
  });
  AddBenchmark("RosterWindow/SortByOverall", [](benchmark::State& state) {
    NoDialogs dialogs;
    auto window = OpenWindow(Roster(kFighters).folder, dialogs);
    const int overall = RosterTableModel::kFirstRatingColumn + 5;
    bool descending = false;
    for (auto _ : state) {
      window->Table().sortByColumn(overall, descending ? Qt::DescendingOrder : Qt::AscendingOrder);
      descending = !descending;
      window->repaint();
    }
  });
  AddBenchmark("RosterWindow/ShowUpdate", [](benchmark::State& state) {
    NoDialogs dialogs;
    const auto folder = Roster(kFighters).folder;
    const auto& update = RosterUpdate();
    for (auto _ : state) {
      state.PauseTiming();
      auto window = OpenWindow(folder, dialogs);
      state.ResumeTiming();
      if (!ShowUpdate(*window, update)) state.SkipWithError("the update was refused");
      state.PauseTiming();
      if (window->Model().FighterCount() != kFighters + kUpdateNew) state.SkipWithError("new fighters missing");
      window.reset();
      state.ResumeTiming();
    }
  });
  AddComparison({"open window, 10,000 fighters", "RosterWindow/check", "RosterWindow/OpenToFirstPaint",
                 kMaxOpenToCheckRatio});
  AddComparison({"show an update, 1,000 of 10,000 differ", "RosterWindow/OpenToFirstPaint",
                 "RosterWindow/ShowUpdate", kMaxUpdateToOpenRatio});
  AddComparison({"sort by Overall", "RosterWindow/SortOverallBare", "RosterWindow/SortByOverall", 0});

  // Peak memory of a window on the folder, from before the toolkit starts to the painted table,
  // and the same with the update shown (the roster's sibling folder).
  AddPeakTask("window", [](const std::filesystem::path& folder) { PeakOfWindow(folder, false); });
  AddPeakTask("window with update", [](const std::filesystem::path& folder) { PeakOfWindow(folder, true); });
}

}  // namespace
}  // namespace beditor::bench

int main(int argc, char** argv) {
  using namespace beditor::bench;
  if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
  RegisterBenchmarks();
  if (RunPeakTaskIfAsked(argc, argv)) return 0;
  QApplication application(argc, argv);
  if (!InitializeBenchmarks(argc, argv)) return 1;

  const auto& roster = Roster(kFighters);
  std::cout << "Roster: " << roster.files.size() << " fighter files, " << roster.bytes / 1024 << " KB\n";
  ComparisonReporter reporter;
  benchmark::RunSpecifiedBenchmarks(&reporter);
  reporter.PrintSummary(std::cout);

  char line[200];
  const double sortSeconds = reporter.Seconds("RosterWindow/SortByOverall");
  if (sortSeconds > 0) {
    std::snprintf(line, sizeof line, "sort by Overall: %.1f ms (target < %.0f ms): %s\n", sortSeconds * 1000,
                  kMaxSortMilliseconds, sortSeconds * 1000 < kMaxSortMilliseconds ? "met" : "MISSED");
    std::cout << line;
  }
  const double empty = PeakGrowth("window", Roster(0).folder);
  const double full = PeakGrowth("window", roster.folder);
  const double extra = (full - empty) / (1024 * 1024);
  std::snprintf(line, sizeof line,
                "window memory: empty roster %.1f MB, 10,000 fighters %.1f MB, %.1f MB more (target <= %.0f MB): %s\n",
                empty / (1024 * 1024), full / (1024 * 1024), extra, kMaxMemoryMegabytes,
                empty >= 0 && full >= 0 && extra <= kMaxMemoryMegabytes ? "met" : "MISSED");
  std::cout << line;
  // Both rosters held by the window take at most what two windows, one on each, would.
  RosterUpdate();  // made here, found by the child
  const double withUpdate = PeakGrowth("window with update", roster.folder);
  const double bothRosters = 2 * (full - empty);
  std::snprintf(line, sizeof line,
                "window memory with the update shown: %.1f MB more than empty (target <= %.1f MB, twice the "
                "roster's own): %s\n",
                (withUpdate - empty) / (1024 * 1024), bothRosters / (1024 * 1024),
                withUpdate >= 0 && withUpdate - empty <= bothRosters ? "met" : "MISSED");
  std::cout << line;
  benchmark::Shutdown();
  return 0;
}
