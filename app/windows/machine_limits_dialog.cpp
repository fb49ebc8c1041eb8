// SPDX-License-Identifier: GPL-3.0-or-later
// The machine limits dialog: two limits, checked on OK.
#include "app/windows/machine_limits_dialog.h"

#include "app/windows/dialog_support.h"
#include "app/windows/messages.h"
#include "core/number_text.h"
#include "graphics/spindle_limit.h"

#include <QGridLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

namespace spirolan {

MachineLimitsDialog::MachineLimitsDialog(CamJob& job, DialogHost& host, QWidget* parent)
    : QDialog(parent), job_(job), host_(host), speed_(new QLineEdit), accel_(new QLineEdit) {
    setWindowTitle(QStringLiteral("Machine limits"));
    speed_->setObjectName(QStringLiteral("Text1"));
    accel_->setObjectName(QStringLiteral("Text2"));
    speed_->setText(QString::fromStdString(PlainText(job.SlideSpeedLimit)));
    accel_->setText(QString::fromStdString(PlainText(job.SlideAccelLimit)));
    const OkCancelButtons buttons = MakeOkCancelButtons();
    MoveFocusOnEnter(speed_, accel_);
    MoveFocusOnEnter(accel_, buttons.Ok);
    connect(buttons.Ok, &QPushButton::clicked, this, &MachineLimitsDialog::Command1_Click);
    connect(buttons.Cancel, &QPushButton::clicked, this, &MachineLimitsDialog::Command2_Click);

    auto* fields = new QGridLayout;
    fields->addWidget(new QLabel(QStringLiteral("Max. slide speed (mm/s)")), 0, 0);
    fields->addWidget(speed_, 0, 1);
    fields->addWidget(new QLabel(QStringLiteral("Max. slide acceleration (G)")), 1, 0);
    fields->addWidget(accel_, 1, 1);
    auto* column = new QVBoxLayout(this);
    column->addLayout(fields);
    column->addWidget(new QLabel(QStringLiteral("Leave a field empty for no limit.")));
    column->addLayout(buttons.Row);
    speed_->setFocus();
}

void MachineLimitsDialog::Command1_Click() {
    const LimitReading speed = ReadSpeedLimit(speed_->text().toStdString());
    const LimitReading accel = ReadAccelLimit(accel_->text().toStdString());
    for (const auto& [reading, field] : {std::pair{&speed, speed_}, std::pair{&accel, accel_}}) {
        if (!reading->Error.empty()) {
            ShowMessage(this, QMessageBox::Warning, windowTitle(),
                        QString::fromStdString(reading->Error));
            field->setFocus();
            field->selectAll();
            return;
        }
    }
    job_.SlideSpeedLimit = speed.Value;
    job_.SlideAccelLimit = accel.Value;
    close();
    host_.ReGraphic_Click();
}

void MachineLimitsDialog::Command2_Click() {
    close();
    host_.ReGraphic_Click();
}

MachineLimitsDialog* OpenMachineLimits(CamJob& job, DialogHost& host, QWidget* parent) {
    auto* dialog = new MachineLimitsDialog(job, host, parent);
    ShowModal(dialog);
    return dialog;
}

} // namespace spirolan
