// SPDX-License-Identifier: GPL-3.0-or-later
// Number texts: plain text for dialog fields, signed-column text for CAF lines and displays.
#pragma once

#include <optional>
#include <string>

namespace spirolan {

/// Significant digits of the two floating-point precisions the program writes.
inline constexpr int kDoubleDigits = 15;
inline constexpr int kSingleDigits = 7;

/// Plain text: the value rounded to 15 significant digits, without trailing zeros, exponent or
/// digit grouping; "." as decimal separator, a leading "0" below 1, "-" for negatives and no
/// leading blank (0.5 gives "0.5", 3 gives "3", -0 gives "0").
std::string PlainText(double value);

/// Plain text of an optional field: empty gives the empty text.
std::string PlainText(const std::optional<double>& value);

/// Plain text of a single-precision value: up to 7 significant digits.
std::string PlainTextSingle(float value);

/// Signed-column text: a blank in place of the sign for zero and positive values, "-" for
/// negatives, no "0" before the point below 1 (0.5 gives " .5", -1234 gives "-1234", 1e20 gives
/// " 100000000000000000000"); 15 significant digits.
std::string SignedColumnText(double value);

/// Signed-column text of a single-precision value: up to 7 significant digits.
std::string SignedColumnTextSingle(float value);

/// Writes the signed-column text of `value` rounded to `digits` significant digits to `out`,
/// which must have room for 400 characters; returns the end of the text.
char* WriteSignedColumn(char* out, double value, int digits);

/// `value` rounded to 15 significant digits, as it reads back from its plain text; infinity of
/// the same sign when the rounding leaves the double range (above 1.79769313486231e308).
double RoundTo15Digits(double value);

} // namespace spirolan
