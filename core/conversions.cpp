// SPDX-License-Identifier: GPL-3.0-or-later
// Rounding and integer conversions with the program's exact rules.
#include "core/conversions.h"

namespace spirolan {
namespace {

template <typename Int, long long Low, long long High>
std::optional<Int> RoundHalfEven(double value) {
    if (!std::isfinite(value)) {
        return std::nullopt;
    }
    // nearbyint honours the current rounding mode, which the program never changes from
    // round-to-nearest-even.
    double rounded = std::nearbyint(value);
    if (rounded < static_cast<double>(Low) || rounded > static_cast<double>(High)) {
        return std::nullopt;
    }
    return static_cast<Int>(rounded);
}

// The smallest magnitude that rounds to infinity in single precision: FLT_MAX plus half an ulp.
constexpr double kSingleOverflow = 0x1.ffffffp127;

} // namespace

std::optional<std::int16_t> ToInt16(double value) {
    return RoundHalfEven<std::int16_t, -32768, 32767>(value);
}

std::optional<std::int32_t> ToInt32(double value) {
    return RoundHalfEven<std::int32_t, -2147483648LL, 2147483647LL>(value);
}

std::optional<float> ToSingle(double value) {
    if (!std::isfinite(value) || std::fabs(value) >= kSingleOverflow) {
        return std::nullopt;
    }
    return static_cast<float>(value);
}

} // namespace spirolan
