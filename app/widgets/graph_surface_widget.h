// SPDX-License-Identifier: GPL-3.0-or-later
// GraphSurfaceWidget: the Qt surface the graphs, the figure boxes and the read-out draw on.
#pragma once

#include "app/widgets/painted_surface.h"

#include <QColor>
#include <QFrame>
#include <QImage>
#include <QPainter>
#include <QPointF>

#include <functional>
#include <memory>

namespace spirolan {

/// A GraphSurface that keeps its picture: everything is drawn into an image of the client area's
/// size (inside the frame, if the widget is given one) times the device pixel ratio, so that it
/// stays sharp on high-DPI screens, and shown by paintEvent. Its text face is Arial; it starts
/// with the system's button-face background and user coordinates in pixels from the client
/// area's top-left corner until SetScale.
class GraphSurfaceWidget final : public QFrame, public PaintedSurface {
public:
    /// A surface whose texts are `fontPoints` points in `textColor` until told otherwise.
    GraphSurfaceWidget(float fontPoints, QColor textColor, QWidget* parent = nullptr);
    ~GraphSurfaceWidget() override;

    void SetPointer(PointerShape shape) override;
    void Show() override;

    /// The inactive look: the system's button-face background, which erases the picture.
    void ShowInactive();

    /// The client area's logical pixels of a point given in user coordinates (ToUser goes back).
    QPointF ToPixels(float x, float y) const { return ToDevice(x, y); }

    /// The kept picture (every pending drawing finished).
    const QImage& Picture();

    /// Called on every pointer move over the surface, with the position in user coordinates.
    std::function<void(float x, float y)> onPointerMove;

protected:
    void paintEvent(QPaintEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;

private:
    QPainter* Painter() override; // nullptr while the widget has no area
    // The client area in logical pixels of the image, which starts at its top-left corner.
    QRectF Area() const override;
    const QPaintDevice* MetricsDevice() const override;
    void EndPainting();
    // Makes the image fit the client area, keeping what it showed at its place.
    void FitImage();

    QImage image_;
    std::unique_ptr<QPainter> painter_;
};

} // namespace spirolan
