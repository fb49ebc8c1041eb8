// SPDX-License-Identifier: GPL-3.0-or-later
// Layout rule of the main window: where the panes, graphs and figure boxes go for a window size.
#include "graphics/layout_rule.h"

#include <cmath>

namespace spirolan {
namespace {

// A step whose size is negative is skipped, as moving a control to a negative size fails; so is
// one with a position or size that is not a number of twips at all.
std::optional<TwipRect> Place(float left, float top, float width, float height) {
    if (!std::isfinite(left) || !std::isfinite(top) || !std::isfinite(width) ||
        !std::isfinite(height) || width < 0 || height < 0) {
        return std::nullopt;
    }
    return TwipRect{left, top, width, height};
}

} // namespace

MainWindowLayout ComputeLayout(float innerWidth, float innerHeight) {
    const float w = innerWidth;
    const float h = innerHeight;
    const float column = w / 5;
    const float graphWidth = w / 5 * 4 - 70;
    const float lowerTop = (h - 1100) / 2 + 680;
    const float upperHeight = (h - 1100) / 2 - 30;
    const float lowerHeight = (h - 680) / 2 - 65;

    MainWindowLayout layout;
    layout.txtDataA = Place(10, 680, column, upperHeight);
    layout.txtDataB = Place(10, lowerTop, column, lowerHeight);
    layout.Picture1 = Place(column + 50, 680, graphWidth, upperHeight);
    layout.Picture2 = Place(column + 50, lowerTop, graphWidth, lowerHeight);
    const float picture3Left = w - 1200 - 30;
    layout.Picture3 = Place(picture3Left, 30, 1200, 520);
    const float picture4Left = picture3Left - 2500;
    layout.Picture4 = Place(picture4Left, 30, 2500, 520);
    layout.Picture5 = Place(picture4Left - 2700, 30, 2700, 520);
    layout.Line1Right = w;
    layout.Line2Right = w;
    return layout;
}

BoxesShown BoxesClearOfToolbar(const MainWindowLayout& layout, float toolbarEnd) {
    const auto clear = [toolbarEnd](const std::optional<TwipRect>& box) {
        return box.has_value() && box->Left >= toolbarEnd;
    };
    return {clear(layout.Picture3), clear(layout.Picture4), clear(layout.Picture5)};
}

} // namespace spirolan
