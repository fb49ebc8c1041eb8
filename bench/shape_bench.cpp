// SPDX-License-Identifier: GPL-3.0-or-later
// Shape generation: one OK of each shape dialog on its reference groove, walk to Mode-A text.
#include "core/shape1.h"
#include "core/shape2.h"
#include "core/shape3.h"
#include "tests/support/shape_fixtures.h"

#include <benchmark/benchmark.h>

namespace {

using namespace spirolan;

template <typename Input, typename Generate>
void Run(benchmark::State& state, const Input& input, Generate generate) {
    CamJob job;
    for (auto _ : state) {
        ShapeResult result = generate(input, job);
        benchmark::DoNotOptimize(result);
        if (!result.Ok()) {
            state.SkipWithError("generation failed");
            break;
        }
    }
}

void BM_Shape1(benchmark::State& state) {
    Run(state, testing_support::ReferenceGroove(), GenerateShape1);
}
BENCHMARK(BM_Shape1);

void BM_Shape1ThreeLeads(benchmark::State& state) {
    Shape1Input input = testing_support::ReferenceGroove();
    input.Pitch = "7.2";
    input.LeadIndex = 0;
    Run(state, input, GenerateShape1);
}
BENCHMARK(BM_Shape1ThreeLeads);

void BM_Shape2(benchmark::State& state) {
    Run(state, testing_support::ReferenceBall(), GenerateShape2);
}
BENCHMARK(BM_Shape2);

void BM_Shape3(benchmark::State& state) {
    Run(state, testing_support::ReferenceShape3(), GenerateShape3);
}
BENCHMARK(BM_Shape3);

} // namespace
