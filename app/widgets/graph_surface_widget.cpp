// SPDX-License-Identifier: GPL-3.0-or-later
// The Qt graph surface: a kept image fitted to the client area, the pointer and the inactive look.
#include "app/widgets/graph_surface_widget.h"

#include <QMouseEvent>
#include <QPaintEvent>

#include <utility>

namespace spirolan {

namespace {

constexpr double kMetresPerInch = 0.0254;

} // namespace

GraphSurfaceWidget::GraphSurfaceWidget(float fontPoints, QColor textColor, QWidget* parent)
    : QFrame(parent),
      PaintedSurface(palette().color(QPalette::Button), textColor, fontPoints, false) {
    setAttribute(Qt::WA_OpaquePaintEvent);
    setMouseTracking(true);
    FitImage();
}

GraphSurfaceWidget::~GraphSurfaceWidget() {
    EndPainting();
}

QPainter* GraphSurfaceWidget::Painter() {
    if (!painter_) {
        // A hidden widget learns its new size only when shown; draw at the size it has now.
        FitImage();
        if (image_.isNull()) {
            return nullptr;
        }
        // Drawing goes on until the next paint event shows it.
        painter_ = std::make_unique<QPainter>(&image_);
        update();
    }
    return painter_.get();
}

void GraphSurfaceWidget::EndPainting() {
    painter_.reset();
}

QRectF GraphSurfaceWidget::Area() const {
    return {QPointF(0, 0), QSizeF(contentsRect().size())};
}

const QPaintDevice* GraphSurfaceWidget::MetricsDevice() const {
    return image_.isNull() ? static_cast<const QPaintDevice*>(this)
                           : static_cast<const QPaintDevice*>(&image_);
}

void GraphSurfaceWidget::FitImage() {
    const double ratio = devicePixelRatioF();
    const QSize pixels = (QSizeF(contentsRect().size()) * ratio).toSize();
    if (image_.size() == pixels && image_.devicePixelRatio() == ratio) {
        return;
    }
    EndPainting();
    QImage next;
    if (!pixels.isEmpty()) {
        next = QImage(pixels, QImage::Format_RGB32);
        next.setDevicePixelRatio(ratio);
        const int dotsPerMetre = qRound(logicalDpiX() / kMetresPerInch);
        next.setDotsPerMeterX(dotsPerMetre);
        next.setDotsPerMeterY(dotsPerMetre);
        next.fill(Back());
        if (!image_.isNull()) {
            QPainter(&next).drawImage(QPointF(0, 0), image_);
        }
    }
    image_ = std::move(next);
}

void GraphSurfaceWidget::ShowInactive() {
    const QColor face = palette().color(QPalette::Button);
    SetBackColor(Rgb{static_cast<std::uint8_t>(face.red()), static_cast<std::uint8_t>(face.green()),
                     static_cast<std::uint8_t>(face.blue())});
}

void GraphSurfaceWidget::SetPointer(PointerShape shape) {
    setCursor(shape == PointerShape::CrossHair ? Qt::CrossCursor : Qt::ArrowCursor);
}

void GraphSurfaceWidget::Show() {
    setVisible(true);
}

const QImage& GraphSurfaceWidget::Picture() {
    EndPainting();
    return image_;
}

void GraphSurfaceWidget::paintEvent(QPaintEvent* event) {
    FitImage();
    EndPainting();
    QPainter painter(this);
    if (image_.isNull()) {
        painter.fillRect(event->rect(), Back());
    } else {
        painter.drawImage(contentsRect().topLeft(), image_);
    }
    drawFrame(&painter);
}

void GraphSurfaceWidget::resizeEvent(QResizeEvent* /*event*/) {
    FitImage();
}

void GraphSurfaceWidget::mouseMoveEvent(QMouseEvent* event) {
    if (onPointerMove) {
        const QPointF user = ToUser(event->position() - contentsRect().topLeft());
        onPointerMove(static_cast<float>(user.x()), static_cast<float>(user.y()));
    }
}

} // namespace spirolan
