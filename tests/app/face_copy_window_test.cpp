// Face Copy window: its fields and states, the copy conditions, the refusals and OK, driven by
// events on the real dialog.
#include "dialog_test_support.h"
#include "face_copy_window.h"
#include "graph_style.h"
#include "shape1.h"
#include "shape_fixtures.h"

#include <QCheckBox>
#include <QGroupBox>
#include <QLabel>
#include <QPointer>
#include <QProgressBar>
#include <QPushButton>
#include <QRadioButton>
#include <QTest>

#include <gtest/gtest.h>

#include <algorithm>
#include <ostream>

namespace spirolan {
namespace {

using test::ClickIndicator;
using test::FindDialog;
using test::Lines;
using test::RecordingHost;
using test::Retype;

// Mode-A data of the Shape 1 reference groove: pitch 3.6, one lead.
void GenerateReferenceGroove(CamJob& job) {
    ASSERT_TRUE(GenerateShape1(testing_support::ReferenceGroove(), job).Ok());
}

class FaceCopyWindowTest : public test::DialogFixture {
protected:
    void SetUp() override { GenerateReferenceGroove(job_); }

    FaceCopy* Open() {
        dialog_ = OpenFaceCopy(job_, host_);
        host_.probe = [dialog = QPointer<FaceCopy>(dialog_)] {
            if (dialog == nullptr || !dialog->isVisible()) {
                return std::string("(closed)");
            }
            const auto* progress = dialog->findChild<QProgressBar*>("ProgressBar1");
            return "(dialog shown, progress " + std::to_string(progress->value()) + "/" +
                   std::to_string(progress->maximum()) + ")";
        };
        return dialog_;
    }
    template <typename W> W* Find(const char* name) const {
        W* widget = dialog_->findChild<W*>(QString::fromLatin1(name));
        EXPECT_NE(widget, nullptr) << name;
        return widget;
    }
    QString Shown(const char* name) const { return Find<QLabel>(name)->text(); }
    QLineEdit* CutLength() const { return Find<QLineEdit>("txtCutLength"); }
    QPushButton* Ok() const { return Find<QPushButton>("Command1"); }
    void Click(const char* name) const { ClickIndicator(Find<QAbstractButton>(name)); }
    // The conditions on display: shift angle, copy number, Z-axis pitch.
    std::vector<QString> Conditions() const {
        return {Shown("AnglePitch"), Shown("txtCopyNumber"), Shown("txtZaxisPitch")};
    }
    bool Greyed(const char* name) const {
        const QLineEdit* edit = Find<QLineEdit>(name);
        return edit->palette().color(QPalette::Base) ==
               QApplication::palette(edit).color(QPalette::Button);
    }
    std::vector<std::string> Checked() const {
        std::vector<std::string> names;
        for (const auto* button : dialog_->findChildren<QAbstractButton*>()) {
            if (button->isChecked()) {
                names.push_back(button->objectName().toStdString());
            }
        }
        std::sort(names.begin(), names.end());
        return names;
    }

