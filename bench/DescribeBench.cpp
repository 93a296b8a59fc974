#include <benchmark/benchmark.h>

#include "items/ItemCatalogue.h"

// Describing every kind once: what a player clicking through every list would cost.
static void DescribeEveryKind(benchmark::State& state) {
  for (auto _ : state) {
    for (const ItemKind& kind : AllItemKinds()) benchmark::DoNotOptimize(DescribeItem(kind.name));
  }
}
BENCHMARK(DescribeEveryKind)->Unit(benchmark::kMicrosecond)->Repetitions(9)->ReportAggregatesOnly();

// The same with a copy of every description, as a list box filling itself takes one.
static void CopyEveryDescription(benchmark::State& state) {
  for (auto _ : state) {
    for (const ItemKind& kind : AllItemKinds()) {
      std::vector<std::string> lines = DescribeItem(kind.name);
      benchmark::DoNotOptimize(lines);
    }
  }
}
BENCHMARK(CopyEveryDescription)
    ->Unit(benchmark::kMicrosecond)
    ->Repetitions(9)
    ->ReportAggregatesOnly();
