// SPDX-License-Identifier: GPL-3.0-or-later
// Num lock state from the X server's keyboard indicators.
#include "app/platform/platform_keys.h"

#include <QGuiApplication>

// X11 headers come last: their macros (None, Bool, KeyPress) clash with Qt names.
#include <X11/XKBlib.h>

namespace spirolan {

std::optional<bool> NumLockState() {
    const auto* x11 =
        qGuiApp ? qGuiApp->nativeInterface<QNativeInterface::QX11Application>() : nullptr;
    if (x11 == nullptr || x11->display() == nullptr) {
        return std::nullopt;
    }
    Display* display = x11->display();
    const Atom numLock = XInternAtom(display, "Num Lock", False);
    Bool on = False;
    if (XkbGetNamedIndicator(display, numLock, nullptr, &on, nullptr, nullptr) == False) {
        return std::nullopt;
    }
    return on == True;
}

} // namespace spirolan
