// SPDX-License-Identifier: GPL-3.0-or-later
// Cutting a line segment down to a rectangle, for surfaces that must not pass far-off points on.
#pragma once

namespace spirolan {

/// An axis-aligned rectangle in pixels, y growing downwards.
struct PixelBox {
    double Left;
    double Top;
    double Right;
    double Bottom;
};

/// Cuts the segment (x1, y1)-(x2, y2) to the part inside `box` (Cohen-Sutherland). Each cut sets
/// the crossed coordinate exactly, so a segment with huge or far-away ends keeps its visible
/// part. False when nothing of it is inside or an end is not finite.
bool ClipSegment(double& x1, double& y1, double& x2, double& y2, const PixelBox& box);

} // namespace spirolan
