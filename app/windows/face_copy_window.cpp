// SPDX-License-Identifier: GPL-3.0-or-later
// The Face Copy dialog: its widgets, and the traffic between them and FaceCopyModel.
#include "app/windows/face_copy_window.h"

#include "app/windows/dialog_support.h"
#include "app/windows/messages.h"
#include "io/job_steps.h"

#include <QApplication>
#include <QCheckBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QProgressBar>
#include <QPushButton>
#include <QRadioButton>
#include <QVBoxLayout>

#include <functional>
#include <optional>
#include <span>
#include <vector>

namespace spirolan {

namespace {

// A choice that also reports the release of the mouse button, after the click it makes.
class MouseUpRadio final : public QRadioButton {
public:
    using QRadioButton::QRadioButton;
    std::function<void()> onMouseUp;

protected:
    void mouseReleaseEvent(QMouseEvent* event) override {
        QRadioButton::mouseReleaseEvent(event);
        if (onMouseUp) {
            onMouseUp();
        }
    }
};

QLabel* Display() {
    auto* label = new QLabel;
    label->setFrameStyle(QFrame::Panel | QFrame::Sunken);
    label->setMinimumWidth(90);
    label->setTextInteractionFlags(Qt::TextSelectableByMouse);
    return label;
}

// Checks the choice `index`, or none of the group. Tab enters the group at the checked choice
// (at the first when none is checked) and arrow keys move within it, so that Tab never lands
// where Space would change the choice.
void ShowChoice(std::span<QRadioButton* const> group, std::optional<int> index) {
    for (int i = 0; i < static_cast<int>(group.size()); ++i) {
        QRadioButton* button = group[i];
        const bool checked = index == i;
        button->setFocusPolicy(checked || (!index && i == 0) ? Qt::StrongFocus : Qt::ClickFocus);
        if (button->isChecked() != checked) {
            // An exclusive choice cannot be cleared while it is exclusive.
            button->setAutoExclusive(false);
            button->setChecked(checked);
            button->setAutoExclusive(true);
        }
    }
}

void ShowText(QLineEdit* edit, const std::string& text) {
    const QString shown = QString::fromStdString(text);
    if (edit->text() != shown) {
        ShowFromStart(edit, shown);
    }
}

// Greyed: the button-face background of a box that does not take input.
void ShowGreyed(QLineEdit* edit, bool greyed) {
    const QPalette application = QApplication::palette(edit);
    QPalette palette = edit->palette();
    palette.setColor(QPalette::Base, application.color(greyed ? QPalette::Button : QPalette::Base));
    edit->setPalette(palette);
}

} // namespace

FaceCopy::FaceCopy(CamJob& job, DialogHost& host, QWidget* parent)
    : QDialog(parent), host_(host),
      model_(job, [this](const FaceCopyMessage& message) { ShowFaceCopyMessage(message); }) {
    setWindowTitle(ToQString(kFaceCopyTitle));
    BuildLayout();
    Connect();
    Sync();
}

void FaceCopy::BuildLayout() {
    auto* columns = new QHBoxLayout;
    columns->addLayout(BuildChoices());
    columns->addSpacing(8);
    auto* inputs = new QVBoxLayout;
    inputs->addLayout(BuildLengths());
    inputs->addWidget(BuildChamfer());
    inputs->addWidget(BuildCopyCondition());
    inputs->addStretch();
    columns->addLayout(inputs);
    auto* page = new QVBoxLayout(this);
    page->addLayout(columns);
    page->addLayout(BuildButtons());

    // Tab follows Enter from the cutting length to OK, then goes round the other controls.
    std::vector<QWidget*> order{cutLength_, ok_, cancel_};
    order.insert(order.end(), maxFace_.begin(), maxFace_.end());
    order.insert(order.end(), threadDir_.begin(), threadDir_.end());
    order.insert(order.end(), repeat_.begin(), repeat_.end());
    order.insert(order.end(), {check1_, text1_, check2_, text2_});
    SetTabOrder(order);
}

QLayout* FaceCopy::BuildChoices() {
    auto* maxFaceGroup = new QGroupBox(ToQString(kMaxFaceCaption));
    auto* maxFaceGrid = new QGridLayout(maxFaceGroup);
    for (int i = 0; i < static_cast<int>(maxFace_.size()); ++i) {
        maxFace_[i] = new QRadioButton(ToQString(kMaxFaceTexts[i]));
        maxFace_[i]->setObjectName(QStringLiteral("MaxFace%1").arg(i));
        maxFaceGrid->addWidget(maxFace_[i], i / 2, i % 2);
    }
    maxFaceGrid->addWidget(new QLabel(ToQString(kMaxFaceNote)), 2, 0, 1, 2);

    auto* threadGroup = new QGroupBox(ToQString(kThreadDirCaption));
    auto* threadColumn = new QVBoxLayout(threadGroup);
    auto* repeatGroup = new QGroupBox(ToQString(kRepeatCaption));
    auto* repeatColumn = new QVBoxLayout(repeatGroup);
    for (int i = 0; i < 2; ++i) {
        threadDir_[i] = new QRadioButton(ToQString(kThreadDirTexts[i]));
        repeat_[i] = new MouseUpRadio(ToQString(kRepeatTexts[i]));
        threadDir_[i]->setObjectName(QStringLiteral("swThreadDir%1").arg(i));
        threadColumn->addWidget(threadDir_[i]);
        repeat_[i]->setObjectName(QStringLiteral("swRepeat%1").arg(i));
        repeatColumn->addWidget(repeat_[i]);
    }

    auto* choices = new QVBoxLayout;
    choices->addWidget(maxFaceGroup);
    choices->addWidget(threadGroup);
    choices->addWidget(repeatGroup);
    choices->addStretch();
    return choices;
}

QLayout* FaceCopy::BuildLengths() {
    labelPitch_ = Display();
    labelPitch_->setObjectName(QStringLiteral("LabelPitch"));
    cutLength_ = new QLineEdit;
    cutLength_->setObjectName(QStringLiteral("txtCutLength"));
    FitPrefillWidth(cutLength_);
    auto* lengths = new QGridLayout;
    lengths->addWidget(new QLabel(ToQString(kPitchCaption)), 0, 0);
    lengths->addWidget(labelPitch_, 0, 1);
    lengths->addWidget(new QLabel(ToQString(kCutLengthCaption)), 1, 0);
    lengths->addWidget(cutLength_, 1, 1);
    return lengths;
}

QWidget* FaceCopy::BuildChamfer() {
    chamfer_ = new QGroupBox(ToQString(kChamferCaption));
    check1_ = new QCheckBox(ToQString(kEnterCaption));
    check1_->setObjectName(QStringLiteral("Check1"));
    text1_ = new QLineEdit;
    text1_->setObjectName(QStringLiteral("Text1"));
    check2_ = new QCheckBox(ToQString(kExitCaption));
    check2_->setObjectName(QStringLiteral("Check2"));
    text2_ = new QLineEdit;
    text2_->setObjectName(QStringLiteral("Text2"));
    auto* chamferGrid = new QGridLayout(chamfer_);
    chamferGrid->addWidget(new QLabel(ToQString(kChamferLengthCaption)), 0, 1);
    chamferGrid->addWidget(check1_, 1, 0);
    chamferGrid->addWidget(text1_, 1, 1);
    chamferGrid->addWidget(check2_, 2, 0);
    chamferGrid->addWidget(text2_, 2, 1);
    return chamfer_;
}

QWidget* FaceCopy::BuildCopyCondition() {
    auto* condition = new QGroupBox(ToQString(kCopyConditionCaption));
    zAxisPitch_ = Display();
    zAxisPitch_->setObjectName(QStringLiteral("txtZaxisPitch"));
    anglePitch_ = Display();
    anglePitch_->setObjectName(QStringLiteral("AnglePitch"));
    copyNumber_ = Display();
    copyNumber_->setObjectName(QStringLiteral("txtCopyNumber"));
    auto* conditionGrid = new QGridLayout(condition);
    conditionGrid->addWidget(new QLabel(ToQString(kZAxisPitchCaption)), 0, 0);
    conditionGrid->addWidget(zAxisPitch_, 0, 1);
    conditionGrid->addWidget(new QLabel(ToQString(kShiftAngleCaption)), 1, 0);
    conditionGrid->addWidget(anglePitch_, 1, 1);
    conditionGrid->addWidget(new QLabel(ToQString(kCopyNumberCaption)), 2, 0);
    conditionGrid->addWidget(copyNumber_, 2, 1);
    return condition;
}

QLayout* FaceCopy::BuildButtons() {
    progress_ = new QProgressBar;
    progress_->setObjectName(QStringLiteral("ProgressBar1"));
    // Its place is kept while hidden, so that showing it during OK needs no new layout.
    QSizePolicy keepPlace = progress_->sizePolicy();
    keepPlace.setRetainSizeWhenHidden(true);
    progress_->setSizePolicy(keepPlace);
    progress_->hide();
    ok_ = new QPushButton(ToQString(kFaceCopyOkCaption));
    ok_->setObjectName(QStringLiteral("Command1"));
    cancel_ = new QPushButton(ToQString(kFaceCopyCancelCaption));
    cancel_->setObjectName(QStringLiteral("Command2"));
    UseAsPlainButton(ok_);
    UseAsPlainButton(cancel_);
    auto* bottom = new QHBoxLayout;
    bottom->addWidget(progress_, 1);
    bottom->addWidget(ok_);
    bottom->addWidget(cancel_);
    return bottom;
}

void FaceCopy::Connect() {
    for (int i = 0; i < static_cast<int>(maxFace_.size()); ++i) {
        connect(maxFace_[i], &QRadioButton::toggled, this, [this, i](bool checked) {
            if (checked) {
                Act([&] { model_.MaxFace_Click(i); });
            }
        });
    }
    for (int i = 0; i < 2; ++i) {
        connect(threadDir_[i], &QRadioButton::toggled, this, [this, i](bool checked) {
            if (checked) {
                Act([&] { model_.swThreadDir_Click(i); });
            }
        });
        connect(repeat_[i], &QRadioButton::toggled, this, [this, i](bool checked) {
            if (checked) {
                Act([&] { model_.swRepeat_Click(i); });
            }
        });
        static_cast<MouseUpRadio*>(repeat_[i])->onMouseUp = [this] {
            FocusOn(model_.swRepeat_MouseUp());
        };
    }
    connect(check1_, &QCheckBox::toggled, this,
            [this](bool ticked) { Act([&] { model_.Check1_Click(ticked); }); });
    connect(check2_, &QCheckBox::toggled, this,
            [this](bool ticked) { Act([&] { model_.Check2_Click(ticked); }); });
    connect(text1_, &QLineEdit::textEdited, this,
            [this](const QString& text) { Act([&] { model_.TypeText1(text.toStdString()); }); });
    connect(text2_, &QLineEdit::textEdited, this,
            [this](const QString& text) { Act([&] { model_.TypeText2(text.toStdString()); }); });
    connect(cutLength_, &QLineEdit::textEdited, this, [this](const QString& text) {
        Act([&] { model_.TypeCutLength(text.toStdString()); });
    });
    cutLength_->installEventFilter(this);
    connect(ok_, &QPushButton::clicked, this, &FaceCopy::Command1_Click);
    connect(cancel_, &QPushButton::clicked, this, &FaceCopy::Command2_Click);
}

bool FaceCopy::eventFilter(QObject* watched, QEvent* event) {
    if (watched == cutLength_ && event->type() == QEvent::KeyPress) {
        const auto* key = static_cast<QKeyEvent*>(event);
        const bool enter = key->key() == Qt::Key_Return || key->key() == Qt::Key_Enter;
        const QString text = key->text();
        const int keyAscii = enter ? 13 : (text.size() == 1 ? text.at(0).unicode() : 0);
        if (const auto focus = model_.txtCutLength_KeyPress(keyAscii)) {
            FocusOn(*focus);
            return true;
        }
    }
    return QDialog::eventFilter(watched, event);
}

bool FaceCopy::Open() {
    const bool opened = model_.Open();
    Sync();
    // Where the user goes on: typing a length, or, with the length locked, pressing OK.
    FocusOn(cutLength_->isReadOnly() && ok_->isEnabled() ? FaceCopyFocus::Command1
                                                         : FaceCopyFocus::txtCutLength);
    return opened;
}

template <typename Action> void FaceCopy::Act(Action action) {
    if (syncing_) {
        return;
    }
    action();
    Sync();
}

void FaceCopy::Sync() {
    const FaceCopyView& view = model_.View();
    syncing_ = true;
    ShowChoice(maxFace_, view.MaxFace);
    ShowChoice(threadDir_, view.swThreadDir);
    ShowChoice(repeat_, view.swRepeat);
    chamfer_->setEnabled(view.ChamferEnabled);
    check1_->setChecked(view.Check1);
    ShowText(text1_, view.Text1);
    text1_->setEnabled(view.Text1Enabled);
    ShowGreyed(text1_, view.Text1Greyed);
    check2_->setChecked(view.Check2);
    ShowText(text2_, view.Text2);
    text2_->setEnabled(view.Text2Enabled);
    ShowGreyed(text2_, view.Text2Greyed);
    labelPitch_->setText(QString::fromStdString(view.LabelPitch));
    ShowText(cutLength_, view.txtCutLength);
    cutLength_->setReadOnly(view.CutLengthReadOnly);
    ShowGreyed(cutLength_, view.CutLengthGreyed);
    zAxisPitch_->setText(QString::fromStdString(view.txtZaxisPitch));
    anglePitch_->setText(QString::fromStdString(view.AnglePitch));
    copyNumber_->setText(QString::fromStdString(view.txtCopyNumber));
    ok_->setEnabled(view.OkEnabled);
    syncing_ = false;
}

void FaceCopy::ShowFaceCopyMessage(const FaceCopyMessage& message) {
    // Before the dialog is shown (the opening's messages) the box belongs to its owner.
    ShowMessage(isVisible() ? this : parentWidget(), QMessageBox::Warning,
                QString::fromStdString(message.title), QString::fromStdString(message.text));
}

void FaceCopy::FocusOn(FaceCopyFocus focus) {
    (focus == FaceCopyFocus::txtCutLength ? static_cast<QWidget*>(cutLength_) : ok_)
        ->setFocus(Qt::OtherFocusReason);
}

void FaceCopy::Command1_Click() {
    JobStep shown = FaceCopyStepOf(model_.View());
    progress_->setValue(0);
    progress_->show();
    setCursor(Qt::WaitCursor);
    std::optional<ModeBResult> result = model_.Command1_Click([this](int position, int maximum) {
        if (progress_->maximum() != maximum) {
            progress_->setMaximum(maximum);
        }
        progress_->setValue(position);
    });
    unsetCursor();
    if (!result || result->refusal) {
        progress_->hide();
        Sync();
        return;
    }
    DialogHost& host = host_;
    host.SetModeBText(std::move(result->text));
    accept();
    host.DrawModeAGraph();
    host.DrawModeBGraph();
    host.RecordStep(std::move(shown));
}

void FaceCopy::Command2_Click() {
    DialogHost& host = host_;
    reject();
    host.ReGraphic_Click();
}

void FaceCopy::reject() {
    // Closing by the window frame or Esc also leaves the cutting length of the last OK.
    model_.Command2_Click();
    QDialog::reject();
}

FaceCopy* OpenFaceCopy(CamJob& job, DialogHost& host, const QWidget* over) {
    auto* dialog = new FaceCopy(job, host);
    if (!dialog->Open()) {
        delete dialog;
        return nullptr;
    }
    ShowModal(dialog, over);
    return dialog;
}

} // namespace spirolan
