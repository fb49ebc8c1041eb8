// SPDX-License-Identifier: GPL-3.0-or-later
// Pictures of both graphs as the window shows them: SVG, PNG and PDF bytes, and painting them
// onto a page.
#pragma once

#include "core/cam_job.h"

#include <QByteArray>
#include <QPainter>
#include <QSize>

namespace spirolan {

/// What a picture of both graphs shows: the graphs at the window's sizes in logical pixels,
/// the Mode-B graph drawn or left inactive as the window has it.
struct GraphsView {
    QSize ModeA;
    QSize ModeB;
    bool DrawModeB = false;
};

/// Size of the picture in logical pixels: the figure band, the Mode-A graph and under it the
/// Mode-B graph.
QSize GraphsPictureSize(const GraphsView& view);

/// Paints the picture with its top-left corner at `origin`, one painter unit per logical pixel:
/// the figure boxes (Picture5, Picture4) right-aligned in the band, then the two graphs, drawn
/// from `job` as the window draws them (the machine limit line included).
void PaintGraphs(QPainter& painter, QPointF origin, const CamJob& job, const GraphsView& view);

/// The picture as an SVG document (the SVG writer of the graphics library).
QByteArray GraphsSvgBytes(const CamJob& job, const GraphsView& view);

/// The picture as a PNG image at twice its logical size.
QByteArray GraphsPngBytes(const CamJob& job, const GraphsView& view);

/// The picture as a one-page vector PDF of its size (96 logical pixels to the inch).
QByteArray GraphsPdfBytes(const CamJob& job, const GraphsView& view);

} // namespace spirolan
