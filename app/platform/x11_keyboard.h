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

    /// The visible top-level window of process `pid` (its _NET_WM_PID), or else the first one
    /// whose title or class holds "orvexa" in any letter case; nullopt when there is none yet.
    std::optional<std::uint64_t> FindWindow(std::int64_t pid);

    /// Activates `window` where the window manager supports _NET_ACTIVE_WINDOW, and otherwise
    /// (or when activation does not move the focus) gives it the input focus. Polls the focus
    /// with `wait(seconds)` between checks, for at most about 2 s. True once it has the focus.
    bool BringToFront(std::uint64_t window, const std::function<void(double)>& wait);

    /// Types `keys` into the focused window as real key events (XTEST), then waits until the
    /// server has handled them. Text is typed character by character as it stands.
    bool Type(const KeyText& keys);

private:
    struct Session;
    std::unique_ptr<Session> session_;
};

} // namespace spirolan
