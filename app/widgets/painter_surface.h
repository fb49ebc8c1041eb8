// PainterSurface: a GraphSurface that draws straight onto a painter, for pictures and pages.
#pragma once

#include "graphics/graph_surface.h"

#include <QColor>
#include <QFont>
#include <QPainter>
#include <QRectF>

namespace spirolan {

/// Draws the graphs as the window's surfaces draw them (Arial, one-pixel lines, a text's top-left
/// corner at the text position) into `rect` of `painter`'s device, clipped to it, with vector
/// lines and real text on a vector device such as a PDF writer. Its user coordinates are units of
/// the painter from the rectangle's top-left corner until SetScale. Pointer and Show do nothing.
class PainterSurface final : public GraphSurface {
public:
    PainterSurface(QPainter& painter, QRectF rect, QColor back, QColor fore, float fontPoints);

    void SetBackColor(Rgb color) override;
    void Clear() override;
    void SetScale(float left, float top, float width, float height) override;
    void DrawLine(float x1, float y1, float x2, float y2, Rgb color) override;
    void SetForeColor(Rgb color) override;
    void SetFontSize(float points) override;
    void SetCurrentPosition(float x, float y) override;
    void PrintLine(std::string_view text) override;
    float TextWidth(std::string_view text) override;
    void SetPointer(PointerShape) override {}
    void Show() override {}

    /// A one-unit grey border just outside the rectangle, as the window frames its boxes.
    void Frame();

private:
    QPointF ToDevice(float x, float y) const;

    QPainter& painter_;
    QRectF rect_;
    QColor back_;
    QColor fore_;
    QFont font_;
    bool scaled_ = false;
    float left_ = 0;
    float top_ = 0;
    float width_ = 1;
    float height_ = 1;
    float textX_ = 0;
    float textY_ = 0;
};

} // namespace spirolan
