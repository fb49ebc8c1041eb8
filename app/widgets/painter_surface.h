// SPDX-License-Identifier: GPL-3.0-or-later
// PainterSurface: a GraphSurface that draws straight onto a painter, for pictures and pages.
#pragma once

#include "app/widgets/painted_surface.h"

#include <QColor>
#include <QPainter>
#include <QRectF>

namespace spirolan {

/// Draws the graphs as the window's surfaces draw them into `rect` of `painter`'s device, clipped
/// to it, with vector lines and real text on a vector device such as a PDF writer. Its user
/// coordinates are units of the painter from the rectangle's top-left corner until SetScale.
/// Pointer and Show do nothing.
class PainterSurface final : public PaintedSurface {
public:
    PainterSurface(QPainter& painter, QRectF rect, QColor back, QColor fore, float fontPoints);

    void SetPointer(PointerShape) override {}
    void Show() override {}

    /// A one-unit grey border just outside the rectangle, as the window frames its boxes.
    void Frame();

private:
    QPainter* Painter() override { return &painter_; }
    QRectF Area() const override { return rect_; }
    const QPaintDevice* MetricsDevice() const override { return painter_.device(); }

    QPainter& painter_;
    QRectF rect_;
};

} // namespace spirolan
