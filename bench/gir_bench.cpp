// SPDX-License-Identifier: EUPL-1.2
#include <benchmark/benchmark.h>

#include "grid/gir.h"

// The rang of every one of the 3^10 discriminant codings.
static void BM_CalculRangAllCodings(benchmark::State& state) {
  for (auto _ : state) {
    std::string codes(10, 'A');
    int sum = 0;
    for (int n = 0; n < 59049; ++n) {
      int x = n;
      for (char& c : codes) {
        c = "ABC"[x % 3];
        x /= 3;
      }
      sum += grid::CalculRang(codes);
    }
    benchmark::DoNotOptimize(sum);
  }
  state.SetItemsProcessed(state.iterations() * 59049);
}
BENCHMARK(BM_CalculRangAllCodings);
