// SPDX-License-Identifier: GPL-3.0-or-later
// Mode-B text of the largest job (2828 faces) against a floor of bare integer formatting.
#include "facecopy/face_copy_model.h"
#include "facecopy/mode_b_text.h"

#include <benchmark/benchmark.h>

#include <charconv>
#include <cmath>
#include <string>
#include <vector>

namespace {

using namespace spirolan;

constexpr int kLargestJob = 2828;

// A one-lead groove 0.6 mm deep at pitch 3.6, copied through the dialog over 424.19 mm at most
// 2828 faces: shift angle 15, 2828 faces.
CamJob LargestJob() {
    CamJob job;
    job.Pitch = 3.6;
    job.LeadPitch = 3.6;
    for (int d = 0; d < 360; ++d) {
        job.XSTable[d] = -0.3 * (1 - std::cos(d * job.PI / 180));
    }
    FaceCopyModel dialog(job, {});
    dialog.Open();
    dialog.MaxFace_Click(3);
    dialog.TypeCutLength("424.19");
    return job;
}

ModeBChoices Choices(bool chamfers) {
    // With chamfers, half the faces are blends computed face by face.
    return {15, true, false, chamfers, "106", chamfers, "106"};
}

void BM_MakeModeBText(benchmark::State& state) {
    CamJob job = LargestJob();
    if (job.CopyNumber != kLargestJob) {
        state.SkipWithError("the job does not have 2828 faces");
        return;
    }
    const ModeBChoices choices = Choices(state.range(0) != 0);
    int position = 0;
    size_t bytes = 0;
    for (auto _ : state) {
        ModeBResult result = MakeModeBText(job, choices, [&](int p, int) { position = p; });
        bytes = result.text.size();
        benchmark::DoNotOptimize(result.text.data());
    }
    benchmark::DoNotOptimize(position);
    state.counters["MB"] = static_cast<double>(bytes) / 1e6;
    state.SetBytesProcessed(static_cast<int64_t>(state.iterations() * bytes));
}
BENCHMARK(BM_MakeModeBText)->Arg(0)->ArgName("chamfers")->Unit(benchmark::kMillisecond);
BENCHMARK(BM_MakeModeBText)->Arg(1)->ArgName("chamfers")->Unit(benchmark::kMillisecond);

// The data lines' integers of the plain largest job, in the order the text holds them.
std::vector<int> DataIntegers() {
    CamJob job = LargestJob();
    const std::string text = MakeModeBText(job, Choices(false)).text;
    std::vector<int> values;
    size_t start = 0;
    for (int line = 0; start < text.size(); ++line) {
        size_t end = text.find("\r\n", start);
        // After the header and count lines, only data lines start with a blank or a minus.
        if (line >= 5 && (text[start] == ' ' || text[start] == '-')) {
            int v = 0;
            std::from_chars(text.data() + start + (text[start] == ' '), text.data() + end, v);
            values.push_back(v);
        }
        start = end + 2;
    }
    return values;
}

// The floor: the same 1,018,080 integers with std::to_chars into one pre-sized buffer, CR LF
// after each.
void BM_FormatFloor(benchmark::State& state) {
    const std::vector<int> values = DataIntegers();
    if (values.size() != 360u * kLargestJob) {
        state.SkipWithError("not 1,018,080 data lines");
        return;
    }
    std::string buffer(values.size() * 13, '\0');
    for (auto _ : state) {
        char* out = buffer.data();
        char* const end = out + buffer.size();
        for (int v : values) {
            out = std::to_chars(out, end, v).ptr;
            *out++ = '\r';
            *out++ = '\n';
        }
        benchmark::DoNotOptimize(out);
        benchmark::ClobberMemory();
    }
}
BENCHMARK(BM_FormatFloor)->Unit(benchmark::kMillisecond);

} // namespace
