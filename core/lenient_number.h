// SPDX-License-Identifier: GPL-3.0-or-later
// Lenient reading of typed numbers: the longest leading number of a text, blanks ignored.
#pragma once

#include <optional>
#include <string_view>

namespace spirolan {

/// Reads the number a user typed, the way every dialog field is read:
/// - blanks, tabs and line feeds are ignored wherever they stand ("1 2" reads 12);
/// - then the longest leading number is taken: optional sign, digits, "." as the only decimal
///   separator (whatever the locale), optional exponent introduced by E or D ("1D3" is 1000);
///   the rest of the text is ignored ("2,5" reads 2);
/// - "&H" or "&O" (any case) makes the rest a hexadecimal or octal whole number ("&H1F" is 31);
/// - a text without a leading number, the empty text included, reads 0.
/// Returns nullopt only when the number is too large for a double (for example "1E400"); a
/// number too small to represent reads as 0.
std::optional<double> ReadLenient(std::string_view text);

/// ReadLenient, except that a number too large for a double reads as an infinity of its sign
/// ("1E400" gives +infinity, "-1E400" -infinity), so that it counts as too large or as negative
/// rather than as 0.
double ReadLenientOrInfinity(std::string_view text);

} // namespace spirolan
