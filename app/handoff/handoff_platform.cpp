// SPDX-License-Identifier: GPL-3.0-or-later
// Building blocks of keystroke texts.
#include "app/handoff/handoff_platform.h"

#include <utility>

namespace spirolan {

KeyStroke TypedText(std::string text) {
    return {KeyStroke::Kind::Text, std::move(text)};
}

KeyStroke AltKey(char key) {
    return {KeyStroke::Kind::Alt, std::string(1, key)};
}

KeyStroke DownKey() {
    return {KeyStroke::Kind::Down, {}};
}

KeyStroke EnterKey() {
    return {KeyStroke::Kind::Enter, {}};
}

} // namespace spirolan
