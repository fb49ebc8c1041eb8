// SPDX-License-Identifier: GPL-3.0-or-later
// The shape dialogs' groove drawings, in a 360 x 230 drawing space scaled to the widget.
#include "app/widgets/groove_drawing.h"

#include <QPainter>
#include <QPainterPath>

#include <cmath>
#include <numbers>

namespace spirolan {

namespace {

constexpr double kSpaceWidth = 360;
constexpr double kSpaceHeight = 230;
constexpr double kAxisY = 218;         // the work's centre line, where diameters start
constexpr double kCornerRadius = 9;    // how round the pictured corners are
const QColor kMaterial(222, 222, 222); // the work below the profile
const QColor kDimension(0, 0, 170);

// The profile as a path over the drawing space, rounded at its inner points: each corner is
// replaced by a curve from kCornerRadius before it to kCornerRadius after it.
QPainterPath RoundedPolyline(const QList<QPointF>& points) {
    QPainterPath path(points.front());
    for (qsizetype i = 1; i + 1 < points.size(); ++i) {
        const QPointF corner = points[i];
        const QPointF in = points[i - 1] - corner;
        const QPointF out = points[i + 1] - corner;
        const double inLength = std::hypot(in.x(), in.y());
        const double outLength = std::hypot(out.x(), out.y());
        const double cut = std::min({kCornerRadius, inLength / 2, outLength / 2});
        path.lineTo(corner + in * (cut / inLength));
        path.quadTo(corner, corner + out * (cut / outLength));
    }
    path.lineTo(points.back());
    return path;
}

class Sketch {
public:
    explicit Sketch(QPainter& painter) : p_(painter) {
        QFont font(QStringLiteral("Arial"));
        font.setPixelSize(12);
        p_.setFont(font);
    }

    // Fills the work under `profile` (which runs left to right) and outlines the profile.
    void Work(const QPainterPath& profile) {
        QPainterPath work = profile;
        work.lineTo(profile.currentPosition().x(), kAxisY - 14);
        work.lineTo(profile.elementAt(0).x, kAxisY - 14);
        work.closeSubpath();
        p_.fillPath(work, kMaterial);
        p_.setPen(QPen(Qt::black, 2));
        p_.drawPath(profile);
    }

    void Axis() {
        p_.setPen(QPen(Qt::black, 1, Qt::DashDotLine));
        p_.drawLine(QPointF(4, kAxisY), QPointF(kSpaceWidth - 4, kAxisY));
    }

    // A thin dashed reference line (a level or a direction).
    void Reference(QPointF from, QPointF to) {
        p_.setPen(QPen(kDimension, 1, Qt::DashLine));
        p_.drawLine(from, to);
    }

    void Arrow(QPointF from, QPointF to) {
        p_.setPen(QPen(kDimension, 1));
        p_.drawLine(from, to);
        const double angle = std::atan2(to.y() - from.y(), to.x() - from.x());
        const double spread = 0.4;
        const double size = 7;
        QPainterPath head(to);
        head.lineTo(to - QPointF(std::cos(angle - spread), std::sin(angle - spread)) * size);
        head.lineTo(to - QPointF(std::cos(angle + spread), std::sin(angle + spread)) * size);
        head.closeSubpath();
        p_.fillPath(head, kDimension);
    }

    // A horizontal dimension from x1 to x2 at height y, with its label centred `labelDy` above
    // (negative) or below (positive) the line.
    void Horizontal(double x1, double x2, double y, const QString& label, double labelDy) {
        const QPointF middle((x1 + x2) / 2, y);
        Arrow(middle, QPointF(x1, y));
        Arrow(middle, QPointF(x2, y));
        Label(QPointF(middle.x(), y + labelDy), label);
    }

    // Extension line of a dimension.
    void Extension(QPointF from, QPointF to) {
        p_.setPen(QPen(kDimension, 1));
        p_.drawLine(from, to);
    }

    // A leader from the label at `at` to the point it names.
    void Leader(QPointF at, QPointF target, const QString& label) {
        Arrow(at, target);
        Label(at, label, true);
    }

    // A diameter: an arrow from the centre line up to the level y at x.
    void Diameter(double x, double y, const QString& label) {
        Arrow(QPointF(x, kAxisY), QPointF(x, y));
        Label(QPointF(x - 13, (kAxisY + y) / 2), label);
    }

    // An angle mark: an arc around `centre` from `startDeg` over `spanDeg` (counter-clockwise,
    // as QPainter counts), labelled at `at`.
    void Angle(QPointF centre, double radius, double startDeg, double spanDeg, QPointF at,
               const QString& label) {
        p_.setPen(QPen(kDimension, 1));
        const QRectF box(centre.x() - radius, centre.y() - radius, 2 * radius, 2 * radius);
        p_.drawArc(box, static_cast<int>(startDeg * 16), static_cast<int>(spanDeg * 16));
        Label(at, label);
    }

