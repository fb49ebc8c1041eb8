// SPDX-License-Identifier: GPL-3.0-or-later
// frmMain's job documents: recording the dialogs' steps, opening, saving, recent documents.
#include "app/windows/frm_main.h"

#include "app/spirolan_version.h"
#include "app/windows/job_properties_dialog.h"
#include "app/windows/messages.h"
#include "core/caf_text.h"
#include "facecopy/face_copy_texts.h"
#include "io/atomic_write.h"
#include "io/job_document.h"
#include "io/job_replay.h"
#include "io/job_steps.h"

#include <QDir>
#include <QFileInfo>
#include <QFontMetrics>
#include <QMenu>

#include <algorithm>

namespace spirolan {

namespace {

// About how many characters of a recent job's path its menu entry shows.
constexpr int kRecentJobCharacters = 60;

// The caption writes the revision straight after the minor version: 2.2.0.3 gives "2.23".
const QString kTitle =
    kAppTitle +
    QStringLiteral("  Ver. %1.%2%3").arg(kVersionMajor).arg(kVersionMinor).arg(kVersionRevision);

bool IsShapeStep(const JobStep& step) {
    return step.Dialog == kShape1Dialog || step.Dialog == kShape2Dialog ||
           step.Dialog == kShape3Dialog;
}

QString Native(const QString& path) {
    return QDir::toNativeSeparators(path);
}

} // namespace

void frmMain::RecordStep(JobStep step) {
    if (IsShapeStep(step)) {
        jobSteps_.clear();
    } else {
        jobSteps_.resize(modeASteps_);
    }
    jobSteps_.push_back(std::move(step));
    if (IsShapeStep(jobSteps_.back())) {
        modeASteps_ = jobSteps_.size();
    }
    ShowJobCaption();
}

std::string frmMain::JobText() const {
    return JobDocumentText({jobSteps_, jobPart_, jobNotes_});
}

QString frmMain::JobName() const {
    return jobPath_.isEmpty() ? QStringLiteral("Untitled") : QFileInfo(jobPath_).fileName();
}

bool frmMain::JobUnsaved() const {
    return jobPath_.isEmpty() ? !jobSteps_.empty() : JobChanged();
}

void frmMain::mnuJobProperties_Click() {
    OpenJobProperties(
        jobPart_, jobNotes_,
        [this](std::string part, std::string notes) {
            jobPart_ = std::move(part);
            jobNotes_ = std::move(notes);
            ShowJobCaption();
        },
        this);
}

bool frmMain::JobChanged() const {
    return !jobPath_.isEmpty() && JobText() != savedJobText_;
}

void frmMain::ShowJobCaption() {
    if (jobPath_.isEmpty()) {
        setWindowTitle(kTitle);
        setWindowModified(false);
        return;
    }
    setWindowTitle(QFileInfo(jobPath_).fileName() + QStringLiteral("[*] - ") + kTitle);
    setWindowModified(JobChanged());
}

QString frmMain::JobFolder() const {
    const QString last =
        jobPath_.isEmpty() && !recentJobs_.isEmpty() ? recentJobs_.first() : jobPath_;
    return last.isEmpty() ? QDir::homePath() : QFileInfo(last).absolutePath();
}

void frmMain::mnuJobOpen_Click() {
    if (!ConfirmCloseJob()) {
        return;
    }
    const QString path = chooseJobToOpen_(this, JobFolder());
    if (!path.isEmpty()) {
        OpenJobFile(path);
    }
}

bool frmMain::OpenJobFile(const QString& path) {
    const std::string source = Native(path).toStdString();
    const JobFileResult parsed = ReadJobDocument(path, source);
    if (!parsed.Job) {
        ShowMessage(this, QMessageBox::Warning, kAppTitle, QString::fromStdString(parsed.Error));
        return false;
    }
    ReplayResult replay = ReplayJob(*parsed.Job, source);
    if (const StepOutcome& failure = replay.Failure; failure.Status != StepStatus::Ok) {
        const bool refused = failure.Status == StepStatus::Refused && !failure.Title.empty();
        ShowMessage(this, QMessageBox::Warning,
                    refused ? QString::fromStdString(failure.Title) : kAppTitle,
                    QString::fromStdString(failure.Error),
                    QString::fromStdString(refused ? replay.Session.Cause : std::string()));
        return false;
    }
    std::vector<JobStep> steps;
    for (const JobStep& step : parsed.Job->Steps) {
        steps.push_back(InDialogOrder(step));
    }
    AdoptReplay(replay.Session, std::move(steps));
    jobPart_ = parsed.Job->Part;
    jobNotes_ = parsed.Job->Notes;
    jobPath_ = QFileInfo(path).absoluteFilePath();
    savedJobText_ = JobText();
    AddRecentJob(jobPath_);
    ShowJobCaption();
    return true;
}

void frmMain::AdoptReplay(JobSession& session, std::vector<JobStep> steps) {
    // The settings of this run stay: the folders, the machine limits, the last CAF file and,
    // unless the document chose them in a Face Copy step, the Face Copy choices.
    CamJob replayed = std::move(session.Job);
    replayed.OpenPathName = job_.OpenPathName;
    replayed.OrvlPathName = job_.OrvlPathName;
    replayed.ExportPathName = job_.ExportPathName;
    replayed.SlideSpeedLimit = job_.SlideSpeedLimit;
    replayed.SlideAccelLimit = job_.SlideAccelLimit;
    replayed.LastCafFile = job_.LastCafFile;
    const auto faceCopy = [](const JobStep& step) { return step.Dialog == kFaceCopyDialog; };
    if (std::none_of(steps.begin(), steps.end(), faceCopy)) {
        replayed.MaxFaceNumber = job_.MaxFaceNumber;
        replayed.ThreadDir = job_.ThreadDir;
        replayed.Repeat = job_.Repeat;
    }
    job_ = std::move(replayed);

    const auto lastShape = std::find_if(steps.rbegin(), steps.rend(), IsShapeStep);
    modeASteps_ = static_cast<std::size_t>(steps.rend() - lastShape);
    jobSteps_ = std::move(steps);

    SetModeAText(std::move(session.ModeAText));
    SetModeBText(std::move(session.ModeBText));
    if (txtDataA_->IsEmpty()) {
        Picture1_->ShowInactive();
        Picture4_->Clear();
        Picture5_->Clear();
    }
    if (txtDataB_->IsEmpty()) {
        ShowModeBInactive(true);
    }
    ReGraphic_Click();
}

bool frmMain::HasJobToSave() {
    if (txtDataA_->IsEmpty() || jobSteps_.empty()) {
        ShowMessage(this, QMessageBox::Warning, ToQString(caf::kSaveErrorTitle),
                    ToQString(kNoModeAData));
        return false;
    }
    return true;
}

void frmMain::mnuJobSave_Click() {
    if (jobPath_.isEmpty()) {
        mnuJobSaveAs_Click();
    } else if (HasJobToSave()) {
        SaveJobFile(jobPath_);
    }
}

void frmMain::mnuJobSaveAs_Click() {
    if (!HasJobToSave()) {
        return;
    }
    const QString path = chooseJobToSave_(this, JobFolder());
    if (!path.isEmpty()) {
        SaveJobFile(path);
    }
}

bool frmMain::SaveJobFile(const QString& path) {
    const QString caption = ToQString(caf::kSaveErrorTitle);
    // A document that would not give the panes' texts is never written: a shape input that
    // failed after stored fields, for example, leaves a job no replay can reach.
    const std::string text = JobText();
    const ReplayResult replay =
        ReplayJob({jobSteps_, jobPart_, jobNotes_}, Native(path).toStdString());
    if (replay.Failure.Status != StepStatus::Ok || replay.Session.ModeAText != txtDataA_->Text() ||
        replay.Session.ModeBText != txtDataB_->Text()) {
        ShowMessage(this, QMessageBox::Warning, caption,
                    QStringLiteral("%1\n\nThe job cannot be saved: its inputs, replayed from a "
                                   "fresh start, do not give the texts in the panes. Enter the "
                                   "shape (and Face Copy) again, then save.")
                        .arg(Native(path)));
        return false;
    }
    const FileWriteResult written = WriteFileAtomically(path, QByteArray::fromStdString(text));
    if (!written.Ok) {
        ShowMessage(this, QMessageBox::Warning, caption,
                    QStringLiteral("%1\n\nThe job could not be saved: %2")
                        .arg(Native(path), written.Reason));
        return false;
    }
    jobPath_ = QFileInfo(path).absoluteFilePath();
    savedJobText_ = text;
    AddRecentJob(jobPath_);
    ShowJobCaption();
    return true;
}

bool frmMain::ConfirmCloseJob() {
    if (!JobChanged()) {
        return true;
    }
    switch (AskSaveChanges(this, QFileInfo(jobPath_).fileName())) {
    case QMessageBox::Save:
        return SaveJobFile(jobPath_);
    case QMessageBox::Discard:
        return true;
    default:
        return false;
    }
}

void frmMain::AddRecentJob(const QString& path) {
    recentJobs_.removeAll(path);
    recentJobs_.prepend(path);
    while (recentJobs_.size() > kMaxRecentJobs) {
        recentJobs_.removeLast();
    }
    ShowRecentJobs();
}

void frmMain::ShowRecentJobs() {
    recentJobsMenu_->clear();
    // A long path is elided in its middle, where it says least, so that the menu stays readable;
    // the status bar shows it whole.
    const QFontMetrics metrics(recentJobsMenu_->font());
    const int readable = metrics.averageCharWidth() * kRecentJobCharacters;
    for (qsizetype i = 0; i < recentJobs_.size(); ++i) {
        const QString path = Native(recentJobs_[i]);
        QString shown = metrics.elidedText(path, Qt::ElideMiddle, readable);
        shown.replace(QLatin1Char('&'), QStringLiteral("&&"));
        QAction* entry = recentJobsMenu_->addAction(QStringLiteral("&%1 %2").arg(i + 1).arg(shown));
        entry->setStatusTip(path);
        entry->setObjectName(QStringLiteral("mnuRecentJob%1").arg(i + 1));
        connect(entry, &QAction::triggered, this,
                [this, i] { OpenRecentJob(static_cast<int>(i)); });
    }
}

void frmMain::OpenRecentJob(int index) {
    if (index < 0 || index >= recentJobs_.size()) {
        return;
    }
    const QString path = recentJobs_[index];
    if (!QFileInfo::exists(path)) {
        recentJobs_.removeAt(index);
        ShowRecentJobs();
        ShowMessage(this, QMessageBox::Warning, kAppTitle,
                    QStringLiteral("%1\n\nThe job no longer exists; it was removed from Recent "
                                   "Jobs.")
                        .arg(Native(path)));
        return;
    }
    if (ConfirmCloseJob()) {
        OpenJobFile(path);
    }
}

} // namespace spirolan
