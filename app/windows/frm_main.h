// frmMain: the main window: panes, graphs, menus, toolbar and status bar; its commands.
#pragma once

#include "app/shell/caf_saving.h"
#include "app/shell/settings_store.h"
#include "app/widgets/graph_surface_widget.h"
#include "app/widgets/status_panels.h"
#include "app/widgets/text_pane.h"
#include "app/windows/dialog_hooks.h"
#include "app/windows/dialog_host.h"
#include "core/cam_job.h"

#include <QFrame>
#include <QMainWindow>
#include <QToolBar>

#include <optional>

namespace spirolan {

struct PointerReadout;

/// The main window. Loading it reads the settings into the job and the window's place; closing
/// it closes the other windows and writes the settings back. The commands are public so that
/// dialogs and tests reach them as the menus and the toolbar do; the dialogs see the window as
/// their DialogHost.
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
    void mnuFaceCopy_Click();
    /// The redraw: the Mode-A graph when the Mode-A pane holds text, then the Mode-B graph when
    /// the Mode-B pane does. With both panes empty nothing is drawn.
    void ReGraphic_Click() override;
    void mnuOrvl_Click();
    void mnuHelpAbout_Click();
    void StartOrvexa();

    /// Runs the command of the toolbar button `key`, compared exactly (letter case counts); a
    /// key of no command (a separator's) does nothing.
    void tbToolBar_ButtonClick(const QString& key);

    /// Places the bars, panes, graphs and boxes for the inner size by the layout rule, then
    /// redraws. Runs on every resize.
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

    /// Replaces how the save commands ask for a file (the save dialog by default).
    void SetSaveFileChooser(SaveFileChooser chooser) { chooseSaveFile_ = std::move(chooser); }

protected:
    void closeEvent(QCloseEvent* event) override;
    bool event(QEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void Form_Load();
    void Form_Unload();
    void FitFrame();
    void BuildCommands();
    void SaveCaf(const TextPane& pane, const QString& emptyMessage);
    void ShowReadout(const PointerReadout& readout);
    int Pixels(double twips) const;

    CamJob& job_;
    QString settingsPath_;
    DialogHooks hooks_;
    SaveFileChooser chooseSaveFile_ = ChooseSaveFile;
    // The place read at load, and the outer size still to reach once the frame is known.
    WindowPlacement storedPlace_;
    std::optional<QSize> pendingFrameSize_;

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
};

} // namespace spirolan
