// SPDX-License-Identifier: GPL-3.0-or-later
// The job properties dialog: part number and note, handed back on OK.
#include "app/windows/job_properties_dialog.h"

#include "app/windows/dialog_support.h"

#include <QFormLayout>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QVBoxLayout>

namespace spirolan {

JobPropertiesDialog::JobPropertiesDialog(const std::string& part, const std::string& notes,
                                         Accepted accepted, QWidget* parent)
    : QDialog(parent), part_(new QLineEdit), notes_(new QPlainTextEdit),
      accepted_(std::move(accepted)) {
    setWindowTitle(QStringLiteral("Job Properties"));
    part_->setObjectName(QStringLiteral("txtPart"));
    notes_->setObjectName(QStringLiteral("txtNotes"));
    part_->setText(QString::fromStdString(part));
    notes_->setPlainText(QString::fromStdString(notes));
    // Tab leaves the note for the buttons; Enter starts a new line in it.
    notes_->setTabChangesFocus(true);
    const OkCancelButtons buttons = MakeOkCancelButtons();
    MoveFocusOnEnter(part_, notes_);
    connect(buttons.Ok, &QPushButton::clicked, this, [this] {
        accepted_(part_->text().toStdString(), notes_->toPlainText().toStdString());
        close();
    });
    connect(buttons.Cancel, &QPushButton::clicked, this, &QDialog::close);

    auto* fields = new QFormLayout;
    fields->addRow(QStringLiteral("Part number"), part_);
    fields->addRow(QStringLiteral("Notes"), notes_);
    auto* column = new QVBoxLayout(this);
    column->addLayout(fields);
    column->addLayout(buttons.Row);
    part_->setFocus();
}

JobPropertiesDialog* OpenJobProperties(const std::string& part, const std::string& notes,
                                       JobPropertiesDialog::Accepted accepted, QWidget* parent) {
    auto* dialog = new JobPropertiesDialog(part, notes, std::move(accepted), parent);
    ShowModal(dialog, parent);
    return dialog;
}

} // namespace spirolan
