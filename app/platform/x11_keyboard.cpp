// The X11 side of the hand-off, through libxdo: window search, focus, and XTEST typing.
#include "app/platform/x11_keyboard.h"

extern "C" {
#include <xdo.h>
}
#include <X11/Xatom.h>

#include <cctype>
#include <climits>
#include <cstdlib>

namespace spirolan {

namespace {

/// Microseconds between key events, a pace that every program keeps up with.
constexpr useconds_t kKeyDelay = 12000;

/// Errors of the last trapped requests. Xlib's default handler would end the process on a
/// window that vanished or is not viewable yet; the hand-off only needs to know it failed.
/// One user-interface thread makes the requests.
int trappedErrors = 0;

int CountError(Display*, XErrorEvent*) {
    ++trappedErrors;
    return 0;
}

/// Counts the X errors of the requests made while it lives instead of ending the process.
class ErrorTrap {
public:
    explicit ErrorTrap(Display* display) : display_(display) {
        XSync(display_, False);
        trappedErrors = 0;
        previous_ = XSetErrorHandler(CountError);
    }
    ~ErrorTrap() {
        XSync(display_, False);
        XSetErrorHandler(previous_);
    }
    ErrorTrap(const ErrorTrap&) = delete;
    ErrorTrap& operator=(const ErrorTrap&) = delete;