    // Text centred on `at`, on a backing of the page colour so that lines under it do not
    // make it hard to read.
    void Label(QPointF at, const QString& text, bool backed = false) {
        const QRectF box = p_.fontMetrics().boundingRect(text).toRectF();
        const QRectF place(at.x() - box.width() / 2 - 2, at.y() - box.height() / 2, box.width() + 4,
                           box.height());
        if (backed) {
            p_.fillRect(place, Qt::white);
        }
        p_.setPen(Qt::black);
        p_.drawText(place, Qt::AlignCenter, text);
    }

private:
    QPainter& p_;
};

// Trapezoidal grooves with four corner radii, flat bottom WIDTH and virtual bottom width WD.
void DrawShape1(Sketch& s) {
    const double top = 70;
    const double bottom = 140;
    const double pitch = 155;
    QList<QPointF> points{{6, top}};
    for (double x0 : {45.0, 45.0 + pitch}) {
        points << QPointF(x0, top) << QPointF(x0 + 35, bottom) << QPointF(x0 + 95, bottom)
               << QPointF(x0 + 130, top);
    }
    points << QPointF(kSpaceWidth - 6, top);
    s.Work(RoundedPolyline(points));
    s.Axis();

    s.Extension(QPointF(45, top - 4), QPointF(45, 22));
    s.Extension(QPointF(45 + pitch, top - 4), QPointF(45 + pitch, 22));
    s.Horizontal(45, 45 + pitch, 28, QStringLiteral("PITCH"), -10);

    s.Reference(QPointF(45, top), QPointF(175, top));
    s.Angle(QPointF(45, top), 24, -63.4, 63.4, QPointF(74, top + 12), QStringLiteral("A1"));
    s.Angle(QPointF(175, top), 24, 180, 63.4, QPointF(146, top + 12), QStringLiteral("A2"));

    s.Leader(QPointF(20, 48), QPointF(43, top - 2), QStringLiteral("R1"));
    s.Leader(QPointF(196, 48), QPointF(177, top - 2), QStringLiteral("R4"));
    s.Leader(QPointF(60, 162), QPointF(81, bottom + 1), QStringLiteral("R2"));
    s.Leader(QPointF(160, 162), QPointF(139, bottom + 1), QStringLiteral("R3"));

    s.Extension(QPointF(90, bottom + 2), QPointF(90, 154));
    s.Extension(QPointF(130, bottom + 2), QPointF(130, 154));
    s.Horizontal(90, 130, 150, QStringLiteral("WIDTH"), 11);
    s.Extension(QPointF(80, bottom + 2), QPointF(80, 186));
    s.Extension(QPointF(140, bottom + 2), QPointF(140, 186));
    s.Horizontal(80, 140, 182, QStringLiteral("WD"), 12);

    s.Diameter(335, top, QStringLiteral("D1"));
    s.Diameter(275, bottom, QStringLiteral("D2"));
}

// Grooves with a round bottom R2 and top corners R1; the flanks follow from the pitch.
void DrawShape2(Sketch& s) {
    const double top = 70;
    const double bottom = 140;
    const double pitch = 155;
    QPainterPath profile(QPointF(6, top));
    for (double x0 : {45.0, 45.0 + pitch}) {
        profile.lineTo(x0 - kCornerRadius, top);
        profile.quadTo(QPointF(x0, top), QPointF(x0 + 5, top + 8));
        profile.lineTo(x0 + 35, bottom - 22);
        profile.cubicTo(QPointF(x0 + 48, bottom + 4), QPointF(x0 + 82, bottom + 4),
                        QPointF(x0 + 95, bottom - 22));
        profile.lineTo(x0 + 125, top + 8);
        profile.quadTo(QPointF(x0 + 130, top), QPointF(x0 + 130 + kCornerRadius, top));
    }
    profile.lineTo(kSpaceWidth - 6, top);
    s.Work(profile);
    s.Axis();

    s.Extension(QPointF(45, top - 4), QPointF(45, 22));
    s.Extension(QPointF(45 + pitch, top - 4), QPointF(45 + pitch, 22));
    s.Horizontal(45, 45 + pitch, 28, QStringLiteral("PITCH"), -10);

    s.Leader(QPointF(20, 48), QPointF(44, top - 1), QStringLiteral("R1"));
    s.Leader(QPointF(150, 168), QPointF(118, bottom - 3), QStringLiteral("R2"));

    s.Diameter(335, top, QStringLiteral("D1"));
    s.Diameter(85 + pitch, bottom - 2, QStringLiteral("D2"));
}

// Teeth standing on the root level D2: corner R1 at the foot, a straight flank at A1, a round
// crest above the level D1 and a concave second side of radius R2.
void DrawShape3(Sketch& s) {
    const double root = 140;
    const double levelD1 = 80;
    const double depth = root - levelD1;
    const double sideRadius = 90;
    const double rise = 35 / depth; // flank run per unit of height: A1 about 60 degrees
    const double width = 24;
    const double pitch = 160;
    // The second side's arc meets the root level at xRoot with a horizontal tangent.
    const double sideRun =
        std::sqrt(sideRadius * sideRadius - (sideRadius - depth) * (sideRadius - depth));
    QPainterPath profile(QPointF(6, root));
    for (double foot : {30.0, 30.0 + pitch}) {
        const double xRoot = foot + depth * rise + width + sideRun;
        const QPointF centre(xRoot, root - sideRadius);
        profile.lineTo(foot - kCornerRadius, root);
        profile.quadTo(QPointF(foot, root), QPointF(foot + 5, root - 8));
        const double crestY = levelD1 - 10;
        profile.lineTo(foot + (root - crestY) * rise, crestY);
        const double arcTopY = levelD1 - 6;
        const double arcTopX =
            centre.x() - std::sqrt(sideRadius * sideRadius - std::pow(arcTopY - centre.y(), 2));
        profile.quadTo(QPointF((foot + (root - crestY) * rise + arcTopX) / 2 + 4, levelD1 - 24),
                       QPointF(arcTopX, arcTopY));
        for (double y = arcTopY; y <= root; y += 2) {
            profile.lineTo(centre.x() - std::sqrt(std::max(0.0, sideRadius * sideRadius -
                                                                    std::pow(y - centre.y(), 2))),
                           y);
        }
        profile.lineTo(xRoot, root);
    }
    profile.lineTo(kSpaceWidth - 6, root);
    s.Work(profile);
    s.Axis();

    const double flankAtD1 = 30 + depth * rise;
    s.Reference(QPointF(6, levelD1), QPointF(kSpaceWidth - 6, levelD1));
    s.Extension(QPointF(30, root - 4), QPointF(30, 16));
    s.Extension(QPointF(30 + pitch, root - 4), QPointF(30 + pitch, 16));
    s.Horizontal(30, 30 + pitch, 22, QStringLiteral("PITCH"), -10);

    // WIDTH across the tooth at the level D1, arrows pointing in from outside.
    s.Arrow(QPointF(flankAtD1 - 20, levelD1), QPointF(flankAtD1, levelD1));
    s.Arrow(QPointF(flankAtD1 + width + 20, levelD1), QPointF(flankAtD1 + width, levelD1));
    s.Label(QPointF(flankAtD1 - 40, levelD1), QStringLiteral("WIDTH"), true);

    s.Reference(QPointF(30, root), QPointF(70, root));
    const double a1 = std::atan(1 / rise) * 180 / std::numbers::pi;
    s.Angle(QPointF(30, root), 22, 0, a1, QPointF(58, root - 12), QStringLiteral("A1"));
    s.Leader(QPointF(12, 116), QPointF(29, root - 1), QStringLiteral("R1"));

    const double xRoot = 30 + depth * rise + width + sideRun;
    const double onArcY = 115;
    const double onArcX =
        xRoot - std::sqrt(sideRadius * sideRadius - std::pow(onArcY - (root - sideRadius), 2));
    s.Leader(QPointF(onArcX + 36, onArcY - 18), QPointF(onArcX + 1, onArcY), QStringLiteral("R2"));

    s.Diameter(flankAtD1 + pitch + width / 2, levelD1, QStringLiteral("D1"));
    s.Diameter(345, root, QStringLiteral("D2"));
}

} // namespace

GrooveDrawing::GrooveDrawing(Shape shape, QWidget* parent) : QWidget(parent), shape_(shape) {
    setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Expanding);
}

QSize GrooveDrawing::sizeHint() const {
    return {432, 276};
}

QSize GrooveDrawing::minimumSizeHint() const {
    return {360, 230};
}

void GrooveDrawing::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.fillRect(rect(), Qt::white);
    painter.setPen(QPen(palette().color(QPalette::Mid), 1));
    painter.drawRect(rect().adjusted(0, 0, -1, -1));
    const double scale = std::min(width() / kSpaceWidth, height() / kSpaceHeight);
    painter.translate((width() - kSpaceWidth * scale) / 2, (height() - kSpaceHeight * scale) / 2);
    painter.scale(scale, scale);
    Sketch sketch(painter);
    switch (shape_) {
    case Shape::One:
        DrawShape1(sketch);
        break;
    case Shape::Two:
        DrawShape2(sketch);
        break;
    case Shape::Three:
        DrawShape3(sketch);
        break;
    }
}

} // namespace spirolan
