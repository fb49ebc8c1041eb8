// Shape generation: one OK of each shape dialog on its reference groove, walk to Mode-A text.
#include "shape1.h"
#include "shape2.h"
#include "shape3.h"

#include <benchmark/benchmark.h>

namespace {

using namespace spirolan;

Shape1Input Groove1() {
    Shape1Input in = PrefillShape1(CamJob{});
    in.NoseR = "0.2";
    in.Pitch = "3.6";
    in.Width = "0.5";
    in.Diameter1 = "10";
    in.Diameter2 = "8.8";
    in.Angle1 = in.Angle2 = "60";
    in.R1 = in.R4 = "0.3";
    in.R2 = in.R3 = "0.4";
    in.External = true;
    return in;
}

Shape2Input Groove2() {
    Shape2Input in = PrefillShape2(CamJob{});
    in.NoseR = "0.2";
    in.Pitch = "2";
    in.Diameter1 = "10";
    in.Diameter2 = "9";
    in.R1 = "0.3";
    in.R2 = "0.6";
    in.External = true;
    return in;
}

Shape3Input Groove3() {
    Shape3Input in = PrefillShape3(CamJob{});
    in.NoseR = "0.2";
    in.Pitch = "3.6";
    in.Width = "1";
    in.Diameter1 = "10";
    in.Diameter2 = "8.8";
    in.Angle1 = "60";
    in.R1 = "0.4";
    in.R2 = "1";
    in.External = true;
    return in;
}

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
    Run(state, Groove1(), GenerateShape1);
}
BENCHMARK(BM_Shape1);

void BM_Shape1ThreeLeads(benchmark::State& state) {
    Shape1Input input = Groove1();
    input.Pitch = "7.2";
    input.LeadIndex = 0;
    Run(state, input, GenerateShape1);
}
BENCHMARK(BM_Shape1ThreeLeads);

void BM_Shape2(benchmark::State& state) {
    Run(state, Groove2(), GenerateShape2);
}
BENCHMARK(BM_Shape2);

void BM_Shape3(benchmark::State& state) {
    Run(state, Groove3(), GenerateShape3);
}
BENCHMARK(BM_Shape3);

} // namespace
