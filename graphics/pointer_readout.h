// SPDX-License-Identifier: GPL-3.0-or-later
// Pointer read-out: the status text and the two lines shown while the pointer is over a graph.
#pragma once

#include <string>

namespace spirolan {

/// What the read-out shows for one pointer position: the status bar's first panel and the two
/// lines printed into the cleared read-out box.
struct PointerReadout {
    std::string Status;
    std::string Line1; // "  C" or "  Z" with the position
    std::string Line2; // "  XS " with the slide position
};

/// A read-out coordinate: `value` cut down (toward minus infinity) to four decimals in double
/// precision, then rounded to single precision (-0.00001 gives -0.0001).
float ReadoutValue(float value);

/// Read-out over the Mode-A graph for the pointer at (x, y) in its user coordinates (x = C in
/// degrees, y = -XS in mm): "Mode-A Graphic", "  C" and "  XS " lines, each number as a
/// signed-column text of 7 digits with a trailing blank ("  C 123.4567 ", "  XS -1.2346 ").
PointerReadout ModeAReadout(float x, float y);

/// Read-out over the Mode-B graph (x = Z in mm): "Mode-B Graphic", "  Z" and "  XS " lines.
PointerReadout ModeBReadout(float x, float y);

/// Read-out over the groove profile (x = Z, y = -XS, both in mm): "Groove Profile", "  Z" and
/// "  XS " lines.
PointerReadout GrooveProfileReadout(float x, float y);

} // namespace spirolan
