// SPDX-License-Identifier: GPL-3.0-or-later
// frmMain: loading and closing, layout, read-out, redraw and the commands carried out here.
#include "app/windows/frm_main.h"

#include "app/shell/job_recovery.h"
#include "app/shell/settings_store.h"
#include "app/shell/window_place.h"
#include "app/spirolan_version.h"
#include "app/widgets/toolbar_icons.h"
#include "app/widgets/twips.h"
#include "app/windows/messages.h"
#include "core/caf_text.h"
#include "facecopy/face_copy_texts.h"
#include "graphics/graph_style.h"
#include "graphics/layout_rule.h"
#include "graphics/mode_a_graph.h"
#include "graphics/mode_b_graph.h"
#include "graphics/pointer_readout.h"
#include "graphics/spindle_limit.h"

#include <QApplication>
#include <QCloseEvent>
#include <QDir>
#include <QFileInfo>
#include <QScreen>
#include <QTimer>

#include <cstddef>
#include <cstdio>
#include <optional>

namespace spirolan {

namespace {

// The docked bars and the separator lines under the toolbar, in twips.
constexpr double kToolbarHeight = 600;
constexpr double kStatusBarHeight = 270;
constexpr double kLine1Top = 600;
constexpr double kLine2Top = 610;

QFrame* MakeLine(QWidget* parent, const char* name, QPalette::ColorRole role) {
    auto* line = new QFrame(parent);
    line->setObjectName(QLatin1String(name));
    line->setFrameShape(QFrame::NoFrame);
    line->setAutoFillBackground(true);
    QPalette colours = line->palette();
    colours.setColor(QPalette::Window, colours.color(role));
    line->setPalette(colours);
    return line;
}

GraphSurfaceWidget* MakeSurface(QWidget* parent, const char* name, float points, QColor text) {
    auto* surface = new GraphSurfaceWidget(points, text, parent);
    surface->setObjectName(QLatin1String(name));
    return surface;
}

TextPane* MakePane(QWidget* parent, const char* name) {
    auto* pane = new TextPane(parent);
    pane->setObjectName(QLatin1String(name));
    return pane;
}

} // namespace

frmMain::frmMain(CamJob& job, QString settingsPath, DialogHooks hooks, QWidget* parent)
    : QMainWindow(parent), job_(job), settingsPath_(std::move(settingsPath)),
      hooks_(std::move(hooks)) {
    setObjectName(QStringLiteral("frmMain"));
    ShowJobCaption();
    setWindowIcon(ProgramIcon());

    client_ = new QWidget(this);
    setCentralWidget(client_);
    // Later children lie above earlier ones: the boxes sit in the toolbar's band.
    tbToolBar_ = new QToolBar(client_);
    tbToolBar_->setObjectName(QStringLiteral("tbToolBar"));
    tbToolBar_->setMovable(false);
    tbToolBar_->setFloatable(false);
    tbToolBar_->setIconSize(QSize(24, 24));
    Line1_ = MakeLine(client_, "Line1", QPalette::Dark);
    Line2_ = MakeLine(client_, "Line2", QPalette::Light);
    txtDataA_ = MakePane(client_, "txtDataA");
    txtDataB_ = MakePane(client_, "txtDataB");
    Picture1_ = MakeSurface(client_, "Picture1", kGraphFontPoints, ToQColor(kLabelGrey));
    Picture2_ = MakeSurface(client_, "Picture2", kGraphFontPoints, ToQColor(kLabelGrey));
    // Sunken like the panes, so that an inactive graph still shows where it is.
    Picture1_->setFrameStyle(QFrame::Panel | QFrame::Sunken);
    Picture2_->setFrameStyle(QFrame::Panel | QFrame::Sunken);
    Picture5_ = MakeSurface(client_, "Picture5", kFigureFontPoints, ToQColor(kFigureBlack));
    Picture4_ = MakeSurface(client_, "Picture4", kFigureFontPoints, ToQColor(kAccelerationRed));
    Picture3_ =
        MakeSurface(client_, "Picture3", kFigureFontPoints, palette().color(QPalette::WindowText));
    Picture3_->hide();
    sbStatusBar_ = new StatusPanels(client_);

    txtDataA_->onMouseActivity = [this] { txtDataA_MouseMove(); };
    txtDataB_->onMouseActivity = [this] { txtDataB_MouseMove(); };
    Picture1_->onPointerMove = [this](float x, float y) { Picture1_MouseMove(x, y); };
    Picture2_->onPointerMove = [this](float x, float y) { Picture2_MouseMove(x, y); };
    client_->installEventFilter(this);

    BuildCommands();
    // Narrower, the toolbar would fold buttons away into its overflow menu.
    client_->setMinimumWidth(tbToolBar_->sizeHint().width());
    Form_Load();
}

namespace {

// The export dialog's style choice in the settings: "Screen", else the print style.
constexpr std::string_view kExportStyleKey = "ExportStyle";
constexpr std::string_view kExportScreenStyle = "Screen";

} // namespace

int frmMain::Pixels(double twips) const {
    return TwipsToPixels(twips, logicalDpiX());
}

void frmMain::Form_Load() {
    QString settingsProblem;
    storedPlace_ = ReadSettings(settingsPath_, job_, &settingsProblem);
    if (!settingsProblem.isEmpty()) {
        // From the event loop, so that the message shows over the painted window.
        QTimer::singleShot(0, this, [this, settingsProblem] {
            ShowMessage(this, QMessageBox::Warning, kAppTitle, settingsProblem);
        });
    }
    // The place is used as stored while the window is on a screen; one wholly off every
    // screen comes back, and one larger than its screen is reduced to it.
    QList<QRect> screens;
    for (const QScreen* screen : QGuiApplication::screens()) {
        screens << screen->availableGeometry();
    }
    const QRect frame = PlacedFrame(storedPlace_, logicalDpiX(), screens);
    move(frame.topLeft());
    resize(frame.size());
    pendingFrameSize_ = frame.size();
    job_.PI = 3.141592653589;
    job_.LeadCount = 1.0;
    recentJobs_ = ReadRecentJobs(settingsPath_).mid(0, kMaxRecentJobs);
    exportScreenStyle_ = ReadSetting(settingsPath_, kExportStyleKey) == kExportScreenStyle;
    storedScreenStyle_ = exportScreenStyle_;
    ShowRecentJobs();
}

void frmMain::FitFrame() {
    // The stored size is the outer one, but the window system tells the frame's size only once
    // it has framed the window: the inner size is set again then, once.
    const QSize frame = frameGeometry().size() - size();
    if (windowState() != Qt::WindowNoState) {
        pendingFrameSize_.reset();
    } else if (!frame.isNull()) {
        const QSize outer = *pendingFrameSize_;
        pendingFrameSize_.reset();
        resize(outer - frame);
    }
}

bool frmMain::event(QEvent* event) {
    const bool handled = QMainWindow::event(event);
    const QEvent::Type type = event->type();
    if (pendingFrameSize_ &&
        (type == QEvent::Show || type == QEvent::Move || type == QEvent::Resize)) {
        FitFrame();
    }
    return handled;
}

void frmMain::Form_Unload() {
    // Dialogs are modal, so at most a few are open; newest first as far as the toolkit tells.
    const QWidgetList windows = QApplication::topLevelWidgets();
    for (auto window = windows.rbegin(); window != windows.rend(); ++window) {
        if (*window != this) {
            (*window)->close();
        }
    }
    std::optional<WindowPlacement> placement;
    if (!isMinimized()) {
        placement = PlacementToStore(storedPlace_, frameGeometry(), logicalDpiX());
    }
    SettingsWriteResult written = WriteSettings(settingsPath_, placement, job_);
    const SettingsWriteResult recent = WriteRecentJobs(settingsPath_, recentJobs_);
    if (written.Ok) {
        written = recent;
    }
    // Only a choice made in this run is written: a file without the key stays without it.
    if (written.Ok && exportScreenStyle_ != storedScreenStyle_) {
        written = WriteSetting(settingsPath_, kExportStyleKey,
                               exportScreenStyle_ ? kExportScreenStyle : "Print");
    }
    if (!written.Ok && endingSession_) {
        // Nobody may be there to answer a box at the session's end or on a signal.
        const QByteArray line = written.Message.toLocal8Bit() + '\n';
        std::fwrite(line.constData(), 1, static_cast<std::size_t>(line.size()), stderr);
    } else if (!written.Ok) {
        ShowMessage(this, QMessageBox::Warning, kAppTitle, written.Message);
    }
}

void frmMain::EndSession() {
    endingSession_ = true;
    // Closes a question about the job that is showing too; its close then goes on.
    QApplication::closeAllWindows();
}

void frmMain::closeEvent(QCloseEvent* event) {
    // The session may end while the question is showing: then the window closes all the same.
    if (!endingSession_ && !ConfirmCloseJob() && !endingSession_) {
        event->ignore();
        return;
    }
    // A close the user chose has saved or discarded the job; an end the system asked for keeps
    // it in the recovery file for the next start.
    if (!endingSession_ && !recoveryPath_.isEmpty()) {
        DropRecoveryFile(recoveryPath_);
    }
    Form_Unload();
    event->accept();
}

bool frmMain::eventFilter(QObject* watched, QEvent* event) {
    if (watched == client_ && event->type() == QEvent::Resize) {
        Form_Resize();
    }
    return QMainWindow::eventFilter(watched, event);
}

void frmMain::Form_Resize() {
    const int innerWidth = client_->width();
    const int innerHeight = client_->height();
    tbToolBar_->setGeometry(0, 0, innerWidth, Pixels(kToolbarHeight));
    const int statusHeight = Pixels(kStatusBarHeight);
    sbStatusBar_->setGeometry(0, innerHeight - statusHeight, innerWidth, statusHeight);

    const double dpi = logicalDpiX();
    const MainWindowLayout layout =
        ComputeLayout(PixelsToTwips(innerWidth, dpi), PixelsToTwips(innerHeight, dpi));
    const auto place = [this](QWidget* widget, const std::optional<TwipRect>& rect) {
        if (rect) {
            widget->setGeometry(Pixels(rect->Left), Pixels(rect->Top), Pixels(rect->Width),
                                Pixels(rect->Height));
        }
    };
    place(txtDataA_, layout.txtDataA);
    place(txtDataB_, layout.txtDataB);
    place(Picture1_, layout.Picture1);
    place(Picture2_, layout.Picture2);
    place(Picture3_, layout.Picture3);
    place(Picture4_, layout.Picture4);
    place(Picture5_, layout.Picture5);
    // The toolbar's buttons stay visible and take their clicks: a box that would cover one is
    // hidden until the window is wide enough again.
    boxesShown_ = BoxesClearOfToolbar(layout, PixelsToTwips(tbToolBar_->sizeHint().width(), dpi));
    Picture4_->setVisible(boxesShown_.Picture4);
    Picture5_->setVisible(boxesShown_.Picture5);
    ShowReadoutBox();
    Line1_->setGeometry(0, Pixels(kLine1Top), Pixels(layout.Line1Right), 1);
    Line2_->setGeometry(0, Pixels(kLine2Top), Pixels(layout.Line2Right), 1);
    ReGraphic_Click();
}

void frmMain::ReGraphic_Click() {
    if (!txtDataA_->IsEmpty()) {
        DrawModeAGraph();
    }
    if (!txtDataB_->IsEmpty()) {
        DrawModeBGraph();
    }
}

void frmMain::DrawModeAGraph() {
    const MotionFigures figures = spirolan::DrawModeAGraph(job_, *Picture1_, *Picture4_, *Picture5_,
                                                           *Picture3_, kScreenStyle);
    job_.MaxSpeed = figures.MaxSpeed;
    job_.MaxGravity = figures.MaxGravity;
    DrawSpindleLimit(job_, *Picture1_, kScreenStyle);
    ShowReadoutBox();
    ShowChecks();
}

void frmMain::DrawModeBGraph() {
    spirolan::DrawModeBGraph(job_, *Picture2_, *Picture3_, kScreenStyle);
    ShowReadoutBox();
}

void frmMain::ShowReadoutBox() {
    // The first drawing shows the read-out box for good; the toolbar's room decides whether it
    // can be seen now.
    readoutShown_ = readoutShown_ || !Picture3_->isHidden();
    Picture3_->setVisible(readoutShown_ && boxesShown_.Picture3);
}

void frmMain::ShowHandoffBusy(bool busy) {
    handoffsBusy_ += busy ? 1 : -1;
    if (busy && handoffsBusy_ == 1) {
        QApplication::setOverrideCursor(Qt::WaitCursor);
        // A status message stands in the free text panel's place, and a pointer moving over the
        // graphs during the wait does not replace it.
        sbStatusBar_->showMessage(QStringLiteral("Sending keys to Orvexa ..."));
    } else if (!busy && handoffsBusy_ == 0) {
        QApplication::restoreOverrideCursor();
        sbStatusBar_->clearMessage();
    }
}

void frmMain::SetModeAText(std::string text) {
    txtDataA_->SetText(std::move(text));
    checksDue_ = true;
}

void frmMain::SetModeBText(std::string text) {
    txtDataB_->SetText(std::move(text));
}

void frmMain::ShowModeBInactive(bool normalPointer) {
    Picture2_->ShowInactive();
    if (normalPointer) {
        Picture2_->SetPointer(PointerShape::Normal);
    }
}

void frmMain::ShowReadout(const PointerReadout& readout) {
    sbStatusBar_->SetText(QString::fromStdString(readout.Status));
    Picture3_->Clear();
    Picture3_->PrintLine(readout.Line1);
    Picture3_->PrintLine(readout.Line2);
}

void frmMain::Picture1_MouseMove(float x, float y) {
    ShowReadout(ModeAReadout(x, y));
}

void frmMain::Picture2_MouseMove(float x, float y) {
    ShowReadout(ModeBReadout(x, y));
}

void frmMain::txtDataA_MouseMove() {
    sbStatusBar_->SetText(QStringLiteral("Mode-A CAF file"));
}

void frmMain::txtDataB_MouseMove() {
    sbStatusBar_->SetText(QStringLiteral("Mode-B CAF file"));
}

void frmMain::SaveCaf(const TextPane& pane, const QString& emptyMessage) {
    const QString caption = ToQString(caf::kSaveErrorTitle);
    if (pane.IsEmpty()) {
        ShowMessage(this, QMessageBox::Warning, caption, emptyMessage);
        return;
    }
    const QString path = chooseSaveFile_(this, QString::fromStdString(job_.OpenPathName));
    if (path.isEmpty()) {
        return;
    }
    const SaveOutcome outcome = WriteCafFile(path, pane.Text());
    if (!outcome.Ok) {
        ShowMessage(this, QMessageBox::Warning, caption, outcome.Message);
        return;
    }
    const QFileInfo saved(path);
    savedCafFiles_.push_back({QDir::toNativeSeparators(saved.absoluteFilePath()).toStdString(),
                              static_cast<long long>(saved.size())});
    job_.OpenPathName = QDir::toNativeSeparators(saved.absolutePath()).toStdString();
    job_.LastCafFile = QDir::toNativeSeparators(saved.absoluteFilePath()).toStdString();
}

void frmMain::mnuFileSave_Click() {
    SaveCaf(*txtDataA_, ToQString(caf::kModeANoData));
}

void frmMain::SaveB_Click() {
    SaveCaf(*txtDataB_, ToQString(caf::kModeBNoData));
}

void frmMain::mnuFileExit_Click() {
    close();
}

void frmMain::mnuFaceCopy_Click() {
    if (!(ValueOf(job_.LeadPitch) > 0)) {
        ShowMessage(this, QMessageBox::Warning, ToQString(kFaceCopyErrorTitle),
                    ToQString(kNoModeAData));
        return;
    }
    OpenDialog(hooks_.FaceCopy);
}

void frmMain::OpenDialog(const DialogOpener& opener) {
    if (opener) {
        opener({job_, *this, *this});
    }
}

void frmMain::mnuSquare_Click() {
    OpenDialog(hooks_.DataInput1);
}

void frmMain::mnuBall_Click() {
    OpenDialog(hooks_.DataInput2);
}

void frmMain::mnuShape3_Click() {
    OpenDialog(hooks_.DataInput3);
}

void frmMain::mnuFeed_Click() {
    OpenDialog(hooks_.FeedCalculation);
}

void frmMain::mnuHelpAbout_Click() {
    OpenDialog(hooks_.frmAbout);
}

void frmMain::mnuOrvl_Click() {
    StartOrvexa();
}

void frmMain::StartOrvexa() {
    OpenDialog(hooks_.StartOrvexa);
}

} // namespace spirolan
