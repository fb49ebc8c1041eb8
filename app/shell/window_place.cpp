// SPDX-License-Identifier: GPL-3.0-or-later
// The main window's place in twips and in pixels.
#include "app/shell/window_place.h"

#include "app/widgets/twips.h"

#include <algorithm>

namespace spirolan {

QRect PlacedFrame(const WindowPlacement& stored, double dpi, QSize largest) {
    const auto size = [dpi](float twips, float smallest, int most) {
        return std::min(TwipsToPixels(std::max(twips, smallest), dpi), most);
    };
    return {TwipsToPixels(stored.Left, dpi), TwipsToPixels(stored.Top, dpi),
            size(stored.Width, kMinWindowWidth, largest.width()),
            size(stored.Height, kMinWindowHeight, largest.height())};
}

WindowPlacement PlacementToStore(const WindowPlacement& stored, const QRect& frame, double dpi) {
    const auto kept = [dpi](float twips, int pixels) {
        return TwipsToPixels(twips, dpi) == pixels ? twips : PixelsToTwips(pixels, dpi);
    };
    return {kept(stored.Left, frame.x()), kept(stored.Top, frame.y()),
            kept(stored.Width, frame.width()), kept(stored.Height, frame.height())};
}

} // namespace spirolan