    RecordingHost host_{job_};
    FaceCopy* dialog_ = nullptr;
};

TEST_F(FaceCopyWindowTest, FirstOpeningAfterStartUp) {
    ASSERT_NE(Open(), nullptr);
    EXPECT_EQ(dialog_->windowTitle(), QStringLiteral("Face Copy"));
    EXPECT_EQ(dialog_->windowModality(), Qt::ApplicationModal);
    std::vector<QString> groups;
    for (const auto* group : dialog_->findChildren<QGroupBox*>()) {
        groups.push_back(group->title());
    }
    std::sort(groups.begin(), groups.end());
    EXPECT_EQ(groups, (std::vector<QString>{"Chamfer", "Copy Condition", "Max. number of face",
                                            "Repeat function", "Thread direction"}));
    std::vector<QString> labels;
    for (const auto* label : dialog_->findChildren<QLabel*>()) {
        if (label->objectName().isEmpty()) {
            labels.push_back(label->text());
        }
    }
    std::sort(labels.begin(), labels.end());
    EXPECT_EQ(labels,
              (std::vector<QString>{"Copy number", "Cutting length", "Length", "Shift angle",
                                    "Spec. of Orvl", "Thread Pitch", "Z-axis pitch"}));
    const std::vector<std::pair<const char*, const char*>> captions = {
        {"MaxFace0", "192"},  {"MaxFace1", "384"},           {"MaxFace2", "768"},
        {"MaxFace3", "2828"}, {"swThreadDir0", "Left hand"}, {"swThreadDir1", "Right hand"},
        {"swRepeat0", "ON"},  {"swRepeat1", "OFF"},          {"Check1", "Enter"},
        {"Check2", "Exit"},   {"Command1", "O  K"},          {"Command2", "Cancel"}};
    for (const auto& [name, caption] : captions) {
        EXPECT_EQ(Find<QAbstractButton>(name)->text(), QString::fromLatin1(caption)) << name;
    }

    // The default settings: 384 faces, repeat OFF, left hand; derived from no cutting length.
    EXPECT_EQ(Checked(), (std::vector<std::string>{"MaxFace1", "swRepeat1", "swThreadDir0"}));
    EXPECT_EQ(CutLength()->text(), QString());
    EXPECT_FALSE(CutLength()->isReadOnly());
    EXPECT_FALSE(Greyed("txtCutLength"));
    EXPECT_FALSE(Ok()->isEnabled());
    EXPECT_EQ(Conditions(), (std::vector<QString>{"-1", "0", ""}));
    EXPECT_EQ(Shown("LabelPitch"), QStringLiteral(" 3.6"));
    for (const char* box : {"Text1", "Text2"}) {
        EXPECT_FALSE(Find<QLineEdit>(box)->isEnabled()) << box;
        EXPECT_TRUE(Greyed(box)) << box;
        EXPECT_EQ(Find<QLineEdit>(box)->text(), QString()) << box;
    }
    EXPECT_TRUE(Find<QCheckBox>("Check1")->isEnabled());
    EXPECT_FALSE(Find<QProgressBar>("ProgressBar1")->isVisible());
    EXPECT_TRUE(messages_.Boxes().empty());
}

struct DerivationCase {
    const char* name;
    const char* maxFace;
    const char* threadDir;
    const char* length; // typed key by key
    std::vector<QString> conditions;
};

void PrintTo(const DerivationCase& c, std::ostream* os) {
    *os << c.name;
}

class DerivationTest : public FaceCopyWindowTest,
                       public testing::WithParamInterface<DerivationCase> {};

TEST_P(DerivationTest, TypedLengthGivesTheConditionsAndEnablesOk) {
    Open();
    Click(GetParam().maxFace);
    Click(GetParam().threadDir);
    Retype(CutLength(), QString::fromLatin1(GetParam().length));
    EXPECT_EQ(Conditions(), GetParam().conditions);
    EXPECT_TRUE(Ok()->isEnabled());
    EXPECT_TRUE(messages_.Boxes().empty());
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
    [](const testing::TestParamInfo<DerivationCase>& info) {
        return std::string(info.param.name);
    });

TEST_F(FaceCopyWindowTest, RepeatOnWithPitch36ThenOff) {
    Open();
    Click("swThreadDir1");
    Click("swRepeat0");
    EXPECT_EQ(CutLength()->text(), QStringLiteral(" 3.6"));
    EXPECT_TRUE(CutLength()->isReadOnly());
    EXPECT_TRUE(Greyed("txtCutLength"));
    EXPECT_EQ(Conditions(), (std::vector<QString>{" 1", "360", "0.01"}));
    EXPECT_TRUE(Ok()->isEnabled());
    EXPECT_EQ(dialog_->focusWidget(), Ok()); // the mouse-up over "ON"
    EXPECT_FALSE(Find<QCheckBox>("Check1")->isEnabled());
    EXPECT_FALSE(Find<QCheckBox>("Check2")->isEnabled());
    EXPECT_TRUE(Greyed("Text1"));
    EXPECT_TRUE(job_.Repeat);

    // The locked box takes no typing.
    QTest::keyClicks(CutLength(), QStringLiteral("9"));
    EXPECT_EQ(CutLength()->text(), QStringLiteral(" 3.6"));

    Click("MaxFace0");
    EXPECT_EQ(Conditions(), (std::vector<QString>{" 2", "180", "0.02"}));

    Click("swRepeat1");
    EXPECT_EQ(CutLength()->text(), QString());
    EXPECT_FALSE(CutLength()->isReadOnly());
    EXPECT_FALSE(Greyed("txtCutLength"));
    EXPECT_FALSE(Ok()->isEnabled());
    EXPECT_EQ(dialog_->focusWidget(), CutLength()); // the mouse-up over "OFF"
    EXPECT_TRUE(Find<QCheckBox>("Check1")->isEnabled());
    EXPECT_FALSE(job_.Repeat);
}

TEST_F(FaceCopyWindowTest, TooLongCuttingLengthThenChoosing384) {
    Open();
    Click("swThreadDir1");
    Click("MaxFace0");
    Retype(CutLength(), QStringLiteral("30"));
    ASSERT_EQ(messages_.Boxes().size(), 1u);
    EXPECT_EQ(messages_.Boxes()[0].Caption, QStringLiteral("Face copy error"));
    EXPECT_EQ(messages_.Boxes()[0].Text, QStringLiteral("Too long cutting length !!"));
    EXPECT_EQ(messages_.Boxes()[0].Icon, QMessageBox::Warning);
    EXPECT_EQ(CutLength()->text(), QString());
    EXPECT_FALSE(Ok()->isEnabled());
    // The conditions of "3", typed on the way to "30", stay on display.
    EXPECT_EQ(Conditions(), (std::vector<QString>{" 2", "150", "0.02"}));

    Click("MaxFace1");
    EXPECT_EQ(Conditions(), (std::vector<QString>{" 8", "375", "0.08"}));
    EXPECT_EQ(CutLength()->text(), QString());
    EXPECT_FALSE(Ok()->isEnabled());
    EXPECT_EQ(messages_.Boxes().size(), 1u);
}

TEST_F(FaceCopyWindowTest, CheckBoxesEnableTheirLengthBoxes) {
    Open();
    Click("Check1");
    EXPECT_TRUE(Find<QLineEdit>("Text1")->isEnabled());
    EXPECT_FALSE(Greyed("Text1"));
    EXPECT_FALSE(Find<QLineEdit>("Text2")->isEnabled());
    QTest::keyClicks(Find<QLineEdit>("Text1"), QStringLiteral("1.5"));
    EXPECT_EQ(Find<QLineEdit>("Text1")->text(), QStringLiteral("1.5"));
    Click("Check1");
    EXPECT_FALSE(Find<QLineEdit>("Text1")->isEnabled());
    EXPECT_TRUE(Greyed("Text1"));
    Click("Check2");
    EXPECT_TRUE(Find<QLineEdit>("Text2")->isEnabled());
}

TEST_F(FaceCopyWindowTest, ChamferRefusalKeepsTheDialogOpen) {
    Open();
    Click("swThreadDir1");
    Retype(CutLength(), QStringLiteral("20"));
    Click("Check1");
    QTest::keyClicks(Find<QLineEdit>("Text1"), QStringLiteral("15"));
    Click("Check2");
    QTest::keyClicks(Find<QLineEdit>("Text2"), QStringLiteral("15"));
    QTest::mouseClick(Ok(), Qt::LeftButton);

    ASSERT_EQ(messages_.Boxes().size(), 1u);
    EXPECT_EQ(messages_.Boxes()[0].Caption, QStringLiteral("Face copy error"));
    EXPECT_EQ(messages_.Boxes()[0].Text, QStringLiteral("Too long chamfer length !!"));
    EXPECT_TRUE(dialog_->isVisible());
    EXPECT_TRUE(host_.calls.empty());
    EXPECT_EQ(host_.modeB, "(Mode-B text before)");
    EXPECT_FALSE(Find<QProgressBar>("ProgressBar1")->isVisible());
    EXPECT_EQ(dialog_->cursor().shape(), Qt::ArrowCursor);
    EXPECT_EQ(job_.ThreadDir, 0);

    // Shorter chamfers go through.
    Retype(Find<QLineEdit>("Text2"), QStringLiteral("1"));
    QTest::mouseClick(Ok(), Qt::LeftButton);
    EXPECT_FALSE(dialog_->isVisible());
    EXPECT_EQ(Lines(host_.modeB)[5], "E1");
}

TEST_F(FaceCopyWindowTest, OkPutsModeBIntoThePaneClosesAndDrawsBothGraphs) {
    Open();
    Click("swThreadDir1");
    Retype(CutLength(), QStringLiteral("20"));
    QTest::mouseClick(Ok(), Qt::LeftButton);

    const std::vector<std::string> expected = {"SetModeBText (dialog shown, progress 333/333)",
                                               "DrawModeAGraph (closed)",
                                               "DrawModeBGraph (closed)"};
    EXPECT_EQ(host_.calls, expected);
    const auto lines = Lines(host_.modeB);
    ASSERT_EQ(lines.size(), 5u + 333u * 362u + 1u);
    const std::vector<std::string> head(lines.begin(), lines.begin() + 8);
    EXPECT_EQ(head,
              (std::vector<std::string>{"CAM4", "U", "0", "M", " 333", "E 1", "360/ 0/0", " 0"}));
    EXPECT_EQ(lines[5 + 362], "E 2");
    EXPECT_EQ(lines[5 + 362 + 1], "360/ 600/0");
    EXPECT_EQ(lines.back(), "END");
    EXPECT_EQ(job_.ThreadDir, 1);
    EXPECT_EQ(job_.SavedCutLength, 20.0);
    EXPECT_FALSE(host_.picture2.LinesIn(kCurveYellow).empty());
    EXPECT_EQ(host_.picture2.OpsOf(SurfaceOp::Kind::SetPointer).back().pointer,
              PointerShape::CrossHair);
    EXPECT_TRUE(messages_.Boxes().empty());
}

TEST_F(FaceCopyWindowTest, LargestJobAdvancesTheProgressOncePerFace) {
    // The longest cutting length that 2828 faces take.
    job_.MaxFaceNumber = "2828";
    job_.CutLength = 424.19;
    Open();
    Click("swThreadDir1");
    EXPECT_EQ(Conditions(), (std::vector<QString>{" 15", "2828", "0.1499"}));
    QTest::mouseClick(Ok(), Qt::LeftButton);
    ASSERT_FALSE(host_.calls.empty());
    EXPECT_EQ(host_.calls.front(), "SetModeBText (dialog shown, progress 2828/2828)");
    EXPECT_EQ(Lines(host_.modeB)[4], " 2828");
}

TEST_F(FaceCopyWindowTest, EnterInCuttingLengthGoesToOkWithoutPressingIt) {
    Open();
    Retype(CutLength(), QStringLiteral("20"));
    CutLength()->setFocus();
    QTest::keyClick(CutLength(), Qt::Key_Return);
    EXPECT_EQ(dialog_->focusWidget(), Ok());
    EXPECT_TRUE(dialog_->isVisible());
    EXPECT_TRUE(host_.calls.empty());

    // Enter in a chamfer length box does nothing at all.
    Click("Check1");
    QLineEdit* text1 = Find<QLineEdit>("Text1");
    text1->setFocus();
    QTest::keyClick(text1, Qt::Key_Return);
    EXPECT_EQ(dialog_->focusWidget(), text1);
    EXPECT_TRUE(host_.calls.empty());
}

TEST_F(FaceCopyWindowTest, CancelPutsBackTheCuttingLengthOfTheLastOkThenRedraws) {
    job_.CutLength = 12;
    job_.SavedCutLength = 12;
    Open();
    EXPECT_EQ(CutLength()->text(), QStringLiteral("12"));
    EXPECT_TRUE(Ok()->isEnabled());
    Retype(CutLength(), QStringLiteral("20"));
    Click("MaxFace0");
    EXPECT_EQ(job_.CutLength, 20.0);
    QTest::mouseClick(Find<QPushButton>("Command2"), Qt::LeftButton);
    EXPECT_EQ(host_.calls, std::vector<std::string>{"ReGraphic_Click (closed)"});
    EXPECT_EQ(job_.CutLength, 12.0);
    EXPECT_EQ(job_.MaxFaceNumber, "192");
}

TEST_F(FaceCopyWindowTest, EscapeAlsoPutsBackTheCuttingLength) {
    job_.SavedCutLength = 12;
    Open();
    Retype(CutLength(), QStringLiteral("20"));
    QTest::keyClick(CutLength(), Qt::Key_Escape);
    EXPECT_FALSE(dialog_->isVisible());
    EXPECT_EQ(job_.CutLength, 12.0);
}

TEST_F(FaceCopyWindowTest, WithoutModeADataOnlyTheMessage) {
    CamJob empty;
    RecordingHost host(empty);
    EXPECT_EQ(OpenFaceCopy(empty, host), nullptr);
    ASSERT_EQ(messages_.Boxes().size(), 1u);
    EXPECT_EQ(messages_.Boxes()[0].Caption, QStringLiteral("Face copy error"));
    EXPECT_EQ(messages_.Boxes()[0].Text, QStringLiteral("Please input Mode A data."));
    EXPECT_EQ(FindDialog<FaceCopy>(), nullptr);
}

struct MainRoute {
    const char* name;
    bool toolbar;
};

void PrintTo(const MainRoute& c, std::ostream* os) {
    *os << c.name;
}

class FaceCopyFromMainWindowTest : public test::DialogFixture,
                                   public testing::WithParamInterface<MainRoute> {
protected:
    void Command(frmMain& window) const {
        if (GetParam().toolbar) {
            QTest::mouseClick(window.tbToolBar().widgetForAction(window.ToolbarAction("FaceCopy")),
                              Qt::LeftButton);
        } else {
            window.findChild<QAction*>(QStringLiteral("mnuFaceCopy"))->trigger();
        }
    }
};

TEST_P(FaceCopyFromMainWindowTest, RefusedWithoutModeADataThenBuildsModeB) {
    test::TempFolder folder;
    const auto window = test::OpenWindow(job_, folder.SettingsPath(), DefaultDialogHooks());
    Command(*window);
    ASSERT_EQ(messages_.Boxes().size(), 1u);
    EXPECT_EQ(messages_.Boxes()[0].Text, QStringLiteral("Please input Mode A data."));
    EXPECT_EQ(FindDialog<FaceCopy>(), nullptr);

    GenerateReferenceGroove(job_);
    window->SetModeAText("Mode-A\r\n");
    Command(*window);
    auto* dialog = FindDialog<FaceCopy>();
    ASSERT_NE(dialog, nullptr);
    ClickIndicator(dialog->findChild<QAbstractButton*>("swThreadDir1"));
    Retype(dialog->findChild<QLineEdit*>("txtCutLength"), QStringLiteral("20"));
    QTest::mouseClick(dialog->findChild<QPushButton*>("Command1"), Qt::LeftButton);

    EXPECT_EQ(FindDialog<FaceCopy>(), nullptr);
    EXPECT_EQ(window->txtDataB().LineCount(), 5u + 333u * 362u + 1u + 1u);
    EXPECT_EQ(window->Picture2().Picture().pixelColor(2, 2), QColor(8, 0, 0));
    EXPECT_EQ(window->Picture2().cursor().shape(), Qt::CrossCursor);
    EXPECT_EQ(window->Picture1().Picture().pixelColor(2, 2), QColor(8, 0, 0));
    EXPECT_EQ(messages_.Boxes().size(), 1u);
}

INSTANTIATE_TEST_SUITE_P(Routes, FaceCopyFromMainWindowTest,
                         testing::Values(MainRoute{"Menu", false}, MainRoute{"Toolbar", true}),
                         [](const testing::TestParamInfo<MainRoute>& info) {
                             return std::string(info.param.name);
                         });

} // namespace
} // namespace spirolan
