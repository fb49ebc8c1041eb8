// SPDX-License-Identifier: GPL-3.0-or-later
// Pictures of both graphs: the graphs library draws them on painter surfaces or as SVG.
#include "app/shell/graph_pictures.h"

#include "app/widgets/graph_surface_widget.h"
#include "app/widgets/painter_surface.h"
#include "graphics/graph_style.h"
#include "graphics/mode_a_graph.h"
#include "graphics/mode_b_graph.h"
#include "graphics/null_surface.h"
#include "graphics/spindle_limit.h"
#include "graphics/svg_export.h"

#include <QBuffer>
#include <QImage>
#include <QPageSize>
#include <QPdfWriter>

namespace spirolan {

namespace {

constexpr double kPngScale = 2;
constexpr int kDotsPerMetreAt96 = 3780;

SvgGraphSize SvgSize(QSize size) {
    return {size.width(), size.height()};
}

} // namespace

QSize GraphsPictureSize(const GraphsView& view) {
    return {std::max(view.ModeA.width(), view.ModeB.width()),
            kFigureBandHeight + view.ModeA.height() + kGraphGap + view.ModeB.height()};
}

void PaintGraphs(QPainter& painter, QPointF origin, const CamJob& job, const GraphsView& view) {
    const QSize size = GraphsPictureSize(view);
    const QColor face = ToQColor(kButtonFace);
    painter.fillRect(QRectF(origin, QSizeF(size)), face);

    const FigureBoxes boxes = FigureBoxSizes();
    const double figureLeft = origin.x() + view.ModeA.width() - boxes.Margin - boxes.FigureWidth;
    const double boxTop = origin.y() + boxes.Margin;
    PainterSurface picture5(
        painter, QRectF(figureLeft - boxes.SpindleWidth, boxTop, boxes.SpindleWidth, boxes.Height),
        face, ToQColor(kFigureBlack), kFigureFontPoints);
    PainterSurface picture4(painter, QRectF(figureLeft, boxTop, boxes.FigureWidth, boxes.Height),
                            face, ToQColor(kAccelerationRed), kFigureFontPoints);
    const double modeATop = origin.y() + kFigureBandHeight;
    PainterSurface picture1(painter, QRectF(QPointF(origin.x(), modeATop), QSizeF(view.ModeA)),
                            face, ToQColor(kLabelGrey), kGraphFontPoints);
    NullSurface picture3;
    DrawModeAGraph(job, picture1, picture4, picture5, picture3);
    DrawSpindleLimit(job, picture1);
    picture5.Frame();
    picture4.Frame();

    const double modeBTop = modeATop + view.ModeA.height() + kGraphGap;
    PainterSurface picture2(painter, QRectF(QPointF(origin.x(), modeBTop), QSizeF(view.ModeB)),
                            face, ToQColor(kLabelGrey), kGraphFontPoints);
    if (view.DrawModeB) {
        DrawModeBGraph(job, picture2, picture3);
    }
}

QByteArray GraphsSvgBytes(const CamJob& job, const GraphsView& view) {
    return QByteArray::fromStdString(
        GraphsSvg(job, SvgSize(view.ModeA), SvgSize(view.ModeB), view.DrawModeB));
}

QByteArray GraphsPngBytes(const CamJob& job, const GraphsView& view) {
    QImage image(GraphsPictureSize(view) * kPngScale, QImage::Format_RGB32);
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
    const QSize size = GraphsPictureSize(view);
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
