#pragma once
// Each benchmark file registers its benchmarks and comparisons through one of these.

namespace beditor::bench {

void RegisterLineListLoadBenchmarks();
void RegisterLineListSaveBenchmarks();
void RegisterTeamListBenchmarks();
void RegisterStartUpBenchmarks();
void RegisterTranslationAndIconBenchmarks();

}  // namespace beditor::bench
