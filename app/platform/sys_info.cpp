// SPDX-License-Identifier: GPL-3.0-or-later
// The system-information tool of the About box: what every platform shares.
#include "app/platform/sys_info.h"

#include <QProcess>

namespace spirolan {

bool StartTool(const QString& path) {
    return !path.isEmpty() && QProcess::startDetached(path, {});
}

std::string RegistryNumberText(std::span<const unsigned char> bytes) {
    static constexpr char kDigits[] = "0123456789ABCDEF";
    std::string text = "&h";
    for (auto byte = bytes.rbegin(); byte != bytes.rend(); ++byte) {
        text += kDigits[*byte >> 4];
        text += kDigits[*byte & 0x0F];
    }
    return text;
}

} // namespace spirolan
