// SPDX-License-Identifier: GPL-3.0-or-later
// The system-information tool and the registry on Windows.
#include "app/platform/sys_info.h"

#include <QFileInfo>

#include <array>

#include <windows.h>

namespace spirolan {

namespace {

HKEY RootHandle(KeyRoot root) {
    return root == KeyRoot::LocalMachine ? HKEY_LOCAL_MACHINE : HKEY_CURRENT_USER;
}

/// The tool that the registry names: its own path, or else MSINFO32.EXE in the shared tools
/// folder when that file exists. Empty when neither is known.
QString RegisteredTool() {
    std::string path;
    if (GetKeyValue(KeyRoot::LocalMachine, "SOFTWARE\\Microsoft\\Shared Tools\\MSINFO", "PATH",
                    path)) {
        return QString::fromStdString(path);
    }
    if (GetKeyValue(KeyRoot::LocalMachine, "SOFTWARE\\Microsoft\\Shared Tools Location", "MSINFO",
                    path)) {
        const QString file = QString::fromStdString(path + "\\MSINFO32.EXE");
        if (QFileInfo::exists(file)) {
            return file;
        }
    }
    return {};
}

} // namespace

bool GetKeyValue(KeyRoot KeyRoot, const std::string& KeyName, const std::string& SubKeyRef,
                 std::string& KeyVal) {
    // Read access is enough; full access would fail for every user without administrator rights.
    HKEY key = nullptr;
    const std::wstring name = QString::fromStdString(KeyName).toStdWString();
    if (RegOpenKeyExW(RootHandle(KeyRoot), name.c_str(), 0, KEY_QUERY_VALUE, &key) !=
        ERROR_SUCCESS) {
        KeyVal.clear();
        return false;
    }
    std::array<wchar_t, 1024> buffer{};
    DWORD size = sizeof(buffer) - sizeof(wchar_t); // room for the NUL that cuts the text
    DWORD type = 0;
    const std::wstring value = QString::fromStdString(SubKeyRef).toStdWString();
    if (RegQueryValueExW(key, value.c_str(), nullptr, &type, reinterpret_cast<BYTE*>(buffer.data()),
                         &size) != ERROR_SUCCESS) {
        RegCloseKey(key);
        KeyVal.clear();
        return false;
    }
    if (type == REG_SZ) {
        KeyVal = QString::fromWCharArray(buffer.data()).toStdString();
    } else if (type == REG_DWORD && size == sizeof(DWORD)) {
        KeyVal = RegistryNumberText(
            std::span(reinterpret_cast<const unsigned char*>(buffer.data()), sizeof(DWORD)));
    }
    RegCloseKey(key);
    return true;
}

void StartSysInfo(const MessageFunction& message) {
    if (!StartTool(RegisteredTool())) {
        message(QMessageBox::NoIcon, QStringLiteral("Spirolan"), kSysInfoUnavailable);
    }
}

} // namespace spirolan
