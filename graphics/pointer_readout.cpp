// SPDX-License-Identifier: GPL-3.0-or-later
// Pointer read-out: the status text and the two lines shown while the pointer is over a graph.
#include "graphics/pointer_readout.h"

#include "core/conversions.h"
#include "core/number_text.h"

namespace spirolan {
namespace {

PointerReadout Readout(const char* status, const char* axis, float x, float y) {
    return PointerReadout{status, axis + SignedColumnTextSingle(ReadoutValue(x)) + " ",
                          "  XS " + SignedColumnTextSingle(ReadoutValue(-y)) + " "};
}

} // namespace

float ReadoutValue(float value) {
    // Within the float range the cut moves the value by less than 0.0001 and so stays within
    // that range; infinities and NaN pass through unchanged.
    return static_cast<float>(Int(static_cast<double>(value) * 10000) / 10000);
}

PointerReadout ModeAReadout(float x, float y) {
    return Readout("Mode-A Graphic", "  C", x, y);
}

PointerReadout ModeBReadout(float x, float y) {
    return Readout("Mode-B Graphic", "  Z", x, y);
}

PointerReadout GrooveProfileReadout(float x, float y) {
    return Readout("Groove Profile", "  Z", x, y);
}

} // namespace spirolan
