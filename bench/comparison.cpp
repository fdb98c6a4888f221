#include "comparison.h"

#include <sys/resource.h>

#include <cstdio>
#include <cstring>

namespace beditor::bench {
namespace {

std::vector<Comparison>& Comparisons() {
  static std::vector<Comparison> comparisons;
  return comparisons;
}

std::string FormatSeconds(double seconds) {
  const char* unit = "s";
  if (seconds < 1e-3) {
    seconds *= 1e6;
    unit = "us";
  } else if (seconds < 1) {
    seconds *= 1e3;
    unit = "ms";
  }
  char text[32];
  std::snprintf(text, sizeof text, "%.1f %s", seconds, unit);
  return text;
}

std::string FormatNumber(const char* format, double value) {
  char text[32];
  std::snprintf(text, sizeof text, format, value);
  return text;
}

}  // namespace

benchmark::internal::Benchmark* AddBenchmark(const std::string& name,
                                             std::function<void(benchmark::State&)> body) {
  return benchmark::RegisterBenchmark(name.c_str(),
                                      [body](benchmark::State& state) { body(state); })
      ->UseRealTime()
      ->Unit(benchmark::kMicrosecond);
}

void AddComparison(Comparison comparison) { Comparisons().push_back(std::move(comparison)); }

double MinorPageFaults() {
  rusage usage{};
  ::getrusage(RUSAGE_SELF, &usage);
  return static_cast<double>(usage.ru_minflt);
}

void CountPageFaults(benchmark::State& state, double before) {
  state.counters["page_faults"] =
      (MinorPageFaults() - before) / static_cast<double>(state.iterations());
}

void ComparisonReporter::ReportRuns(const std::vector<Run>& runs) {
  ConsoleReporter::ReportRuns(runs);
  for (const Run& run : runs) {
    if (run.error_occurred) continue;
    const bool median = run.run_type == Run::RT_Aggregate && run.aggregate_name == "median";
    const bool single = run.run_type == Run::RT_Iteration && run.repetitions <= 1;
    if (!median && !single) continue;
    Result& result = results_[run.run_name.function_name];
    result.seconds = run.GetAdjustedRealTime() / benchmark::GetTimeUnitMultiplier(run.time_unit);
    for (const auto& [name, counter] : run.counters) result.counters[name] = counter.value;
  }
}

void ComparisonReporter::PrintSummary(std::ostream& out) const {
  int targets = 0;
  int missed = 0;
  char line[256];
  std::snprintf(line, sizeof line, "\n%-34s %11s %11s %8s %8s %-26s %13s  %s\n", "Comparison",
                "baseline", "program", "time x", "speed x", "target", "peak x", "result");
  out << line;
  for (const Comparison& comparison : Comparisons()) {
    const auto baseline = results_.find(comparison.baseline);
    const auto program = results_.find(comparison.program);
    if (baseline == results_.end() || program == results_.end()) continue;  // filtered out

    const double timeRatio = program->second.seconds / baseline->second.seconds;
    std::string target = "-";
    bool met = true;
    if (comparison.maxTimeRatio > 0) {
      target = FormatNumber("time <= %.2f", comparison.maxTimeRatio);
      met = timeRatio <= comparison.maxTimeRatio;
    }
    std::string peak = "-";
    if (const auto counter = program->second.counters.find(kPeakCounter);
        counter != program->second.counters.end()) {
      peak = FormatNumber("%.2f", counter->second);
      if (const auto bare = baseline->second.counters.find(kPeakCounter);
          bare != baseline->second.counters.end())
        peak += FormatNumber(" (%.2f)", bare->second);
      if (comparison.maxPeak > 0) {
        target += FormatNumber(", peak <= %.1f", comparison.maxPeak);
        met = met && counter->second <= comparison.maxPeak;
      }
    }
    const bool hasTarget = comparison.maxTimeRatio > 0 || comparison.maxPeak > 0;
    targets += hasTarget;
    missed += hasTarget && !met;
    std::snprintf(line, sizeof line, "%-34s %11s %11s %8.2f %8.2f %-26s %13s  %s\n",
                  comparison.label.c_str(), FormatSeconds(baseline->second.seconds).c_str(),
                  FormatSeconds(program->second.seconds).c_str(), timeRatio, 1 / timeRatio,
                  target.c_str(), peak.c_str(), hasTarget ? (met ? "met" : "MISSED") : "");
    out << line;
  }
  out << "time x: program time / baseline time (medians of the repetitions); speed x: its "
         "inverse.\n"
         "peak x: peak memory growth while running once, as a multiple of the input size: the\n"
         "program's, and the baseline's in brackets.\n";
  out << "Targets missed: " << missed << " of " << targets << ".\n";
}

bool InitializeBenchmarks(int argc, char** argv) {
  std::vector<char*> arguments(argv, argv + argc);
  bool repetitionsGiven = false;
  for (char* argument : arguments)
    repetitionsGiven |= std::strncmp(argument, "--benchmark_repetitions", 23) == 0;
  static char repetitions[] = "--benchmark_repetitions=5";
  static char aggregatesOnly[] = "--benchmark_display_aggregates_only=true";
  if (!repetitionsGiven) {
    arguments.push_back(repetitions);
    arguments.push_back(aggregatesOnly);
  }
  int count = static_cast<int>(arguments.size());
  arguments.push_back(nullptr);
  benchmark::Initialize(&count, arguments.data());
  return !benchmark::ReportUnrecognizedArguments(count, arguments.data());
}

}  // namespace beditor::bench
