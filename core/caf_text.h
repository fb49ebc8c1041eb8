// SPDX-License-Identifier: GPL-3.0-or-later
// CAF cam text: the line format of the Mode-A and Mode-B texts, CR LF after every line.
#pragma once

#include <array>
#include <charconv>
#include <cstddef>
#include <string>
#include <string_view>

namespace spirolan::caf {

/// Appends `line` and CR LF.
void AppendLine(std::string& text, std::string_view line);

/// Appends the header "CAM4", "U", "0", "M" and the count line.
void AppendHeader(std::string& text, std::string_view countLine);

/// Appends the two lines that open a face of the Mode-A form: "E1", "360/0/0".
void AppendModeAFaceHeader(std::string& text);

/// Appends the two lines that open Mode-B face `faceNumber` at axial position `position` (in
/// units of 0.0001): "E" + signed-column number, "360/" + signed-column position + "/0".
void AppendModeBFaceHeader(std::string& text, int faceNumber, double position);

/// Appends a data line: the signed-column text of a whole number (15 significant digits).
void AppendDataLine(std::string& text, double value);

/// Appends a data line of a single-precision whole number (7 significant digits).
void AppendSingleDataLine(std::string& text, float value);

/// Characters of room that WriteSingleDataLine needs at its output.
inline constexpr std::size_t kDataLineRoom = 402;

/// WriteSingleDataLine for values that are not whole numbers below 1e7.
char* WriteSingleDataLineInGeneral(char* out, float value);

/// Writes the data line of AppendSingleDataLine, CR LF included, at `out`, which must have
/// kDataLineRoom characters of room; returns the end of the line. For builders that collect the
/// lines of a face in a buffer of their own (a million lines in the largest Mode-B text), hence
/// inline for the usual whole numbers.
inline char* WriteSingleDataLine(char* out, float value) {
    const float magnitude = value < 0 ? -value : value;
    if (magnitude < 1e7f) {
        // Below 1e7 a whole single-precision number has at most 7 digits: its integer text is
        // its signed-column text.
        const auto whole = static_cast<unsigned>(magnitude);
        if (static_cast<float>(whole) == magnitude) {
            out[0] = value < 0 ? '-' : ' ';
            char* end = std::to_chars(out + 1, out + kDataLineRoom, whole).ptr;
            end[0] = '\r';
            end[1] = '\n';
            return end + 2;
        }
    }
    return WriteSingleDataLineInGeneral(out, value);
}

/// Appends "END" and CR LF.
void AppendEnd(std::string& text);

/// The bytes of a saved CAF file: the pane's text exactly as held, then one CR LF.
std::string CafFileBytes(std::string_view paneText);

/// The messages of a save with an empty pane (each ends with one blank), and their title.
inline constexpr std::string_view kModeANoData = "Mode-A CAF No data !! ";
inline constexpr std::string_view kModeBNoData = "Mode-B CAF No data !! ";
inline constexpr std::string_view kSaveErrorTitle = "Save error";

/// The complete Mode-A text of one face: header with count "1", "E1", "360/0/0", the 360 data
/// lines in index order, "END" (368 lines).
std::string BuildModeAText(const std::array<double, 360>& values);

} // namespace spirolan::caf
