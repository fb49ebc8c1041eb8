// SPDX-License-Identifier: GPL-3.0-or-later
// Surface geometry: user coordinates to pixels and text metrics, shared by the SVG writer and
// the test recorder so that both place text lines alike.
#pragma once

#include <string_view>

namespace spirolan {

/// Pixels per point at the 96 dots per inch the window assumes (12 points are 16 pixels).
inline constexpr double kPixelsPerPoint = 96.0 / 72.0;

/// Metrics of the graph font (Arial) as fractions of its pixel size: the baseline below the
/// top of a text line, and the distance from one line to the next.
inline constexpr double kTextAscent = 0.905;
inline constexpr double kTextLineSpacing = 1.15;

/// The client rectangle of a surface, `widthPx` x `heightPx` pixels, and its user coordinate
/// system. Until SetScale the user coordinates are pixels from the top-left corner.
class SurfaceGeometry {
public:
    SurfaceGeometry(double widthPx, double heightPx);

    void SetScale(float left, float top, float width, float height);

    double WidthPx() const { return widthPx_; }
    double HeightPx() const { return heightPx_; }

    /// Pixel position of user x, 0 at the left edge. Not finite for a scale width of 0 or a
    /// non-finite scale.
    double PixelX(float x) const;
    /// Pixel position of user y, 0 at the top edge.
    double PixelY(float y) const;

    /// Height of one text line of `points` in user units of y (the step of print line).
    float LineHeight(float points) const;
    /// Width of `text` in Arial of `points` in user units of x.
    float TextWidth(std::string_view text, float points) const;

    static double FontPixels(float points) { return points * kPixelsPerPoint; }
    /// Advance of `text` in Arial of `points`, in pixels: the font's own widths for printable
    /// ASCII, an average digit's width for every other byte.
    static double TextPixels(std::string_view text, float points);

private:
    double widthPx_;
    double heightPx_;
    float left_ = 0;
    float top_ = 0;
    float width_;
    float height_;
};

} // namespace spirolan
