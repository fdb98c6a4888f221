// The roster tool on a generated roster of 10,000 fighters: `check` against one pass that
// opens, reads and closes every fighter file, `export` against such a pass and the atomic
// replace of a file of its CSV's size, `import` of 100 edited rows against two such passes and
// the atomic replace of those 100 files, the peak memory of `export`; and the workbook
// (.xlsx) export and import against the CSV's, side by side.
// Usage: roster_benchmarks [Google Benchmark options]
#include <sys/wait.h>
#include <unistd.h>

#include <cstdio>
#include <cstring>
#include <fstream>
#include <iostream>
#include <sstream>
#include <stdexcept>
#include <vector>

#include "comparison.h"
#include "core/csv.h"
#include "core/file_access.h"
#include "generated_roster.h"
#include "read_pass.h"
#include "roster_tool/command_line.h"
#include "roster_workbook/workbook_writer.h"

namespace beditor::bench {
namespace {

constexpr int kFighters = 10'000;
constexpr int kEditedRows = 100;
constexpr double kMaxCheckExportRatio = 1.5;
constexpr double kMaxExportPeakMegabytes = 64;
constexpr double kMaxWorkbookCsvRatio = 2.0;

struct ToolRun {
  int code;
  std::string out;
  std::string err;
};

ToolRun RunTool(const std::vector<std::string>& arguments) {
  std::ostringstream out;
  std::ostringstream err;
  const int code = roster::RunRosterTool(arguments, {out, err, false});
  return {code, out.str(), err.str()};
}

std::string Folder() { return Roster(kFighters).folder.string(); }

// Two CSV files that each set the punches of the same 100 fighters, to different values:
// imported in turn, each writes exactly those 100 files.
const std::array<std::filesystem::path, 2>& EditedCsvFiles() {
  static const std::array<std::filesystem::path, 2> files = [] {
    const auto exported = Roster(kFighters).folder.parent_path() / "exported.csv";
    RunTool({"--folder", Folder(), "export", "-o", exported.string()});
    auto records = ReadCsvFile(ReadWholeFile(exported), "exported.csv").records;
    const std::size_t punches = 16;  // file, the 15 cells before the abilities
    if (records.front().cells[punches] != "punches") throw std::runtime_error("unexpected columns");
    std::array<std::filesystem::path, 2> paths;
    for (int which = 0; which < 2; ++which) {
      std::string text(kUtf8ByteOrderMark);
      for (std::size_t row = 0; row < records.size(); ++row) {
        auto cells = records[row].cells;
        if (row > 0 && row % (kFighters / kEditedRows) == 0) cells[punches].assign(1, which == 0 ? '3' : '4');
        text += WriteCsvRecord(cells, ',');
      }
      paths[static_cast<std::size_t>(which)] =
          Roster(kFighters).folder.parent_path() / ("edited-" + std::to_string(which) + ".csv");
      ReplaceFileContents(paths[static_cast<std::size_t>(which)], text);
    }
    // The roster starts as the first file has it.
    RunTool({"--folder", Folder(), "import", paths[0].string()});
    return paths;
  }();
  return files;
}

// The edited CSV files as workbooks, the same rows and cells.
const std::array<std::filesystem::path, 2>& EditedWorkbooks() {
  static const std::array<std::filesystem::path, 2> files = [] {
    std::array<std::filesystem::path, 2> paths;
    for (std::size_t which = 0; which < 2; ++which) {
      const auto records = ReadCsvFile(ReadWholeFile(EditedCsvFiles()[which]), "edited").records;
      roster::RosterWorkbookWriter workbook;
      for (std::size_t row = 1; row < records.size(); ++row) {
        for (const std::string& cell : records[row].cells) workbook.Cell(cell);
        workbook.EndRow();
      }
      paths[which] = Roster(kFighters).folder.parent_path() / ("edited-" + std::to_string(which) + ".xlsx");
      ReplaceFileContents(paths[which], workbook.Finish());
    }
    return paths;
  }();
  return files;
}

// Which edited file the next import takes, CSV or workbook: the roster holds what the last
// import wrote, across benchmarks and repetitions.
std::size_t nextEdit = 1;

// The files the edited rows name, as the import writes them.
std::vector<std::filesystem::path> EditedFiles() {
  std::vector<std::filesystem::path> files;
  const auto records = ReadCsvFile(ReadWholeFile(EditedCsvFiles()[0]), "edited").records;
  for (std::size_t row = kFighters / kEditedRows; row < records.size(); row += kFighters / kEditedRows)
    files.push_back(Roster(kFighters).folder / "Fighters" / records[row].cells[0]);
  return files;
}

void RegisterRosterBenchmarks() {
  AddBenchmark("Roster/ReadPass", [](benchmark::State& state) {
    const auto folder = Roster(kFighters).folder;
    for (auto _ : state) benchmark::DoNotOptimize(ReadPass(folder));
  });
  AddBenchmark("Roster/check", [](benchmark::State& state) {
    const std::vector<std::string> arguments = {"--folder", Folder(), "check"};
    for (auto _ : state) {
      const ToolRun run = RunTool(arguments);
      if (run.code != 0) state.SkipWithError(("check found errors: " + run.out.substr(0, 200)).c_str());
    }
  });
  // What the export must do at least: read every fighter, then replace its output file with
  // bytes of the CSV's size as a save replaces a file (written, flushed, moved over the old).
  AddBenchmark("Roster/ReadPassAndReplaceCsv", [](benchmark::State& state) {
    const auto folder = Roster(kFighters).folder;
    const auto output = folder.parent_path() / "baseline.csv";
    RunTool({"--folder", Folder(), "export", "-o", output.string()});
    const std::string bytes = ReadWholeFile(output);
    for (auto _ : state) {
      benchmark::DoNotOptimize(ReadPass(folder));
      ReplaceFileContents(output, bytes);
    }
  });
  AddBenchmark("Roster/export", [](benchmark::State& state) {
    const std::string output = (Roster(kFighters).folder.parent_path() / "export.csv").string();
    const std::vector<std::string> arguments = {"--folder", Folder(), "export", "-o", output};
    for (auto _ : state)
      if (RunTool(arguments).code != 0) state.SkipWithError("export failed");
  });
  AddBenchmark("Roster/ReadPassTwiceAndWrite100", [](benchmark::State& state) {
    const auto folder = Roster(kFighters).folder;
    const auto files = EditedFiles();
    std::vector<std::string> contents;
    for (const auto& file : files) contents.push_back(ReadWholeFile(file));
    for (auto _ : state) {
      benchmark::DoNotOptimize(ReadPass(folder));
      benchmark::DoNotOptimize(ReadPass(folder));
      for (std::size_t i = 0; i < files.size(); ++i) ReplaceFileContents(files[i], contents[i]);
    }
  });
  const auto importEdited = [](benchmark::State& state, const std::array<std::filesystem::path, 2>& edited) {
    const std::string expected = std::to_string(kEditedRows) + " changed, 0 moved, 0 created, " +
                                 std::to_string(kFighters - kEditedRows) + " unchanged\n";
    for (auto _ : state) {
      const ToolRun run = RunTool({"--folder", Folder(), "import", edited[nextEdit].string()});
      nextEdit = 1 - nextEdit;
      if (run.code != 0 || !run.out.ends_with(expected))
        state.SkipWithError(("import did not write exactly 100 files: " + run.err.substr(0, 200)).c_str());
    }
  };
  AddBenchmark("Roster/import100", [importEdited](benchmark::State& state) { importEdited(state, EditedCsvFiles()); });
  AddBenchmark("Roster/export.xlsx", [](benchmark::State& state) {
    const std::string output = (Roster(kFighters).folder.parent_path() / "export.xlsx").string();
    const std::vector<std::string> arguments = {"--folder", Folder(), "export", "-o", output};
    for (auto _ : state)
      if (RunTool(arguments).code != 0) state.SkipWithError("export failed");
  });
  AddBenchmark("Roster/import100.xlsx", [importEdited](benchmark::State& state) {
    EditedCsvFiles();
    importEdited(state, EditedWorkbooks());
  });
  AddComparison({"check, 10,000 fighters", "Roster/ReadPass", "Roster/check", kMaxCheckExportRatio});
  AddComparison({"export, 10,000 fighters", "Roster/ReadPassAndReplaceCsv", "Roster/export", kMaxCheckExportRatio});
  AddComparison({"import, 100 of 10,000 rows edited", "Roster/ReadPassTwiceAndWrite100", "Roster/import100", 1.0});
  AddComparison({"export to .xlsx against CSV, 10,000 fighters", "Roster/export", "Roster/export.xlsx",
                 kMaxWorkbookCsvRatio});
  AddComparison({"import of .xlsx against CSV, 100 of 10,000 rows edited", "Roster/import100", "Roster/import100.xlsx",
                 kMaxWorkbookCsvRatio});
}

// A "Vm…:  123 kB" line of /proc/self/status, in bytes; -1 when missing.
double StatusBytes(const char* key) {
  std::ifstream status("/proc/self/status");
  std::string line;
  const std::size_t length = std::strlen(key);
  while (std::getline(status, line))
    if (line.compare(0, length, key) == 0 && line.size() > length && line[length] == ':')
      return std::stod(line.substr(length + 1)) * 1024;
  return -1;
}

// How far the resident memory of a child process rises while it exports the roster.
double ExportPeakGrowth() {
  const std::string folder = Folder();
  const std::string output = (Roster(kFighters).folder.parent_path() / "peak.csv").string();
  int pipe[2];
  if (::pipe(pipe) != 0) return -1;
  const pid_t child = ::fork();
  if (child == 0) {
    ::close(pipe[0]);
    // Writing 5 to clear_refs resets the peak (VmHWM) to the present resident size.
    std::ofstream("/proc/self/clear_refs") << "5";
    const double before = StatusBytes("VmRSS");
    RunTool({"--folder", folder, "export", "-o", output});
    const double growth = StatusBytes("VmHWM") - before;
    [[maybe_unused]] const auto written = ::write(pipe[1], &growth, sizeof growth);
    ::_exit(0);
  }
  ::close(pipe[1]);
  double growth = -1;
  if (::read(pipe[0], &growth, sizeof growth) != sizeof growth) growth = -1;
  ::close(pipe[0]);
  ::waitpid(child, nullptr, 0);
  return growth;
}

}  // namespace
}  // namespace beditor::bench

int main(int argc, char** argv) {
  using namespace beditor::bench;
  RegisterRosterBenchmarks();
  if (!InitializeBenchmarks(argc, argv)) return 1;

  const auto& roster = Roster(kFighters);
  std::cout << "Roster: " << roster.files.size() << " fighter files, " << roster.bytes / 1024 << " KB\n";
  ComparisonReporter reporter;
  benchmark::RunSpecifiedBenchmarks(&reporter);
  reporter.PrintSummary(std::cout);
  const double peak = ExportPeakGrowth();
  char line[160];
  std::snprintf(line, sizeof line, "export peak memory growth: %.1f MB (target <= %.0f MB): %s\n", peak / (1024 * 1024),
                kMaxExportPeakMegabytes, peak >= 0 && peak <= kMaxExportPeakMegabytes * 1024 * 1024 ? "met" : "MISSED");
  std::cout << line;
  benchmark::Shutdown();
  return 0;
}
