// SPDX-License-Identifier: GPL-3.0-or-later
// Feed table: one press of "Calculation", for a sparse and a dense table.
#include "feed/feed_table.h"

#include <benchmark/benchmark.h>

namespace {

void BM_FeedTable(benchmark::State& state) {
    for (auto _ : state) {
        benchmark::DoNotOptimize(spirolan::FeedTable(2, 0.3));
    }
}
BENCHMARK(BM_FeedTable);

// Pitch and feed near 0: a dense table of 139 lines.
void BM_FeedTableDense(benchmark::State& state) {
    for (auto _ : state) {
        benchmark::DoNotOptimize(spirolan::FeedTable(0, 0));
    }
}
BENCHMARK(BM_FeedTableDense);

} // namespace
