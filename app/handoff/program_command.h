// SPDX-License-Identifier: GPL-3.0-or-later
// How an executable file is started: as it is, or a Windows program through wine.
#pragma once

#include <QString>
#include <QStringList>

#include <string>

namespace spirolan {

/// The line added to the hand-off's question when a Windows program cannot be started for want
/// of wine.
inline constexpr const char* kWineMissing =
    "ORVEXA.EXE is a Windows program: starting it here needs wine, which is not installed.";

/// A program and its arguments, started without a shell; or, with an empty `Program`, the
/// reason why the file cannot be started.
struct ProgramCommand {
    QString Program;
    QStringList Arguments;
    std::string Problem; // a line for the user; empty when nothing more is known
};

/// Whether the file at `path` is a Windows executable: it starts with the bytes "MZ". False when
/// it cannot be read.
bool IsWindowsExecutable(const QString& path);

/// The command that starts the executable at `path`: the file itself; or, where Windows programs
/// do not run natively (`windowsNative` false) and the file is one, `wine` (its full path, found
/// on the PATH) with `path` as its only argument. A Windows program with no wine (`wine` empty)
/// gets no command, and kWineMissing as its problem.
ProgramCommand CommandFor(const QString& path, bool windowsNative, const QString& wine);

} // namespace spirolan
