// ORVEXA.EXE for the hand-off test: logs received keys to $SPIROLAN_STAND_IN_LOG until Alt+O.
#include <X11/Xatom.h>
#include <X11/Xlib.h>
#include <X11/Xutil.h>
#include <unistd.h>

#include <cctype>
#include <cstdlib>
#include <fstream>
#include <string>

// Xlib keeps its keyboard tables until the process ends; the leak check would report them.
extern "C" const char* __lsan_default_options() {
    return "detect_leaks=0";
}

int main() {
    const char* logPath = std::getenv("SPIROLAN_STAND_IN_LOG");
    const char* title = std::getenv("SPIROLAN_STAND_IN_TITLE");
    Display* display = XOpenDisplay(nullptr);
    if (logPath == nullptr || display == nullptr) {
        return 2;
    }
    alarm(30);
    const Window window = XCreateSimpleWindow(display, DefaultRootWindow(display), 10, 10, 320, 200,
                                              1, BlackPixel(display, 0), WhitePixel(display, 0));
    XStoreName(display, window, title != nullptr ? title : "Stand-in");
    const unsigned long pid = static_cast<unsigned long>(getpid());
    XChangeProperty(display, window, XInternAtom(display, "_NET_WM_PID", False), XA_CARDINAL, 32,
                    PropModeReplace, reinterpret_cast<const unsigned char*>(&pid), 1);
    XSelectInput(display, window, KeyPressMask);
    XMapWindow(display, window);
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
