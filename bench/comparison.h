#pragma once
// Pairs of benchmarks, the program's code against a bare baseline measured in the same run,
// and the reporter that prints their ratios once every benchmark has run.
#include <benchmark/benchmark.h>

#include <functional>
#include <map>
#include <ostream>
#include <string>
#include <vector>

namespace beditor::bench {

// Counter holding a peak memory figure as a multiple of the input size; shown in the summary.
inline constexpr const char* kPeakCounter = "peak_x_size";

struct Comparison {
  std::string label;
  std::string baseline;  // benchmark names
  std::string program;
  double maxTimeRatio = 0;  // target for program time / baseline time; 0: none
  double maxPeak = 0;       // target for the program's kPeakCounter; 0: none
};

// Registers a benchmark measured in wall-clock time (files, fsync and painting all count).
benchmark::internal::Benchmark* AddBenchmark(const std::string& name,
                                             std::function<void(benchmark::State&)> body);

void AddComparison(Comparison comparison);

// Minor page faults of this process so far. Fresh pages cost microseconds each, so whether
// a benchmark's buffers come from fresh pages or from memory the allocator kept explains
// much of its time.
double MinorPageFaults();

// Sets the "page_faults" counter: faults per iteration since `before`.
void CountPageFaults(benchmark::State& state, double before);

// Shows the runs as the console reporter does and keeps each benchmark's median (or only)
// wall time and counters for the summary.
class ComparisonReporter : public benchmark::ConsoleReporter {
 public:
  void ReportRuns(const std::vector<Run>& runs) override;

  // One line per comparison: both times, the ratios, the target and whether it was met.
  void PrintSummary(std::ostream& out) const;

  // The benchmark's median (or only) wall time in seconds; 0 when it did not run.
  double Seconds(const std::string& name) const {
    const auto found = results_.find(name);
    return found == results_.end() ? 0 : found->second.seconds;
  }

 private:
  struct Result {
    double seconds = 0;
    std::map<std::string, double> counters;
  };
  std::map<std::string, Result> results_;
};

// Google Benchmark's own start, with five repetitions a benchmark and only their aggregates
// shown unless the command line says otherwise: the machine is shared, so the summary uses
// medians. False when the command line holds an argument it does not know.
bool InitializeBenchmarks(int argc, char** argv);

}  // namespace beditor::bench
