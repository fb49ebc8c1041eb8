// Face Copy window: its fields and states, the copy conditions, the refusals and OK, driven by
// events on the real dialog.
#include "face_copy_window.h"
#include "graph_style.h"
#include "shape_fixtures.h"
#include "test_support.h"

#include <QCheckBox>
#include <QGroupBox>
#include <QLabel>
#include <QPointer>
#include <QProgressBar>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTest>

#include <gtest/gtest.h>

#include <algorithm>
#include <ostream>

namespace spirolan {
namespace {

using test::PrintTo;
using test::Retype;
using Strings = std::vector<std::string>;

class FaceCopyWindowTest : public test::DialogFixture {
protected:
    // Mode-A data of the Shape 1 reference groove: pitch 3.6, one lead.
    void SetUp() override {
        ASSERT_TRUE(GenerateShape1(testing_support::ReferenceGroove(), job_).Ok());
    }

    void Open() {
        dialog_ = OpenFaceCopy(job_, host_);
        ASSERT_NE(dialog_, nullptr);
        host_.probe = [dialog = QPointer<FaceCopy>(dialog_)] {
            if (dialog == nullptr || !dialog->isVisible()) {
                return std::string("(closed)");
            }
            const auto* progress = dialog->findChild<QProgressBar*>("ProgressBar1");
            return "(dialog shown, progress " + std::to_string(progress->value()) + "/" +
                   std::to_string(progress->maximum()) + ")";
        };
    }
    template <typename W = QLineEdit> W* Find(const char* name) const {
        W* widget = dialog_->findChild<W*>(QString::fromLatin1(name));
        EXPECT_NE(widget, nullptr) << name;
        return widget;
    }
    QLineEdit* CutLength() const { return Find("txtCutLength"); }
    QPushButton* Ok() const { return Find<QPushButton>("Command1"); }
    void Click(const char* name) const { test::ClickIndicator(Find<QAbstractButton>(name)); }
    // The conditions on display: shift angle, copy number, Z-axis pitch.
    QStringList Conditions() const {
        return {Find<QLabel>("AnglePitch")->text(), Find<QLabel>("txtCopyNumber")->text(),
                Find<QLabel>("txtZaxisPitch")->text()};
    }
    bool Greyed(const char* name) const {
        const QLineEdit* edit = Find(name);
        return edit->palette().color(QPalette::Base) ==
               QApplication::palette(edit).color(QPalette::Button);
    }

