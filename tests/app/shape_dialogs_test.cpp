// Shape dialogs: opening from menu and toolbar, typing the reference grooves, the hand-over,
// "Data error ", the Enter chains, the WD field and Cancel, all with events on real widgets.
#include "data_input1.h"
#include "data_input2.h"
#include "data_input3.h"
#include "dialog_test_support.h"
#include "graph_style.h"
#include "number_text.h"
#include "shape1.h"
#include "shape2.h"
#include "shape3.h"
#include "test_support.h"

#include <QClipboard>
#include <QComboBox>
#include <QGroupBox>
#include <QGuiApplication>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>
#include <QTest>

#include <gtest/gtest.h>

#include <ostream>
#include <utility>

namespace spirolan {
namespace {

using test::FindDialog;
using test::Lines;
using test::MessageBoxWatcher;
using test::RecordingHost;
using test::Retype;

using Typed = std::vector<std::pair<const char*, const char*>>;

// One shape: how its dialog is reached, what it shows, a reference groove and lines it gives.
struct ShapeCase {
    const char* name;
    const char* menuEntry;
    const char* toolbarKey;
    const char* caption;
    std::vector<const char*> fields; // label captions in the dialog's order
    std::vector<const char*> enterChain;
    std::vector<const char*> leadEntries;
    Typed groove;
    const char* lead;
    bool external;
    std::vector<std::pair<int, const char*>> dataLines; // data line index, its text
    const char* handOverPointer;                        // the ShowModeBInactive call logged
};

void PrintTo(const ShapeCase& c, std::ostream* os) {
    *os << c.name;
}

const ShapeCase kShape1{
    "Shape1",
    "mnuSquare",
    "Square",
    "Shape 1 data input",
    {"Nose-R", "PITCH", "WIDTH", "Diameter 1", "Diameter 2", "Angle 1", "Angle 2", "R 1", "R 2",
     "R 3", "R 4", "Calculate for width. WD", "Spindle speed for G", "Start XS vale"},
    {"Nose-R", "PITCH", "WIDTH", "Diameter 1", "Diameter 2", "Angle 1", "Angle 2", "R 1", "R 2",
     "R 3", "R 4", "Calculate for width. WD", "Spindle speed for G"},
    {"3", "2", "1"},
    {{"Nose-R", "0.2"},
     {"PITCH", "3.6"},
     {"WIDTH", "0.5"},
     {"Diameter 1", "10"},
     {"Diameter 2", "8.8"},
     {"Angle 1", "60"},
     {"Angle 2", "60"},
     {"R 1", "0.3"},
     {"R 2", "0.4"},
     {"R 3", "0.4"},
     {"R 4", "0.3"},
     {"Spindle speed for G", "1000"},
     {"Start XS vale", "0"}},
    "1",
    true,
    {{0, " 0"}, {1, "-1"}, {2, "-4"}, {76, "-6000"}, {125, "-6000"}, {201, " 0"}, {359, " 0"}},
    "ShowModeBInactive(normal pointer)",
};

const ShapeCase kShape2{
    "Shape2",
    "mnuBall",
    "Ball",
    "Shape 2 data input",
    {"Nose-R", "PITCH", "Diameter 1", "Diameter 2", "R 1", "R 2"},
    {"Nose-R", "PITCH", "Diameter 1", "Diameter 2", "R 1", "R 2"},
    {"2", "1"},
    {{"Nose-R", "0.2"},
     {"PITCH", "2"},
     {"Diameter 1", "10"},
     {"Diameter 2", "9"},
     {"R 1", "0.3"},
     {"R 2", "0.6"}},
    "1",
    true,
    {{0, " 0"}, {146, "-5000"}, {359, " 0"}},
    "ShowModeBInactive",
};

const ShapeCase kShape3{
    "Shape3",
    "mnuShape3",
    "Shape3",
    "Shape 3 data input",
    {"Nose-R", "PITCH", "WIDTH", "Diameter 1", "Diameter 2", "Angle 1", "R 1", "R 2"},
    {"Nose-R", "PITCH", "WIDTH", "Diameter 1", "Diameter 2", "Angle 1", "R 1", "R 2"},
    {"2", "1"},
    {{"Nose-R", "0.2"},
     {"PITCH", "3.6"},
     {"WIDTH", "1"},
     {"Diameter 1", "10"},
     {"Diameter 2", "8.8"},
     {"Angle 1", "60"},
     {"R 1", "0.4"},
     {"R 2", "1"}},
    "1",
    true,
    {{0, "-6000"}, {1, "-5997"}, {108, " 3260"}, {250, "-6000"}, {359, "-6000"}},
    "ShowModeBInactive(normal pointer)",
};

const ShapeCase kShapes[] = {kShape1, kShape2, kShape3};

// Header lines before the data lines of a Mode-A text.
constexpr int kModeAHeaderLines = 7;

ShapeDialog* OpenShape(const ShapeCase& c, CamJob& job, DialogHost& host) {
    if (c.toolbarKey == std::string("Square")) {
        return OpenDataInput1(job, host);
    }
    if (c.toolbarKey == std::string("Ball")) {
        return OpenDataInput2(job, host);
    }
    return OpenDataInput3(job, host);
}

// Types the groove, chooses the lead entry by its key and the cutting position by the mouse.
void TypeGroove(ShapeDialog& dialog, const Typed& groove, const char* lead, bool external) {
    for (const auto& [caption, text] : groove) {
        Retype(dialog.Field(caption), QString::fromLatin1(text));
    }
    // By the arrow keys: typing the entry would join the keys of a quick earlier choice.
    QComboBox* list = dialog.LeadList();
    list->setFocus();
    QTest::keyClick(list, Qt::Key_Home);
    for (int i = 0; i < list->findText(QString::fromLatin1(lead)); ++i) {
        QTest::keyClick(list, Qt::Key_Down);
    }
    test::ClickIndicator(external ? dialog.ExternalChoice() : dialog.InternalChoice());
}

std::vector<std::string> FieldCaptions(const ShapeDialog& dialog) {
    std::vector<std::string> captions;
    for (const auto* label : dialog.findChildren<QLabel*>()) {
        if (qobject_cast<QLineEdit*>(label->buddy()) != nullptr) {
            EXPECT_EQ(label->buddy()->objectName(), label->text());
            captions.push_back(label->text().toStdString());
        }
    }
    return captions;
}

std::vector<std::string> Texts(const std::vector<const char*>& texts) {
    return {texts.begin(), texts.end()};
}

int CountPixels(const QImage& image, QColor color) {
    int count = 0;
    for (int y = 0; y < image.height(); ++y) {
        for (int x = 0; x < image.width(); ++x) {
            count += image.pixelColor(x, y) == color ? 1 : 0;
        }
    }
    return count;
}

using DialogTest = test::DialogFixture;

struct RouteCase {
    const char* name;
    const ShapeCase* shape;
    bool toolbar;
};

void PrintTo(const RouteCase& c, std::ostream* os) {
    *os << c.name;
}

class ShapeFromMainWindowTest : public DialogTest, public testing::WithParamInterface<RouteCase> {};

TEST_P(ShapeFromMainWindowTest, ReferenceGrooveReachesPaneGraphAndLeavesStatusBar) {
    const ShapeCase& c = *GetParam().shape;
    test::TempFolder folder;
    const auto window = test::OpenWindow(job_, folder.SettingsPath(), DefaultDialogHooks());
    window->SetModeBText("old Mode-B text\r\n");
    window->sbStatusBar().SetText(QStringLiteral("before"));
    if (GetParam().toolbar) {
        QTest::mouseClick(window->tbToolBar().widgetForAction(
                              window->ToolbarAction(QString::fromLatin1(c.toolbarKey))),
                          Qt::LeftButton);
    } else {
        window->findChild<QAction*>(QString::fromLatin1(c.menuEntry))->trigger();
    }
    auto* dialog = FindDialog<ShapeDialog>();
    ASSERT_NE(dialog, nullptr);
    EXPECT_EQ(dialog->windowTitle(), QString::fromLatin1(c.caption));
    EXPECT_EQ(dialog->windowModality(), Qt::ApplicationModal);
    EXPECT_EQ(FieldCaptions(*dialog), Texts(c.fields));
    std::vector<std::string> entries;
    for (int i = 0; i < dialog->LeadList()->count(); ++i) {
        entries.push_back(dialog->LeadList()->itemText(i).toStdString());
    }
    EXPECT_EQ(entries, Texts(c.leadEntries));
    EXPECT_EQ(dialog->ExternalChoice()->text(), QStringLiteral("External"));
    EXPECT_EQ(dialog->InternalChoice()->text(), QStringLiteral("Internal"));
    EXPECT_EQ(dialog->findChild<QGroupBox*>()->title(), QStringLiteral("Cutting Position"));
    EXPECT_EQ(dialog->OkButton()->text(), QStringLiteral("O  K"));
    EXPECT_EQ(dialog->CancelButton()->text(), QStringLiteral("Cancel"));

    TypeGroove(*dialog, c.groove, c.lead, c.external);
    QTest::mouseClick(dialog->OkButton(), Qt::LeftButton);

    EXPECT_TRUE(messages_.Boxes().empty());
    EXPECT_EQ(FindDialog<ShapeDialog>(), nullptr);
    const auto lines = Lines(window->txtDataA().Text());
    ASSERT_EQ(lines.size(), 368u);
    EXPECT_EQ(lines[4], "1");
    EXPECT_EQ(lines[5], "E1");
    EXPECT_EQ(lines.back(), "END");
    for (const auto& [index, text] : c.dataLines) {
        EXPECT_EQ(lines[kModeAHeaderLines + index], text) << "data line " << index;
    }
    EXPECT_TRUE(window->txtDataB().IsEmpty());
    const QImage graphA = window->Picture1().Picture();
    EXPECT_EQ(graphA.pixelColor(2, 2), QColor(8, 0, 0));
    EXPECT_GT(CountPixels(graphA, QColor(255, 255, 15)), 100);
    EXPECT_EQ(window->Picture2().Picture().pixelColor(2, 2),
              window->Picture2().palette().color(QPalette::Button));
    EXPECT_EQ(window->sbStatusBar().Text(), QStringLiteral("before"));
}

INSTANTIATE_TEST_SUITE_P(Routes, ShapeFromMainWindowTest,
                         testing::Values(RouteCase{"Shape1Menu", &kShape1, false},
                                         RouteCase{"Shape1Toolbar", &kShape1, true},
                                         RouteCase{"Shape2Menu", &kShape2, false},
                                         RouteCase{"Shape2Toolbar", &kShape2, true},
                                         RouteCase{"Shape3Menu", &kShape3, false},
                                         RouteCase{"Shape3Toolbar", &kShape3, true}),
                         [](const testing::TestParamInfo<RouteCase>& info) {
                             return std::string(info.param.name);
                         });

class ShapeDialogTest : public DialogTest, public testing::WithParamInterface<ShapeCase> {
protected:
    ShapeDialog* Open() {
        host_.probe = [] { return FindDialog<ShapeDialog>() ? "(dialog shown)" : "(closed)"; };
        return OpenShape(GetParam(), job_, host_);
    }
    RecordingHost host_{job_};
};

TEST_P(ShapeDialogTest, HandOverInOrderAndTheRecordedModeAGraph) {
    ShapeDialog* dialog = Open();
    TypeGroove(*dialog, GetParam().groove, GetParam().lead, GetParam().external);
    QTest::mouseClick(dialog->OkButton(), Qt::LeftButton);

    const std::vector<std::string> expected = {
        "SetModeAText (dialog shown)", "SetModeBText(empty) (closed)",
        std::string(GetParam().handOverPointer) + " (closed)", "DrawModeAGraph (closed)"};
    EXPECT_EQ(host_.calls, expected);
    EXPECT_TRUE(host_.modeB.empty());
    // The yellow curve follows the table: segment i runs from (i, -XS[i]) to (i + 1, -XS[i + 1]).
    const auto curve = host_.picture1.LinesIn(kCurveYellow);
    ASSERT_EQ(curve.size(), 360u);
    for (int i : {0, 1, 100, 359}) {
        EXPECT_FLOAT_EQ(curve[i].x1, static_cast<float>(i));
        EXPECT_FLOAT_EQ(curve[i].y1, static_cast<float>(-ValueOf(job_.XSTable[i])));
        EXPECT_FLOAT_EQ(curve[i].y2, static_cast<float>(-ValueOf(job_.XSTable[i + 1])));
    }
    EXPECT_EQ(host_.picture1.OpsOf(SurfaceOp::Kind::SetPointer).back().pointer,
              PointerShape::CrossHair);
}

TEST_P(ShapeDialogTest, EnterMovesAlongTheChainToOkWithoutPressingIt) {
    ShapeDialog* dialog = Open();
    const auto& chain = GetParam().enterChain;
    for (std::size_t i = 0; i < chain.size(); ++i) {
        QLineEdit* field = dialog->Field(chain[i]);
        field->setFocus();
        // Both Enter keys, the main one and the keypad's.
        QTest::keyClick(field, i % 2 == 0 ? Qt::Key_Return : Qt::Key_Enter);
        QWidget* next = i + 1 < chain.size() ? static_cast<QWidget*>(dialog->Field(chain[i + 1]))
                                             : dialog->OkButton();
        EXPECT_EQ(dialog->focusWidget(), next) << "Enter in " << chain[i];
    }
    EXPECT_TRUE(dialog->isVisible());
    EXPECT_TRUE(host_.calls.empty());

    // Every other key reaches the field: nothing is filtered.
    QLineEdit* first = dialog->Field(chain.front());
    Retype(first, QStringLiteral("a,b 1"));
    EXPECT_EQ(first->text(), QStringLiteral("a,b 1"));

    // Enter on the focused OK presses it, as a button with the focus does (here the empty job
    // cannot be generated).
    dialog->OkButton()->setFocus();
    QTest::keyClick(dialog->OkButton(), Qt::Key_Return);
    ASSERT_EQ(messages_.Boxes().size(), 1u);
    EXPECT_EQ(messages_.Boxes()[0].Text, QStringLiteral("Data error "));
}

TEST_P(ShapeDialogTest, PrefilledFromTheJob) {
    job_.NoseR = 0.25;
    job_.Pitch = 1.0 / 3;
    job_.Diameter1 = 12;
    job_.Angle1 = 45;
    job_.R1 = 0.125;
    job_.R4 = 0.5;
    job_.Shape3Width = 2;
    job_.SpindleSpeed = 800;
    job_.StartXS = 0.1f;
    job_.LeadCount = 2;
    job_.CutPosition = GetParam().toolbarKey == std::string("Shape3") ? -1 : 1;
    ShapeDialog* dialog = Open();
    Typed expected;
    int lead = -1;
    bool external = false;
    const auto collect = [&](const auto& input, const auto& fields) {
        for (const auto& field : fields) {
            expected.emplace_back(field.Caption.data(), (input.*(field.Text)).c_str());
        }
        lead = input.LeadIndex;
        external = input.External;
    };
    const Shape1Input one = PrefillShape1(job_);
    const Shape2Input two = PrefillShape2(job_);
    const Shape3Input three = PrefillShape3(job_);
    if (GetParam().toolbarKey == std::string("Square")) {
        collect(one, kShape1TextFields);
    } else if (GetParam().toolbarKey == std::string("Ball")) {
        collect(two, kShape2TextFields);
    } else {
        collect(three, kShape3TextFields);
    }
    for (const auto& [caption, text] : expected) {
        EXPECT_EQ(dialog->Field(caption)->text(), QString::fromStdString(text)) << caption;
    }
    EXPECT_EQ(dialog->LeadList()->currentIndex(), lead);
    EXPECT_EQ(dialog->LeadList()->currentText(), QStringLiteral("2"));
    EXPECT_TRUE(external);
    EXPECT_EQ(dialog->ExternalChoice()->isChecked(), external);
}

TEST_P(ShapeDialogTest, CancelClosesThenRedrawsAndLeavesTheJob) {
    job_.NoseR = 0.5;
    ShapeDialog* dialog = Open();
    Retype(dialog->Field("Nose-R"), QStringLiteral("9"));
    QTest::mouseClick(dialog->CancelButton(), Qt::LeftButton);
    EXPECT_EQ(host_.calls, std::vector<std::string>{"ReGraphic_Click (closed)"});
    EXPECT_EQ(job_.NoseR, 0.5);
    EXPECT_EQ(host_.modeA, "(Mode-A text before)");
}

INSTANTIATE_TEST_SUITE_P(Shapes, ShapeDialogTest, testing::ValuesIn(kShapes),
                         [](const testing::TestParamInfo<ShapeCase>& info) {
                             return std::string(info.param.name);
                         });

// A groove that the generator refuses, typed over the reference groove.
struct FailureCase {
    const char* name;
    const ShapeCase* shape;
    Typed changes;
    const char* lead;
};

void PrintTo(const FailureCase& c, std::ostream* os) {
    *os << c.name;
}

class DataErrorTest : public DialogTest, public testing::WithParamInterface<FailureCase> {};

TEST_P(DataErrorTest, MessageThenTheDialogStaysWithWhatWasTyped) {
    const FailureCase& c = GetParam();
    RecordingHost host(job_);
    ShapeDialog* dialog = OpenShape(*c.shape, job_, host);
    TypeGroove(*dialog, c.shape->groove, c.lead, c.shape->external);
    for (const auto& [caption, text] : c.changes) {
        Retype(dialog->Field(caption), QString::fromLatin1(text));
    }
    QTest::mouseClick(dialog->OkButton(), Qt::LeftButton);

    ASSERT_EQ(messages_.Boxes().size(), 1u);
    EXPECT_EQ(messages_.Boxes()[0].Caption, QStringLiteral("Error"));
    EXPECT_EQ(messages_.Boxes()[0].Text, QStringLiteral("Data error "));
    EXPECT_EQ(messages_.Boxes()[0].Icon, QMessageBox::Warning);
    EXPECT_TRUE(dialog->isVisible());
    EXPECT_TRUE(host.calls.empty());
    for (const auto& [caption, text] : c.shape->groove) {
        QString shown = QString::fromLatin1(text);
        for (const auto& [changed, to] : c.changes) {
            if (std::string(changed) == caption) {
                shown = QString::fromLatin1(to);
            }
        }
        EXPECT_EQ(dialog->Field(caption)->text(), shown) << caption;
    }
    EXPECT_EQ(dialog->LeadList()->currentText(), QString::fromLatin1(c.lead));

    // Corrected, the same dialog generates.
    TypeGroove(*dialog, c.shape->groove, c.shape->lead, c.shape->external);
    QTest::mouseClick(dialog->OkButton(), Qt::LeftButton);
    EXPECT_EQ(messages_.Boxes().size(), 1u);
    EXPECT_FALSE(dialog->isVisible());
    ASSERT_FALSE(host.calls.empty());
    EXPECT_EQ(host.calls.front(), "SetModeAText");
}

INSTANTIATE_TEST_SUITE_P(
    Refusals, DataErrorTest,
    testing::Values(FailureCase{"Shape1AngleZero", &kShape1, {{"Angle 1", "0"}}, "1"},
                    FailureCase{"Shape1GrooveLongerThanThreeLeads", &kShape1, {}, "3"},
                    FailureCase{"Shape1Overflow", &kShape1, {{"Diameter 1", "1E400"}}, "1"},
                    FailureCase{"Shape2NoRadii", &kShape2, {{"R 1", ""}, {"R 2", "0"}}, "1"},
                    FailureCase{"Shape3SideRadiusEqualsDepth",
                                &kShape3,
                                {{"Diameter 2", "9"}, {"R 2", "0.5"}},
                                "1"},
                    FailureCase{"Shape3DepthAboveTwiceSideRadius",
                                &kShape3,
                                {{"Diameter 2", "9"}, {"R 2", "0.2"}},
                                "1"}),
    [](const testing::TestParamInfo<FailureCase>& info) { return std::string(info.param.name); });

TEST_F(DialogTest, NoLeadEntryLeftByThreeLeadsIsADataError) {
    job_.LeadCount = 3;
    RecordingHost host(job_);
    ShapeDialog* dialog = OpenShape(kShape2, job_, host);
    EXPECT_EQ(dialog->LeadList()->currentIndex(), -1);
    QTest::mouseClick(dialog->OkButton(), Qt::LeftButton);
    ASSERT_EQ(messages_.Boxes().size(), 1u);
    EXPECT_EQ(messages_.Boxes()[0].Text, QStringLiteral("Data error "));
    EXPECT_TRUE(dialog->isVisible());
}

TEST_F(DialogTest, EnterInStartXSDoesNothing) {
    RecordingHost host(job_);
    ShapeDialog* dialog = OpenShape(kShape1, job_, host);
    TypeGroove(*dialog, kShape1.groove, kShape1.lead, kShape1.external);
    QLineEdit* startXS = dialog->Field("Start XS vale");
    startXS->setFocus();
    QTest::keyClick(startXS, Qt::Key_Return);
    QTest::keyClick(startXS, Qt::Key_Enter);
    EXPECT_EQ(dialog->focusWidget(), startXS);
    EXPECT_TRUE(dialog->isVisible());
    EXPECT_TRUE(host.calls.empty());
    EXPECT_TRUE(messages_.Boxes().empty());
}

struct WDCase {
    const char* name;
    Typed dialog;   // texts typed before WD
    const char* wd; // typed into WD key by key, or pasted in one edit
    bool pasted;
    const char* width;
};

void PrintTo(const WDCase& c, std::ostream* os) {
    *os << c.name;
}

class WDTest : public DialogTest, public testing::WithParamInterface<WDCase> {};

TEST_P(WDTest, EveryEditRewritesWidthFromTheDialog) {
    RecordingHost host(job_);
    ShapeDialog* dialog = OpenShape(kShape1, job_, host);
    Retype(dialog->Field("WIDTH"), QStringLiteral("kept"));
    for (const auto& [caption, text] : GetParam().dialog) {
        Retype(dialog->Field(caption), QString::fromLatin1(text));
    }
    QLineEdit* wd = dialog->Field("Calculate for width. WD");
    if (GetParam().pasted) {
        QGuiApplication::clipboard()->setText(QString::fromLatin1(GetParam().wd));
        QTest::keyClick(wd, Qt::Key_V, Qt::ControlModifier);
        ASSERT_EQ(wd->text(), QString::fromLatin1(GetParam().wd));
    } else {
        Retype(wd, QString::fromLatin1(GetParam().wd));
    }
    EXPECT_EQ(dialog->Field("WIDTH")->text(), QString::fromLatin1(GetParam().width));
}

INSTANTIATE_TEST_SUITE_P(
    Widths, WDTest,
    testing::Values(WDCase{"NoRadii", {{"R 2", "0"}, {"R 3", "0"}}, "2", false, "2.000"},
                    WDCase{"LastKeyCounts", {{"R 2", ""}, {"R 3", ""}}, "2.5", false, "2.500"},
                    WDCase{"CornerRadiiTaken",
                           {{"Angle 1", "90"}, {"Angle 2", "90"}, {"R 2", "0.4"}, {"R 3", "0.4"}},
                           "2",
                           false,
                           "1.200"},
                    WDCase{"PastedOverflowLeavesWidth", {}, "1E400", true, "kept"},
                    WDCase{"PastedNumber", {{"R 2", "0"}}, "3.25", true, "3.250"}),
    [](const testing::TestParamInfo<WDCase>& info) { return std::string(info.param.name); });

TEST_F(DialogTest, WDDoesNotTouchTheJobAndCancelKeepsIt) {
    job_.Width = 0.7;
    RecordingHost host(job_);
    ShapeDialog* dialog = OpenShape(kShape1, job_, host);
    Retype(dialog->Field("Calculate for width. WD"), QStringLiteral("3"));
    const QString width = dialog->Field("WIDTH")->text();
    EXPECT_NE(width, QStringLiteral("0.7"));
    // Emptying WD leaves WIDTH as it was.
    Retype(dialog->Field("Calculate for width. WD"), QString());
    EXPECT_EQ(dialog->Field("WIDTH")->text(), width);
    QTest::mouseClick(dialog->CancelButton(), Qt::LeftButton);
    EXPECT_EQ(job_.Width, 0.7);
}

} // namespace
} // namespace spirolan
