// SPDX-License-Identifier: GPL-3.0-or-later
// TextPlacer: prints a graph's texts so that none overlaps another or stands cut at an edge.
#pragma once

#include "graphics/graph_surface.h"

#include <optional>
#include <string_view>
#include <vector>

namespace spirolan {

/// A rectangle in user coordinates: top-left corner and size (y grows downwards).
struct UserRect {
    float Left = 0;
    float Top = 0;
    float Width = 0;
    float Height = 0;
};

/// Prints texts on `surface` in the current font and colour. When kept apart, a text is printed
/// only where it stands whole inside `visible` and overlaps no text printed through this placer
/// before it (touching is allowed); otherwise every text is printed where it is asked.
class TextPlacer {
public:
    TextPlacer(GraphSurface& surface, bool keepApart, UserRect visible);

    GraphSurface& Surface() { return surface_; }
    bool KeepsApart() const { return keepApart_; }

    /// Prints `text` with its top-left corner at (x, y), on a box of `background` when given
    /// (so that no line drawn before crosses it). True when printed.
    bool Print(float x, float y, std::string_view text, std::optional<Rgb> background = {});
    /// Prints `text` at (x, y) or, where it would stand cut at the right edge or meet another
    /// text there, moved left to end at the right edge. True when printed.
    bool PrintToTheRight(float x, float y, std::string_view text);
    /// Prints `text` one line below the text asked for last, where PrintLine left the position.
    bool PrintBelow(std::string_view text);
    /// Keeps `box` clear of the texts printed after, as if a text stood there (a legend's
    /// sample of a line).
    void Reserve(const UserRect& box);
    /// Whether `text` would be printed at (x, y).
    bool Fits(float x, float y, std::string_view text);

private:
    bool Clear(const UserRect& box) const;

    GraphSurface& surface_;
    bool keepApart_;
    UserRect visible_;
    std::vector<UserRect> placed_;
    float lineX_ = 0;
    float nextY_ = 0;
};

} // namespace spirolan
