// CAF cam text: the line format of the Mode-A and Mode-B texts, CR LF after every line.
#include "caf_text.h"

#include "number_text.h"

#include <charconv>
#include <cmath>

namespace spirolan::caf {
namespace {

constexpr std::string_view kLineEnd = "\r\n";

// Whole numbers below this magnitude keep every digit in the given precision, so the integer
// text is the signed-column text.
constexpr double kExactWholeDouble = 1e15;
constexpr float kExactWholeSingle = 1e7f;

void AppendSignedColumn(std::string& text, double value, int digits, double exactBelow) {
    char buf[400];
    char* end;
    if (std::fabs(value) < exactBelow && value == std::trunc(value)) {
        buf[0] = value < 0 ? '-' : ' ';
        auto whole = static_cast<long long>(std::fabs(value));
        end = std::to_chars(buf + 1, buf + sizeof buf, whole).ptr;
    } else {
        end = WriteSignedColumn(buf, value, digits);
    }
    text.append(buf, end);
    text.append(kLineEnd);
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
    text.push_back('E');
    AppendLine(text, SignedColumnText(faceNumber));
    text.append("360/");
    text.append(SignedColumnText(position));
    text.append("/0\r\n");
}

void AppendDataLine(std::string& text, double value) {
    AppendSignedColumn(text, value, kDoubleDigits, kExactWholeDouble);
}

void AppendSingleDataLine(std::string& text, float value) {
    AppendSignedColumn(text, value, kSingleDigits, kExactWholeSingle);
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

} // namespace spirolan::caf
