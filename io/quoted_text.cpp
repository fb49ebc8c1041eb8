// SPDX-License-Identifier: GPL-3.0-or-later
// Text from a file, quoted for a message.
#include "io/quoted_text.h"

#include <cstdio>

namespace spirolan {

std::string Quoted(std::string_view text) {
    std::string quoted(1, '"');
    std::size_t characters = 0;
    for (std::size_t i = 0; i < text.size(); ++i) {
        const auto byte = static_cast<unsigned char>(text[i]);
        const bool continuation = (byte & 0xC0) == 0x80;
        if (!continuation && characters++ == kMaxQuotedCharacters) {
            quoted += "...";
            break;
        }
        // C1 controls are two bytes in UTF-8: 0xC2 0x80 to 0xC2 0x9F.
        const auto next = i + 1 < text.size() ? static_cast<unsigned char>(text[i + 1]) : 0U;
        const bool c1 = byte == 0xC2 && next >= 0x80 && next <= 0x9F;
        if (byte == '\n') {
            quoted += "\\n";
        } else if (byte == '\t') {
            quoted += "\\t";
        } else if (byte == '\r') {
            quoted += "\\r";
        } else if (byte < 0x20 || byte == 0x7F || c1) {
            char escaped[8];
            std::snprintf(escaped, sizeof escaped, "\\u%04x", c1 ? next : byte);
            quoted += escaped;
            i += c1 ? 1 : 0;
        } else {
            quoted += static_cast<char>(byte);
        }
    }
    quoted += '"';
    return quoted;
}

} // namespace spirolan
