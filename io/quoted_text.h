// SPDX-License-Identifier: GPL-3.0-or-later
// Text from a file, quoted for a message: short, on one line, and harmless to a terminal.
#pragma once

#include <string>
#include <string_view>

namespace spirolan {

/// The most characters of a file's text that a message quotes.
inline constexpr std::size_t kMaxQuotedCharacters = 80;

/// `text` (UTF-8) in double quotes: control characters shown escaped as in JSON ("\n", "\t",
/// "\u001b"), and a text longer than kMaxQuotedCharacters cut there, with "..." after it.
std::string Quoted(std::string_view text);

} // namespace spirolan
