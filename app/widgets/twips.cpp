// SPDX-License-Identifier: GPL-3.0-or-later
// Twips to pixels and back.
#include "app/widgets/twips.h"

#include <cmath>

namespace spirolan {

namespace {
constexpr double kPixelBound = 1'000'000'000.0;
} // namespace

int TwipsToPixels(double twips, double dpi) {
    const double pixels = std::round(twips * dpi / kTwipsPerInch);
    if (std::isnan(pixels)) {
        return 0;
    }
    return static_cast<int>(std::fmax(-kPixelBound, std::fmin(kPixelBound, pixels)));
}

float PixelsToTwips(int pixels, double dpi) {
    if (!(dpi > 0)) {
        return 0;
    }
    return static_cast<float>(pixels * kTwipsPerInch / dpi);
}

} // namespace spirolan
