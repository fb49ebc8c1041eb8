// SPDX-License-Identifier: GPL-3.0-or-later
// Fuzzes the lenient reading: any text reads as a finite number or as overflow, and a number's
// plain and signed-column texts read back as the number rounded to 15 digits.
#include "core/lenient_number.h"
#include "core/number_text.h"

#include <cmath>
#include <cstdint>
#include <cstdlib>
#include <optional>
#include <string_view>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const auto value = spirolan::ReadLenient({reinterpret_cast<const char*>(data), size});
    if (!value) {
        return 0;
    }
    if (!std::isfinite(*value)) {
        std::abort();
    }
    // Rounded to 15 digits, the largest doubles overflow: their texts read as overflow too.
    const double rounded = spirolan::RoundTo15Digits(*value);
    const std::optional<double> expected =
        std::isinf(rounded) ? std::nullopt : std::optional<double>(rounded);
    if (spirolan::ReadLenient(spirolan::PlainText(*value)) != expected ||
        spirolan::ReadLenient(spirolan::SignedColumnText(*value)) != expected) {
        std::abort();
    }
    return 0;
}