    test::RecordingHost host_{job_};
    FaceCopy* dialog_ = nullptr;
};

TEST_F(FaceCopyWindowTest, FirstOpeningAfterStartUp) {
    Open();
    EXPECT_EQ(dialog_->windowTitle(), QStringLiteral("Face Copy"));
    EXPECT_EQ(dialog_->windowModality(), Qt::ApplicationModal);
    Strings texts; // group titles, captions of unnamed labels, "name caption" of buttons
    for (const auto* group : dialog_->findChildren<QGroupBox*>()) {
        texts.push_back(group->title().toStdString());
    }
    for (const auto* label : dialog_->findChildren<QLabel*>()) {
        if (label->objectName().isEmpty()) {
            texts.push_back(label->text().toStdString());
        }
    }
    Strings checked;
    for (const auto* button : dialog_->findChildren<QAbstractButton*>()) {
        texts.push_back((button->objectName() + " " + button->text()).toStdString());
        if (button->isChecked()) {
            checked.push_back(button->objectName().toStdString());
        }
    }
    std::sort(texts.begin(), texts.end());
    EXPECT_EQ(texts, (Strings{"Chamfer",
                              "Check1 Enter",
                              "Check2 Exit",
                              "Command1 O  K",
                              "Command2 Cancel",
                              "Copy Condition",
                              "Copy number",
                              "Cutting length",
                              "Length",
                              "Max. number of face",
                              "MaxFace0 192",
                              "MaxFace1 384",
                              "MaxFace2 768",
                              "MaxFace3 2828",
                              "Repeat function",
                              "Shift angle",
                              "Spec. of Orvl",
                              "Thread Pitch",
                              "Thread direction",
                              "Z-axis pitch",
                              "swRepeat0 ON",
                              "swRepeat1 OFF",
                              "swThreadDir0 Left hand",
                              "swThreadDir1 Right hand"}));
    // The default settings: 384 faces, repeat OFF, left hand; derived from no cutting length.
    std::sort(checked.begin(), checked.end());
    EXPECT_EQ(checked, (Strings{"MaxFace1", "swRepeat1", "swThreadDir0"}));
    EXPECT_EQ(CutLength()->text(), QString());
    EXPECT_FALSE(CutLength()->isReadOnly() || Greyed("txtCutLength"));
    EXPECT_FALSE(Ok()->isEnabled());
    EXPECT_EQ(Conditions(), QStringList({"-1", "0", ""}));
    EXPECT_EQ(Find<QLabel>("LabelPitch")->text(), QStringLiteral(" 3.6"));
    for (const char* box : {"Text1", "Text2"}) {
        EXPECT_TRUE(!Find(box)->isEnabled() && Greyed(box) && Find(box)->text().isEmpty()) << box;
    }
    EXPECT_FALSE(Find<QProgressBar>("ProgressBar1")->isVisible());
    EXPECT_TRUE(messages_.log.empty());
}

struct DerivationCase {
    const char* name;
    const char* maxFace;
    const char* threadDir;
    const char* length; // typed key by key
    QStringList conditions;
};

class DerivationTest : public FaceCopyWindowTest,
                       public testing::WithParamInterface<DerivationCase> {};

TEST_P(DerivationTest, TypedLengthGivesTheConditionsAndEnablesOk) {
    Open();
    Click(GetParam().maxFace);
    Click(GetParam().threadDir);
    Retype(CutLength(), QString::fromLatin1(GetParam().length));
    EXPECT_EQ(Conditions(), GetParam().conditions);
    EXPECT_TRUE(Ok()->isEnabled());
    EXPECT_TRUE(messages_.log.empty());
}

INSTANTIATE_TEST_SUITE_P(
    Lengths, DerivationTest,
    testing::Values(
        DerivationCase{"Max384Right", "MaxFace1", "swThreadDir1", "20", {" 6", "333", "0.06"}},
        DerivationCase{"Max192Right", "MaxFace0", "swThreadDir1", "20", {" 12", "167", "0.1197"}},
        DerivationCase{"Max384Left", "MaxFace1", "swThreadDir0", "20", {"-6", "333", "0.06"}},
        DerivationCase{
            "HalfGoesToEven", "MaxFace1", "swThreadDir1", "19.95", {" 6", "332", "0.06"}},
        DerivationCase{"Max2828", "MaxFace3", "swThreadDir1", "100", {" 4", "2500", "0.04"}}),
    test::kRowName);

TEST_F(FaceCopyWindowTest, RepeatOnWithPitch36ThenOff) {
    Open();
    Click("swThreadDir1");
    Click("swRepeat0");
    EXPECT_EQ(CutLength()->text(), QStringLiteral(" 3.6"));
    EXPECT_TRUE(CutLength()->isReadOnly() && Greyed("txtCutLength"));
    EXPECT_EQ(Conditions(), QStringList({" 1", "360", "0.01"}));
    EXPECT_TRUE(Ok()->isEnabled());
    EXPECT_EQ(dialog_->focusWidget(), Ok()); // the mouse-up over "ON"
    EXPECT_FALSE(Find<QCheckBox>("Check1")->isEnabled() || Find<QCheckBox>("Check2")->isEnabled());
    EXPECT_TRUE(job_.Repeat);
    QTest::keyClicks(CutLength(), QStringLiteral("9")); // the locked box takes no typing
    EXPECT_EQ(CutLength()->text(), QStringLiteral(" 3.6"));
    Click("MaxFace0");
    EXPECT_EQ(Conditions(), QStringList({" 2", "180", "0.02"}));

    Click("swRepeat1");
    EXPECT_EQ(CutLength()->text(), QString());
    EXPECT_FALSE(CutLength()->isReadOnly() || Greyed("txtCutLength") || Ok()->isEnabled());
    EXPECT_EQ(dialog_->focusWidget(), CutLength()); // the mouse-up over "OFF"
    EXPECT_TRUE(Find<QCheckBox>("Check1")->isEnabled());
    EXPECT_FALSE(job_.Repeat);
}

TEST_F(FaceCopyWindowTest, TooLongCuttingLengthThenChoosing384) {
    Open();
    Click("swThreadDir1");
    Click("MaxFace0");
    Retype(CutLength(), QStringLiteral("30"));
    EXPECT_EQ(messages_.log, Strings{"Face copy error|Too long cutting length !!|2"});
    EXPECT_EQ(CutLength()->text(), QString());
    EXPECT_FALSE(Ok()->isEnabled());
    // The conditions of "3", typed on the way to "30", stay on display.
    EXPECT_EQ(Conditions(), QStringList({" 2", "150", "0.02"}));
    Click("MaxFace1");
    EXPECT_EQ(Conditions(), QStringList({" 8", "375", "0.08"}));
    EXPECT_EQ(CutLength()->text(), QString());
    EXPECT_FALSE(Ok()->isEnabled());
    EXPECT_EQ(messages_.log.size(), 1u);
}

TEST_F(FaceCopyWindowTest, CheckBoxesEnableTheirLengthsAndTooLongChamfersAreRefused) {
    Open();
    Click("swThreadDir1");
    Retype(CutLength(), QStringLiteral("20"));
    Click("Check1");
    EXPECT_TRUE(Find("Text1")->isEnabled() && !Greyed("Text1"));
    EXPECT_FALSE(Find("Text2")->isEnabled());
    QTest::keyClicks(Find("Text1"), QStringLiteral("15"));
    Click("Check2");
    QTest::keyClicks(Find("Text2"), QStringLiteral("15"));
    QTest::mouseClick(Ok(), Qt::LeftButton);

    EXPECT_EQ(messages_.log, Strings{"Face copy error|Too long chamfer length !!|2"});
    EXPECT_TRUE(dialog_->isVisible());
    EXPECT_TRUE(host_.calls.empty());
    EXPECT_FALSE(Find<QProgressBar>("ProgressBar1")->isVisible());
    EXPECT_EQ(dialog_->cursor().shape(), Qt::ArrowCursor);
    EXPECT_EQ(job_.ThreadDir, 0);

    Retype(Find("Text2"), QStringLiteral("1"));
    QTest::mouseClick(Ok(), Qt::LeftButton);
    EXPECT_FALSE(dialog_->isVisible());
    EXPECT_FALSE(host_.modeB.empty());
}

TEST_F(FaceCopyWindowTest, OkPutsModeBIntoThePaneClosesAndDrawsBothGraphs) {
    Open();
    Click("swThreadDir1");
    Retype(CutLength(), QStringLiteral("20"));
    QTest::mouseClick(Ok(), Qt::LeftButton);
    EXPECT_EQ(host_.calls, (Strings{"SetModeBText (dialog shown, progress 333/333)",
                                    "DrawModeAGraph (closed)", "DrawModeBGraph (closed)"}));
    EXPECT_EQ(testing_support::LineCount(host_.modeB), 5 + 333 * 362 + 1);
    EXPECT_TRUE(
        host_.modeB.starts_with("CAM4\r\nU\r\n0\r\nM\r\n 333\r\nE 1\r\n360/ 0/0\r\n 0\r\n"));
    EXPECT_NE(host_.modeB.find("\r\nE 2\r\n360/ 600/0\r\n"), std::string::npos);
    EXPECT_TRUE(host_.modeB.ends_with("\r\nEND\r\n"));
    EXPECT_EQ(job_.ThreadDir, 1);
    EXPECT_EQ(job_.SavedCutLength, 20.0);
    EXPECT_FALSE(host_.picture2.LinesIn(kCurveYellow).empty());
    EXPECT_EQ(host_.picture2.OpsOf(SurfaceOp::Kind::SetPointer).back().pointer,
              PointerShape::CrossHair);
}

TEST_F(FaceCopyWindowTest, LargestJobAdvancesTheProgressOncePerFace) {
    job_.MaxFaceNumber = "2828";
    job_.CutLength = 424.19; // the longest that 2828 faces take
    Open();
    Click("swThreadDir1");
    EXPECT_EQ(Conditions(), QStringList({" 15", "2828", "0.1499"}));
    QTest::mouseClick(Ok(), Qt::LeftButton);
    EXPECT_EQ(host_.calls.at(0), "SetModeBText (dialog shown, progress 2828/2828)");
    EXPECT_NE(host_.modeB.find("\r\nM\r\n 2828\r\n"), std::string::npos);
}

TEST_F(FaceCopyWindowTest, EnterInCuttingLengthGoesToOkAndInAChamferLengthDoesNothing) {
    Open();
    Retype(CutLength(), QStringLiteral("20"));
    QTest::keyClick(CutLength(), Qt::Key_Return);
    EXPECT_EQ(dialog_->focusWidget(), Ok());
    Click("Check1");
    Find("Text1")->setFocus();
    QTest::keyClick(Find("Text1"), Qt::Key_Return);
    EXPECT_EQ(dialog_->focusWidget(), Find("Text1"));
    EXPECT_TRUE(dialog_->isVisible());
    EXPECT_TRUE(host_.calls.empty());
}

TEST_F(FaceCopyWindowTest, CancelAndEscapePutBackTheCuttingLengthOfTheLastOk) {
    job_.CutLength = 12;
    job_.SavedCutLength = 12;
    for (const bool escape : {false, true}) {
        Open();
        EXPECT_EQ(CutLength()->text(), QStringLiteral("12"));
        EXPECT_TRUE(Ok()->isEnabled());
        Retype(CutLength(), QStringLiteral("20"));
        Click("MaxFace0");
        EXPECT_EQ(job_.CutLength, 20.0);
        if (escape) {
            QTest::keyClick(CutLength(), Qt::Key_Escape);
        } else {
            QTest::mouseClick(Find<QPushButton>("Command2"), Qt::LeftButton);
            EXPECT_EQ(host_.calls, Strings{"ReGraphic_Click (closed)"});
        }
        EXPECT_FALSE(dialog_->isVisible());
        EXPECT_EQ(job_.CutLength, 12.0);
        EXPECT_EQ(job_.MaxFaceNumber, "192");
    }
}

TEST_F(FaceCopyWindowTest, FromTheMainWindowOkFillsTheModeBPaneAndDrawsBothGraphs) {
    QTemporaryDir dir;
    const auto window = test::OpenWindow(job_, dir.filePath("s.ini"), DefaultDialogHooks());
    window->SetModeAText("Mode-A\r\n");
    window->findChild<QAction*>(QStringLiteral("mnuFaceCopy"))->trigger();
    dialog_ = test::FindDialog<FaceCopy>();
    ASSERT_NE(dialog_, nullptr);
    Retype(CutLength(), QStringLiteral("20"));
    QTest::mouseClick(Ok(), Qt::LeftButton);
    EXPECT_EQ(test::FindDialog<FaceCopy>(), nullptr);
    EXPECT_EQ(window->txtDataB().LineCount(), 5u + 333u * 362u + 1u + 1u);
    EXPECT_EQ(window->Picture2().Picture().pixelColor(2, 2), QColor(8, 0, 0));
    EXPECT_EQ(window->Picture2().cursor().shape(), Qt::CrossCursor);
    EXPECT_EQ(window->Picture1().Picture().pixelColor(2, 2), QColor(8, 0, 0));
    EXPECT_TRUE(messages_.log.empty());
}

} // namespace
} // namespace spirolan
