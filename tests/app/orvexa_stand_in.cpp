// SPDX-License-Identifier: GPL-3.0-or-later
// ORVEXA.EXE for the hand-off test: logs received keys to $SPIROLAN_STAND_IN_LOG until Alt+O.
// $SPIROLAN_STAND_IN_TITLE names its window; $SPIROLAN_STAND_IN_MODE "child" opens the window in
// a child process (as a launcher does), "leader" names its process only on the window's client
// leader, "none" opens no window at all.
#include <X11/Xatom.h>
#include <X11/Xlib.h>
#include <X11/Xutil.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cctype>
#include <cstdlib>
#include <fstream>
#include <string>
#include <string_view>

// Xlib keeps its keyboard tables until the process ends; the leak check would report them.
extern "C" const char* __lsan_default_options() {
    return "detect_leaks=0";
}

namespace {

int LogKeys(const char* logPath, const char* title, bool byLeader) {
    alarm(30); // a child of fork() has no alarm of its own
    Display* display = XOpenDisplay(nullptr);
    if (display == nullptr) {
        return 2;
    }
    const Window window = XCreateSimpleWindow(display, DefaultRootWindow(display), 10, 10, 320, 200,
                                              1, BlackPixel(display, 0), WhitePixel(display, 0));
    XStoreName(display, window, title != nullptr ? title : "Stand-in");
    const unsigned long pid = static_cast<unsigned long>(getpid());
    // The leader is a window that is never shown; it stands for the whole program.
    const Window owner =
        byLeader ? XCreateSimpleWindow(display, DefaultRootWindow(display), 0, 0, 1, 1, 0, 0, 0)
                 : window;
    XChangeProperty(display, owner, XInternAtom(display, "_NET_WM_PID", False), XA_CARDINAL, 32,
                    PropModeReplace, reinterpret_cast<const unsigned char*>(&pid), 1);
    if (byLeader) {
        XChangeProperty(display, window, XInternAtom(display, "WM_CLIENT_LEADER", False), XA_WINDOW,
                        32, PropModeReplace, reinterpret_cast<const unsigned char*>(&owner), 1);
    }
    XSelectInput(display, window, KeyPressMask);
    XMapWindow(display, window);
    XSync(display, False);
    // The log exists once the window is mapped.
    std::ofstream log(logPath, std::ios::binary);
    for (std::string key; key != "<Alt+O>";) {
        XEvent event;
        XNextEvent(display, &event);
        if (event.type != KeyPress) {
            continue;
        }
        // "<Alt+F>", "<Down>", "<Enter>", or the typed character; nothing for a modifier alone.
        char buffer[16] = {};
        KeySym symbol = NoSymbol;
        const int length = XLookupString(&event.xkey, buffer, sizeof(buffer), &symbol, nullptr);
        if (symbol == XK_Down || symbol == XK_Return) {
            key = symbol == XK_Down ? "<Down>" : "<Enter>";
        } else if ((event.xkey.state & Mod1Mask) != 0 && length == 1) {
            key = std::string("<Alt+") +
                  static_cast<char>(std::toupper(static_cast<unsigned char>(buffer[0]))) + ">";
        } else {
            key.assign(buffer, static_cast<std::size_t>(length > 0 ? length : 0));
        }
        log << key << std::flush;
    }
    XCloseDisplay(display);
    return 0;
}

} // namespace

int main() {
    const char* logPath = std::getenv("SPIROLAN_STAND_IN_LOG");
    const char* mode = std::getenv("SPIROLAN_STAND_IN_MODE");
    const std::string_view how = mode != nullptr ? mode : "";
    if (logPath == nullptr) {
        return 2;
    }
    alarm(30);
    if (how == "none") {
        sleep(3);
        return 0;
    }
    if (how == "child") {
        const pid_t child = fork();
        if (child < 0) {
            return 2;
        }
        if (child > 0) {
            int status = 0;
            waitpid(child, &status, 0);
            return WIFEXITED(status) ? WEXITSTATUS(status) : 2;
        }
    }
    return LogKeys(logPath, std::getenv("SPIROLAN_STAND_IN_TITLE"), how == "leader");
}
