// SPDX-License-Identifier: GPL-3.0-or-later
// The printed setup sheet: its texts and both graphs on one page.
#pragma once

#include "app/shell/graph_pictures.h"
#include "graphics/setup_sheet.h"

#include <QPagedPaintDevice>

namespace spirolan {

/// Paints the setup sheet of `job` on the one page of `device` (a printer or a PDF writer whose
/// resolution is 96 dots per inch): the heading, the shape section on the left, the motion and
/// Face Copy sections on the right, the files saved and the notes across the page, and below
/// them both graphs (`view`) as vector drawings, scaled to fit the rest of the page.
void PaintSetupSheet(QPagedPaintDevice& device, CamJob& job, const SheetContext& context,
                     const GraphsView& view);

} // namespace spirolan
