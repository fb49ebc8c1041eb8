// SPDX-License-Identifier: GPL-3.0-or-later
// Axis labels of the cam graphs: the thinning rule and the printing.
#include "graphics/axis_labels.h"

#include "graphics/graph_style.h"

#include <algorithm>
#include <cstddef>
#include <vector>

namespace spirolan {

namespace {

// Whether the labels 0, stride, 2 * stride, ... stand clear of each other.
bool StandsClear(std::span<const float> lefts, std::span<const float> widths, std::size_t stride) {
    for (std::size_t i = 0; i + stride < lefts.size(); i += stride) {
        // Written so that a value that is not a number fails the test.
        if (!(lefts[i] + widths[i] <= lefts[i + stride])) {
            return false;
        }
    }
    return true;
}

} // namespace

int LabelStride(std::span<const float> lefts, std::span<const float> widths) {
    const std::size_t count = std::min(lefts.size(), widths.size());
    std::size_t stride = 1;
    while (stride < count && !StandsClear(lefts.first(count), widths.first(count), stride)) {
        ++stride;
    }
    return static_cast<int>(std::max<std::size_t>(stride, 1));
}

void PrintAxisLabels(TextPlacer& texts, std::span<const AxisLabel> labels, float y) {
    GraphSurface& surface = texts.Surface();
    std::vector<float> lefts;
    std::vector<float> widths;
    lefts.reserve(labels.size());
    widths.reserve(labels.size());
    for (const AxisLabel& label : labels) {
        lefts.push_back(label.Left);
        widths.push_back(surface.TextWidth(label.Text));
    }
    const auto stride = static_cast<std::size_t>(LabelStride(lefts, widths));
    for (std::size_t i = 0; i < labels.size(); i += stride) {
        texts.Print(labels[i].Left, y, labels[i].Text);
    }
}

void PrintXsLabels(TextPlacer& texts, float x) {
    const int lowest = texts.KeepsApart() ? -2 : -3;
    for (int v = 3; v >= lowest; --v) {
        texts.Print(x, static_cast<float>(-v - 0.3), IntegerLabel(v));
    }
}

void PrintLowestXsLabel(TextPlacer& texts, float x) {
    if (!texts.KeepsApart()) {
        return;
    }
    // At its place, else lifted to end at the graph's bottom edge (y = 3.5), else at the grid's.
    const auto y = static_cast<float>(3 - 0.3);
    const float height = texts.Surface().TextHeight();
    const std::string label = IntegerLabel(-3);
    for (const float top : {y, std::min(y, 3.5f - height), std::min(y, 3 - height)}) {
        if (texts.Print(x, top, label)) {
            return;
        }
    }
}

} // namespace spirolan
