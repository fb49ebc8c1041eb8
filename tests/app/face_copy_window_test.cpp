// SPDX-License-Identifier: GPL-3.0-or-later
// Face Copy window: fields, states, copy conditions, refusals and OK, by events on the real dialog.
#include "app/windows/face_copy_window.h"
#include "graphics/graph_style.h"
#include "tests/app/test_support.h"
#include "tests/support/shape_fixtures.h"

#include <QCheckBox>
#include <QGroupBox>
#include <QLabel>
#include <QPointer>
#include <QProgressBar>
#include <QPushButton>
#include <QRadioButton>
#include <QTest>
#include <QWindow>

#include <gtest/gtest.h>

namespace spirolan {
namespace {

using test::Retype;
using Strings = std::vector<std::string>;

// Over the Shape 1 reference groove (pitch 3.6, one lead); the host notes the progress bar.
class FaceCopyWindowTest : public test::DialogFixture {
protected:
    void SetUp() override { test::ReferenceModeA(job_); }
    void Open() {
        dialog_ = OpenFaceCopy(job_, host_);
        ASSERT_NE(dialog_, nullptr);
        host_.probe = [dialog = QPointer<FaceCopy>(dialog_)] {
            const auto* bar = dialog ? dialog->findChild<QProgressBar*>("ProgressBar1") : nullptr;
            return dialog && dialog->isVisible() ? QStringLiteral("(progress %1/%2)")
                                                       .arg(bar->value())
                                                       .arg(bar->maximum())
                                                       .toStdString()
                                                 : "(closed)";
        };
    }
    template <typename W = QLineEdit> W* Find(const char* name) const {
        return dialog_->findChild<W*>(name);
    }
    QPushButton* Ok() const { return Find<QPushButton>("Command1"); }
    void Click(const char* name) const { test::ClickIndicator(Find<QAbstractButton>(name)); }
    // The cutting length (greyed in brackets), shift angle, copy number, Z-axis pitch and OK.
    QString Shown() const {
        const QLineEdit* length = Find("txtCutLength");
        return QStringList({Greyed("txtCutLength") ? "[" + length->text() + "]" : length->text(),
                            Find<QLabel>("AnglePitch")->text(),
                            Find<QLabel>("txtCopyNumber")->text(),
                            Find<QLabel>("txtZaxisPitch")->text(), Ok()->isEnabled() ? "OK" : "-"})
            .join('|');
    }
    // The greyed background of a box that takes no input.
    bool Greyed(const char* name) const {
        const QLineEdit* edit = Find(name);
        return edit->palette().color(QPalette::Base) ==
                   QApplication::palette(edit).color(QPalette::Button) &&
               (edit->isReadOnly() || !edit->isEnabled());
    }

