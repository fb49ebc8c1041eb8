// SPDX-License-Identifier: GPL-3.0-or-later
// PaintedSurface: the GraphSurface drawing that the window's surfaces and the pictures share.
#pragma once

#include "graphics/graph_surface.h"

#include <QColor>
#include <QFont>
#include <QPainter>
#include <QPointF>
#include <QRectF>

namespace spirolan {

/// The Qt colour of a surface colour.
QColor ToQColor(Rgb color);

/// Draws the graphs onto a painter into an area of its device: Arial texts whose top-left corner
/// stands at the text position, one-pixel lines clipped just outside the area (far-off points
/// never reach the rasteriser, which works in fixed point). Its user coordinates are units of
/// the painter from the area's top-left corner until SetScale. Each kind of surface says where
/// it paints and how its texts are measured.
class PaintedSurface : public GraphSurface {
public:
    void SetBackColor(Rgb color) override;
    void Clear() override;
    void SetScale(float left, float top, float width, float height) override;
    void DrawLine(float x1, float y1, float x2, float y2, Rgb color) override;
    void SetForeColor(Rgb color) override;
    void SetFontSize(float points) override;
    void SetCurrentPosition(float x, float y) override;
    void PrintLine(std::string_view text) override;
    float TextWidth(std::string_view text) override;
    float TextHeight() override;
    void FillRect(float x, float y, float width, float height, Rgb color) override;

    /// The painter's units of a point given in user coordinates.
    QPointF ToDevice(float x, float y) const;
    /// The user coordinates of a point given in the painter's units; the area's left or top
    /// edge where the area has no width or height.
    QPointF ToUser(QPointF device) const;

protected:
    /// Texts are `fontPoints` points in `fore` on `back` until told otherwise. With
    /// `clipToArea`, every line and text is clipped to the area, for a painter that others share.
    PaintedSurface(QColor back, QColor fore, float fontPoints, bool clipToArea);

    /// The painter to draw with; nullptr while there is nothing to draw on.
    virtual QPainter* Painter() = 0;
    /// Where the surface lies in the painter's units.
    virtual QRectF Area() const = 0;
    /// The device the texts are measured for.
    virtual const QPaintDevice* MetricsDevice() const = 0;

    QColor Back() const { return back_; }

private:
    QColor back_;
    QColor fore_;
    QFont font_;
    bool clipToArea_;
    bool scaled_ = false;
    float left_ = 0;
    float top_ = 0;
    float width_ = 1;
    float height_ = 1;
    float textX_ = 0;
    float textY_ = 0;
};

} // namespace spirolan
