// SPDX-License-Identifier: GPL-3.0-or-later
// The hand-off's window side for builds without X11 and libxdo.
#include "app/platform/x11_keyboard.h"

namespace spirolan {
// Built without X11: no window can be reached, so the hand-off always takes its failure path.
struct X11Keyboard::Session {};

X11Keyboard::X11Keyboard(const std::string&) {}
X11Keyboard::~X11Keyboard() = default;

bool X11Keyboard::IsOpen() const {
    return false;
}

std::optional<std::uint64_t> X11Keyboard::FindWindow(std::int64_t) {
    return std::nullopt;
}

bool X11Keyboard::BringToFront(std::uint64_t, const std::function<void(double)>&) {
    return false;
}

bool X11Keyboard::FocusIsWithin(std::int64_t) {
    return false;
}

bool X11Keyboard::Type(const KeyText&, std::int64_t) {
    return false;
}

} // namespace spirolan
