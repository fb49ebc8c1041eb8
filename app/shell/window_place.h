// SPDX-License-Identifier: GPL-3.0-or-later
// The main window's place: stored twips to its outer rectangle in pixels, and back.
#pragma once

#include "app/shell/settings_store.h"

#include <QRect>
#include <QSize>

namespace spirolan {

/// The smallest outer size a window is given, in twips: its menus and a little of each pane.
inline constexpr float kMinWindowWidth = 4800;
inline constexpr float kMinWindowHeight = 3600;

/// The outer rectangle (frame included), in pixels at `dpi` logical dots per inch, for the
/// stored place: left and top as they stand, off-screen included; the size raised to the
/// smallest usable one and held to `largest`.
QRect PlacedFrame(const WindowPlacement& stored, double dpi, QSize largest);

/// The place to store for the outer rectangle `frame`: each value as `stored` holds it while the
/// window still has the pixels that value gave, so that a window neither moved nor resized
/// stores exactly what it read; otherwise the pixels in twips.
WindowPlacement PlacementToStore(const WindowPlacement& stored, const QRect& frame, double dpi);

} // namespace spirolan
