// SPDX-License-Identifier: GPL-3.0-or-later
// frmMain: the main window: panes, graphs, menus, toolbar and status bar; its commands.
#pragma once

#include "app/shell/caf_saving.h"
#include "app/shell/export_saving.h"
#include "app/shell/graph_pictures.h"
#include "app/shell/job_dialogs.h"
#include "app/shell/settings_store.h"
#include "app/widgets/graph_surface_widget.h"
#include "app/widgets/status_panels.h"
#include "app/widgets/text_pane.h"
#include "app/windows/dialog_hooks.h"
#include "app/windows/dialog_host.h"
#include "core/cam_job.h"
#include "graphics/layout_rule.h"
#include "graphics/setup_sheet.h"
#include "io/job_file.h"
#include "io/job_replay.h"

#include <QFrame>
#include <QMainWindow>
#include <QStringList>
#include <QToolBar>

#include <cstddef>
#include <optional>
#include <string>
#include <vector>

namespace spirolan {

class GrooveProfileWindow;
struct JobSession;
struct PointerReadout;

/// The main window. Loading it reads the settings into the job and the window's place; closing
/// it (once a changed job document was saved or discarded) closes the other windows and writes
/// the settings back. The commands are public so that dialogs and tests reach them as the menus
/// and the toolbar do; the dialogs see the window as their DialogHost, which also tells it what
/// each dialog showed at OK, the steps its job document holds.
class frmMain final : public QMainWindow, public DialogHost {
    Q_OBJECT
public:
    /// Loads the window: reads the settings file `settingsPath` into `job` and the window's
    /// place and sets the job's constants. `hooks` open the dialogs of the commands.
    frmMain(CamJob& job, QString settingsPath, DialogHooks hooks, QWidget* parent = nullptr);

    // Commands of the menus; the toolbar reaches them through tbToolBar_ButtonClick.
    void mnuFeed_Click();
    void mnuSquare_Click();
    void mnuBall_Click();
    void mnuShape3_Click();
    void mnuFileSave_Click();
    void SaveB_Click();
    void mnuFileExit_Click();
    /// Closes the window at the end of the session or on a request of the system to end the
    /// program: as the close box does, but without waiting for an answer whether to save a
    /// changed job, even to a question that is showing now, and without any message box: the
    /// changed job stays in the recovery file, the settings are written (a failure is told on
    /// standard error).
    void EndSession();
    /// Job documents: start a new one (the state right after start-up, settings kept), open one
    /// (replayed on a fresh job; the window changes only when every step succeeds), save it
    /// under its name (asking for one the first time), save it under a new name. Saving needs
    /// Mode-A data. New and Open ask first whether to save a changed job.
    void mnuJobNew_Click();
    void mnuJobOpen_Click();
    void mnuJobSave_Click();
    void mnuJobSaveAs_Click();
    /// Job Properties: the part number and note of the job, saved in its document.
    void mnuJobProperties_Click();
    void mnuFaceCopy_Click();
    /// The redraw: the Mode-A graph when the Mode-A pane holds text, then the Mode-B graph when
    /// the Mode-B pane does. With both panes empty nothing is drawn.
    void ReGraphic_Click() override;
    void mnuOrvl_Click();
    void mnuHelpAbout_Click();
    void StartOrvexa();
    // Results that leave the window: the table, the graphs, the setup sheet; machine limits.
    void mnuExportTable_Click();
    void mnuExportGraphs_Click();
    void mnuPrint_Click();
    void mnuMachineLimits_Click();
    // The design checks of the groove and the groove to scale.
    void mnuCheck_Click();
    void mnuGrooveProfile_Click();
    /// The warnings of the groove last drawn, first shown in the status bar.
    const std::vector<std::string>& Warnings() const { return warnings_; }
    /// The Groove Profile window once opened, else nullptr.
    GrooveProfileWindow* ProfileWindow() const { return profileWindow_; }

    /// What a picture of both graphs shows now: the graphs at their sizes in the window (1200 x
    /// 420 for one without area), the Mode-B one drawn when the Mode-B pane holds text, in
    /// `style`, under the job's name and `date` (no heading when `date` is empty).
    GraphsView CurrentGraphsView(const GraphStyle& style = kPrintStyle,
                                 const QString& date = {}) const;

