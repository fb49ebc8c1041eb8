// SPDX-License-Identifier: GPL-3.0-or-later
// Messages of face copy: what the window shows in a modal message box, as values.
#pragma once

#include "facecopy/face_copy_texts.h"

#include <string>
#include <string_view>

namespace spirolan {

/// Icon of a message box. Face copy only refuses, so it only uses the exclamation.
enum class MessageIcon { Exclamation };

/// One modal message box with a single OK button.
struct FaceCopyMessage {
    std::string text;
    std::string title;
    MessageIcon icon = MessageIcon::Exclamation;

    friend bool operator==(const FaceCopyMessage&, const FaceCopyMessage&) = default;
};

/// A refusal of face copy: `text` under the title "Face copy error" with an exclamation icon.
inline FaceCopyMessage FaceCopyRefusal(std::string_view text) {
    return {std::string(text), std::string(kFaceCopyErrorTitle), MessageIcon::Exclamation};
}

} // namespace spirolan
