// SPDX-License-Identifier: GPL-3.0-or-later
// Toolbar icons: theme icons where the desktop has them, small drawings otherwise; the
// program's icon from its SVG picture, rendered at build time.
#include "app/widgets/toolbar_icons.h"

#include <QDir>
#include <QPainter>
#include <QPainterPath>
#include <QPixmap>

#include <algorithm>
#include <array>

namespace spirolan {

namespace {

// Drawings are made on a 32 x 32 grid and scaled to each icon size.
constexpr double kGrid = 32;
constexpr std::array<int, 4> kSizes = {16, 24, 32, 48};

const QColor kSteel(150, 160, 175);
const QColor kOutline(40, 45, 55);

void DrawWorkpiece(QPainter& painter, const QPainterPath& profile) {
    QPainterPath body = profile;
    body.lineTo(30, 30);
    body.lineTo(2, 30);
    body.closeSubpath();
    painter.fillPath(body, kSteel);
    painter.setPen(QPen(kOutline, 2));
    painter.drawPath(profile);
}

void DrawSquareGroove(QPainter& painter) {
    QPainterPath profile(QPointF(2, 9));
    profile.lineTo(9, 9);
    profile.lineTo(12, 23);
    profile.lineTo(20, 23);
    profile.lineTo(23, 9);
    profile.lineTo(30, 9);
    DrawWorkpiece(painter, profile);
}

void DrawBallGroove(QPainter& painter) {
    QPainterPath profile(QPointF(2, 9));
    profile.lineTo(8, 9);
    profile.arcTo(QRectF(8, 1, 16, 16 + 8), 180, 180);
    profile.lineTo(30, 9);
    DrawWorkpiece(painter, profile);
}

void DrawVeeGroove(QPainter& painter) {
    QPainterPath profile(QPointF(2, 9));
    profile.lineTo(9, 9);
    profile.lineTo(14.5, 21.5);
    profile.quadTo(16, 25, 17.5, 21.5);
    profile.lineTo(23, 9);
    profile.lineTo(30, 9);
    DrawWorkpiece(painter, profile);
}

void DrawFaceCopy(QPainter& painter) {
    for (int i = 2; i >= 0; --i) {
        const QRectF sheet(3 + 5 * i, 3 + 5 * i, 18, 18);
        painter.fillRect(sheet, QColor(250, 250, 250));
        painter.setPen(QPen(kOutline, 1.5));
        painter.drawRect(sheet);
        QPainterPath wave(QPointF(sheet.left() + 2, sheet.center().y()));
        wave.cubicTo(sheet.left() + 7, sheet.top() + 3, sheet.right() - 7, sheet.bottom() - 3,
                     sheet.right() - 2, sheet.center().y());
        painter.setPen(QPen(QColor(200, 150, 0), 1.5));
        painter.drawPath(wave);
    }
}

void DrawDisk(QPainter& painter) {
    QPainterPath disk(QPointF(4, 4));
    disk.lineTo(24, 4);
    disk.lineTo(28, 8);
    disk.lineTo(28, 28);
    disk.lineTo(4, 28);
    disk.closeSubpath();
    painter.fillPath(disk, QColor(40, 90, 170));
    painter.fillRect(QRectF(9, 4, 13, 8), QColor(220, 225, 235));
    painter.fillRect(QRectF(8, 17, 16, 11), QColor(245, 245, 245));
}

void DrawRefresh(QPainter& painter) {
    painter.setPen(QPen(QColor(30, 120, 50), 3.5, Qt::SolidLine, Qt::RoundCap));
    painter.drawArc(QRectF(6, 6, 20, 20), 60 * 16, 270 * 16);
    QPainterPath head(QPointF(22, 2));
    head.lineTo(29, 10);
    head.lineTo(19, 12);
    head.closeSubpath();
    painter.fillPath(head, QColor(30, 120, 50));
}

void DrawCam(QPainter& painter) {
    painter.setPen(QPen(kOutline, 2));
    painter.setBrush(kSteel);
    painter.drawEllipse(QRectF(4, 6, 22, 22));
    painter.setBrush(QColor(250, 250, 250));
    painter.drawEllipse(QRectF(11, 13, 6, 6));
    painter.setPen(QPen(QColor(200, 40, 40), 3, Qt::SolidLine, Qt::RoundCap));
    painter.drawLine(QPointF(22, 4), QPointF(30, 4));
    painter.drawLine(QPointF(26, 1), QPointF(30, 4));
    painter.drawLine(QPointF(26, 7), QPointF(30, 4));
}

void DrawExit(QPainter& painter) {
    painter.fillRect(QRectF(5, 3, 14, 26), QColor(150, 100, 60));
    painter.setPen(QPen(kOutline, 1.5));
    painter.drawRect(QRectF(5, 3, 14, 26));
    painter.setPen(QPen(QColor(200, 40, 40), 3.5, Qt::SolidLine, Qt::RoundCap));
    painter.drawLine(QPointF(14, 16), QPointF(29, 16));
    painter.drawLine(QPointF(24, 11), QPointF(29, 16));
    painter.drawLine(QPointF(24, 21), QPointF(29, 16));
}

using Drawing = void (*)(QPainter&);

struct IconSource {
    const char* key;
    const char* themeName; // empty: the drawing only
    Drawing drawing;
    char badge; // letter drawn over the icon, or 0
};

constexpr std::array<IconSource, 9> kIcons = {{
    {"Square", "", DrawSquareGroove, 0},
    {"Ball", "", DrawBallGroove, 0},
    {"Shape3", "", DrawVeeGroove, 0},
    {"FaceCopy", "edit-copy", DrawFaceCopy, 0},
    {"SaveA", "document-save", DrawDisk, 'A'},
    {"SaveB", "document-save", DrawDisk, 'B'},
    {"ReGraphic", "view-refresh", DrawRefresh, 0},
    {"ORVL", "system-run", DrawCam, 0},
    {"Exit", "application-exit", DrawExit, 0},
}};

QPixmap Drawn(Drawing drawing, int size) {
    QPixmap pixmap(size, size);
    pixmap.fill(Qt::transparent);
    QPainter painter(&pixmap);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.scale(size / kGrid, size / kGrid);
    drawing(painter);
    return pixmap;
}

void DrawBadge(QPixmap& pixmap, char letter) {
    QPainter painter(&pixmap);
    painter.setRenderHint(QPainter::Antialiasing);
    const double size = pixmap.width() / pixmap.devicePixelRatio();
    const QRectF box(size * 0.45, size * 0.45, size * 0.55, size * 0.55);
    painter.setBrush(QColor(200, 40, 40));
    painter.setPen(Qt::NoPen);
    painter.drawEllipse(box);
    QFont font(QStringLiteral("Arial"));
    font.setBold(true);
    font.setPixelSize(std::max(6, static_cast<int>(box.height() * 0.8)));
    painter.setFont(font);
    painter.setPen(Qt::white);
    painter.drawText(box, Qt::AlignCenter, QString(QLatin1Char(letter)));
}

} // namespace

QIcon CommandIcon(const QString& key) {
    for (const IconSource& source : kIcons) {
        if (key != QLatin1String(source.key)) {
            continue;
        }
        const QString themeName = QString::fromLatin1(source.themeName);
        const QIcon theme = themeName.isEmpty() ? QIcon() : QIcon::fromTheme(themeName);
        QIcon icon;
        for (const int size : kSizes) {
            QPixmap pixmap = theme.isNull() ? QPixmap() : theme.pixmap(size);
            if (pixmap.isNull()) {
                pixmap = Drawn(source.drawing, size);
            }
            if (source.badge != 0) {
                DrawBadge(pixmap, source.badge);
            }
            icon.addPixmap(pixmap);
        }
        return icon;
    }
    return ProgramIcon();
}

QIcon ProgramIcon() {
    QIcon icon;
    const QDir renderings(QStringLiteral(":/program_icon"));
    for (const QString& name : renderings.entryList(QDir::Files)) {
        icon.addFile(renderings.filePath(name));
    }
    return icon;
}

} // namespace spirolan
