// SPDX-License-Identifier: GPL-3.0-or-later
// Pictures of both graphs: the graphs library draws them on painter surfaces or as SVG.
#include "app/shell/graph_pictures.h"

#include "app/widgets/painter_surface.h"
#include "graphics/graphs_picture.h"

#include <QBuffer>
#include <QImage>
#include <QPageSize>
#include <QPdfWriter>

#include <deque>
#include <optional>

namespace spirolan {

namespace {

constexpr double kPngScale = 2;
constexpr int kDotsPerMetreAt96 = 3780;

SvgGraphSize SvgSize(QSize size) {
    return {size.width(), size.height()};
}

GraphsPictureLayout LayoutOf(const CamJob& job, const GraphsView& view) {
    return LayoutGraphsPicture(job, SvgSize(view.ModeA),
                               view.DrawModeB ? std::optional<SvgGraphSize>(SvgSize(view.ModeB))
                                              : std::nullopt,
                               !view.Heading.empty());
}

} // namespace

QSize GraphsPictureSize(const CamJob& job, const GraphsView& view) {
    const GraphsPictureLayout layout = LayoutOf(job, view);
    return {layout.Width, layout.Height};
}

void PaintGraphs(QPainter& painter, QPointF origin, const CamJob& job, const GraphsView& view) {
    const GraphsPictureLayout layout = LayoutOf(job, view);
    painter.fillRect(QRectF(origin, QSizeF(layout.Width, layout.Height)),
                     ToQColor(view.Style.Page));
    std::deque<PainterSurface> surfaces;
    DrawGraphsPicture(
        job, layout, view.Style, view.Heading,
        [&](const PixelRect& rect, Rgb back, Rgb fore, float points, bool framed) -> GraphSurface& {
            PainterSurface& surface = surfaces.emplace_back(
                painter,
                QRectF(origin + QPointF(rect.Left, rect.Top), QSizeF(rect.Width, rect.Height)),
                ToQColor(back), ToQColor(fore), points);
            if (framed) {
                surface.Frame();
            }
            return surface;
        });
}

QByteArray GraphsSvgBytes(const CamJob& job, const GraphsView& view) {
    return QByteArray::fromStdString(
        GraphsSvg(job, SvgSize(view.ModeA),
                  view.DrawModeB ? std::optional<SvgGraphSize>(SvgSize(view.ModeB)) : std::nullopt,
                  view.Style, view.Heading));
}

QByteArray GraphsPngBytes(const CamJob& job, const GraphsView& view) {
    QImage image(GraphsPictureSize(job, view) * kPngScale, QImage::Format_RGB32);
    image.setDevicePixelRatio(kPngScale);
    image.setDotsPerMeterX(kDotsPerMetreAt96);
    image.setDotsPerMeterY(kDotsPerMetreAt96);
    {
        QPainter painter(&image);
        PaintGraphs(painter, QPointF(0, 0), job, view);
    }
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    image.save(&buffer, "PNG");
    return bytes;
}

QByteArray GraphsPdfBytes(const CamJob& job, const GraphsView& view) {
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    const QSize size = GraphsPictureSize(job, view);
    {
        QPdfWriter writer(&buffer);
        writer.setResolution(96);
        writer.setTitle(QStringLiteral("Spirolan graphs"));
        writer.setCreator(QStringLiteral("Spirolan"));
        writer.setPageSize(QPageSize(QSizeF(size) * 72.0 / 96.0, QPageSize::Point, QString(),
                                     QPageSize::ExactMatch));
        writer.setPageMargins(QMarginsF(0, 0, 0, 0));
        QPainter painter(&writer);
        PaintGraphs(painter, QPointF(0, 0), job, view);
    }
    return bytes;
}

} // namespace spirolan
