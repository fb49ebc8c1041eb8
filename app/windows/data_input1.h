// SPDX-License-Identifier: GPL-3.0-or-later
// DataInput1: the "Shape 1 data input" dialog.
#pragma once

#include "app/windows/shape_dialog.h"
#include "core/cam_job.h"

namespace spirolan {

/// The Shape 1 dialog over the shared job, pre-filled from it. Besides the record's fields it
/// has "Calculate for width. WD": every edit with a non-empty text rewrites WIDTH from WD and the
/// typed angles and bottom radii. "Start XS vale" is outside the Enter chain.
class DataInput1 final : public ShapeDialog {
    Q_OBJECT
public:
    DataInput1(CamJob& job, DialogHost& host, QWidget* parent = nullptr);

private:
    ShapeResult Generate() override;
    JobStep RecordInput() const override;
    void WD_Change(const QString& text);

    CamJob& job_;
};

/// mnuSquare_Click: creates the dialog fresh and shows it modal, centred over `over`;
/// it deletes itself on closing.
DataInput1* OpenDataInput1(CamJob& job, DialogHost& host, const QWidget* over = nullptr);

} // namespace spirolan
