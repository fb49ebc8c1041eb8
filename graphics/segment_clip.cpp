// SPDX-License-Identifier: GPL-3.0-or-later
// Cutting a line segment down to a rectangle, for surfaces that must not pass far-off points on.
#include "graphics/segment_clip.h"

#include <cmath>

namespace spirolan {

bool ClipSegment(double& x1, double& y1, double& x2, double& y2, const PixelBox& box) {
    if (!std::isfinite(x1) || !std::isfinite(y1) || !std::isfinite(x2) || !std::isfinite(y2)) {
        return false;
    }
    enum : unsigned { kLeft = 1, kRight = 2, kTop = 4, kBottom = 8 };
    const auto outside = [&box](double x, double y) {
        return (x < box.Left ? kLeft : 0u) | (x > box.Right ? kRight : 0u) |
               (y < box.Top ? kTop : 0u) | (y > box.Bottom ? kBottom : 0u);
    };
    unsigned codeA = outside(x1, y1);
    unsigned codeB = outside(x2, y2);
    // Each round moves one end onto a side it was beyond; four sides, two ends.
    for (int round = 0; round < 8; ++round) {
        if ((codeA | codeB) == 0) {
            return true;
        }
        if ((codeA & codeB) != 0) {
            return false;
        }
        const bool moveA = codeA != 0;
        double& px = moveA ? x1 : x2;
        double& py = moveA ? y1 : y2;
        const double qx = moveA ? x2 : x1;
        const double qy = moveA ? y2 : y1;
        const unsigned code = moveA ? codeA : codeB;
        if (code & (kLeft | kRight)) {
            const double x = (code & kLeft) ? box.Left : box.Right;
            py = py + (qy - py) * ((x - px) / (qx - px));
            px = x;
        } else {
            const double y = (code & kTop) ? box.Top : box.Bottom;
            px = px + (qx - px) * ((y - py) / (qy - py));
            py = y;
        }
        if (!std::isfinite(px) || !std::isfinite(py)) {
            return false;
        }
        (moveA ? codeA : codeB) = outside(px, py);
    }
    return (codeA | codeB) == 0;
}

} // namespace spirolan
