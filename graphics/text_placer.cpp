// SPDX-License-Identifier: GPL-3.0-or-later
// TextPlacer: whole texts, clear of each other.
#include "graphics/text_placer.h"

#include <algorithm>

namespace spirolan {

TextPlacer::TextPlacer(GraphSurface& surface, bool keepApart, UserRect visible)
    : surface_(surface), keepApart_(keepApart), visible_(visible) {}

bool TextPlacer::Clear(const UserRect& box) const {
    // Written so that a measure that is not a number fails.
    const bool inside = box.Left >= visible_.Left && box.Top >= visible_.Top &&
                        box.Left + box.Width <= visible_.Left + visible_.Width &&
                        box.Top + box.Height <= visible_.Top + visible_.Height;
    if (!inside) {
        return false;
    }
    return std::none_of(placed_.begin(), placed_.end(), [&box](const UserRect& other) {
        return box.Left < other.Left + other.Width && other.Left < box.Left + box.Width &&
               box.Top < other.Top + other.Height && other.Top < box.Top + box.Height;
    });
}

bool TextPlacer::Fits(float x, float y, std::string_view text) {
    return !keepApart_ || Clear({x, y, surface_.TextWidth(text), surface_.TextHeight()});
}

bool TextPlacer::Print(float x, float y, std::string_view text, std::optional<Rgb> background) {
    lineX_ = x;
    if (!keepApart_) {
        surface_.SetCurrentPosition(x, y);
        surface_.PrintLine(text);
        return true;
    }
    const UserRect box{x, y, surface_.TextWidth(text), surface_.TextHeight()};
    nextY_ = y + box.Height;
    if (!Clear(box)) {
        return false;
    }
    placed_.push_back(box);
    if (background) {
        surface_.FillRect(box.Left, box.Top, box.Width, box.Height, *background);
    }
    surface_.SetCurrentPosition(x, y);
    surface_.PrintLine(text);
    return true;
}

void TextPlacer::Reserve(const UserRect& box) {
    placed_.push_back(box);
}

bool TextPlacer::PrintToTheRight(float x, float y, std::string_view text) {
    return Print(x, y, text) ||
           Print(visible_.Left + visible_.Width - surface_.TextWidth(text), y, text);
}

bool TextPlacer::PrintBelow(std::string_view text) {
    if (!keepApart_) {
        surface_.PrintLine(text);
        return true;
    }
    return Print(lineX_, nextY_, text);
}

} // namespace spirolan
