// SPDX-License-Identifier: GPL-3.0-or-later
// How an executable file is started.
#include "app/handoff/program_command.h"

#include <QFile>

namespace spirolan {

bool IsWindowsExecutable(const QString& path) {
    QFile file(path);
    return file.open(QIODevice::ReadOnly) && file.read(2) == "MZ";
}

ProgramCommand CommandFor(const QString& path, bool windowsNative, const QString& wine) {
    if (windowsNative || !IsWindowsExecutable(path)) {
        return {path, {}, {}};
    }
    if (wine.isEmpty()) {
        return {{}, {}, kWineMissing};
    }
    return {wine, {path}, {}};
}

} // namespace spirolan
