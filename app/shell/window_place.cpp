// SPDX-License-Identifier: GPL-3.0-or-later
// The main window's place in twips and in pixels.
#include "app/shell/window_place.h"

#include "app/widgets/twips.h"

#include <algorithm>

namespace spirolan {

namespace {

// Squared distance between two rectangles in pixels, 0 when they meet.
double Gap(const QRect& a, const QRect& b) {
    const auto apart = [](qint64 lowA, qint64 highA, qint64 lowB, qint64 highB) {
        return static_cast<double>(std::max<qint64>({0, lowB - highA, lowA - highB}));
    };
    const double dx = apart(a.left(), a.right(), b.left(), b.right());
    const double dy = apart(a.top(), a.bottom(), b.top(), b.bottom());
    return dx * dx + dy * dy;
}

qint64 Area(const QRect& rect) {
    return rect.isEmpty() ? 0 : qint64{rect.width()} * rect.height();
}

} // namespace

QRect PlacedFrame(const WindowPlacement& stored, double dpi, const QList<QRect>& screens) {
    QRect frame(TwipsToPixels(stored.Left, dpi), TwipsToPixels(stored.Top, dpi),
                TwipsToPixels(std::max(stored.Width, kMinWindowWidth), dpi),
                TwipsToPixels(std::max(stored.Height, kMinWindowHeight), dpi));
    if (screens.isEmpty()) {
        return frame;
    }
    // The screen that shows most of the window, or, when none shows any, the nearest one.
    const QRect* target = nullptr;
    for (const QRect& screen : screens) {
        if (Area(screen & frame) > (target ? Area(*target & frame) : 0)) {
            target = &screen;
        }
    }
    const bool offScreen = target == nullptr;
    for (const QRect& screen : screens) {
        if (offScreen && (target == nullptr || Gap(screen, frame) < Gap(*target, frame))) {
            target = &screen;
        }
    }
    frame.setSize(frame.size().boundedTo(target->size()));
    if (offScreen) {
        frame.moveLeft(
            std::clamp(frame.left(), target->left(), target->right() - frame.width() + 1));
        frame.moveTop(
            std::clamp(frame.top(), target->top(), target->bottom() - frame.height() + 1));
    }
    return frame;
}

WindowPlacement PlacementToStore(const WindowPlacement& stored, const QRect& frame, double dpi) {
    const auto kept = [dpi](float twips, int pixels) {
        return TwipsToPixels(twips, dpi) == pixels ? twips : PixelsToTwips(pixels, dpi);
    };
    return {kept(stored.Left, frame.x()), kept(stored.Top, frame.y()),
            kept(stored.Width, frame.width()), kept(stored.Height, frame.height())};
}

} // namespace spirolan
