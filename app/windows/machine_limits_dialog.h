// SPDX-License-Identifier: GPL-3.0-or-later
// MachineLimitsDialog: the slide's maximum speed and acceleration, kept in the settings.
#pragma once

#include "app/windows/dialog_host.h"
#include "core/cam_job.h"

#include <QDialog>

class QLineEdit;

namespace spirolan {

/// "Machine limits": the slide's maximum speed in mm/s (`Text1`) and maximum acceleration in G
/// (`Text2`), pre-filled from the job, empty for no limit. OK (`Command1`) refuses a value that
/// is not a number from 0.001 up to its largest with a message naming it and keeps the dialog open;
/// otherwise it stores both into the job, closes and redraws. Cancel (`Command2`) closes and
/// redraws.
class MachineLimitsDialog final : public QDialog {
    Q_OBJECT
public:
    MachineLimitsDialog(CamJob& job, DialogHost& host, QWidget* parent = nullptr);

private:
    void Command1_Click();
    void Command2_Click();

    CamJob& job_;
    DialogHost& host_;
    QLineEdit* speed_;
    QLineEdit* accel_;
};

/// mnuMachineLimits_Click: creates the dialog fresh and shows it modal; it deletes itself on
/// closing.
MachineLimitsDialog* OpenMachineLimits(CamJob& job, DialogHost& host, QWidget* parent);

} // namespace spirolan