    /// Runs the command of the toolbar button `key`, compared exactly (letter case counts); a
    /// key of no command (a separator's) does nothing.
    void tbToolBar_ButtonClick(const QString& key);

    /// Places the bars, panes, graphs and boxes for the inner size by the layout rule, hides the
    /// boxes that would cover a toolbar button, then redraws. Runs on every resize.
    void Form_Resize();
    /// Pointer read-outs over the graphs, at user coordinates.
    void Picture1_MouseMove(float x, float y);
    void Picture2_MouseMove(float x, float y);
    /// Status hints of the text panes.
    void txtDataA_MouseMove();
    void txtDataB_MouseMove();

    // What the dialogs work with.
    CamJob& Job() { return job_; }
    TextPane& txtDataA() { return *txtDataA_; }
    TextPane& txtDataB() { return *txtDataB_; }
    GraphSurfaceWidget& Picture1() { return *Picture1_; }
    GraphSurfaceWidget& Picture2() { return *Picture2_; }
    GraphSurfaceWidget& Picture3() { return *Picture3_; }
    GraphSurfaceWidget& Picture4() { return *Picture4_; }
    GraphSurfaceWidget& Picture5() { return *Picture5_; }
    StatusPanels& sbStatusBar() { return *sbStatusBar_; }
    QToolBar& tbToolBar() { return *tbToolBar_; }
    /// The inner area that the layout rule measures: below the menu bar, toolbar and status
    /// bar included.
    QWidget& ClientArea() { return *client_; }
    /// The toolbar button with `key`, or nullptr.
    QAction* ToolbarAction(const QString& key) const;

    // DialogHost
    void SetModeAText(std::string text) override;
    void SetModeBText(std::string text) override;
    void ShowModeBInactive(bool normalPointer) override;
    void DrawModeAGraph() override;
    void DrawModeBGraph() override;
    void ShowHandoffBusy(bool busy) override;

    void RecordStep(JobStep step) override;

    /// Replaces how the save commands ask for a file (the save dialog by default).
    void SetSaveFileChooser(SaveFileChooser chooser) { chooseSaveFile_ = std::move(chooser); }
    /// Replaces how the job commands ask for a document (the open and save dialogs by default).
    void SetJobFileChoosers(JobFileChooser open, JobFileChooser save) {
        chooseJobToOpen_ = std::move(open);
        chooseJobToSave_ = std::move(save);
    }

