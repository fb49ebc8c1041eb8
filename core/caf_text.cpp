// SPDX-License-Identifier: GPL-3.0-or-later
// CAF cam text: the line format of the Mode-A and Mode-B texts, CR LF after every line.
#include "core/caf_text.h"

#include "core/number_text.h"

#include <charconv>
#include <cmath>
#include <cstring>

namespace spirolan::caf {
namespace {

constexpr std::string_view kLineEnd = "\r\n";

// Whole numbers below this magnitude keep every digit in the given precision, so the integer
// text is the signed-column text.
constexpr double kExactWholeDouble = 1e15;

// Writes the signed-column text of `value` (room as for WriteSignedColumn); whole numbers take
// the fast path.
char* WriteColumn(char* out, double value) {
    if (std::fabs(value) < kExactWholeDouble && value == std::trunc(value)) {
        *out = value < 0 ? '-' : ' ';
        auto whole = static_cast<long long>(std::fabs(value));
        return std::to_chars(out + 1, out + kDataLineRoom, whole).ptr;
    }
    return WriteSignedColumn(out, value, kDoubleDigits);
}

// Writes CR LF at `end`, the end of a line; returns the end of the line end.
char* EndLine(char* end) {
    end[0] = '\r';
    end[1] = '\n';
    return end + 2;
}

} // namespace

void AppendLine(std::string& text, std::string_view line) {
    text.append(line);
    text.append(kLineEnd);
}

void AppendHeader(std::string& text, std::string_view countLine) {
    text.append("CAM4\r\nU\r\n0\r\nM\r\n");
    AppendLine(text, countLine);
}

void AppendModeAFaceHeader(std::string& text) {
    text.append("E1\r\n360/0/0\r\n");
}

void AppendModeBFaceHeader(std::string& text, int faceNumber, double position) {
    char buf[2 * kDataLineRoom + 8];
    char* out = buf;
    *out++ = 'E';
    out = WriteColumn(out, faceNumber);
    std::memcpy(out, "\r\n360/", 6);
    out = WriteColumn(out + 6, position);
    std::memcpy(out, "/0\r\n", 4);
    text.append(buf, static_cast<size_t>(out + 4 - buf));
}

void AppendDataLine(std::string& text, double value) {
    char buf[kDataLineRoom];
    text.append(buf, static_cast<size_t>(EndLine(WriteColumn(buf, value)) - buf));
}

char* WriteSingleDataLineInGeneral(char* out, float value) {
    return EndLine(WriteSignedColumn(out, value, kSingleDigits));
}

void AppendSingleDataLine(std::string& text, float value) {
    char buf[kDataLineRoom];
    text.append(buf, static_cast<size_t>(WriteSingleDataLine(buf, value) - buf));
}

void AppendEnd(std::string& text) {
    text.append("END\r\n");
}

std::string BuildModeAText(const std::array<double, 360>& values) {
    std::string text;
    text.reserve(31 + 360 * 10 + 5);
    AppendHeader(text, "1");
    AppendModeAFaceHeader(text);
    std::string data;
    data.reserve(360 * 10);
    for (double v : values) {
        AppendDataLine(data, v);
    }
    text.append(data);
    AppendEnd(text);
    return text;
}

std::string CafFileBytes(std::string_view paneText) {
    std::string bytes(paneText);
    AppendLine(bytes, {});
    return bytes;
}

} // namespace spirolan::caf
