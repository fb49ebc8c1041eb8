// SPDX-License-Identifier: GPL-3.0-or-later
// The X11 side of the hand-off, through libxdo: window search, focus, and XTEST typing.
#include "app/platform/x11_keyboard.h"

extern "C" {
#include <xdo.h>
}
#include <X11/Xatom.h>
#include <X11/Xutil.h>

#include "app/platform/process_tree.h"

#include <algorithm>
#include <cctype>
#include <climits>
#include <string>
#include <vector>

namespace spirolan {

namespace {

/// Microseconds between key events, a pace that every program keeps up with.
constexpr useconds_t kKeyDelay = 12000;

/// How deep client windows may lie below the root: under a window manager's frame, and under
/// a virtual root or a decoration of it.
constexpr int kFrameDepth = 4;

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

/// One 32-bit value of the property `name` of `window`, of type `type`; nullopt when it has none.
std::optional<unsigned long> CardinalProperty(Display* display, Window window, const char* name,
                                              Atom type) {
    Atom actualType = 0;
    int format = 0;
    unsigned long count = 0;
    unsigned long rest = 0;
    unsigned char* data = nullptr;
    const int status = XGetWindowProperty(display, window, XInternAtom(display, name, False), 0, 1,
                                          False, type, &actualType, &format, &count, &rest, &data);
    std::optional<unsigned long> value;
    if (status == Success && data != nullptr && actualType == type && format == 32 && count == 1) {
        value = *reinterpret_cast<const unsigned long*>(data);
    }
    if (data != nullptr) {
        XFree(data);
    }
    return value;
}

/// The process that owns `window`: its _NET_WM_PID, or that of its client leader.
std::optional<std::int64_t> OwnerOf(Display* display, Window window) {
    auto pid = CardinalProperty(display, window, "_NET_WM_PID", XA_CARDINAL);
    if (!pid) {
        if (const auto leader = CardinalProperty(display, window, "WM_CLIENT_LEADER", XA_WINDOW)) {
            pid =
                CardinalProperty(display, static_cast<Window>(*leader), "_NET_WM_PID", XA_CARDINAL);
        }
    }
    if (!pid || *pid == 0) {
        return std::nullopt;
    }
    return static_cast<std::int64_t>(*pid);
}

bool ContainsOrvexa(std::string text) {
    for (char& ch : text) {
        ch = static_cast<char>(std::tolower(static_cast<unsigned char>(ch)));
    }
    return text.find("orvexa") != std::string::npos;
}

/// Whether the title or the class of `window` holds "orvexa" in any letter case.
bool NamedOrvexa(Display* display, Window window) {
    bool named = false;
    Atom type = 0;
    int format = 0;
    unsigned long count = 0;
    unsigned long rest = 0;
    unsigned char* data = nullptr;
    if (XGetWindowProperty(display, window, XInternAtom(display, "_NET_WM_NAME", False), 0, 1024,
                           False, XInternAtom(display, "UTF8_STRING", False), &type, &format,
                           &count, &rest, &data) == Success &&
        data != nullptr && format == 8) {
        named = ContainsOrvexa(std::string(reinterpret_cast<const char*>(data), count));
    }
    if (data != nullptr) {
        XFree(data);
    }
    char* title = nullptr;
    if (XFetchName(display, window, &title) != 0 && title != nullptr) {
        named = named || ContainsOrvexa(title);
        XFree(title);
    }
    XClassHint hint{};
    if (XGetClassHint(display, window, &hint) != 0) {
        named = named || (hint.res_name != nullptr && ContainsOrvexa(hint.res_name)) ||
                (hint.res_class != nullptr && ContainsOrvexa(hint.res_class));
        XFree(hint.res_name);
        XFree(hint.res_class);
    }
    return named;
}

bool Viewable(Display* display, Window window) {
    XWindowAttributes attributes{};
    return XGetWindowAttributes(display, window, &attributes) != 0 &&
           attributes.map_state == IsViewable;
}

/// Adds to `found` the viewable client windows under `parent` that processes of `tree` own, top
/// first. A window with an owner is a client window and is not looked into; one without (a
/// window manager's frame) is, down to `depth` levels.
void CollectOwnedWindows(Display* display, Window parent, std::int64_t tree, int depth,
                         std::vector<Window>& found) {
    Window root = 0;
    Window parentReturn = 0;
    Window* children = nullptr;
    unsigned int count = 0;
    if (XQueryTree(display, parent, &root, &parentReturn, &children, &count) == 0) {
        return;
    }
    // Children come bottom first.
    for (unsigned int i = count; i-- > 0;) {
        const Window child = children[i];
        if (const auto owner = OwnerOf(display, child)) {
            if (IsSameOrDescendant(*owner, tree) && Viewable(display, child)) {
                found.push_back(child);
            }
        } else if (depth > 1) {
            CollectOwnedWindows(display, child, tree, depth - 1, found);
        }
    }
    if (children != nullptr) {
        XFree(children);
    }
}

/// The parent of `window`; nothing when the server cannot tell (the window has gone).
std::optional<Window> ParentOf(Display* display, Window window) {
    Window rootReturn = 0;
    Window parent = 0;
    Window* children = nullptr;
    unsigned int count = 0;
    if (XQueryTree(display, window, &rootReturn, &parent, &children, &count) == 0) {
        return std::nullopt;
    }
    if (children != nullptr) {
        XFree(children);
    }
    return parent;
}

/// The process that owns the window with the input focus (or the window it lies in).
std::optional<std::int64_t> FocusOwner(Display* display) {
    Window focus = 0;
    int revert = 0;
    XGetInputFocus(display, &focus, &revert);
    const Window root = DefaultRootWindow(display);
    // Nesting is shallow; the bound only guards against a tree changing under the walk.
    for (int depth = 0; depth < 64 && focus != None && focus != PointerRoot && focus != root;
         ++depth) {
        if (const auto owner = OwnerOf(display, focus)) {
            return owner;
        }
        const auto parent = ParentOf(display, focus);
        if (!parent) {
            return std::nullopt;
        }
        focus = *parent;
    }
    return std::nullopt;
}

/// Whether the window with the input focus belongs to process `pid` or its descendants.
bool FocusWithin(Display* display, std::int64_t pid) {
    const auto owner = FocusOwner(display);
    return owner && IsSameOrDescendant(*owner, pid);
}

/// The characters of UTF-8 `text`, each as its own text.
std::vector<std::string> Characters(const std::string& text) {
    std::vector<std::string> characters;
    for (const char ch : text) {
        // A continuation byte (10xxxxxx) belongs to the character before it.
        if ((static_cast<unsigned char>(ch) & 0xC0) == 0x80 && !characters.empty()) {
            characters.back() += ch;
        } else {
            characters.emplace_back(1, ch);
        }
    }
    return characters;
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
        const auto parent = ParentOf(display, focus);
        if (!parent) {
            return false;
        }
        focus = *parent;
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
    if (!session_ || pid <= 0) {
        return std::nullopt;
    }
    Display* display = session_->display();
    // Windows may vanish while the tree is walked.
    ErrorTrap trap(display);
    std::vector<Window> owned;
    CollectOwnedWindows(display, DefaultRootWindow(display), pid, kFrameDepth, owned);
    if (owned.empty()) {
        return std::nullopt;
    }
    // A launcher or a compatibility layer may show other windows of its own: the one named
    // after the program is the program's.
    const auto named = std::find_if(owned.begin(), owned.end(), [display](Window window) {
        return NamedOrvexa(display, window);
    });
    return named != owned.end() ? *named : owned.front();
}

bool X11Keyboard::FocusIsWithin(std::int64_t pid) {
    if (!session_) {
        return false;
    }
    ErrorTrap trap(session_->display());
    return FocusWithin(session_->display(), pid);
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

bool X11Keyboard::Type(const KeyText& keys, std::int64_t pid) {
    if (!session_) {
        return false;
    }
    const xdo_t* xdo = session_->xdo;
    Display* display = session_->display();
    ErrorTrap trap(display);
    // Each key goes out only while the focus is in the program: a user who moves it elsewhere
    // stops the typing.
    const auto send = [&](const char* sequence) {
        return FocusWithin(display, pid) &&
               xdo_send_keysequence_window(xdo, CURRENTWINDOW, sequence, kKeyDelay) == XDO_SUCCESS;
    };
    for (const KeyStroke& key : keys) {
        bool sent = true;
        switch (key.kind) {
        case KeyStroke::Kind::Text:
            for (const std::string& character : Characters(key.text)) {
                sent = sent && FocusWithin(display, pid) &&
                       xdo_enter_text_window(xdo, CURRENTWINDOW, character.c_str(), kKeyDelay) ==
                           XDO_SUCCESS;
            }
            break;
        case KeyStroke::Kind::Alt: {
            const std::string sequence = AltSequence(key.text);
            sent = !sequence.empty() && send(sequence.c_str());
            break;
        }
        case KeyStroke::Kind::Down:
            sent = send("Down");
            break;
        case KeyStroke::Kind::Enter:
            sent = send("Return");
            break;
        }
        if (!sent) {
            return false;
        }
    }
    return trap.Ok();
}

} // namespace spirolan
