// SPDX-License-Identifier: GPL-3.0-or-later
// Shape dialogs by events on real widgets: reference grooves, hand-over, refusals, Enter, WD.
#include "app/widgets/groove_drawing.h"
#include "app/windows/data_input1.h"
#include "app/windows/data_input2.h"
#include "app/windows/data_input3.h"
#include "tests/app/test_support.h"
#include "tests/support/golden_file.h"
#include "tests/support/shape_fixtures.h"

#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>
#include <QStyle>
#include <QStyleOptionFrame>
#include <QTemporaryDir>
#include <QTest>
#include <QWindow>

#include <gtest/gtest.h>

namespace spirolan {
namespace {

using test::FindDialog;
using test::PrintTo;
using test::Retype;
using Strings = std::vector<std::string>;

// A dialog's record: captions with texts, lead entry, External chosen.
struct Form {
    std::vector<std::pair<std::string, std::string>> texts;
    int lead = -1;
    bool external = false;
    friend bool operator==(const Form&, const Form&) = default;
};

template <typename Input, std::size_t N>
Form ToForm(const Input& input, const std::array<DialogTextField<Input>, N>& fields) {
    Form form{{}, input.LeadIndex, input.External};
    for (const auto& field : fields) {
        form.texts.emplace_back(field.Caption, input.*(field.Text));
    }
    return form;
}

struct ShapeCase {
    const char* name;
    const char* caption;
    const char* labels; // in the dialog's order, then the lead entries
    ShapeDialog* (*open)(CamJob&, DialogHost&);
    Form (*reference)();
    int prefilledLead; // the entry "2" for the job below
    bool prefilledExternal;
    const char* inactive; // the ShowModeBInactive call logged
};

const ShapeCase kShape1{
    "Shape1",
    "Shape 1 data input",
    "Nose-R|PITCH|WIDTH|Diameter 1|Diameter 2|Angle 1|Angle 2|R 1|R 2|R 3|R 4|Calculate for "
    "width. WD|Spindle speed for G|Start XS vale||3|2|1",
    [](CamJob& job, DialogHost& host) -> ShapeDialog* { return OpenDataInput1(job, host); },
    [] { return ToForm(testing_support::ReferenceGroove(), kShape1TextFields); },
    1,
    false,
    "ShowModeBInactive(normal pointer)"};

const ShapeCase kShape2{
    "Shape2",
    "Shape 2 data input",
    "Nose-R|PITCH|Diameter 1|Diameter 2|R 1|R 2||2|1",
    [](CamJob& job, DialogHost& host) -> ShapeDialog* { return OpenDataInput2(job, host); },
    [] { return ToForm(testing_support::ReferenceBall(), kShape2TextFields); },
    0,
    false,
    "ShowModeBInactive"};

const ShapeCase kShape3{
    "Shape3",
    "Shape 3 data input",
    "Nose-R|PITCH|WIDTH|Diameter 1|Diameter 2|Angle 1|R 1|R 2||2|1",
    [](CamJob& job, DialogHost& host) -> ShapeDialog* { return OpenDataInput3(job, host); },
    [] { return ToForm(testing_support::ReferenceShape3(), kShape3TextFields); },
    0,
    true,
    "ShowModeBInactive(normal pointer)"};

// Types the texts, picks the lead by arrow keys (typed keys could join) and the position.
void Type(ShapeDialog& dialog, const Form& form) {
    for (const auto& [caption, text] : form.texts) {
        Retype(dialog.Field(caption), QString::fromStdString(text));
    }
    for (int i = -1; i < form.lead; ++i) {
        QTest::keyClick(dialog.LeadList(), i < 0 ? Qt::Key_Home : Qt::Key_Down);
    }
    test::ClickIndicator(form.external ? dialog.ExternalChoice() : dialog.InternalChoice());
}

// What the dialog shows in the fields of `like`.
Form Shown(const ShapeDialog& dialog, const Form& like) {
    Form form{{}, dialog.LeadList()->currentIndex(), dialog.ExternalChoice()->isChecked()};
    for (const auto& field : like.texts) {
        form.texts.emplace_back(field.first, dialog.Field(field.first)->text().toStdString());
    }
    return form;
}

using ShapeFromMainWindowTest = test::DialogFixture;

// One shape end to end from its toolbar button: the pane gets the groove's text, the graph is
// drawn, Mode-B is emptied and shown inactive, the status bar keeps its text.
TEST_F(ShapeFromMainWindowTest, ReferenceBallReachesPaneAndGraphAndLeavesStatusBar) {
    QTemporaryDir dir;
    const auto window = test::OpenWindow(job_, dir.filePath("s.ini"), DefaultDialogHooks());
    window->SetModeBText("old Mode-B text\r\n");
    window->sbStatusBar().SetText(QStringLiteral("before"));
    QTest::mouseClick(window->tbToolBar().widgetForAction(window->ToolbarAction("Ball")),
                      Qt::LeftButton);
    auto* dialog = FindDialog<ShapeDialog>();
    ASSERT_NE(dialog, nullptr);
    EXPECT_EQ(dialog->windowTitle(), kShape2.caption);
    Type(*dialog, kShape2.reference());
    QTest::mouseClick(dialog->OkButton(), Qt::LeftButton);

    EXPECT_TRUE(messages_.log.empty());
    EXPECT_EQ(FindDialog<ShapeDialog>(), nullptr);
    // The pane's text is what the batch command saves for this ball, less the save's CR LF.
    EXPECT_EQ(testing_support::CheckGolden("cases/shape2_reference/mode-a.caf",
                                           window->txtDataA().Text() + "\r\n"),
              "");
    EXPECT_TRUE(window->txtDataB().IsEmpty());
    EXPECT_EQ(window->Picture1().Picture().pixelColor(2, 2), QColor(8, 0, 0));
    EXPECT_EQ(window->Picture2().Picture().pixelColor(2, 2),
              window->Picture2().palette().color(QPalette::Button));
    EXPECT_EQ(window->sbStatusBar().Text(), QStringLiteral("before"));
}

class ShapeDialogTest : public test::DialogFixture,
                        public testing::WithParamInterface<ShapeCase> {};

// The room a line edit has for its text, inside its frame and its own margin of 2 pixels a side.
int TextRoom(const QLineEdit* edit) {
    QStyleOptionFrame option;
    option.initFrom(edit);
    option.lineWidth = edit->style()->pixelMetric(QStyle::PM_DefaultFrameWidth, &option, edit);
    return edit->style()->subElementRect(QStyle::SE_LineEditContents, &option, edit).width() - 4;
}

// Texts and pre-fills shown from their start; the focus in the first field (a digit goes there,
// not into the lead list); Tab along the Enter chain; Enter to OK without pressing it (none in
// "Start XS vale"); "O  K" reached by Enter, or any focused button, takes Enter; hand-over order.
TEST_P(ShapeDialogTest, PrefilledFocusTabAndEnterChainThenTheHandOverInOrder) {
    job_.NoseR = -0.000123456789012345; // longer than any field
    job_.Pitch = -0.543396878417264;
    job_.LeadCount = 2;
    job_.CutPosition = -1;
    test::RecordingHost host(job_);
    host.probe = [] { return FindDialog<ShapeDialog>() ? "(dialog shown)" : "(closed)"; };
    ShapeDialog* dialog = GetParam().open(job_, host);
    QApplication::processEvents();
    EXPECT_EQ(dialog->windowTitle(), GetParam().caption);
    QStringList texts;
    for (const auto* label : dialog->findChildren<QLabel*>()) {
        if (qobject_cast<QLineEdit*>(label->buddy()) != nullptr) {
            EXPECT_EQ(label->buddy()->objectName(), label->text());
            texts << label->text();
        }
    }
    texts << QString();
    for (int i = 0; i < dialog->LeadList()->count(); ++i) {
        texts << dialog->LeadList()->itemText(i);
    }
    EXPECT_EQ(texts.join('|'), GetParam().labels);
    EXPECT_EQ(QStringList({dialog->findChild<QGroupBox*>()->title(),
                           dialog->ExternalChoice()->text(), dialog->InternalChoice()->text(),
                           dialog->OkButton()->text(), dialog->CancelButton()->text()})
                  .join('|'),
              "Cutting Position|External|Internal|O  K|Cancel");
    // Fifteen significant digits, no exponent; two leads; CutPosition -1 is Shape 3's External.
    EXPECT_EQ(dialog->Field("Nose-R")->text(), QStringLiteral("-0.000123456789012345"));
    EXPECT_EQ(dialog->Field("PITCH")->text(), QStringLiteral("-0.543396878417264"));
    EXPECT_EQ(dialog->Field("R 1")->text(), QString());
    EXPECT_EQ(dialog->LeadList()->currentIndex(), GetParam().prefilledLead);
    EXPECT_EQ(dialog->ExternalChoice()->isChecked(), GetParam().prefilledExternal);
    EXPECT_EQ(dialog->Field("Nose-R")->selectedText(), dialog->Field("Nose-R")->text());
    for (QLineEdit* field : dialog->findChildren<QLineEdit*>()) {
        EXPECT_EQ(field->cursorPosition(), 0) << field->objectName().toStdString();
    }
    // The groove's picture gives its dimensions in dark blue.
    const QImage picture = dialog->findChild<GrooveDrawing*>()->grab().toImage();
    int blue = 0;
    for (int y = 0; y < picture.height(); ++y) {
        for (int x = 0; x < picture.width(); ++x) {
            blue += picture.pixelColor(x, y) == QColor(0, 0, 170) ? 1 : 0;
        }
    }
    EXPECT_GT(blue, 0);
    QLineEdit* pitch = dialog->Field("PITCH");
    EXPECT_GE(TextRoom(pitch), pitch->fontMetrics().horizontalAdvance(pitch->text()));

    QWindow* window = dialog->windowHandle();
    EXPECT_EQ(QApplication::focusWidget(), dialog->Field("Nose-R"));
    QTest::keyClick(window, Qt::Key_7);
    EXPECT_EQ(dialog->Field("Nose-R")->text(), QStringLiteral("7"));
    EXPECT_EQ(dialog->LeadList()->currentText(), QStringLiteral("2"));
    QStringList chain = QString(GetParam().labels).section("||", 0, 0).split('|');
    if (chain.removeOne("Start XS vale")) {
        dialog->Field("Start XS vale")->setFocus();
        QTest::keyClick(dialog->Field("Start XS vale"), Qt::Key_Return);
        EXPECT_EQ(dialog->focusWidget(), dialog->Field("Start XS vale"));
        dialog->Field("Nose-R")->setFocus();
    }
    QStringList tour;
    for (qsizetype i = 0; i < chain.size(); ++i) {
        tour << QApplication::focusWidget()->objectName();
        QTest::keyClick(window, Qt::Key_Tab);
    }
    EXPECT_EQ(tour, chain);
    EXPECT_EQ(QApplication::focusWidget(), dialog->OkButton());
    QTest::keyClick(window, Qt::Key_Tab);
    EXPECT_EQ(QApplication::focusWidget(), dialog->CancelButton());
    EXPECT_TRUE(dialog->CancelButton()->isDefault());

    const QImage plain = dialog->OkButton()->grab().toImage();
    EXPECT_FALSE(dialog->OkButton()->isDefault());
    for (qsizetype i = 0; i < chain.size(); ++i) {
        QTest::keyClick(dialog->Field(chain[i].toStdString()),
                        i % 2 == 0 ? Qt::Key_Return : Qt::Key_Enter); // main and keypad
        QWidget* next = i + 1 < chain.size()
                            ? static_cast<QWidget*>(dialog->Field(chain[i + 1].toStdString()))
                            : dialog->OkButton();
        EXPECT_EQ(dialog->focusWidget(), next) << chain[i].toStdString();
    }
    EXPECT_TRUE(dialog->OkButton()->isDefault());
    EXPECT_NE(dialog->OkButton()->grab().toImage(), plain);
    EXPECT_TRUE(host.calls.empty());
    Retype(dialog->Field("Nose-R"), QStringLiteral("a,b 9")); // no key is filtered
    EXPECT_EQ(dialog->Field("Nose-R")->text(), QStringLiteral("a,b 9"));

    Type(*dialog, GetParam().reference());
    QTest::mouseClick(dialog->OkButton(), Qt::LeftButton);
    EXPECT_EQ(
        host.calls,
        (Strings{"SetModeAText (dialog shown)", "SetModeBText(empty) (closed)",
                 std::string(GetParam().inactive) + " (closed)", "DrawModeAGraph (closed)",
                 "RecordStep " + std::string(GetParam().caption).substr(0, 7) + " (closed)"}));
}

INSTANTIATE_TEST_SUITE_P(Shapes, ShapeDialogTest, testing::Values(kShape1, kShape2, kShape3),
                         test::kRowName);

using DataErrorTest = test::DialogFixture;

// A refusal: the message, then the dialog stays with what was typed; Cancel closes and redraws.
// With three leads stored the lead list shows no entry, which OK refuses.
TEST_F(DataErrorTest, MessageThenTheDialogStaysWithWhatWasTyped) {
    job_.LeadCount = 3;
    test::RecordingHost host(job_);
    ShapeDialog* dialog = kShape3.open(job_, host);
    Form typed = kShape3.reference();
    typed.lead = -1;
    Type(*dialog, typed);
    QTest::mouseClick(dialog->OkButton(), Qt::LeftButton);
    EXPECT_EQ(messages_.log, (Strings{"Error|Data error |2"}));
    EXPECT_TRUE(dialog->isVisible());
    EXPECT_EQ(Shown(*dialog, typed), typed);
    QTest::mouseClick(dialog->CancelButton(), Qt::LeftButton);
    EXPECT_EQ(host.calls, Strings{"ReGraphic_Click"});
    EXPECT_EQ(host.modeA, "(before)");
}

using WDTest = test::DialogFixture;

// Every edit of WD rewrites WIDTH from the dialog's texts; Cancel leaves the job.
TEST_F(WDTest, RewritesWidthAndCancelLeavesTheJob) {
    job_.Width = 0.7;
    test::RecordingHost host(job_);
    ShapeDialog* dialog = OpenDataInput1(job_, host);
    Retype(dialog->Field("R 2"), QStringLiteral("0"));
    Retype(dialog->Field("R 3"), QStringLiteral("0"));
    Retype(dialog->Field("Calculate for width. WD"), QStringLiteral("2"));
    EXPECT_EQ(dialog->Field("WIDTH")->text(), QStringLiteral("2.000"));
    QTest::mouseClick(dialog->CancelButton(), Qt::LeftButton);
    EXPECT_EQ(job_.Width, 0.7);
}

} // namespace
} // namespace spirolan
