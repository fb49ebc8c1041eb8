// SPDX-License-Identifier: GPL-3.0-or-later
// Rounding and integer conversions with the program's exact rules.
#pragma once

#include <cmath>
#include <cstdint>
#include <optional>

namespace spirolan {

/// Int: the largest integer not above `value`.
inline double Int(double value) {
    return std::floor(value);
}

/// Fix: `value` truncated towards zero.
inline double Fix(double value) {
    return std::trunc(value);
}

/// Rounds to the nearest integer, a half to the even neighbour (332.5 gives 332), into a 16-bit
/// signed integer; nullopt when the result leaves -32768..32767 or `value` is not finite.
std::optional<std::int16_t> ToInt16(double value);

/// As ToInt16, into a 32-bit signed integer.
std::optional<std::int32_t> ToInt32(double value);

/// Rounds to single precision (nearest, ties to even); nullopt when the value is beyond the
/// single-precision range or not finite.
std::optional<float> ToSingle(double value);

} // namespace spirolan
