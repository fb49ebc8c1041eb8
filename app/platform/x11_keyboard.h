// SPDX-License-Identifier: GPL-3.0-or-later
// Finding a started program's window on an X display, bringing it forward, and typing into the
// focused window through the XTEST extension.
#pragma once

#include "app/handoff/handoff_platform.h"

#include <cstdint>
#include <functional>
#include <memory>
#include <optional>
#include <string>

namespace spirolan {

/// A connection to one X display for the hand-off. Without X11 support in the build, or when
/// the display cannot be reached (Wayland without XWayland, no DISPLAY), every operation
/// fails, so the hand-off takes its failure path.
class X11Keyboard {
public:
    /// Connects to `display` (for example ":1"); an empty name means $DISPLAY.
    explicit X11Keyboard(const std::string& display);
    ~X11Keyboard();
    X11Keyboard(const X11Keyboard&) = delete;
    X11Keyboard& operator=(const X11Keyboard&) = delete;

    bool IsOpen() const;

    /// A visible top-level window of process `pid` or of one of its descendants (by the window's
    /// _NET_WM_PID, or that of its client leader): among several, the first whose title or class
    /// holds "orvexa" in any letter case, else the topmost. nullopt when there is none yet.
    /// Windows of other processes are never taken, whatever their titles.
    std::optional<std::uint64_t> FindWindow(std::int64_t pid);

    /// Whether the window with the input focus belongs to process `pid` or its descendants.
    bool FocusIsWithin(std::int64_t pid);

    /// Activates `window` where the window manager supports _NET_ACTIVE_WINDOW, and otherwise
    /// (or when activation does not move the focus) gives it the input focus. Polls the focus
    /// with `wait(seconds)` between checks, for at most about 2 s. True once it has the focus.
    bool BringToFront(std::uint64_t window, const std::function<void(double)>& wait);

    /// Types `keys` into the focused window as real key events (XTEST), then waits until the
    /// server has handled them. Text is typed character by character as it stands. Every key is
    /// sent only while the focus belongs to process `pid` or its descendants: false, with the
    /// rest left unsent, as soon as it does not.
    bool Type(const KeyText& keys, std::int64_t pid);

private:
    struct Session;
    std::unique_ptr<Session> session_;
};

} // namespace spirolan
