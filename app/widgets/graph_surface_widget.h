// GraphSurfaceWidget: the Qt surface the graphs, the figure boxes and the read-out draw on.
#pragma once

#include "graphics/graph_surface.h"

#include <QColor>
#include <QFont>
#include <QFontMetricsF>
#include <QFrame>
#include <QImage>
#include <QPainter>
#include <QPointF>

#include <functional>
#include <memory>

namespace spirolan {

/// The Qt colour of a surface colour.
QColor ToQColor(Rgb color);

/// A GraphSurface that keeps its picture: everything is drawn into an image of the client area's
/// size (inside the frame, if the widget is given one) times the device pixel ratio, so that it
/// stays sharp on high-DPI screens, and shown by paintEvent. Its text face is Arial; it starts
/// with the system's button-face background and user coordinates in pixels from the client
/// area's top-left corner until SetScale.
class GraphSurfaceWidget final : public QFrame, public GraphSurface {
public:
    /// A surface whose texts are `fontPoints` points in `textColor` until told otherwise.
    GraphSurfaceWidget(float fontPoints, QColor textColor, QWidget* parent = nullptr);
    ~GraphSurfaceWidget() override;

    void SetBackColor(Rgb color) override;
    void Clear() override;
    void SetScale(float left, float top, float width, float height) override;
    void DrawLine(float x1, float y1, float x2, float y2, Rgb color) override;
    void SetForeColor(Rgb color) override;
    void SetFontSize(float points) override;
    void SetCurrentPosition(float x, float y) override;
    void PrintLine(std::string_view text) override;
    float TextWidth(std::string_view text) override;
    void SetPointer(PointerShape shape) override;
    void Show() override;

    /// The inactive look: the system's button-face background, which erases the picture.
    void ShowInactive();

    /// The user coordinates of a point given in logical pixels of the client area.
    QPointF ToUser(QPointF pixels) const;
    /// The client area's logical pixels of a point given in user coordinates.
    QPointF ToPixels(float x, float y) const;

    /// The kept picture (every pending drawing finished).
    const QImage& Picture();

    /// Called on every pointer move over the surface, with the position in user coordinates.
    std::function<void(float x, float y)> onPointerMove;

protected:
    void paintEvent(QPaintEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;

private:
    QPainter* Painter(); // nullptr while the widget has no area
    QFontMetricsF Metrics() const;
    void EndPainting();
    // Makes the image fit the client area, keeping what it showed at its place.
    void FitImage();
    double LogicalWidth() const;
    double LogicalHeight() const;

    QImage image_;
    std::unique_ptr<QPainter> painter_;
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
