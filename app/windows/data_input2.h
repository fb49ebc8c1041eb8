// SPDX-License-Identifier: GPL-3.0-or-later
// DataInput2: the "Shape 2 data input" dialog.
#pragma once

#include "app/windows/shape_dialog.h"
#include "core/cam_job.h"

namespace spirolan {

/// The Shape 2 dialog over the shared job, pre-filled from it; with three leads in the job no
/// lead entry is selected, and OK then fails with "Data error ".
class DataInput2 final : public ShapeDialog {
    Q_OBJECT
public:
    DataInput2(CamJob& job, DialogHost& host, QWidget* parent = nullptr);

private:
    ShapeResult Generate() override;
    JobStep RecordInput() const override;

    CamJob& job_;
};

/// mnuBall_Click: creates the dialog fresh and shows it modal, centred over `over`;
/// it deletes itself on closing.
DataInput2* OpenDataInput2(CamJob& job, DialogHost& host, const QWidget* over = nullptr);

} // namespace spirolan