    /// True when every request so far went through.
    bool Ok() {
        XSync(display_, False);
        return trappedErrors == 0;
    }

private:
    Display* display_;
    XErrorHandler previous_ = nullptr;
};

std::optional<std::uint64_t> FirstMatch(const xdo_t* xdo, const xdo_search_t& search) {
    Window* windows = nullptr;
    unsigned int count = 0;
    xdo_search_windows(xdo, &search, &windows, &count);
    std::optional<std::uint64_t> first;
    if (windows != nullptr && count > 0) {
        first = windows[0];
    }
    std::free(windows);
    return first;
}

/// Whether a running window manager announces _NET_ACTIVE_WINDOW.
bool SupportsActivation(Display* display) {
    const Atom supported = XInternAtom(display, "_NET_SUPPORTED", False);
    const Atom active = XInternAtom(display, "_NET_ACTIVE_WINDOW", False);
    Atom type = 0;
    int format = 0;
    unsigned long count = 0;
    unsigned long rest = 0;
    unsigned char* data = nullptr;
    const int status =
        XGetWindowProperty(display, DefaultRootWindow(display), supported, 0, LONG_MAX / 4, False,
                           XA_ATOM, &type, &format, &count, &rest, &data);
    bool found = false;
    if (status == Success && data != nullptr && type == XA_ATOM && format == 32) {
        const auto* atoms = reinterpret_cast<const Atom*>(data);
        for (unsigned long i = 0; i < count && !found; ++i) {
            found = atoms[i] == active;
        }
    }
    if (data != nullptr) {
        XFree(data);
    }
    return found;
}

/// Whether the input focus is on `window` or inside it.
bool HasFocus(Display* display, Window window) {
    Window focus = 0;
    int revert = 0;
    XGetInputFocus(display, &focus, &revert);
    const Window root = DefaultRootWindow(display);
    // Nesting is shallow; the bound only guards against a tree changing under the walk.
    for (int depth = 0; depth < 64 && focus != None && focus != PointerRoot; ++depth) {
        if (focus == window) {
            return true;
        }
        if (focus == root) {
            return false;
        }
        Window rootReturn = 0;
        Window parent = 0;
        Window* children = nullptr;
        unsigned int count = 0;
        if (XQueryTree(display, focus, &rootReturn, &parent, &children, &count) == 0) {
            return false;
        }
        if (children != nullptr) {
            XFree(children);
        }
        focus = parent;
    }
    return false;
}

bool WaitForFocus(Display* display, Window window, const std::function<void(double)>& wait) {
    for (int tries = 0; tries < 20; ++tries) {
        if (HasFocus(display, window)) {
            return true;
        }
        wait(0.1);
    }
    return HasFocus(display, window);
}

/// The xdo key name of the key `key` with Alt held, or empty for a key other than a letter or
/// digit.
std::string AltSequence(const std::string& key) {
    if (key.size() != 1 || std::isalnum(static_cast<unsigned char>(key[0])) == 0) {
        return {};
    }
    return "alt+" +
           std::string(1, static_cast<char>(std::tolower(static_cast<unsigned char>(key[0]))));
}

} // namespace

struct X11Keyboard::Session {
    xdo_t* xdo = nullptr;
    ~Session() { xdo_free(xdo); }
    Display* display() const { return xdo->xdpy; }
};

X11Keyboard::X11Keyboard(const std::string& display) {
    Display* connection = XOpenDisplay(display.empty() ? nullptr : display.c_str());
    if (connection == nullptr) {
        return;
    }
    xdo_t* xdo = xdo_new_with_opened_display(connection, XDisplayString(connection), 1);
    if (xdo == nullptr) {
        XCloseDisplay(connection);
        return;
    }
    xdo->quiet = 1;
    session_ = std::make_unique<Session>();
    session_->xdo = xdo;
    // Key events sent to an unfocused window are marked synthetic and ignored by many programs:
    // without XTEST nothing is typed at all.
    int opcode = 0;
    int event = 0;
    int error = 0;
    if (XQueryExtension(connection, "XTEST", &opcode, &event, &error) == False) {
        session_.reset();
    }
}

X11Keyboard::~X11Keyboard() = default;

bool X11Keyboard::IsOpen() const {
    return session_ != nullptr;
}

std::optional<std::uint64_t> X11Keyboard::FindWindow(std::int64_t pid) {
    if (!session_) {
        return std::nullopt;
    }
    // Windows may vanish while the tree is walked.
    ErrorTrap trap(session_->display());
    if (pid > 0 && pid <= INT_MAX) {
        xdo_search_t search{};
        search.pid = static_cast<int>(pid);
        search.max_depth = -1;
        search.only_visible = True;
        search.require = xdo_search_t::SEARCH_ALL;
        search.searchmask = SEARCH_PID | SEARCH_ONLYVISIBLE;
        if (const auto window = FirstMatch(session_->xdo, search)) {
            return window;
        }
    }
    // A launcher (a script, a compatibility layer) may own the window under another process id.
    const char* pattern = "[Oo][Rr][Vv][Ee][Xx][Aa]";
    xdo_search_t search{};
    search.winname = pattern;
    search.winclass = pattern;
    search.winclassname = pattern;
    search.max_depth = -1;
    search.only_visible = True;
    search.require = xdo_search_t::SEARCH_ANY;
    search.searchmask = SEARCH_NAME | SEARCH_CLASS | SEARCH_CLASSNAME | SEARCH_ONLYVISIBLE;
    return FirstMatch(session_->xdo, search);
}

bool X11Keyboard::BringToFront(std::uint64_t window, const std::function<void(double)>& wait) {
    if (!session_) {
        return false;
    }
    Display* display = session_->display();
    const auto target = static_cast<Window>(window);
    if (SupportsActivation(display)) {
        ErrorTrap trap(display);
        if (xdo_activate_window(session_->xdo, target) == XDO_SUCCESS && trap.Ok() &&
            WaitForFocus(display, target, wait)) {
            return true;
        }
    }
    {
        ErrorTrap trap(display);
        XRaiseWindow(display, target);
        XSetInputFocus(display, target, RevertToParent, CurrentTime);
        if (!trap.Ok()) {
            return false;
        }
    }
    return WaitForFocus(display, target, wait);
}

bool X11Keyboard::Type(const KeyText& keys) {
    if (!session_) {
        return false;
    }
    const xdo_t* xdo = session_->xdo;
    ErrorTrap trap(session_->display());
    for (const KeyStroke& key : keys) {
        int status = XDO_SUCCESS;
        switch (key.kind) {
        case KeyStroke::Kind::Text:
            if (!key.text.empty()) {
                status = xdo_enter_text_window(xdo, CURRENTWINDOW, key.text.c_str(), kKeyDelay);
            }
            break;
        case KeyStroke::Kind::Alt: {
            const std::string sequence = AltSequence(key.text);
            status = sequence.empty() ? XDO_ERROR
                                      : xdo_send_keysequence_window(xdo, CURRENTWINDOW,
                                                                    sequence.c_str(), kKeyDelay);
            break;
        }
        case KeyStroke::Kind::Down:
            status = xdo_send_keysequence_window(xdo, CURRENTWINDOW, "Down", kKeyDelay);
            break;
        case KeyStroke::Kind::Enter:
            status = xdo_send_keysequence_window(xdo, CURRENTWINDOW, "Return", kKeyDelay);
            break;
        }
        if (status != XDO_SUCCESS) {
            return false;
        }
    }
    return trap.Ok();
}

} // namespace spirolan
