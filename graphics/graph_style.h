// SPDX-License-Identifier: GPL-3.0-or-later
// Colours, font sizes and label form shared by the two cam graphs.
#pragma once

#include "graphics/graph_surface.h"

#include <string>

namespace spirolan {

inline constexpr Rgb kGraphBackground{8, 0, 0};   // nearly black
inline constexpr Rgb kGridGreen{0, 128, 0};       // grid lines
inline constexpr Rgb kLabelGrey{192, 192, 192};   // axis labels and unit texts
inline constexpr Rgb kCurveYellow{255, 255, 15};  // the XS curve
inline constexpr Rgb kAccelerationRed{255, 0, 0}; // the acceleration curve and its "G"
inline constexpr Rgb kFigureBlack{0, 0, 0};       // text of the spindle speed box
inline constexpr Rgb kButtonFace{240, 240, 240};  // an inactive surface, the figure boxes

/// Font size of the graph labels, and the fixed size of the figure boxes, in points.
inline constexpr float kGraphFontPoints = 12.0f;
inline constexpr float kFigureFontPoints = 9.75f;

/// An integer axis label: its digits after a blank when `whole` is 0 or positive and after a
/// minus sign when negative (3 gives " 3", -2 gives "-2"). `whole` must be a whole number.
std::string IntegerLabel(double whole);

} // namespace spirolan