    test::RecordingHost host_{job_};
    FaceCopy* dialog_ = nullptr;
};

TEST_F(FaceCopyWindowTest, FirstOpeningAfterStartUp) {
    Open();
    QStringList texts{dialog_->windowTitle()}, checked;
    for (const auto* group : dialog_->findChildren<QGroupBox*>()) {
        texts << group->title();
    }
    for (const auto* label : dialog_->findChildren<QLabel*>()) {
        texts << (label->objectName().isEmpty() ? label->text() : QString());
    }
    for (const auto* button : dialog_->findChildren<QAbstractButton*>()) {
        texts << button->objectName() + " " + button->text();
        checked << (button->isChecked() ? button->objectName() : QString());
    }
    texts.removeAll(QString());
    texts.sort();
    EXPECT_EQ(texts.join('|'),
              "Chamfer|Check1 Enter|Check2 Exit|Command1 O  K|Command2 Cancel|Copy Condition|"
              "Copy number|Cutting length|Face Copy|Length|Max. number of face|MaxFace0 192|"
              "MaxFace1 384|MaxFace2 768|MaxFace3 2828|Repeat function|Shift angle|Spec. of "
              "Orvl|Thread Pitch|Thread direction|Z-axis pitch|swRepeat0 ON|swRepeat1 OFF|"
              "swThreadDir0 Left hand|swThreadDir1 Right hand");
    checked.removeAll(QString());
    checked.sort();
    EXPECT_EQ(checked.join('|'), "MaxFace1|swRepeat1|swThreadDir0");
    EXPECT_EQ(Shown(), "|-1|0||-");
    EXPECT_EQ(Find<QLabel>("LabelPitch")->text(), QStringLiteral(" 3.6"));
    EXPECT_TRUE(Greyed("Text1") && Greyed("Text2"));
    EXPECT_FALSE(Find<QProgressBar>("ProgressBar1")->isVisible());
    EXPECT_TRUE(messages_.log.empty());
}

// "ON" locks in the pitch and goes to OK, "OFF" empties it and goes back to the length.
TEST_F(FaceCopyWindowTest, RepeatOnLocksThePitchAndOffEmptiesIt) {
    Open();
    Click("Check1");
    Click("Check2");
    Click("swRepeat0");
    EXPECT_EQ(Shown(), "[ 3.6]|-1|360|0.01|OK");
    EXPECT_EQ(dialog_->focusWidget(), Ok());
    EXPECT_FALSE(Find<QCheckBox>("Check1")->isEnabled() || Find<QCheckBox>("Check2")->isEnabled());
    EXPECT_TRUE(Greyed("Text1") && Greyed("Text2")); // though ticked
    Click("MaxFace0");
    EXPECT_EQ(Shown(), "[ 3.6]|-2|180|0.02|OK");
    EXPECT_TRUE(job_.Repeat);
    Click("swRepeat1");
    EXPECT_EQ(Shown(), "|-2|180|0.02|-");
    EXPECT_EQ(dialog_->focusWidget(), Find("txtCutLength"));
    EXPECT_FALSE(job_.Repeat);
}

// The decided refusal keeps the dialog open; OK then fills the Mode-B pane, closes and draws.
TEST_F(FaceCopyWindowTest, TooLongChamfersAreRefusedThenOkHandsOverTheModeBText) {
    Open();
    Click("swThreadDir1");
    Retype(Find("txtCutLength"), QStringLiteral("20"));
    Click("Check1");
    EXPECT_FALSE(Greyed("Text1"));
    QTest::keyClicks(Find("Text1"), QStringLiteral("15"));
    Click("Check2");
    QTest::keyClicks(Find("Text2"), QStringLiteral("15"));
    QTest::mouseClick(Ok(), Qt::LeftButton);
    EXPECT_EQ(messages_.log, Strings{"Face copy error|Too long chamfer length !!|2"});
    EXPECT_TRUE(dialog_->isVisible() && host_.calls.empty());
    EXPECT_EQ(dialog_->cursor().shape(), Qt::ArrowCursor);

    Click("Check1");
    Click("Check2");
    QTest::mouseClick(Ok(), Qt::LeftButton);
    EXPECT_EQ(host_.calls, (Strings{"SetModeBText (progress 333/333)", "DrawModeAGraph (closed)",
                                    "DrawModeBGraph (closed)", "RecordStep Face Copy (closed)"}));
    // What the dialog showed at OK; the unticked chamfers keep their typed lengths unrecorded.
    EXPECT_EQ(host_.steps, (std::vector<JobStep>{{"Face Copy",
                                                  {{"Max. number of face", "384"},
                                                   {"Repeat function", "OFF"},
                                                   {"Thread direction", "Right hand"},
                                                   {"Cutting length", "20"},
                                                   {"Enter", std::nullopt},
                                                   {"Exit", std::nullopt}}}}));
    EXPECT_EQ(testing_support::LineCount(host_.modeB), 5 + 333 * 362 + 1);
    EXPECT_EQ(job_.SavedCutLength, 20.0);
    EXPECT_FALSE(host_.picture2.LinesIn(kCurveYellow).empty());
}

// Enter in a chamfer goes nowhere; Cancel and Esc restore the length of the last OK.
TEST_F(FaceCopyWindowTest, EnterKeysThenCancelAndEscapeRestoreTheLength) {
    job_.CutLength = 12;
    job_.SavedCutLength = 12;
    for (const bool escape : {false, true}) {
        Open();
        Retype(Find("txtCutLength"), QStringLiteral("20"));
        Click("Check1");
        Find("Text1")->setFocus();
        QTest::keyClick(Find("Text1"), Qt::Key_Return);
        EXPECT_EQ(dialog_->focusWidget(), Find("Text1"));
        Click("MaxFace0");
        EXPECT_EQ(job_.CutLength, 20.0);
        if (escape) {
            QTest::keyClick(Find("txtCutLength"), Qt::Key_Escape);
        } else {
            QTest::mouseClick(Find<QPushButton>("Command2"), Qt::LeftButton);
            EXPECT_EQ(host_.calls, Strings{"ReGraphic_Click (closed)"});
        }
        EXPECT_FALSE(dialog_->isVisible());
        EXPECT_EQ(job_.CutLength, 12.0);
        EXPECT_EQ(job_.MaxFaceNumber, 192);
    }
}

// The focus opens where the user goes on: in the length box, or on OK while the box is locked.
// Tab follows Enter from the length to OK; reached by Enter, OK shows that Enter presses it. Tab
// enters each group of choices at its checked button, never at another, where Space would change
// the choice; the arrow keys move the choice within the group.
TEST_F(FaceCopyWindowTest, KeyboardOpensInTheLengthOrOnOkAndTabFollowsEnterAndTheChoices) {
    job_.CutLength = 12.3456789012345;
    Open();
    QApplication::processEvents(); // the window becomes active
    QLineEdit* length = Find("txtCutLength");
    EXPECT_EQ(QApplication::focusWidget(), length);
    EXPECT_EQ(length->cursorPosition(), 0);
    EXPECT_EQ(length->selectedText(), QStringLiteral("12.3456789012345"));
    QWindow* window = dialog_->windowHandle();
    QTest::keyClick(window, Qt::Key_Tab);
    EXPECT_EQ(QApplication::focusWidget(), Ok());
    QTest::keyClick(window, Qt::Key_Tab);
    EXPECT_EQ(QApplication::focusWidget(), Find<QPushButton>("Command2"));
    QTest::mouseClick(length, Qt::LeftButton);
    EXPECT_FALSE(Ok()->isDefault());
    QTest::keyClick(window, Qt::Key_Return);
    EXPECT_EQ(QApplication::focusWidget(), Ok());
    EXPECT_TRUE(Ok()->isDefault());

    QStringList radios;
    for (int i = 0; i < 12; ++i) {
        QTest::keyClick(window, Qt::Key_Tab);
        if (const auto* radio = qobject_cast<QRadioButton*>(QApplication::focusWidget())) {
            radios << radio->objectName().chopped(1) + (radio->isChecked() ? "" : " unchecked");
        }
    }
    radios.removeDuplicates(); // Tab has gone round the dialog
    EXPECT_EQ(radios, (QStringList{"MaxFace", "swThreadDir", "swRepeat"}));
    const int hand = Find<QRadioButton>("swThreadDir0")->isChecked() ? 0 : 1;
    auto* other = Find<QRadioButton>(hand == 0 ? "swThreadDir1" : "swThreadDir0");
    Find<QRadioButton>(hand == 0 ? "swThreadDir0" : "swThreadDir1")->setFocus();
    QTest::keyClick(window, hand == 0 ? Qt::Key_Down : Qt::Key_Up);
    EXPECT_EQ(QApplication::focusWidget(), other);
    EXPECT_TRUE(other->isChecked());
    QTest::mouseClick(Find<QPushButton>("Command2"), Qt::LeftButton);

    job_.Repeat = true;
    Open();
    QApplication::processEvents();
    EXPECT_EQ(QApplication::focusWidget(), Ok());
}

} // namespace
} // namespace spirolan
