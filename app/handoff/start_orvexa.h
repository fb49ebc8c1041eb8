// SPDX-License-Identifier: GPL-3.0-or-later
// The hand-off to the cam-machining program Orvexa: start it and make it open the last CAF file.
#pragma once

#include "app/handoff/handoff_platform.h"
#include "app/platform/local_path.h"
#include "core/cam_job.h"

#include <string>

namespace spirolan {

/// The question asked when the hand-off fails (two lines, CR LF between them).
inline constexpr const char* kOrvexaNotFound =
    "Orvexa is not found.\r\nDo you want to set the path of Orvexa?";

/// The executable's path: `OrvlPathName` + "\ORVEXA.EXE" joined as plain text (no separator
/// added or removed), then read as a local path.
std::string OrvexaExecutablePath(const std::string& OrvlPathName);

/// Starts Orvexa from `job.OrvlPathName`, brings it to the front, waits 5 s and sends the keys
/// that open `job.LastCafFile` (after 1 s more), or that show `job.OpenPathName` when nothing
/// was saved in this run. Texts are typed literally, only into the started program. Until the
/// keys are out (or a step fails) the user is shown to wait. When any step fails the rest is
/// skipped and the user may locate the program (the question says why, when that is known, on a
/// line of its own): picking any file sets `job.OrvlPathName` to its folder; No or a cancelled
/// dialog changes nothing. Orvexa is not started again then.
void StartOrvexa(CamJob& job, HandoffPlatform& platform);

/// Waits `PauseTime` seconds in a local event loop, so that the windows keep repainting and
/// taking commands meanwhile. The timer runs on the monotonic clock, so a change of the time of
/// day does not shorten or stretch the wait. Zero, negative or NaN returns at once; the wait
/// ends early only when the application is quitting.
void Pause(double PauseTime);

} // namespace spirolan
