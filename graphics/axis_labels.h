// SPDX-License-Identifier: GPL-3.0-or-later
// Axis labels of the cam graphs: thinned so that the labels drawn never run into each other.
#pragma once

#include "graphics/text_placer.h"

#include <span>
#include <string>

namespace spirolan {

/// A label of a horizontal axis: its text and the x of its left edge, in user units.
struct AxisLabel {
    float Left = 0;
    std::string Text;
};

/// Every how many-th label to draw, counting from the first, so that each label drawn ends at or
/// before the left edge of the next one drawn: the smallest such stride. `lefts` must increase
/// and `widths` give the labels' widths, both in user units. 1 for fewer than two labels; the
/// number of labels (only the first is drawn) when no two fit side by side, or when a width or
/// position is not finite.
int LabelStride(std::span<const float> lefts, std::span<const float> widths);

/// Prints `labels` (ordered by their left edges) with their tops on the line y in the current
/// font and colour, as many of them as fit by LabelStride (and, when `texts` keeps them apart,
/// as stand whole and clear of the texts printed before): the grid they stand on is the
/// caller's and stays whole.
void PrintAxisLabels(TextPlacer& texts, std::span<const AxisLabel> labels, float y);

/// Prints the XS labels 3 .. -3 with their left edges at x, each with its top 0.3 above its grid
/// line (y = -XS). Kept apart, the lowest is left to PrintLowestXsLabel, which the caller calls
/// once the labels under the grid stand.
void PrintXsLabels(TextPlacer& texts, float x);

/// Kept apart: the XS label -3 at its place or, where that stands cut or meets a label under
/// the grid, lifted to end at the graph's bottom edge (y = 3.5), else on the grid's bottom line
/// (y = 3). Does nothing otherwise.
void PrintLowestXsLabel(TextPlacer& texts, float x);

} // namespace spirolan
