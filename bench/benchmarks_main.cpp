// Runs every comparison offscreen and ends with the table of ratios.
// Usage: beditor_benchmarks [Google Benchmark options, e.g. --benchmark_filter=LoadLines]
#include <QApplication>
#include <iostream>

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

  if (!InitializeBenchmarks(argc, argv)) return 1;

  ComparisonReporter reporter;
  benchmark::RunSpecifiedBenchmarks(&reporter);
  reporter.PrintSummary(std::cout);
  benchmark::Shutdown();
  return 0;
}
