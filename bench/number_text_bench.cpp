// SPDX-License-Identifier: GPL-3.0-or-later
// Number texts: the per-line cost of every CAF text.
#include "core/caf_text.h"
#include "core/number_text.h"

#include <benchmark/benchmark.h>

namespace {

void BM_SignedColumnText(benchmark::State& state) {
    double v = -0.5999999999999996;
    for (auto _ : state) {
        benchmark::DoNotOptimize(spirolan::SignedColumnText(v));
    }
}
BENCHMARK(BM_SignedColumnText);

void BM_ModeAText(benchmark::State& state) {
    std::array<double, 360> values{};
    for (int i = 0; i < 360; ++i) {
        values[i] = -i * 17.0;
    }
    for (auto _ : state) {
        benchmark::DoNotOptimize(spirolan::caf::BuildModeAText(values));
    }
}
BENCHMARK(BM_ModeAText);

} // namespace
