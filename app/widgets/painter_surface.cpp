// SPDX-License-Identifier: GPL-3.0-or-later
// PainterSurface: the graphs drawn onto any painter, clipped to their rectangle.
#include "app/widgets/painter_surface.h"

namespace spirolan {

PainterSurface::PainterSurface(QPainter& painter, QRectF rect, QColor back, QColor fore,
                               float fontPoints)
    : PaintedSurface(back, fore, fontPoints, true), painter_(painter), rect_(rect) {
    Clear();
}

void PainterSurface::Frame() {
    painter_.save();
    painter_.setPen(QPen(QColor(160, 160, 160), 1));
    painter_.setBrush(Qt::NoBrush);
    painter_.drawRect(rect_.adjusted(-0.5, -0.5, 0.5, 0.5));
    painter_.restore();
}

} // namespace spirolan
