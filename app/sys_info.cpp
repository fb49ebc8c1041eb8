// The system-information tool of the About box: from the registry on Windows, from the PATH
// elsewhere.
#include "sys_info.h"

#include <QProcess>
#include <QStandardPaths>

#ifdef _WIN32
#include <QFileInfo>

#include <array>

#include <windows.h>
#endif

namespace spirolan {

namespace {

bool StartTool(const QString& path) {
    return !path.isEmpty() && QProcess::startDetached(path, {});
}

#ifdef _WIN32

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

#else

QString ToolOnPath() {
    for (const char* name : kSysInfoTools) {
        const QString path = QStandardPaths::findExecutable(QString::fromLatin1(name));
        if (!path.isEmpty()) {
            return path;
        }
    }
    return {};
}

#endif

} // namespace

std::string RegistryNumberText(std::span<const unsigned char> bytes) {
    static constexpr char kDigits[] = "0123456789ABCDEF";
    std::string text = "&h";
    for (auto byte = bytes.rbegin(); byte != bytes.rend(); ++byte) {
        text += kDigits[*byte >> 4];
        text += kDigits[*byte & 0x0F];
    }
    return text;
}

#ifdef _WIN32

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

#else

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

#endif

} // namespace spirolan
