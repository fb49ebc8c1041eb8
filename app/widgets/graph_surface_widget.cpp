// The Qt graph surface: a kept image, user coordinates and the pointer.
#include "app/widgets/graph_surface_widget.h"

#include "graphics/segment_clip.h"

#include <QFontMetricsF>
#include <QMouseEvent>
#include <QPaintEvent>

#include <cmath>
#include <utility>

namespace spirolan {

namespace {

constexpr double kMetresPerInch = 0.0254;
constexpr float kMaxFontPoints = 1000;

bool IsFinite(QPointF point) {
    return std::isfinite(point.x()) && std::isfinite(point.y());
}

} // namespace

QColor ToQColor(Rgb color) {
    return QColor(color.r, color.g, color.b);
}

GraphSurfaceWidget::GraphSurfaceWidget(float fontPoints, QColor textColor, QWidget* parent)
    : QFrame(parent), back_(palette().color(QPalette::Button)), fore_(textColor),
      font_(QStringLiteral("Arial")) {
    font_.setPointSizeF(fontPoints);
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

double GraphSurfaceWidget::LogicalWidth() const {
    return contentsRect().width();
}

double GraphSurfaceWidget::LogicalHeight() const {
    return contentsRect().height();
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
        next.fill(back_);
        if (!image_.isNull()) {
            QPainter(&next).drawImage(QPointF(0, 0), image_);
        }
    }
    image_ = std::move(next);
}

QPointF GraphSurfaceWidget::ToPixels(float x, float y) const {
    if (!scaled_) {
        return {x, y};
    }
    return {(static_cast<double>(x) - left_) / width_ * LogicalWidth(),
            (static_cast<double>(y) - top_) / height_ * LogicalHeight()};
}

QPointF GraphSurfaceWidget::ToUser(QPointF pixels) const {
    if (!scaled_) {
        return pixels;
    }
    const double w = LogicalWidth();
    const double h = LogicalHeight();
    const double x = w > 0 ? left_ + pixels.x() / w * width_ : left_;
    const double y = h > 0 ? top_ + pixels.y() / h * height_ : top_;
    return {static_cast<float>(x), static_cast<float>(y)};
}

void GraphSurfaceWidget::SetBackColor(Rgb color) {
    back_ = ToQColor(color);
    Clear();
}

void GraphSurfaceWidget::Clear() {
    if (QPainter* painter = Painter()) {
        painter->fillRect(QRectF(QPointF(0, 0), QSizeF(contentsRect().size())), back_);
    }
    textX_ = 0;
    textY_ = 0;
}

void GraphSurfaceWidget::ShowInactive() {
    const QColor face = palette().color(QPalette::Button);
    SetBackColor(Rgb{static_cast<std::uint8_t>(face.red()), static_cast<std::uint8_t>(face.green()),
                     static_cast<std::uint8_t>(face.blue())});
}

void GraphSurfaceWidget::SetScale(float left, float top, float width, float height) {
    scaled_ = true;
    left_ = left;
    top_ = top;
    width_ = width;
    height_ = height;
}

void GraphSurfaceWidget::DrawLine(float x1, float y1, float x2, float y2, Rgb color) {
    const QPointF from = ToPixels(x1, y1);
    const QPointF to = ToPixels(x2, y2);
    double ax = from.x();
    double ay = from.y();
    double bx = to.x();
    double by = to.y();
    // Far-off points never reach the rasteriser, which works in fixed point.
    const PixelBox box{-2, -2, LogicalWidth() + 2.0, LogicalHeight() + 2.0};
    if (!ClipSegment(ax, ay, bx, by, box)) {
        return;
    }
    const QPointF a(ax, ay);
    const QPointF b(bx, by);
    if (QPainter* painter = Painter()) {
        painter->setPen(QPen(ToQColor(color), 1));
        painter->drawLine(a, b);
    }
}

void GraphSurfaceWidget::SetForeColor(Rgb color) {
    fore_ = ToQColor(color);
}

void GraphSurfaceWidget::SetFontSize(float points) {
    if (points > 0 && points <= kMaxFontPoints) {
        font_.setPointSizeF(points);
    }
}

void GraphSurfaceWidget::SetCurrentPosition(float x, float y) {
    textX_ = x;
    textY_ = y;
}

QFontMetricsF GraphSurfaceWidget::Metrics() const {
    return QFontMetricsF(font_, image_.isNull() ? static_cast<const QPaintDevice*>(this)
                                                : static_cast<const QPaintDevice*>(&image_));
}

void GraphSurfaceWidget::PrintLine(std::string_view text) {
    const QFontMetricsF metrics = Metrics();
    const QPointF at = ToPixels(textX_, textY_);
    if (IsFinite(at)) {
        if (QPainter* painter = Painter()) {
            painter->setFont(font_);
            painter->setPen(fore_);
            painter->drawText(QPointF(at.x(), at.y() + metrics.ascent()),
                              QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size())));
        }
    }
    const double h = LogicalHeight();
    const double step = scaled_ ? (h > 0 ? metrics.height() / h * height_ : 0) : metrics.height();
    textY_ = static_cast<float>(textY_ + step);
}

float GraphSurfaceWidget::TextWidth(std::string_view text) {
    const double pixels = Metrics().horizontalAdvance(
        QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size())));
    if (!scaled_) {
        return static_cast<float>(pixels);
    }
    const double w = LogicalWidth();
    // A surface without area has no room for any text.
    return static_cast<float>(w > 0 ? pixels / w * width_ : HUGE_VAL);
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
        painter.fillRect(event->rect(), back_);
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
