// SPDX-License-Identifier: GPL-3.0-or-later
// The Mode-B pane: taking in and first painting the largest Mode-B text (2828 faces, about a
// million lines), in the program's text pane and in a stock QPlainTextEdit.
#include "app/widgets/text_pane.h"
#include "facecopy/mode_b_text.h"

#include <QApplication>
#include <QPlainTextEdit>

#include <benchmark/benchmark.h>

#include <algorithm>
#include <cmath>
#include <string>

namespace {

using namespace spirolan;

// 2828 faces of a 0.6 mm deep one-lead groove, 0.15 mm apart, rotated 15 degrees each.
const std::string& LargestModeBText() {
    static const std::string text = [] {
        CamJob job;
        job.Pitch = 3.6;
        job.LeadPitch = 3.6;
        job.CopyNumber = 2828;
        job.ZAxisPitch = 0.15;
        job.CutLength = 424.2;
        for (int d = 0; d < 360; ++d) {
            job.XSTable[static_cast<std::size_t>(d)] = -0.3 * (1 - std::cos(d * job.PI / 180));
        }
        ModeBChoices choices;
        choices.ShiftAngle = 15;
        choices.RightHand = true;
        return MakeModeBText(job, choices).text;
    }();
    return text;
}

void Report(benchmark::State& state, const std::string& text) {
    state.counters["MB"] = static_cast<double>(text.size()) / 1e6;
    state.counters["lines"] = static_cast<double>(std::count(text.begin(), text.end(), '\n'));
}

void BM_TextPaneSetAndFirstPaint(benchmark::State& state) {
    const std::string& text = LargestModeBText();
    TextPane pane;
    pane.resize(240, 400);
    pane.show();
    for (auto _ : state) {
        state.PauseTiming();
        std::string copy = text; // the window takes the generator's string by move
        pane.SetText("");
        state.ResumeTiming();
        pane.SetText(std::move(copy));
        pane.viewport()->repaint();
    }
    Report(state, text);
}
BENCHMARK(BM_TextPaneSetAndFirstPaint)->Unit(benchmark::kMillisecond);

void BM_PlainTextEditSetAndFirstPaint(benchmark::State& state) {
    const std::string& text = LargestModeBText();
    const QString converted = QString::fromLatin1(text);
    QPlainTextEdit edit;
    edit.setReadOnly(true);
    edit.resize(240, 400);
    edit.show();
    for (auto _ : state) {
        state.PauseTiming();
        edit.clear();
        state.ResumeTiming();
        edit.setPlainText(converted);
        edit.viewport()->repaint();
    }
    Report(state, text);
}
BENCHMARK(BM_PlainTextEditSetAndFirstPaint)->Unit(benchmark::kMillisecond)->Iterations(2);

} // namespace
