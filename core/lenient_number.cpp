// Lenient reading of typed numbers: the longest leading number of a text, blanks ignored.
#include "core/lenient_number.h"

#include <charconv>
#include <cmath>
#include <string>

namespace spirolan {
namespace {

bool IsDigit(char c) {
    return c >= '0' && c <= '9';
}

int DigitValue(char c) {
    if (IsDigit(c)) {
        return c - '0';
    }
    if (c >= 'a' && c <= 'f') {
        return c - 'a' + 10;
    }
    if (c >= 'A' && c <= 'F') {
        return c - 'A' + 10;
    }
    return 99;
}

std::optional<double> ReadWholeNumber(std::string_view digits, int base) {
    double value = 0;
    for (char c : digits) {
        int d = DigitValue(c);
        if (d >= base) {
            break;
        }
        value = value * base + d;
    }
    if (!std::isfinite(value)) {
        return std::nullopt;
    }
    return value;
}

// Exponents beyond this cannot change whether a double overflows or underflows; capping keeps
// the exponent text short whatever the user typed.
constexpr long kExponentCap = 100000;

} // namespace

std::optional<double> ReadLenient(std::string_view text) {
    std::string s;
    s.reserve(text.size());
    for (char c : text) {
        if (c != ' ' && c != '\t' && c != '\n') {
            s.push_back(c);
        }
    }
    if (s.size() >= 2 && s[0] == '&') {
        char kind = s[1];
        if (kind == 'H' || kind == 'h') {
            return ReadWholeNumber(std::string_view(s).substr(2), 16);
        }
        if (kind == 'O' || kind == 'o') {
            return ReadWholeNumber(std::string_view(s).substr(2), 8);
        }
        return 0.0;
    }

    size_t i = 0;
    const size_t n = s.size();
    bool negative = false;
    if (i < n && (s[i] == '+' || s[i] == '-')) {
        negative = s[i] == '-';
        ++i;
    }
    const size_t intStart = i;
    while (i < n && IsDigit(s[i])) {
        ++i;
    }
    std::string_view intDigits(s.data() + intStart, i - intStart);
    std::string_view fracDigits;
    if (i < n && s[i] == '.') {
        ++i;
        const size_t fracStart = i;
        while (i < n && IsDigit(s[i])) {
            ++i;
        }
        fracDigits = std::string_view(s.data() + fracStart, i - fracStart);
    }
    if (intDigits.empty() && fracDigits.empty()) {
        return 0.0;
    }

    long exponent = 0;
    if (i < n && (s[i] == 'E' || s[i] == 'e' || s[i] == 'D' || s[i] == 'd')) {
        size_t j = i + 1;
        bool expNegative = false;
        if (j < n && (s[j] == '+' || s[j] == '-')) {
            expNegative = s[j] == '-';
            ++j;
        }
        if (j < n && IsDigit(s[j])) {
            while (j < n && IsDigit(s[j])) {
                if (exponent < kExponentCap) {
                    exponent = exponent * 10 + (s[j] - '0');
                }
                ++j;
            }
            if (expNegative) {
                exponent = -exponent;
            }
        }
    }

    std::string canonical;
    canonical.reserve(intDigits.size() + fracDigits.size() + 16);
    if (negative) {
        canonical.push_back('-');
    }
    canonical.append(intDigits.empty() ? std::string_view("0") : intDigits);
    if (!fracDigits.empty()) {
        canonical.push_back('.');
        canonical.append(fracDigits);
    }
    canonical.push_back('e');
    canonical.append(std::to_string(exponent));

    double value = 0;
    auto [end, ec] = std::from_chars(canonical.data(), canonical.data() + canonical.size(), value,
                                     std::chars_format::scientific);
    (void)end;
    if (ec == std::errc::result_out_of_range) {
        // Out of range either way: decide by the decimal position of the first significant digit.
        long magnitude = 0;
        bool found = false;
        for (size_t k = 0; k < intDigits.size(); ++k) {
            if (intDigits[k] != '0') {
                magnitude = static_cast<long>(intDigits.size() - k - 1);
                found = true;
                break;
            }
        }
        for (size_t k = 0; !found && k < fracDigits.size(); ++k) {
            if (fracDigits[k] != '0') {
                magnitude = -static_cast<long>(k + 1);
                found = true;
            }
        }
        if (found && magnitude + exponent > 0) {
            return std::nullopt;
        }
        return negative ? -0.0 : 0.0;
    }
    return value;
}

double ReadLenientOrInfinity(std::string_view text) {
    if (auto value = ReadLenient(text)) {
        return *value;
    }
    // Only a decimal number overflows with a sign, and the reading skips blanks, tabs and line
    // feeds before it.
    auto first = text.find_first_not_of(" \t\n");
    bool negative = first != std::string_view::npos && text[first] == '-';
    return negative ? -HUGE_VAL : HUGE_VAL;
}

} // namespace spirolan
