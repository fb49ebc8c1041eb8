// SPDX-License-Identifier: GPL-3.0-or-later
// Number texts: plain text for dialog fields, signed-column text for CAF lines and displays.
#include "core/number_text.h"

#include <charconv>
#include <cmath>
#include <cstring>

namespace spirolan {
namespace {

// The decimal digits of |value| rounded to a number of significant digits: digits[0..count) with
// no trailing zeros, and `exponent` the power of ten of the first digit.
struct Decimal {
    char digits[24];
    int count;
    int exponent;
};

Decimal RoundDecimal(double magnitude, int significant) {
    Decimal d{};
    if (magnitude == 0) {
        d.digits[0] = '0';
        d.count = 1;
        return d;
    }
    char buf[64];
    auto result = std::to_chars(buf, buf + sizeof buf, magnitude, std::chars_format::scientific,
                                significant - 1);
    const char* p = buf;
    d.digits[d.count++] = *p++;
    if (*p == '.') {
        ++p;
        while (*p != 'e') {
            d.digits[d.count++] = *p++;
        }
    }
    ++p; // 'e'
    std::from_chars(*p == '+' ? p + 1 : p, result.ptr, d.exponent);
    while (d.count > 1 && d.digits[d.count - 1] == '0') {
        --d.count;
    }
    return d;
}

char* WriteNonFinite(char* out, double value) {
    const char* text = std::isnan(value) ? "nan" : (value < 0 ? "-inf" : "inf");
    size_t n = std::strlen(text);
    std::memcpy(out, text, n);
    return out + n;
}

// Writes the decimal in fixed notation; `leadingZero` puts "0" before the point below 1.
char* WriteFixed(char* out, const Decimal& d, bool leadingZero) {
    if (d.exponent >= 0) {
        for (int i = 0; i <= d.exponent; ++i) {
            *out++ = i < d.count ? d.digits[i] : '0';
        }
        if (d.count > d.exponent + 1) {
            *out++ = '.';
            for (int i = d.exponent + 1; i < d.count; ++i) {
                *out++ = d.digits[i];
            }
        }
        return out;
    }
    if (leadingZero) {
        *out++ = '0';
    }
    *out++ = '.';
    for (int i = -1; i > d.exponent; --i) {
        *out++ = '0';
    }
    std::memcpy(out, d.digits, static_cast<size_t>(d.count));
    return out + d.count;
}

std::string Plain(double value, int digits) {
    char buf[400];
    char* out = buf;
    if (!std::isfinite(value)) {
        out = WriteNonFinite(out, value);
    } else {
        if (value < 0) {
            *out++ = '-';
        }
        out = WriteFixed(out, RoundDecimal(std::fabs(value), digits), true);
    }
    return std::string(buf, out);
}

} // namespace

char* WriteSignedColumn(char* out, double value, int digits) {
    if (!std::isfinite(value)) {
        if (!(value < 0)) {
            *out++ = ' ';
        }
        return WriteNonFinite(out, value);
    }
    *out++ = value < 0 ? '-' : ' ';
    return WriteFixed(out, RoundDecimal(std::fabs(value), digits), false);
}

std::string PlainText(double value) {
    return Plain(value, kDoubleDigits);
}

std::string PlainText(const std::optional<double>& value) {
    return value ? PlainText(*value) : std::string();
}

std::string PlainTextSingle(float value) {
    return Plain(value, kSingleDigits);
}

std::string SignedColumnText(double value) {
    char buf[400];
    return std::string(buf, WriteSignedColumn(buf, value, kDoubleDigits));
}

std::string SignedColumnTextSingle(float value) {
    char buf[400];
    return std::string(buf, WriteSignedColumn(buf, value, kSingleDigits));
}

double RoundTo15Digits(double value) {
    if (!std::isfinite(value) || value == 0) {
        return value;
    }
    char buf[64];
    auto end = std::to_chars(buf, buf + sizeof buf, value, std::chars_format::scientific,
                             kDoubleDigits - 1)
                   .ptr;
    double rounded = 0;
    if (std::from_chars(buf, end, rounded, std::chars_format::scientific).ec ==
        std::errc::result_out_of_range) {
        // Only the largest doubles round up beyond the range.
        return std::copysign(HUGE_VAL, value);
    }
    return rounded;
}

} // namespace spirolan
