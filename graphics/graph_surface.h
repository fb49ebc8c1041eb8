// SPDX-License-Identifier: GPL-3.0-or-later
// GraphSurface: the drawing operations the graphs and the pointer read-out need of a surface.
#pragma once

#include <cstdint>
#include <string_view>

namespace spirolan {

struct Rgb {
    std::uint8_t r = 0;
    std::uint8_t g = 0;
    std::uint8_t b = 0;
    friend bool operator==(const Rgb&, const Rgb&) = default;
};

enum class PointerShape { Normal, CrossHair };

/// A drawing surface with a user coordinate system: after SetScale(left, top, width, height) the
/// client rectangle's left edge is x = left, its right edge x = left + width, its top edge y = top
/// and its bottom edge y = top + height (y grows downwards). Everything outside is clipped.
/// Lines are solid and one pixel wide. Implemented by the Qt window, the SVG writer and the test
/// recorder.
class GraphSurface {
public:
    virtual ~GraphSurface() = default;

    /// Sets the background colour and erases everything drawn.
    virtual void SetBackColor(Rgb color) = 0;
    /// Fills the client rectangle with the background colour; the current text position goes to
    /// (0, 0) of the surface's coordinates.
    virtual void Clear() = 0;
    /// Installs the user coordinate system; it stays until set again.
    virtual void SetScale(float left, float top, float width, float height) = 0;
    virtual void DrawLine(float x1, float y1, float x2, float y2, Rgb color) = 0;
    virtual void SetForeColor(Rgb color) = 0;
    virtual void SetFontSize(float points) = 0;
    virtual void SetCurrentPosition(float x, float y) = 0;
    /// Draws `text` with its top-left corner at the current text position, then moves the
    /// position one text height lower, to the start of the next text line: x goes back to where
    /// this text started, so consecutive lines stand one under the other.
    virtual void PrintLine(std::string_view text) = 0;
    /// Width of `text` as PrintLine would draw it in the current font, in user units of x.
    virtual float TextWidth(std::string_view text) = 0;
    /// Height of one text line in the current font (the step of PrintLine), in user units of y.
    virtual float TextHeight() = 0;
    /// Fills the rectangle with its top-left corner at (x, y), `width` x `height` user units,
    /// in `color`; clipped like lines. A label's background, so that no curve crosses it.
    virtual void FillRect(float x, float y, float width, float height, Rgb color) = 0;
    virtual void SetPointer(PointerShape shape) = 0;
    /// Makes the surface visible.
    virtual void Show() = 0;
};

} // namespace spirolan
