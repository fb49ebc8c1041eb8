// SPDX-License-Identifier: GPL-3.0-or-later
// PaintedSurface: user coordinates, clipped lines and texts painted into an area.
#include "app/widgets/painted_surface.h"

#include "graphics/segment_clip.h"

#include <QFontMetricsF>

#include <cmath>

namespace spirolan {

namespace {

constexpr float kMaxFontPoints = 1000;

QString FromUtf8(std::string_view text) {
    return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
}

} // namespace

QColor ToQColor(Rgb color) {
    return QColor(color.r, color.g, color.b);
}

PaintedSurface::PaintedSurface(QColor back, QColor fore, float fontPoints, bool clipToArea)
    : back_(back), fore_(fore), font_(QStringLiteral("Arial")), clipToArea_(clipToArea) {
    font_.setPointSizeF(fontPoints);
}

QPointF PaintedSurface::ToDevice(float x, float y) const {
    const QRectF area = Area();
    if (!scaled_) {
        return area.topLeft() + QPointF(x, y);
    }
    return area.topLeft() + QPointF((static_cast<double>(x) - left_) / width_ * area.width(),
                                    (static_cast<double>(y) - top_) / height_ * area.height());
}

QPointF PaintedSurface::ToUser(QPointF device) const {
    const QRectF area = Area();
    const QPointF offset = device - area.topLeft();
    if (!scaled_) {
        return offset;
    }
    const double w = area.width();
    const double h = area.height();
    const double x = w > 0 ? left_ + offset.x() / w * width_ : left_;
    const double y = h > 0 ? top_ + offset.y() / h * height_ : top_;
    return {static_cast<float>(x), static_cast<float>(y)};
}

void PaintedSurface::SetBackColor(Rgb color) {
    back_ = ToQColor(color);
    Clear();
}

void PaintedSurface::Clear() {
    if (QPainter* painter = Painter()) {
        painter->fillRect(Area(), back_);
    }
    textX_ = 0;
    textY_ = 0;
}

void PaintedSurface::SetScale(float left, float top, float width, float height) {
    scaled_ = true;
    left_ = left;
    top_ = top;
    width_ = width;
    height_ = height;
}

void PaintedSurface::DrawLine(float x1, float y1, float x2, float y2, Rgb color) {
    const QPointF from = ToDevice(x1, y1);
    const QPointF to = ToDevice(x2, y2);
    double ax = from.x();
    double ay = from.y();
    double bx = to.x();
    double by = to.y();
    const QRectF area = Area();
    const PixelBox box{area.left() - 2, area.top() - 2, area.right() + 2, area.bottom() + 2};
    if (!ClipSegment(ax, ay, bx, by, box)) {
        return;
    }
    QPainter* painter = Painter();
    if (!painter) {
        return;
    }
    if (clipToArea_) {
        painter->save();
        painter->setClipRect(area);
    }
    painter->setPen(QPen(ToQColor(color), 1));
    painter->drawLine(QPointF(ax, ay), QPointF(bx, by));
    if (clipToArea_) {
        painter->restore();
    }
}

void PaintedSurface::SetForeColor(Rgb color) {
    fore_ = ToQColor(color);
}

void PaintedSurface::SetFontSize(float points) {
    if (points > 0 && points <= kMaxFontPoints) {
        font_.setPointSizeF(points);
    }
}

void PaintedSurface::SetCurrentPosition(float x, float y) {
    textX_ = x;
    textY_ = y;
}

void PaintedSurface::PrintLine(std::string_view text) {
    // Measured before painting: a surface may first make its device fit when it starts to paint.
    const QFontMetricsF metrics(font_, MetricsDevice());
    const QPointF at = ToDevice(textX_, textY_);
    if (std::isfinite(at.x()) && std::isfinite(at.y())) {
        if (QPainter* painter = Painter()) {
            if (clipToArea_) {
                painter->save();
                painter->setClipRect(Area());
            }
            painter->setFont(font_);
            painter->setPen(fore_);
            painter->drawText(QPointF(at.x(), at.y() + metrics.ascent()), FromUtf8(text));
            if (clipToArea_) {
                painter->restore();
            }
        }
    }
    const double h = Area().height();
    const double step = scaled_ ? (h > 0 ? metrics.height() / h * height_ : 0) : metrics.height();
    textY_ = static_cast<float>(textY_ + step);
}

float PaintedSurface::TextHeight() {
    const double units = QFontMetricsF(font_, MetricsDevice()).height();
    if (!scaled_) {
        return static_cast<float>(units);
    }
    const double h = Area().height();
    return static_cast<float>(h > 0 ? units / h * height_ : HUGE_VAL);
}

void PaintedSurface::FillRect(float x, float y, float width, float height, Rgb color) {
    const QRectF area = Area();
    const QRectF rect = QRectF(ToDevice(x, y), ToDevice(x + width, y + height)).normalized();
    const QRectF shown = rect.intersected(area);
    QPainter* painter = Painter();
    if (!painter || shown.isEmpty()) {
        return;
    }
    painter->fillRect(shown, ToQColor(color));
}

float PaintedSurface::TextWidth(std::string_view text) {
    const double units = QFontMetricsF(font_, MetricsDevice()).horizontalAdvance(FromUtf8(text));
    if (!scaled_) {
        return static_cast<float>(units);
    }
    const double w = Area().width();
    // A surface without area has no room for any text.
    return static_cast<float>(w > 0 ? units / w * width_ : HUGE_VAL);
}

} // namespace spirolan
