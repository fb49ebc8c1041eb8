// SPDX-License-Identifier: GPL-3.0-or-later
// The program's hand-off services: Qt for processes and dialogs, X11 for windows and keys.
#pragma once

#include "app/handoff/handoff_platform.h"
#include "app/platform/x11_keyboard.h"

#include <functional>
#include <string>

class QWidget;

namespace spirolan {

/// How the desktop hand-off reaches the desktop and the main window.
struct DesktopHandoffOptions {
    /// The X display to start the program on and type into; empty means the desktop's own
    /// ($DISPLAY).
    std::string Display{};
    /// Shows (true) and takes back (false) the main window's busy pointer and status text.
    std::function<void(bool busy)> ShowBusy{};
    /// The longest wait for the started program's window, in seconds.
    double WindowWait = 10;
};

/// The desktop implementation of `HandoffPlatform`.
class DesktopHandoffPlatform : public HandoffPlatform {
public:
    /// `owner` parents the question and the file dialog (may be null).
    explicit DesktopHandoffPlatform(QWidget* owner, DesktopHandoffOptions options = {});

    /// Starts the program detached, so that it outlives this one, without a shell. A Windows
    /// program (ORVEXA.EXE) is started as `wine PATH` where Windows programs do not run
    /// natively; without wine it is not started, and the problem says so.
    StartedProgram StartProgram(const std::string& path) override;
    /// Waits (responsively) for a window of the program or of a process it started to appear,
    /// then brings it forward. Windows of other programs are never taken, whatever their titles.
    bool BringToFront(std::int64_t pid) override;
    /// When the focus has left the program, brings its window forward once more before typing.
    bool SendKeys(const KeyText& keys) override;
    void ShowBusy(bool busy) override;
    /// `Pause`.
    void Wait(double seconds) override;
    bool AskYesNo(const std::string& caption, const std::string& text) override;
    /// The path comes back with the system's own separators.
    std::optional<std::string> PickFile(const std::string& folder,
                                        const std::vector<std::string>& filters) override;

private:
    QWidget* owner_;
    DesktopHandoffOptions options_;
    X11Keyboard keyboard_;
    // The program brought to the front, and its window.
    std::int64_t pid_ = 0;
    std::optional<std::uint64_t> window_;
};

} // namespace spirolan
