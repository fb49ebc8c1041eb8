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

/// How the groove profile draws its lines: the groove as typed, the nose-centre path, the nose
/// circles, the groove the nose cuts and the marks where the cut leaves the typed groove.
struct ProfileLook {
    Rgb Typed;
    Rgb Path;
    Rgb Circle;
    Rgb Cut;
    Rgb Departure;
    /// Table entries in each dash of the nose-centre path and each gap; 0 draws it solid.
    int PathDash;
    /// Height in pixels of the bar under each stretch where the cut leaves the typed groove.
    int MarkPixels;
    /// The legend names each line in the page's text beside a sample of it, rather than in the
    /// line's own colour (a light colour that reads as a line cannot be read as a text).
    bool LegendSamples;
};

inline constexpr ProfileLook kScreenProfileLook{
    {255, 255, 255}, kCurveYellow, {40, 70, 140}, {0, 200, 255}, kAccelerationRed, 0, 1, false};
/// On paper the lines stay apart in greyscale: the typed groove black, the path a dashed
/// mid-grey, light circles, the cut a darker blue and a thick red bar under a departure.
inline constexpr ProfileLook kPrintProfileLook{
    {0, 0, 0}, {120, 120, 120}, {200, 210, 230}, {0, 90, 200}, {220, 0, 0}, 3, 4, true};

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
    /// The lines of the groove profile, drawn on Background with Grid and Label.
    ProfileLook Profile;
};

inline constexpr GraphStyle kBatchStyle{
    kGraphBackground, kGridGreen,   kLabelGrey,       kCurveYellow,      kAccelerationRed, false,
    kButtonFace,      kFigureBlack, kAccelerationRed, kScreenProfileLook};
inline constexpr GraphStyle kScreenStyle{
    kGraphBackground, kGridGreen,   kLabelGrey,       kCurveYellow,      kAccelerationRed, true,
    kButtonFace,      kFigureBlack, kAccelerationRed, kScreenProfileLook};
/// White paper: black texts, a light grey grid, the XS curve black and the acceleration a
/// mid-grey red, which stay apart on a monochrome printer.
inline constexpr GraphStyle kPrintStyle{
    {255, 255, 255}, {205, 205, 205}, {0, 0, 0}, {0, 0, 0},        {215, 80, 80}, true,
    {255, 255, 255}, {0, 0, 0},       {0, 0, 0}, kPrintProfileLook};

/// Font size of the graph labels, and the fixed size of the figure boxes, in points.
inline constexpr float kGraphFontPoints = 12.0f;
inline constexpr float kFigureFontPoints = 9.75f;

/// An integer axis label: its digits after a blank when `whole` is 0 or positive and after a
/// minus sign when negative (3 gives " 3", -2 gives "-2"). `whole` must be a whole number.
std::string IntegerLabel(double whole);

} // namespace spirolan
