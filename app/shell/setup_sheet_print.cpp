// SPDX-License-Identifier: GPL-3.0-or-later
// The setup sheet laid out on one page: texts in two columns, the graphs below.
#include "app/shell/setup_sheet_print.h"

#include <QFontMetricsF>
#include <QPainter>

#include <algorithm>

namespace spirolan {

namespace {

constexpr double kSectionGap = 10; // pixels between sections and above the graphs
constexpr double kLabelWidth = 150;

QFont SheetFont(double points, bool bold = false) {
    QFont font(QStringLiteral("Arial"));
    font.setPointSizeF(points);
    font.setBold(bold);
    return font;
}

// Draws one line at `y` (its top) and returns the top of the next line.
double Line(QPainter& painter, const QFont& font, double x, double y, const QString& text) {
    const QFontMetricsF metrics(font, painter.device());
    painter.setFont(font);
    painter.drawText(QPointF(x, y + metrics.ascent()), text);
    return y + metrics.lineSpacing();
}

// Draws the sections one under the other from `y` in a column at `x`; returns the bottom.
double Sections(QPainter& painter, const std::vector<const SheetSection*>& sections, double x,
                double y) {
    const QFont title = SheetFont(11, true);
    const QFont text = SheetFont(10);
    const QFontMetricsF metrics(text, painter.device());
    for (const SheetSection* section : sections) {
        y = Line(painter, title, x, y, QString::fromStdString(section->Title));
        for (const SheetRow& row : section->Rows) {
            painter.setFont(text);
            painter.drawText(QPointF(x, y + metrics.ascent()), QString::fromStdString(row.Label));
            const double valueX = row.Label.empty() ? x : x + kLabelWidth;
            Line(painter, text, valueX, y, QString::fromStdString(row.Value));
            y += metrics.lineSpacing();
        }
        y += kSectionGap;
    }
    return y;
}

} // namespace

void PaintSetupSheet(QPagedPaintDevice& device, CamJob& job, const SheetContext& context,
                     const GraphsView& view) {
    const SetupSheet sheet = BuildSetupSheet(job, context);
    QPainter painter(&device);
    const QRectF page = device.pageLayout().paintRectPixels(device.logicalDpiX());
    const QRectF area(0, 0, page.width(), page.height());
    painter.setPen(Qt::black);

    double y = area.top();
    for (size_t i = 0; i < sheet.Heading.size(); ++i) {
        y = Line(painter, i == 0 ? SheetFont(14, true) : SheetFont(10), area.left(), y,
                 QString::fromStdString(sheet.Heading[i]));
    }
    y += kSectionGap;

    // The shape on the left, the rest on the right half, long rows across the page below.
    std::vector<const SheetSection*> left{&sheet.Sections.front()};
    std::vector<const SheetSection*> right;
    std::vector<const SheetSection*> across;
    for (size_t i = 1; i < sheet.Sections.size(); ++i) {
        (sheet.Sections[i].FullWidth ? across : right).push_back(&sheet.Sections[i]);
    }
    const double columns = std::max(Sections(painter, left, area.left(), y),
                                    Sections(painter, right, area.center().x(), y));
    const double bottom = Sections(painter, across, area.left(), columns);

    const QSize picture = GraphsPictureSize(job, view);
    // The picture of the graphs holds the groove to scale under them.
    const QRectF rest(area.left(), bottom, area.width(), area.bottom() - bottom);
    if (picture.isEmpty() || rest.height() <= 0) {
        return;
    }
    const double scale = std::min(rest.width() / picture.width(), rest.height() / picture.height());
    painter.translate(rest.left(), rest.top());
    painter.scale(scale, scale);
    PaintGraphs(painter, QPointF(0, 0), job, view);
}

} // namespace spirolan
