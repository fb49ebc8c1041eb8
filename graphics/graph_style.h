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

/// How the graphs are drawn: their colours, and whether their texts are kept apart. The
/// window draws in kScreenStyle, the printed sheet and the window's exports in kPrintStyle
/// unless the user chose the screen's; the batch command's pictures keep kBatchStyle, the
/// screen's colours with every label where it always stood.
struct GraphStyle {
    Rgb Background;
    Rgb Grid;
    Rgb Label;
    Rgb Curve;
    Rgb Acceleration;
    /// Texts of the graph and its figure boxes never overlap and never stand cut at an edge:
    /// one that would is left out (a figure line too wide for its box is set smaller).
    bool KeepTextsApart;
    /// What a picture of the graphs is composed on: the page, its texts (heading, titles,
    /// legend, the spindle speed box) and the text of the box with the maximum figures.
    Rgb Page;
    Rgb PageText;
    Rgb FigureText;
};

inline constexpr GraphStyle kBatchStyle{kGraphBackground, kGridGreen,       kLabelGrey,
                                        kCurveYellow,     kAccelerationRed, false,
                                        kButtonFace,      kFigureBlack,     kAccelerationRed};
inline constexpr GraphStyle kScreenStyle{kGraphBackground, kGridGreen,       kLabelGrey,
                                         kCurveYellow,     kAccelerationRed, true,
                                         kButtonFace,      kFigureBlack,     kAccelerationRed};
/// White paper: black texts, a light grey grid, the XS curve black and the acceleration a
/// mid-grey red, which stay apart on a monochrome printer.
inline constexpr GraphStyle kPrintStyle{{255, 255, 255}, {205, 205, 205}, {0, 0, 0},
                                        {0, 0, 0},       {215, 80, 80},   true,
                                        {255, 255, 255}, {0, 0, 0},       {0, 0, 0}};

/// Font size of the graph labels, and the fixed size of the figure boxes, in points.
inline constexpr float kGraphFontPoints = 12.0f;
inline constexpr float kFigureFontPoints = 9.75f;

/// An integer axis label: its digits after a blank when `whole` is 0 or positive and after a
/// minus sign when negative (3 gives " 3", -2 gives "-2"). `whole` must be a whole number.
std::string IntegerLabel(double whole);

} // namespace spirolan
