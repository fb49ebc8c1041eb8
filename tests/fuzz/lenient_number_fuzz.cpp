// Fuzzes the lenient reading: any text reads as a finite number or as overflow, and a number's
// plain text reads back as the number rounded to 15 digits.
#include "lenient_number.h"
#include "number_text.h"

#include <cmath>
#include <cstdint>
#include <cstdlib>
#include <string_view>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    std::string_view text(reinterpret_cast<const char*>(data), size);
    auto value = spirolan::ReadLenient(text);
    if (!value) {
        return 0;
    }
    if (!std::isfinite(*value)) {
        std::abort();
    }
    const double rounded = spirolan::RoundTo15Digits(*value);
    auto again = spirolan::ReadLenient(spirolan::PlainText(*value));
    if (std::isinf(rounded)) {
        // Rounded to 15 digits, the largest doubles overflow: their text reads as overflow too.
        if (again) {
            std::abort();
        }
        return 0;
    }
    if (!again || *again != rounded) {
        std::abort();
    }
    auto column = spirolan::ReadLenient(spirolan::SignedColumnText(*value));
    if (!column || *column != *again) {
        std::abort();
    }
    return 0;
}