    /// Opens the job document `path`: a file that cannot be read, is not a valid job or whose
    /// replay is refused shows its message and changes nothing. True when it was opened.
    bool OpenJobFile(const QString& path);
    /// Saves the job document to `path`, replacing a file only when the new one is complete;
    /// shows why when it cannot. True when it was saved.
    bool SaveJobFile(const QString& path);
    /// Opens the job document `path` handed over by a later start of the program: raises the
    /// window and, once no dialog is open, opens it as Open Job does, question first.
    void OpenHandedOverJob(const QString& path);
    /// Keeps the document of a changed, unsaved job in the recovery file `path` from now on,
    /// written after every step and removed once the job is saved, new or discarded; empty
    /// keeps none.
    void SetRecoveryFile(const QString& path) { recoveryPath_ = path; }
    /// At start: a recovery file left by a run that did not end normally is offered (Restore
    /// restores it as an untitled changed job, Discard removes it); one that cannot be read is
    /// reported and set aside.
    void OfferRecovery();
    /// Whether the job holds steps that no saved document holds: an untitled job with panes
    /// the user made, or a document changed since it was opened or saved.
    bool JobChanged() const;
    /// The open document's full path; empty while no document was opened or saved.
    const QString& JobPath() const { return jobPath_; }
    /// The document text of the job as it stands: the steps that rebuild the panes.
    std::string JobText() const;
    /// The recent job documents, newest first.
    const QStringList& RecentJobs() const { return recentJobs_; }
    /// Chooses the recent job document at `index` of the Recent Jobs menu.
    void OpenRecentJob(int index);
    /// Replaces how the export commands ask for a file (the export dialog by default).
    void SetExportFileChooser(ExportFileChooser chooser) { chooseExportFile_ = std::move(chooser); }
    /// The job's part number and note.
    const std::string& JobPart() const { return jobPart_; }
    const std::string& JobNotes() const { return jobNotes_; }
    /// The setup sheet's facts beside the job, as printing now would give them, with `printed`
    /// as the date and time of printing.
    SheetContext CurrentSheetContext(const std::string& printed) const;

protected:
    void closeEvent(QCloseEvent* event) override;
    bool event(QEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    /// Runs a dialog opener with the job, this window as host and as the window to centre over;
    /// an empty opener does nothing.
    void OpenDialog(const DialogOpener& opener);
    void Form_Load();
    void Form_Unload();
    void FitFrame();
    void BuildCommands();
    void SaveCaf(const TextPane& pane, const QString& emptyMessage);
    bool HasModeAData(const QString& caption, const QString& nothing);
    void Export(const QString& what, const QStringList& filters, std::optional<bool> screenStyle,
                const std::function<QByteArray(const ExportChoice& choice)>& bytes);
    void ShowReadout(const PointerReadout& readout);
    void ShowReadoutBox();
    bool ConfirmCloseJob();
    /// The job document's name ("Untitled" without one).
    QString JobName() const;
    bool SaveJobAs();
    void ResetJob();
    std::optional<StepOutcome> ReplayDocument(const JobFile& document);
    void JobStateChanged();
    void KeepRecovery();
    bool HasJobToSave();
    QString JobFolder() const;
    /// Gives `next` this run's settings: the folders, the machine limits, the last CAF file and,
    /// with `faceCopyChoices`, the Face Copy choices.
    void KeepRunSettings(CamJob& next, bool faceCopyChoices) const;
    void AdoptReplay(JobSession& session, std::vector<JobStep> steps);
    void AddRecentJob(const QString& path);
    void ShowRecentJobs();
    void ShowJobCaption();
    int Pixels(double twips) const;
    void ShowChecks();

    static constexpr qsizetype kMaxRecentJobs = 8;

    CamJob& job_;
    QString settingsPath_;
    DialogHooks hooks_;
    SaveFileChooser chooseSaveFile_ = ChooseSaveFile;
    JobFileChooser chooseJobToOpen_ = ChooseJobToOpen;
    JobFileChooser chooseJobToSave_ = ChooseJobToSave;
    // The place read at load, and the outer size still to reach once the frame is known.
    WindowPlacement storedPlace_;
    std::optional<QSize> pendingFrameSize_;
    bool endingSession_ = false;

    // The steps that rebuild the panes from a fresh start; the first `modeASteps_` made the
    // Mode-A text, a Face Copy step after them the Mode-B text.
    std::vector<JobStep> jobSteps_;
    std::size_t modeASteps_ = 0;
    QString jobPath_;
    std::string savedJobText_; // the document as last opened or saved
    QString recoveryPath_;
    bool recoveryFailureShown_ = false;
    QStringList recentJobs_;
    QMenu* recentJobsMenu_ = nullptr;
    ExportFileChooser chooseExportFile_ = ChooseExportFile;
    bool exportScreenStyle_ = false; // the export dialog's last style choice
    bool storedScreenStyle_ = false; // the choice the settings held at load
    std::string jobPart_;
    std::string jobNotes_;
    std::vector<SheetFile> savedCafFiles_; // CAF files saved in this run, oldest first

    QWidget* client_;
    QToolBar* tbToolBar_;
    QFrame* Line1_;
    QFrame* Line2_;
    TextPane* txtDataA_;
    TextPane* txtDataB_;
    GraphSurfaceWidget* Picture1_;
    GraphSurfaceWidget* Picture2_;
    GraphSurfaceWidget* Picture5_;
    GraphSurfaceWidget* Picture4_;
    GraphSurfaceWidget* Picture3_;
    StatusPanels* sbStatusBar_;
    BoxesShown boxesShown_;
    bool readoutShown_ = false;
    int handoffsBusy_ = 0;
    // The job as its Mode-A text was made, which the checks and the profile show: a failed
    // generation after it changes the job's fields but not the text.
    bool checksDue_ = false;
    CamJob checkedJob_;
    std::vector<std::string> warnings_;
    QWidget* warningPanel_ = nullptr; // icon and first warning, made at the first warning
    GrooveProfileWindow* profileWindow_ = nullptr;
};

} // namespace spirolan
