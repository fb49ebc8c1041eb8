// ORVEXA.EXE for the hand-off tests: opens a window, records the keys it receives into the file
// named by $SPIROLAN_STAND_IN_LOG and exits after Alt+O, or after 30 s without it.
#include <X11/Xatom.h>
#include <X11/Xlib.h>
#include <X11/Xutil.h>
#include <poll.h>
#include <unistd.h>

#include <cctype>
#include <chrono>
#include <cstdlib>
#include <fstream>
#include <string>

// Xlib keeps its keyboard tables until the process ends; the leak check would report them.
extern "C" const char* __lsan_default_options() {
    return "detect_leaks=0";
}

namespace {

// "<Alt+F>", "<Down>", "<Enter>", or the typed character; empty for a modifier alone.
std::string Describe(XKeyEvent& event) {
    char buffer[16] = {};
    KeySym symbol = NoSymbol;
    const int length = XLookupString(&event, buffer, sizeof(buffer), &symbol, nullptr);
    if (symbol == XK_Down) {
        return "<Down>";
    }
    if (symbol == XK_Return) {
        return "<Enter>";
    }
    if ((event.state & Mod1Mask) != 0 && length == 1) {
        return std::string("<Alt+") +
               static_cast<char>(std::toupper(static_cast<unsigned char>(buffer[0]))) + ">";
    }
    return std::string(buffer, static_cast<std::size_t>(length > 0 ? length : 0));
}

} // namespace

int main() {
    const char* logPath = std::getenv("SPIROLAN_STAND_IN_LOG");
    Display* display = XOpenDisplay(nullptr);
    if (logPath == nullptr || display == nullptr) {
        return 2;
    }
    const Window window = XCreateSimpleWindow(display, DefaultRootWindow(display), 10, 10, 320, 200,
                                              1, BlackPixel(display, 0), WhitePixel(display, 0));
    const char* title = std::getenv("SPIROLAN_STAND_IN_TITLE");
    XStoreName(display, window, title != nullptr ? title : "Stand-in");
    const unsigned long pid = static_cast<unsigned long>(getpid());
    XChangeProperty(display, window, XInternAtom(display, "_NET_WM_PID", False), XA_CARDINAL, 32,
                    PropModeReplace, reinterpret_cast<const unsigned char*>(&pid), 1);
    XSelectInput(display, window, KeyPressMask);
    XMapWindow(display, window);
    XFlush(display);

    std::string received;
    bool done = false;
    const auto deadline = std::chrono::steady_clock::now() + std::chrono::seconds(30);
    while (!done && std::chrono::steady_clock::now() < deadline) {
        if (XPending(display) == 0) {
            pollfd connection{ConnectionNumber(display), POLLIN, 0};
            poll(&connection, 1, 100);
            continue;
        }
        XEvent event;
        XNextEvent(display, &event);
        if (event.type == KeyPress) {
            const std::string key = Describe(event.xkey);
            received += key;
            done = key == "<Alt+O>";
        }
    }
    std::ofstream(logPath, std::ios::binary) << received;
    XCloseDisplay(display);
    return done ? 0 : 1;
}
