// SPDX-License-Identifier: GPL-3.0-or-later
// The system-information tool off Windows: the first desktop tool found on the PATH.
#include "app/platform/sys_info.h"

#include <QStandardPaths>

namespace spirolan {

namespace {

QString ToolOnPath() {
    for (const char* name : kSysInfoTools) {
        const QString path = QStandardPaths::findExecutable(QString::fromLatin1(name));
        if (!path.isEmpty()) {
            return path;
        }
    }
    return {};
}

} // namespace

bool GetKeyValue(KeyRoot, const std::string&, const std::string&, std::string& KeyVal) {
    KeyVal.clear();
    return false;
}

void StartSysInfo(const MessageFunction& message) {
    // No registry here: the first step looks for a desktop's system-information tool instead.
    if (!StartTool(ToolOnPath())) {
        message(QMessageBox::NoIcon, QStringLiteral("Spirolan"), kSysInfoUnavailable);
    }
}

} // namespace spirolan
