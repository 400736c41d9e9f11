// SPDX-License-Identifier: GPL-3.0-or-later
// The search for the lightest standard pipe that carries a load: it checks the pipes lightest
// first and stops at the first that carries, so a load no pipe carries checks every one.

#include "engine/PipeCatalogue.h"

#include <benchmark/benchmark.h>

namespace {

struct SearchCase {
  const char* name;
  double heightM;
  double kFactor;
  double axialLoadKg;
};

// From a pipe near the top of the list to none at all.
constexpr SearchCase kSearchCases[] = {
    {"initial column, 8000 kg", 4, 0.85, 8000},
    {"30000 kg", 4, 0.85, 30000},
    {"200000 kg at 6 m", 6, 1, 200000},
    {"900000 kg at 10 m, K 2: none carries", 10, 2, 900000},
};

void LightestPassingPipe(benchmark::State& state) {
  const SearchCase& search = kSearchCases[state.range(0)];
  const engine::PipeCatalogue catalogue = engine::PipeCatalogue::Standard();
  engine::ColumnInputs column;
  column.heightM = search.heightM;
  column.kFactor = search.kFactor;
  column.axialLoadKg = search.axialLoadKg;
  for (auto _ : state) {
    benchmark::DoNotOptimize(engine::LightestPassingPipe(catalogue, column));
  }
  state.SetLabel(search.name);
}
BENCHMARK(LightestPassingPipe)
    ->DenseRange(0, std::size(kSearchCases) - 1)
    ->Unit(benchmark::kMicrosecond);

} // namespace
