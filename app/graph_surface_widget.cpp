// The Qt graph surface: a kept image, user coordinates and the pointer.
#include "graph_surface_widget.h"

#include <QFontMetricsF>
#include <QMouseEvent>
#include <QPaintEvent>

#include <cmath>
#include <utility>

namespace spirolan {

namespace {

constexpr double kMetresPerInch = 0.0254;
constexpr float kMaxFontPoints = 1000;

// Cuts the segment to the rectangle (Cohen-Sutherland); false when nothing of it is inside.
// Keeps huge or far-away coordinates away from the rasteriser, which works in fixed point; each
// cut sets the crossed coordinate exactly, so a long segment keeps its visible part.
bool ClipLine(QPointF& a, QPointF& b, const QRectF& box) {
    enum : unsigned { kLeft = 1, kRight = 2, kTop = 4, kBottom = 8 };
    const auto outside = [&box](QPointF p) {
        return (p.x() < box.left() ? kLeft : 0u) | (p.x() > box.right() ? kRight : 0u) |
               (p.y() < box.top() ? kTop : 0u) | (p.y() > box.bottom() ? kBottom : 0u);
    };
    unsigned codeA = outside(a);
    unsigned codeB = outside(b);
    // Each round moves one end onto a side it was beyond; four sides, two ends.
    for (int round = 0; round < 8; ++round) {
        if ((codeA | codeB) == 0) {
            return true;
        }
        if ((codeA & codeB) != 0) {
            return false;
        }
        QPointF& p = codeA != 0 ? a : b;
        const QPointF& q = codeA != 0 ? b : a;
        const unsigned code = codeA != 0 ? codeA : codeB;
        if (code & (kLeft | kRight)) {
            const double x = (code & kLeft) ? box.left() : box.right();
            p = QPointF(x, p.y() + (q.y() - p.y()) * ((x - p.x()) / (q.x() - p.x())));
        } else {
            const double y = (code & kTop) ? box.top() : box.bottom();
            p = QPointF(p.x() + (q.x() - p.x()) * ((y - p.y()) / (q.y() - p.y())), y);
        }
        if (!std::isfinite(p.x()) || !std::isfinite(p.y())) {
            return false;
        }
        (codeA != 0 ? codeA : codeB) = outside(p);
    }
    return (codeA | codeB) == 0;
}

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
    QPointF a = ToPixels(x1, y1);
    QPointF b = ToPixels(x2, y2);
    const QRectF box(-2, -2, LogicalWidth() + 4, LogicalHeight() + 4);
    if (!IsFinite(a) || !IsFinite(b) || !ClipLine(a, b, box)) {
        return;
    }
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

void GraphSurfaceWidget::PrintLine(std::string_view text) {
    const QFontMetricsF metrics(font_, image_.isNull() ? static_cast<QPaintDevice*>(this)
                                                       : static_cast<QPaintDevice*>(&image_));
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
