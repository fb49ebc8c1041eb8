// The program's hand-off services: Qt for processes and dialogs, X11 for windows and keys.
#pragma once

#include "app/handoff/handoff_platform.h"
#include "app/platform/x11_keyboard.h"

#include <string>

class QWidget;

namespace spirolan {

/// The desktop implementation of `HandoffPlatform`.
class DesktopHandoffPlatform : public HandoffPlatform {
public:
    /// `owner` parents the question and the file dialog (may be null). `display` is the X display
    /// to start the program on and type into; empty means the desktop's own ($DISPLAY).
    explicit DesktopHandoffPlatform(QWidget* owner, const std::string& display = {});

    /// Starts the program detached, so that it outlives this one.
    std::optional<std::int64_t> StartProgram(const std::string& path) override;
    /// Waits up to 10 s (responsively) for the program's window to appear, then brings it forward.
    bool BringToFront(std::int64_t pid) override;
    bool SendKeys(const KeyText& keys) override;
    /// `Pause`.
    void Wait(double seconds) override;
    bool AskYesNo(const std::string& caption, const std::string& text) override;
    /// The path comes back with the system's own separators.
    std::optional<std::string> PickFile(const std::string& folder,
                                        const std::vector<std::string>& filters) override;

private:
    QWidget* owner_;
    std::string display_;
    X11Keyboard keyboard_;
};

} // namespace spirolan
