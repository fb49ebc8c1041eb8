// SPDX-License-Identifier: GPL-3.0-or-later
// DataInput3: the "Shape 3 data input" dialog.
#pragma once

#include "app/windows/shape_dialog.h"
#include "core/cam_job.h"

namespace spirolan {

/// The Shape 3 dialog over the shared job, pre-filled from it; with three leads in the job no
/// lead entry is selected, and OK then fails with "Data error ".
class DataInput3 final : public ShapeDialog {
    Q_OBJECT
public:
    DataInput3(CamJob& job, DialogHost& host, QWidget* parent = nullptr);

private:
    ShapeResult Generate() override;
    JobStep RecordInput() const override;

    CamJob& job_;
};

/// mnuShape3_Click: creates the dialog fresh and shows it modal, centred over `over`;
/// it deletes itself on closing.
DataInput3* OpenDataInput3(CamJob& job, DialogHost& host, const QWidget* over = nullptr);

} // namespace spirolan
