// SPDX-License-Identifier: GPL-3.0-or-later
// Face Copy's OK on the largest job (2828 faces): from the click to the main window showing the
// new Mode-B pane and graph.
#include "app/windows/dialog_hooks.h"
#include "app/windows/face_copy_window.h"
#include "app/windows/frm_main.h"
#include "core/shape1.h"
#include "tests/support/shape_fixtures.h"

#include <QApplication>
#include <QPushButton>
#include <QTemporaryDir>

#include <benchmark/benchmark.h>

#include <chrono>

namespace {

using namespace spirolan;
using Clock = std::chrono::steady_clock;

// The Shape 1 reference groove (pitch 3.6, one lead) on screen as Mode-A data.
void ShowReferenceGroove(frmMain& window) {
    Shape1Input input = testing_support::ReferenceGroove();
    input.SpindleSpeed = "1000";
    window.SetModeAText(GenerateShape1(input, window.Job()).ModeAText);
    window.DrawModeAGraph();
}

FaceCopy* OpenDialog(frmMain& window) {
    window.mnuFaceCopy_Click();
    for (QWidget* widget : QApplication::topLevelWidgets()) {
        if (auto* dialog = qobject_cast<FaceCopy*>(widget); dialog && dialog->isVisible()) {
            return dialog;
        }
    }
    return nullptr;
}

double Milliseconds(Clock::duration span) {
    return std::chrono::duration<double, std::milli>(span).count();
}

// The longest cutting length that 2828 faces take: 424.19 mm of pitch 3.6 (117.8 turns) at a
// shift angle of 15 degrees. The time covers the build with its progress bar, the pane taking
// the million-line text, both graphs, and the paint of the main window.
void BM_FaceCopyOkToModeBShown(benchmark::State& state) {
    QTemporaryDir folder;
    CamJob job;
    frmMain window(job, folder.filePath(QStringLiteral("Spirolan.ini")), DefaultDialogHooks());
    window.resize(1024, 740);
    window.show();
    QApplication::processEvents();
    ShowReferenceGroove(window);
    job.MaxFaceNumber = 2828;
    job.ThreadDir = 1;
    job.Repeat = false;
    double clickMs = 0;
    double paintMs = 0;
    for (auto _ : state) {
        state.PauseTiming();
        job.CutLength = 424.19;
        FaceCopy* dialog = OpenDialog(window);
        if (dialog == nullptr || dialog->Model().View().txtCopyNumber != "2828") {
            state.SkipWithError("the dialog did not derive 2828 faces");
            break;
        }
        auto* ok = dialog->findChild<QPushButton*>(QStringLiteral("Command1"));
        window.SetModeBText({});
        QApplication::processEvents();
        state.ResumeTiming();

        const auto start = Clock::now();
        ok->click();
        const auto clicked = Clock::now();
        QApplication::processEvents();
        const auto painted = Clock::now();

        state.PauseTiming();
        clickMs += Milliseconds(clicked - start);
        paintMs += Milliseconds(painted - clicked);
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        state.ResumeTiming();
    }
    const double runs = static_cast<double>(state.iterations());
    state.counters["okToClosedMs"] = clickMs / runs;
    state.counters["paintMs"] = paintMs / runs;
    state.counters["lines"] = static_cast<double>(window.txtDataB().LineCount());
}
BENCHMARK(BM_FaceCopyOkToModeBShown)->Unit(benchmark::kMillisecond)->UseRealTime();

} // namespace
