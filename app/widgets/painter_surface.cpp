// PainterSurface: the graphs drawn onto any painter, clipped to their rectangle.
#include "app/widgets/painter_surface.h"

#include "app/widgets/graph_surface_widget.h"
#include "graphics/segment_clip.h"

#include <QFontMetricsF>

#include <cmath>

namespace spirolan {

namespace {

constexpr float kMaxFontPoints = 1000;

} // namespace

PainterSurface::PainterSurface(QPainter& painter, QRectF rect, QColor back, QColor fore,
                               float fontPoints)
    : painter_(painter), rect_(rect), back_(back), fore_(fore), font_(QStringLiteral("Arial")) {
    font_.setPointSizeF(fontPoints);
    Clear();
}

QPointF PainterSurface::ToDevice(float x, float y) const {
    if (!scaled_) {
        return rect_.topLeft() + QPointF(x, y);
    }
    return rect_.topLeft() + QPointF((static_cast<double>(x) - left_) / width_ * rect_.width(),
                                     (static_cast<double>(y) - top_) / height_ * rect_.height());
}

void PainterSurface::SetBackColor(Rgb color) {
    back_ = ToQColor(color);
    Clear();
}

void PainterSurface::Clear() {
    painter_.fillRect(rect_, back_);
    textX_ = 0;
    textY_ = 0;
}

void PainterSurface::SetScale(float left, float top, float width, float height) {
    scaled_ = true;
    left_ = left;
    top_ = top;
    width_ = width;
    height_ = height;
}

void PainterSurface::DrawLine(float x1, float y1, float x2, float y2, Rgb color) {
    const QPointF from = ToDevice(x1, y1);
    const QPointF to = ToDevice(x2, y2);
    double ax = from.x();
    double ay = from.y();
    double bx = to.x();
    double by = to.y();
    const PixelBox box{rect_.left() - 2, rect_.top() - 2, rect_.right() + 2, rect_.bottom() + 2};
    if (!ClipSegment(ax, ay, bx, by, box)) {
        return;
    }
    painter_.save();
    painter_.setClipRect(rect_);
    painter_.setPen(QPen(ToQColor(color), 1));
    painter_.drawLine(QPointF(ax, ay), QPointF(bx, by));
    painter_.restore();
}

void PainterSurface::SetForeColor(Rgb color) {
    fore_ = ToQColor(color);
}

void PainterSurface::SetFontSize(float points) {
    if (points > 0 && points <= kMaxFontPoints) {
        font_.setPointSizeF(points);
    }
}

void PainterSurface::SetCurrentPosition(float x, float y) {
    textX_ = x;
    textY_ = y;
}

void PainterSurface::PrintLine(std::string_view text) {
    const QFontMetricsF metrics(font_, painter_.device());
    const QPointF at = ToDevice(textX_, textY_);
    if (std::isfinite(at.x()) && std::isfinite(at.y())) {
        painter_.save();
        painter_.setClipRect(rect_);
        painter_.setFont(font_);
        painter_.setPen(fore_);
        painter_.drawText(QPointF(at.x(), at.y() + metrics.ascent()),
                          QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size())));
        painter_.restore();
    }
    const double h = rect_.height();
    const double step = scaled_ ? (h > 0 ? metrics.height() / h * height_ : 0) : metrics.height();
    textY_ = static_cast<float>(textY_ + step);
}

float PainterSurface::TextWidth(std::string_view text) {
    const double units =
        QFontMetricsF(font_, painter_.device())
            .horizontalAdvance(QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size())));
    if (!scaled_) {
        return static_cast<float>(units);
    }
    const double w = rect_.width();
    // A rectangle without area has no room for any text.
    return static_cast<float>(w > 0 ? units / w * width_ : HUGE_VAL);
}

void PainterSurface::Frame() {
    painter_.save();
    painter_.setPen(QPen(QColor(160, 160, 160), 1));
    painter_.setBrush(Qt::NoBrush);
    painter_.drawRect(rect_.adjusted(-0.5, -0.5, 0.5, 0.5));
    painter_.restore();
}

} // namespace spirolan
