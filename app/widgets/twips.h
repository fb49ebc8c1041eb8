// SPDX-License-Identifier: GPL-3.0-or-later
// Twips (1/1440 inch) to screen pixels and back, at a screen's logical dots per inch.
#pragma once

namespace spirolan {

/// Twips per inch.
inline constexpr double kTwipsPerInch = 1440.0;

/// Pixels for `twips` at `dpi` logical dots per inch (15 twips per pixel at 96), rounded to the
/// nearest pixel. Values beyond about a billion pixels, and non-finite ones, are held at that
/// bound (0 for NaN) so that no caller overflows an int.
int TwipsToPixels(double twips, double dpi);

/// Twips for `pixels` at `dpi` logical dots per inch, in single precision as the window rule
/// takes them; 0 when `dpi` is not positive.
float PixelsToTwips(int pixels, double dpi);

} // namespace spirolan
