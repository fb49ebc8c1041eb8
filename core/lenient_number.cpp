// SPDX-License-Identifier: GPL-3.0-or-later
// Lenient reading of typed numbers: the longest leading number of a text, blanks ignored.
#include "core/lenient_number.h"

#include <algorithm>
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

// The pieces of a decimal number as typed: sign, digits before and after the point, exponent.
struct DecimalText {
    bool Negative = false;
    std::string_view IntDigits;
    std::string_view FracDigits;
    long long Exponent = 0;
};

// An exponent is kept up to this size: beyond it no text that fits in memory can bring the value
// back into the range of a double, and the sum with a digit position cannot overflow.
constexpr long long kExponentLimit = 1'000'000'000'000'000;

// A decimal exponent beyond which every value overflows (or, negated, reads as 0).
constexpr long long kBeyondDouble = 400;

std::string WithoutBlanks(std::string_view text) {
    std::string s;
    s.reserve(text.size());
    for (char c : text) {
        if (c != ' ' && c != '\t' && c != '\n') {
            s.push_back(c);
        }
    }
    return s;
}

// "&H..." or "&O...": a hexadecimal or octal whole number; any other "&" text reads 0.
std::optional<double> ReadPrefixedWhole(std::string_view s) {
    const char kind = s[1];
    if (kind == 'H' || kind == 'h') {
        return ReadWholeNumber(s.substr(2), 16);
    }
    if (kind == 'O' || kind == 'o') {
        return ReadWholeNumber(s.substr(2), 8);
    }
    return 0.0;
}

// An optional sign at `i`, which is moved past it; true for "-".
bool ScanSign(std::string_view s, size_t& i) {
    if (i < s.size() && (s[i] == '+' || s[i] == '-')) {
        return s[i++] == '-';
    }
    return false;
}

// The run of decimal digits at `i`, which is moved past it.
std::string_view ScanDigits(std::string_view s, size_t& i) {
    const size_t start = i;
    while (i < s.size() && IsDigit(s[i])) {
        ++i;
    }
    return s.substr(start, i - start);
}

// The exponent introduced by E or D at `i`, held to kExponentLimit; 0 when none follows.
long long ScanExponent(std::string_view s, size_t i) {
    if (i >= s.size() || (s[i] != 'E' && s[i] != 'e' && s[i] != 'D' && s[i] != 'd')) {
        return 0;
    }
    ++i;
    const bool negative = ScanSign(s, i);
    long long exponent = 0;
    for (char c : ScanDigits(s, i)) {
        exponent = std::min(exponent * 10 + (c - '0'), kExponentLimit);
    }
    return negative ? -exponent : exponent;
}

// The leading decimal number of `s`, or nullopt when it has no digit before its exponent.
std::optional<DecimalText> ScanDecimal(std::string_view s) {
    DecimalText number;
    size_t i = 0;
    number.Negative = ScanSign(s, i);
    number.IntDigits = ScanDigits(s, i);
    if (i < s.size() && s[i] == '.') {
        ++i;
        number.FracDigits = ScanDigits(s, i);
    }
    if (number.IntDigits.empty() && number.FracDigits.empty()) {
        return std::nullopt;
    }
    number.Exponent = ScanExponent(s, i);
    return number;
}

// The double nearest to the number, nullopt when it is too large. The digits are written again
// as one significant digit before the point and an exponent that counts the zeros the user typed,
// so that the exponent is read by its value whatever the number of digits around the point.
std::optional<double> DecimalValue(const DecimalText& number) {
    std::string digits;
    digits.reserve(number.IntDigits.size() + number.FracDigits.size());
    digits.append(number.IntDigits).append(number.FracDigits);
    const double zero = number.Negative ? -0.0 : 0.0;
    const size_t first = digits.find_first_not_of('0');
    if (first == std::string::npos) {
        return zero;
    }
    const size_t last = digits.find_last_not_of('0');
    const long long exponent = static_cast<long long>(number.IntDigits.size()) -
                               static_cast<long long>(first) - 1 + number.Exponent;
    if (exponent > kBeyondDouble) {
        return std::nullopt;
    }
    if (exponent < -kBeyondDouble) {
        return zero;
    }
    std::string canonical;
    canonical.reserve(last - first + 16);
    if (number.Negative) {
        canonical.push_back('-');
    }
    canonical.push_back(digits[first]);
    canonical.push_back('.');
    canonical.append(digits, first + 1, last - first);
    canonical.push_back('e');
    canonical.append(std::to_string(exponent));
    double value = 0;
    const auto [end, ec] = std::from_chars(canonical.data(), canonical.data() + canonical.size(),
                                           value, std::chars_format::scientific);
    (void)end;
    if (ec == std::errc::result_out_of_range) {
        return exponent > 0 ? std::nullopt : std::optional<double>(zero);
    }
    return value;
}

} // namespace

std::optional<double> ReadLenient(std::string_view text) {
    const std::string s = WithoutBlanks(text);
    if (s.size() >= 2 && s[0] == '&') {
        return ReadPrefixedWhole(s);
    }
    const std::optional<DecimalText> number = ScanDecimal(s);
    return number ? DecimalValue(*number) : 0.0;
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
