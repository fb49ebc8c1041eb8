// SPDX-License-Identifier: GPL-3.0-or-later
// The hand-off to Orvexa and the responsive pause it waits with.
#include "app/handoff/start_orvexa.h"

#include <QDir>
#include <QEventLoop>
#include <QFileInfo>
#include <QTimer>

#include <algorithm>
#include <chrono>
#include <cmath>
#include <limits>

namespace spirolan {

namespace {

/// Starts Orvexa and types into it; false at the first step that fails, with what is known of
/// why in `problem`.
bool DriveOrvexa(const CamJob& job, HandoffPlatform& platform, std::string& problem) {
    const StartedProgram started = platform.StartProgram(OrvexaExecutablePath(job.OrvlPathName));
    problem = started.Problem;
    if (!started.Pid || !platform.BringToFront(*started.Pid)) {
        return false;
    }
    platform.Wait(5);
    if (!platform.SendKeys({AltKey('F'), DownKey(), EnterKey()})) {
        return false;
    }
    if (job.LastCafFile.empty()) {
        return platform.SendKeys({TypedText(job.OpenPathName), EnterKey()});
    }
    platform.Wait(1);
    return platform.SendKeys({TypedText(job.LastCafFile)}) && platform.SendKeys({AltKey('O')});
}

/// The folder that holds `file`, with the system's own separators.
std::string FolderOf(const std::string& file) {
    const QFileInfo info(QString::fromStdString(file));
    return QDir::toNativeSeparators(info.absolutePath()).toStdString();
}

} // namespace

std::string OrvexaExecutablePath(const std::string& OrvlPathName) {
    return LocalPath(OrvlPathName + "\\ORVEXA.EXE");
}

void StartOrvexa(CamJob& job, HandoffPlatform& platform) {
    std::string problem;
    platform.ShowBusy(true);
    const bool driven = DriveOrvexa(job, platform, problem);
    platform.ShowBusy(false);
    if (driven) {
        return;
    }
    const std::string question =
        problem.empty() ? std::string(kOrvexaNotFound) : kOrvexaNotFound + ("\r\n" + problem);
    if (!platform.AskYesNo("Spirolan", question)) {
        return;
    }
    const auto picked =
        platform.PickFile(LocalPath(job.OrvlPathName), {"All Files(*.*)", "exe Files(*.exe)"});
    if (!picked || picked->empty()) {
        return;
    }
    job.OrvlPathName = FolderOf(*picked);
}

void Pause(double PauseTime) {
    if (!(PauseTime > 0)) {
        return;
    }
    const double limit = static_cast<double>(std::numeric_limits<int>::max());
    const auto ms = std::chrono::milliseconds(std::llround(std::min(PauseTime * 1000.0, limit)));
    QEventLoop loop;
    QTimer timer;
    timer.setSingleShot(true);
    // A precise timer never fires early; a coarse one may by up to 5 %.
    timer.setTimerType(Qt::PreciseTimer);
    QObject::connect(&timer, &QTimer::timeout, &loop, &QEventLoop::quit);
    timer.start(ms);
    loop.exec();
}

} // namespace spirolan
