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
#include <QFile>
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

const QString kSaveAction = QStringLiteral("save the job");

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
    JobStateChanged();
}

std::string frmMain::JobText() const {
    return JobDocumentText({jobSteps_, jobPart_, jobNotes_});
}

void frmMain::mnuJobProperties_Click() {
    OpenJobProperties(
        jobPart_, jobNotes_,
        [this](std::string part, std::string notes) {
            jobPart_ = std::move(part);
            jobNotes_ = std::move(notes);
            JobStateChanged();
        },
        this);
}

bool frmMain::JobChanged() const {
    // Steps are recorded only when a dialog's OK succeeded: an untitled job with none is the
    // empty one of a fresh start.
    return jobPath_.isEmpty() ? !jobSteps_.empty() : JobText() != savedJobText_;
}

QString frmMain::JobName() const {
    return jobPath_.isEmpty() ? QStringLiteral("Untitled") : QFileInfo(jobPath_).fileName();
}

void frmMain::ShowJobCaption() {
    if (!JobChanged() && jobPath_.isEmpty()) {
        setWindowTitle(kTitle);
        setWindowModified(false);
        return;
    }
    setWindowTitle(JobName() + QStringLiteral("[*] - ") + kTitle);
    setWindowModified(JobChanged());
}

void frmMain::JobStateChanged() {
    ShowJobCaption();
    KeepRecovery();
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
    const QString action = QStringLiteral("open the job");
    std::string problem;
    const std::optional<std::string> bytes =
        ReadJobFileBytes(QFile::encodeName(path).toStdString(), problem);
    if (!bytes || bytes->empty()) {
        const QString reason =
            bytes ? QStringLiteral("the file is empty") : QString::fromStdString(problem);
        ShowMessage(this, QMessageBox::Warning, kAppTitle, CannotMessage(action, path, reason));
        return false;
    }
    const JobFileResult parsed = ParseJobFile(*bytes, {});
    if (!parsed.Job) {
        ShowMessage(this, QMessageBox::Warning, kAppTitle,
                    CannotMessage(action, path, QString::fromStdString(parsed.Error)));
        return false;
    }
    if (const std::optional<StepOutcome> failure = ReplayDocument(*parsed.Job)) {
        // A refusal is the program's own message, as the dialog would have shown it.
        const bool refused = failure->Status == StepStatus::Refused && !failure->Title.empty();
        ShowMessage(this, QMessageBox::Warning,
                    refused ? QString::fromStdString(failure->Title) : kAppTitle,
                    refused ? QString::fromStdString(failure->Error)
                            : CannotMessage(action, path, QString::fromStdString(failure->Error)),
                    QString::fromStdString(failure->Cause));
        return false;
    }
    jobPath_ = QFileInfo(path).absoluteFilePath();
    savedJobText_ = JobText();
    AddRecentJob(jobPath_);
    JobStateChanged();
    return true;
}

std::optional<StepOutcome> frmMain::ReplayDocument(const JobFile& document) {
    ReplayResult replay = ReplayJob(document, {});
    if (replay.Failure.Status != StepStatus::Ok) {
        return std::move(replay.Failure);
    }
    std::vector<JobStep> steps;
    for (const JobStep& step : document.Steps) {
        steps.push_back(InDialogOrder(step));
    }
    AdoptReplay(replay.Session, std::move(steps));
    jobPart_ = document.Part;
    jobNotes_ = document.Notes;
    return std::nullopt;
}

void frmMain::KeepRunSettings(CamJob& next, bool faceCopyChoices) const {
    next.OpenPathName = job_.OpenPathName;
    next.OrvlPathName = job_.OrvlPathName;
    next.ExportPathName = job_.ExportPathName;
    next.SlideSpeedLimit = job_.SlideSpeedLimit;
    next.SlideAccelLimit = job_.SlideAccelLimit;
    next.LastCafFile = job_.LastCafFile;
    if (faceCopyChoices) {
        next.MaxFaceNumber = job_.MaxFaceNumber;
        next.ThreadDir = job_.ThreadDir;
        next.Repeat = job_.Repeat;
    }
}

void frmMain::AdoptReplay(JobSession& session, std::vector<JobStep> steps) {
    // The settings of this run stay, the Face Copy choices unless the document chose them in a
    // Face Copy step.
    CamJob replayed = std::move(session.Job);
    const auto faceCopy = [](const JobStep& step) { return step.Dialog == kFaceCopyDialog; };
    KeepRunSettings(replayed, std::none_of(steps.begin(), steps.end(), faceCopy));
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
                    QStringLiteral("There is no job to save yet: enter a shape first (File > "
                                   "Data input)."));
        return false;
    }
    return true;
}

void frmMain::mnuJobSave_Click() {
    if (jobPath_.isEmpty()) {
        SaveJobAs();
    } else if (HasJobToSave()) {
        SaveJobFile(jobPath_);
    }
}

void frmMain::mnuJobSaveAs_Click() {
    SaveJobAs();
}

bool frmMain::SaveJobAs() {
    if (!HasJobToSave()) {
        return false;
    }
    const QString path = chooseJobToSave_(this, JobFolder());
    return !path.isEmpty() && SaveJobFile(path);
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
                    CannotMessage(kSaveAction, path,
                                  QStringLiteral("its inputs, replayed from a fresh start, do not "
                                                 "give the texts in the panes. Enter the shape "
                                                 "(and Face Copy) again, then save")));
        return false;
    }
    const FileWriteResult written = WriteFileAtomically(path, QByteArray::fromStdString(text));
    if (!written.Ok) {
        ShowMessage(this, QMessageBox::Warning, caption,
                    CannotMessage(kSaveAction, path, written.Reason));
        return false;
    }
    jobPath_ = QFileInfo(path).absoluteFilePath();
    savedJobText_ = text;
    AddRecentJob(jobPath_);
    JobStateChanged();
    return true;
}

bool frmMain::ConfirmCloseJob() {
    if (!JobChanged()) {
        return true;
    }
    switch (AskSaveChanges(this, JobName())) {
    case QMessageBox::Save:
        return jobPath_.isEmpty() ? SaveJobAs() : SaveJobFile(jobPath_);
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
                    CannotMessage(QStringLiteral("open the job"), path,
                                  QStringLiteral("the file no longer exists; it was removed from "
                                                 "Recent Jobs")));
        return;
    }
    if (ConfirmCloseJob()) {
        OpenJobFile(path);
    }
}

} // namespace spirolan
