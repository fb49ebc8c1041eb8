// SPDX-License-Identifier: GPL-3.0-or-later
// Layout rule of the main window: where the panes, graphs and figure boxes go for a window size.
#pragma once

#include <optional>

namespace spirolan {

/// A control's rectangle in twips from the top-left corner of the window's inner area.
struct TwipRect {
    float Left = 0;
    float Top = 0;
    float Width = 0;
    float Height = 0;
    friend bool operator==(const TwipRect&, const TwipRect&) = default;
};

/// The places of the main window's controls. An empty rectangle is a step that was skipped
/// because its width or height came out negative (or a value not finite): that control stays where
/// it was. Line1 and Line2 start at x = 0 and end at the given x.
struct MainWindowLayout {
    std::optional<TwipRect> txtDataA;
    std::optional<TwipRect> txtDataB;
    std::optional<TwipRect> Picture1;
    std::optional<TwipRect> Picture2;
    std::optional<TwipRect> Picture3;
    std::optional<TwipRect> Picture4;
    std::optional<TwipRect> Picture5;
    float Line1Right = 0;
    float Line2Right = 0;
};

/// The layout rule for the inner width and height in twips, in single precision as the window
/// gives them: text panes in a left column W / 5 wide, graphs to their right, the three boxes
/// right-aligned in the toolbar band. Never fails; a tiny or minimized window skips the steps
/// whose sizes are negative. The redraw that follows a resize is the window's.
MainWindowLayout ComputeLayout(float innerWidth, float innerHeight);

/// Which of the three boxes of the toolbar band are shown.
struct BoxesShown {
    bool Picture3 = true;
    bool Picture4 = true;
    bool Picture5 = true;
    friend bool operator==(const BoxesShown&, const BoxesShown&) = default;
};

/// The boxes that keep clear of the toolbar's buttons, which end at `toolbarEnd` twips from the
/// left: a box is shown at its place by the rule when it begins at or right of that end, and
/// hidden otherwise, so that no box ever covers a button. As the window narrows, Picture5 goes
/// first, then Picture4, then Picture3. A box whose step was skipped is hidden.
BoxesShown BoxesClearOfToolbar(const MainWindowLayout& layout, float toolbarEnd);

} // namespace spirolan
