// SPDX-License-Identifier: GPL-3.0-or-later
// The main window's place: stored twips to its outer rectangle in pixels, and back.
#pragma once

#include "app/shell/settings_store.h"

#include <QList>
#include <QRect>

namespace spirolan {

/// The smallest outer size a window is given, in twips: its menus and a little of each pane.
inline constexpr float kMinWindowWidth = 4800;
inline constexpr float kMinWindowHeight = 3600;

/// The outer rectangle (frame included), in pixels at `dpi` logical dots per inch, for the
/// stored place on a desktop whose screens offer the areas `screens` (without panels): left and
/// top as they stand while some of the window is on a screen, and one wholly off every screen
/// moved onto the nearest one; the size raised to the smallest usable one and held to the area
/// of the screen the window is (mostly) on. Without screens the place is used as it stands.
QRect PlacedFrame(const WindowPlacement& stored, double dpi, const QList<QRect>& screens);

/// The place to store for the outer rectangle `frame`: each value as `stored` holds it while the
/// window still has the pixels that value gave, so that a window neither moved nor resized
/// stores exactly what it read; otherwise the pixels in twips.
WindowPlacement PlacementToStore(const WindowPlacement& stored, const QRect& frame, double dpi);

} // namespace spirolan
