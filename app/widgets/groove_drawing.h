// SPDX-License-Identifier: GPL-3.0-or-later
// GrooveDrawing: the static dimensioned drawing of a shape dialog's groove.
#pragma once

#include <QWidget>

namespace spirolan {

/// A picture of one of the three groove shapes with its dimension labels, drawn to fit the
/// widget: Shape 1 "PITCH", "WIDTH", "WD", "R1".."R4", "A1", "A2", "D1", "D2"; Shape 2 "PITCH",
/// "R1", "R2", "D1", "D2"; Shape 3 "PITCH", "WIDTH", "R1", "R2", "A1", "D1", "D2".
class GrooveDrawing final : public QWidget {
public:
    enum class Shape { One, Two, Three };

    explicit GrooveDrawing(Shape shape, QWidget* parent = nullptr);

    QSize sizeHint() const override;
    QSize minimumSizeHint() const override;

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    Shape shape_;
};

} // namespace spirolan
