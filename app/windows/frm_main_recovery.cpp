// SPDX-License-Identifier: GPL-3.0-or-later
// frmMain's work never lost: New, the recovery file of a changed job, documents handed over.
#include "app/windows/frm_main.h"

#include "app/shell/job_recovery.h"
#include "app/windows/messages.h"

#include <QAbstractButton>
#include <QApplication>
#include <QTimer>

namespace spirolan {

namespace {

// How often a handed-over document looks again whether the dialog in its way has closed.
constexpr int kDialogRetryMs = 200;

// "Restore" or "Discard" for the job a run left unsaved; closing the box restores, so that no
// key or click that was meant for something else throws the work away.
bool AskRestore(QWidget* parent) {
    QMessageBox box(QMessageBox::Question, kAppTitle,
                    QStringLiteral("Spirolan did not end normally, and a job was not saved. "
                                   "Restore it?"),
                    QMessageBox::Yes | QMessageBox::Discard, parent);
    QAbstractButton* restore = box.button(QMessageBox::Yes);
    restore->setText(QStringLiteral("Restore"));
    box.setDefaultButton(QMessageBox::Yes);
    box.setEscapeButton(restore);
    box.exec();
    return box.clickedButton() == restore;
}

} // namespace

void frmMain::mnuJobNew_Click() {
    if (ConfirmCloseJob()) {
        ResetJob();
    }
}

void frmMain::ResetJob() {
    // The job as start-up leaves it: a fresh one holding this run's settings and constants.
    CamJob fresh;
    KeepRunSettings(fresh, true);
    fresh.PI = 3.141592653589;
    fresh.LeadCount = 1.0;
    job_ = std::move(fresh);

    jobSteps_.clear();
    modeASteps_ = 0;
    jobPath_.clear();
    savedJobText_.clear();
    jobPart_.clear();
    jobNotes_.clear();
    SetModeAText({});
    SetModeBText({});
    // Every surface starts in the button face, as at start-up.
    for (GraphSurfaceWidget* surface : {Picture1_, Picture2_, Picture3_, Picture4_, Picture5_}) {
        surface->ShowInactive();
    }
    readoutShown_ = false;
    Picture3_->hide();
    sbStatusBar_->SetText({});
    JobStateChanged();
}

void frmMain::KeepRecovery() {
    if (recoveryPath_.isEmpty()) {
        return;
    }
    if (!JobChanged()) {
        DropRecoveryFile(recoveryPath_);
        return;
    }
    const FileWriteResult kept = KeepRecoveryFile(recoveryPath_, JobText());
    // Said once a run: the work goes on, only its safety net is missing.
    if (!kept.Ok && !recoveryFailureShown_) {
        recoveryFailureShown_ = true;
        ShowMessage(
            this, QMessageBox::Warning, kAppTitle,
            CannotMessage(QStringLiteral("keep the unsaved job in"), recoveryPath_,
                          kept.Reason + QStringLiteral(". Save the job to keep your work safe")));
    }
}

void frmMain::OfferRecovery() {
    if (recoveryPath_.isEmpty()) {
        return;
    }
    const FoundRecovery found = FindRecoveryFile(recoveryPath_);
    if (!found.Problem.isEmpty()) {
        ShowMessage(this, QMessageBox::Warning, kAppTitle, found.Problem);
        return;
    }
    if (!found.Job) {
        return;
    }
    const bool restore = AskRestore(this);
    if (endingSession_) {
        return; // the file stays for the next start
    }
    if (!restore) {
        DropRecoveryFile(recoveryPath_);
        return;
    }
    if (const std::optional<StepOutcome> failure = ReplayDocument(*found.Job)) {
        ShowMessage(this, QMessageBox::Warning, kAppTitle,
                    SetRecoveryFileAside(recoveryPath_, QString::fromStdString(failure->Error)));
        return;
    }
    // Restored as untitled: saving asks for a name, and the file stays until then.
    jobPath_.clear();
    savedJobText_.clear();
    JobStateChanged();
}

void frmMain::OpenHandedOverJob(const QString& path) {
    if (isMinimized()) {
        showNormal();
    }
    raise();
    activateWindow();
    // As Open Job: not while a dialog is open, whose OK would then write into another job.
    if (QApplication::activeModalWidget() != nullptr) {
        QTimer::singleShot(kDialogRetryMs, this, [this, path] { OpenHandedOverJob(path); });
        return;
    }
    if (ConfirmCloseJob()) {
        OpenJobFile(path);
    }
}

} // namespace spirolan
