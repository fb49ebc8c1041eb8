// SPDX-License-Identifier: GPL-3.0-or-later
// Pictures of both graphs as the window exports and prints them: SVG, PNG and PDF bytes, and
// painting them onto a page.
#pragma once

#include "core/cam_job.h"
#include "graphics/graph_style.h"

#include <QByteArray>
#include <QPainter>
#include <QSize>

#include <string>

namespace spirolan {

/// What a picture of both graphs shows: the graphs at the window's sizes in logical pixels, the
/// Mode-B graph only when the window has one, in `Style`, under `Heading` (the job's name and
/// the date; none when empty).
struct GraphsView {
    QSize ModeA;
    QSize ModeB;
    bool DrawModeB = false;
    GraphStyle Style = kPrintStyle;
    std::string Heading;
};

/// Size of the picture of `job` in logical pixels (LayoutGraphsPicture).
QSize GraphsPictureSize(const CamJob& job, const GraphsView& view);

/// Paints the picture with its top-left corner at `origin`, one painter unit per logical pixel
/// (DrawGraphsPicture).
void PaintGraphs(QPainter& painter, QPointF origin, const CamJob& job, const GraphsView& view);

/// The picture as an SVG document (the SVG writer of the graphics library).
QByteArray GraphsSvgBytes(const CamJob& job, const GraphsView& view);

/// The picture as a PNG image at twice its logical size.
QByteArray GraphsPngBytes(const CamJob& job, const GraphsView& view);

/// The picture as a one-page vector PDF of its size (96 logical pixels to the inch).
QByteArray GraphsPdfBytes(const CamJob& job, const GraphsView& view);

} // namespace spirolan
