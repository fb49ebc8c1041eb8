// SPDX-License-Identifier: GPL-3.0-or-later
// Motion figures: the cost they add to every Mode-A drawing, figure lines included.
#include "graphics/motion_figures.h"

#include <benchmark/benchmark.h>

#include <cmath>

namespace {

void BM_ComputeMotionFigures(benchmark::State& state) {
    std::array<spirolan::OptionalNumber, spirolan::kTableSize> xs{};
    for (int k = 0; k < spirolan::kTableSize; ++k) {
        xs[k] = 0.8 * std::sin(k * 3.141592653589 / 180);
    }
    for (auto _ : state) {
        spirolan::MotionFigures figures = spirolan::ComputeMotionFigures(xs, 1500);
        benchmark::DoNotOptimize(figures);
        benchmark::DoNotOptimize(spirolan::SpindleSpeedLine(1500));
        benchmark::DoNotOptimize(spirolan::MaxSpeedLine(figures.MaxSpeed));
        benchmark::DoNotOptimize(spirolan::MaxGravityLine(figures.MaxGravity));
    }
}
BENCHMARK(BM_ComputeMotionFigures);

} // namespace
