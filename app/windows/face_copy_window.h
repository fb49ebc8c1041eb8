// SPDX-License-Identifier: GPL-3.0-or-later
// FaceCopy: the "Face Copy" dialog, a view of FaceCopyModel.
#pragma once

#include "app/windows/dialog_host.h"
#include "facecopy/face_copy_model.h"

#include <QDialog>

#include <array>

class QCheckBox;
class QGroupBox;
class QLabel;
class QLayout;
class QLineEdit;
class QProgressBar;
class QPushButton;
class QRadioButton;

namespace spirolan {

/// The Face Copy dialog over the shared job. The model decides everything; the window turns the
/// user's actions into model calls and copies the model's view onto its widgets after each call,
/// without taking those updates for user edits. Messages are modal message boxes. OK builds the
/// Mode-B text with the progress bar advanced once per face under the busy pointer, then puts it
/// into the Mode-B pane, closes, draws both graphs and records its choices with the main window;
/// a refusal keeps the dialog open. Widgets carry the names of the controls (`MaxFace0`..
/// `MaxFace3`, `swThreadDir0`, `swThreadDir1`, `swRepeat0`, `swRepeat1`, `Check1`, `Text1`,
/// `Check2`, `Text2`, `LabelPitch`, `txtCutLength`, `txtZaxisPitch`, `AnglePitch`,
/// `txtCopyNumber`, `ProgressBar1`, `Command1`, `Command2`).
class FaceCopy final : public QDialog {
    Q_OBJECT
public:
    FaceCopy(CamJob& job, DialogHost& host, QWidget* parent = nullptr);

    /// The opening's pre-fill, and the focus where the user goes on: in the cutting length box,
    /// or on OK while the box is locked. False, after the message "Please input Mode A data.",
    /// when the job has no Mode-A data: the dialog must then not be shown.
    bool Open();

    const FaceCopyModel& Model() const { return model_; }

    /// Closing without OK (Cancel, Esc, the window frame): the cutting length of the last OK
    /// comes back.
    void reject() override;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void BuildLayout();
    QLayout* BuildChoices(); // maximum number of faces, thread direction, repeat function
    QLayout* BuildLengths(); // thread pitch and cutting length
    QWidget* BuildChamfer();
    QWidget* BuildCopyCondition();
    QLayout* BuildButtons(); // progress bar, OK and Cancel
    void Connect();
    // Copies the model's view onto the widgets.
    void Sync();
    // Runs a model call for a user action, then shows the outcome.
    template <typename Action> void Act(Action action);
    void ShowFaceCopyMessage(const FaceCopyMessage& message);
    void FocusOn(FaceCopyFocus focus);
    void Command1_Click();
    void Command2_Click();

    DialogHost& host_;
    FaceCopyModel model_;
    bool syncing_ = false;

    std::array<QRadioButton*, 4> maxFace_{};
    std::array<QRadioButton*, 2> threadDir_{};
    std::array<QRadioButton*, 2> repeat_{};
    QGroupBox* chamfer_;
    QCheckBox* check1_;
    QLineEdit* text1_;
    QCheckBox* check2_;
    QLineEdit* text2_;
    QLabel* labelPitch_;
    QLineEdit* cutLength_;
    QLabel* zAxisPitch_;
    QLabel* anglePitch_;
    QLabel* copyNumber_;
    QProgressBar* progress_;
    QPushButton* ok_;
    QPushButton* cancel_;
};

/// mnuFaceCopy_Click: creates the dialog fresh and pre-fills it; without Mode-A data shows
/// "Please input Mode A data." and returns nullptr, else shows it modal, centred over `over`, with
/// the focus in the cutting length box, or on OK while the box is locked (it deletes itself on
/// closing), and returns it.
FaceCopy* OpenFaceCopy(CamJob& job, DialogHost& host, const QWidget* over = nullptr);

} // namespace spirolan
