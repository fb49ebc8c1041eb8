// SPDX-License-Identifier: GPL-3.0-or-later
// Cam graphs: the Mode-B graph of the longest cutting length Face copy accepts (117 turns,
// about 42,000 segments) on the test recorder and on the SVG surface, and a Mode-A export.
#include "graphics/mode_b_graph.h"
#include "graphics/recording_surface.h"
#include "graphics/svg_export.h"
#include "graphics/svg_surface.h"

#include <benchmark/benchmark.h>

#include <cmath>

namespace {

constexpr double kTurns = 117;

// A groove-like turn: 0.6 mm deep over half of the turn.
spirolan::CamJob LongModeBJob() {
    spirolan::CamJob job;
    job.Pitch = 3.6;
    job.LeadPitch = 3.6;
    job.LeadCount = 1.0;
    job.CutLength = kTurns * 3.6;
    job.SpindleSpeed = 1000;
    for (int k = 0; k < spirolan::kTableSize; ++k) {
        job.XSTable[k] = k < 180 ? -0.3 * (1 - std::cos(k * 3.141592653589 / 90)) : 0.0;
    }
    return job;
}

void BM_ModeBGraphRecording(benchmark::State& state) {
    const spirolan::CamJob job = LongModeBJob();
    for (auto _ : state) {
        spirolan::RecordingSurface picture2;
        spirolan::RecordingSurface picture3;
        spirolan::DrawModeBGraph(job, picture2, picture3);
        benchmark::DoNotOptimize(picture2.Ops().data());
    }
    state.SetItemsProcessed(state.iterations() * static_cast<long>(kTurns * 360 + 1));
}
BENCHMARK(BM_ModeBGraphRecording)->Unit(benchmark::kMillisecond);

void BM_ModeBGraphSvg(benchmark::State& state) {
    const spirolan::CamJob job = LongModeBJob();
    std::size_t bytes = 0;
    for (auto _ : state) {
        spirolan::SvgSurface picture2;
        spirolan::SvgSurface picture3;
        spirolan::DrawModeBGraph(job, picture2, picture3);
        const std::string svg = picture2.Document();
        bytes = svg.size();
        benchmark::DoNotOptimize(svg.data());
    }
    state.SetItemsProcessed(state.iterations() * static_cast<long>(kTurns * 360 + 1));
    state.counters["svg_bytes"] = static_cast<double>(bytes);
}
BENCHMARK(BM_ModeBGraphSvg)->Unit(benchmark::kMillisecond);

void BM_ModeAGraphSvg(benchmark::State& state) {
    spirolan::CamJob job = LongModeBJob();
    for (auto _ : state) {
        const std::string svg = spirolan::ModeAGraphSvg(job).Document;
        benchmark::DoNotOptimize(svg.data());
    }
}
BENCHMARK(BM_ModeAGraphSvg)->Unit(benchmark::kMillisecond);

} // namespace
