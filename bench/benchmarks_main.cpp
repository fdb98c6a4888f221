// Runs every comparison offscreen and ends with the table of ratios.
// Usage: beditor_benchmarks [Google Benchmark options, e.g. --benchmark_filter=LoadLines]
#include <QApplication>
#include <cstring>
#include <iostream>
#include <vector>

#include "bench_registry.h"
#include "comparison.h"
#include "peak_memory.h"
#include "widgets/tahoma_font.h"

int main(int argc, char** argv) {
  using namespace beditor::bench;
  RegisterLineListLoadBenchmarks();
  RegisterLineListSaveBenchmarks();
  RegisterTeamListBenchmarks();
  RegisterStartUpBenchmarks();
  RegisterTranslationAndIconBenchmarks();
  if (RunPeakTaskIfAsked(argc, argv)) return 0;

  if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
  QApplication application(argc, argv);
  beditor::InstallTahoma();

  // The machine is shared: by default every benchmark runs five times and the summary uses
  // the medians. An explicit --benchmark_repetitions wins.
  std::vector<char*> arguments(argv, argv + argc);
  bool repetitionsGiven = false;
  for (char* argument : arguments)
    repetitionsGiven |= std::strncmp(argument, "--benchmark_repetitions", 23) == 0;
  char repetitions[] = "--benchmark_repetitions=5";
  char aggregatesOnly[] = "--benchmark_display_aggregates_only=true";
  if (!repetitionsGiven) {
    arguments.push_back(repetitions);
    arguments.push_back(aggregatesOnly);
  }
  int count = static_cast<int>(arguments.size());
  arguments.push_back(nullptr);
  benchmark::Initialize(&count, arguments.data());
  if (benchmark::ReportUnrecognizedArguments(count, arguments.data())) return 1;

  ComparisonReporter reporter;
  benchmark::RunSpecifiedBenchmarks(&reporter);
  reporter.PrintSummary(std::cout);
  benchmark::Shutdown();
  return 0;
}
