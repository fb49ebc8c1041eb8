// SPDX-License-Identifier: GPL-3.0-or-later
// The open and save dialogs of job documents and the question at exit.
#include "app/shell/job_dialogs.h"

#include "app/shell/export_saving.h"
#include "app/windows/messages.h"

#include <QFileDialog>

namespace spirolan {

namespace {

QString Choose(QWidget* parent, const QString& folder, QFileDialog::AcceptMode mode) {
    QFileDialog dialog(parent, mode == QFileDialog::AcceptSave ? QStringLiteral("Save Job")
                                                               : QStringLiteral("Open Job"));
    dialog.setOption(QFileDialog::DontUseNativeDialog);
    dialog.setAcceptMode(mode);
    dialog.setFileMode(mode == QFileDialog::AcceptSave ? QFileDialog::AnyFile
                                                       : QFileDialog::ExistingFile);
    dialog.setNameFilters(
        {QStringLiteral("Spirolan Jobs (*.spjob)"), QStringLiteral("All Files (*)")});
    dialog.setDirectory(folder);
    FollowFilterExtension(dialog);
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty()) {
        return {};
    }
    return dialog.selectedFiles().first();
}

} // namespace

QString ChooseJobToOpen(QWidget* parent, const QString& folder) {
    return Choose(parent, folder, QFileDialog::AcceptOpen);
}

QString ChooseJobToSave(QWidget* parent, const QString& folder) {
    return Choose(parent, folder, QFileDialog::AcceptSave);
}

QMessageBox::StandardButton AskSaveChanges(QWidget* parent, const QString& name) {
    QMessageBox box(QMessageBox::Question, kAppTitle,
                    QStringLiteral("Save changes to %1?").arg(name),
                    QMessageBox::Save | QMessageBox::Discard | QMessageBox::Cancel, parent);
    box.setDefaultButton(QMessageBox::Save);
    box.setEscapeButton(QMessageBox::Cancel);
    const int chosen = box.exec();
    return chosen == QMessageBox::Save || chosen == QMessageBox::Discard
               ? static_cast<QMessageBox::StandardButton>(chosen)
               : QMessageBox::Cancel;
}

} // namespace spirolan
