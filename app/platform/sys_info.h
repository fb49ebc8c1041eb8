// SPDX-License-Identifier: GPL-3.0-or-later
// Starting the desktop's system-information tool, and the registry reading it needs on Windows.
#pragma once

#include <QMessageBox>
#include <QString>

#include <functional>
#include <span>
#include <string>

namespace spirolan {

/// The message shown when no system-information tool can be started.
inline const QString kSysInfoUnavailable = QStringLiteral("現時点ではｼｽﾃﾑ情報を使用できません");

/// Shows a modal message: icon, caption, text. Tests pass a recorder instead of a real box.
using MessageFunction =
    std::function<void(QMessageBox::Icon icon, const QString& caption, const QString& text)>;

/// Root keys of the registry.
enum class KeyRoot { LocalMachine, CurrentUser };

/// Reads the value `SubKeyRef` of the key `KeyName` under `KeyRoot` (read access only). On
/// success sets `KeyVal` to the value's text and returns true: a text value up to its first
/// NUL, a 32-bit number as `RegistryNumberText`; a value of another type leaves `KeyVal` as it
/// was. When the key or the value is missing, sets `KeyVal` to an empty text and returns false.
/// Systems other than Windows have no registry: always false.
bool GetKeyValue(KeyRoot KeyRoot, const std::string& KeyName, const std::string& SubKeyRef,
                 std::string& KeyVal);

/// A 32-bit registry number as text: "&h" and its bytes in hexadecimal, two upper-case digits
/// each, from the last byte to the first (the bytes 04 01 00 00 give "&h00000104"). Every byte
/// counts, zero bytes included.
std::string RegistryNumberText(std::span<const unsigned char> bytes);

/// Starts the system-information tool with a normal window. On Windows it is the one that the
/// registry names; elsewhere the first of `kSysInfoTools` found on the PATH. When none is found
/// or it cannot be started, shows `kSysInfoUnavailable` with the caption "Spirolan" and no icon
/// through `message`.
void StartSysInfo(const MessageFunction& message);

/// Starts the program at `path` detached, without arguments; false when `path` is empty or the
/// program cannot be started.
bool StartTool(const QString& path);

/// The system-information tools looked for on the PATH off Windows, in this order: the
/// hardware and system profilers of the GTK desktops (HardInfo, under its new and its old
/// name) and the KDE Info Center.
inline constexpr const char* kSysInfoTools[] = {"hardinfo2", "hardinfo", "kinfocenter"};

} // namespace spirolan
