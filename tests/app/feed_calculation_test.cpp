// Feed calculation window: empty inputs, the table, the Enter chain and Cancel, by events.
#include "app/windows/feed_calculation.h"
#include "tests/app/test_support.h"

#include <QLabel>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTest>
#include <QWindow>

#include <gtest/gtest.h>

namespace spirolan {
namespace {

using test::PrintTo;

class FeedCalculationTest : public test::DialogFixture {
protected:
    void Open() {
        dialog_ = OpenFeedCalculation(host_);
        host_.probe = [] {
            return test::FindDialog<FeedCalculation>() ? "(dialog shown)" : "(closed)";
        };
    }
    QLineEdit* Text(const char* name) const { return dialog_->findChild<QLineEdit*>(name); }
    QPushButton* Button(const char* name) const { return dialog_->findChild<QPushButton*>(name); }
    QPlainTextEdit* Result() const { return dialog_->findChild<QPlainTextEdit*>("Text3"); }

    test::RecordingHost host_{job_};
    FeedCalculation* dialog_ = nullptr;
};

// Enter in PITCH and in FEED ends on "Calculation" without pressing it; Enter there presses it.
TEST_F(FeedCalculationTest, OpensEmptyAndTheEnterChainEndsOnCalculation) {
    Open();
    EXPECT_EQ(dialog_->windowModality(), Qt::ApplicationModal);
    QStringList texts{dialog_->windowTitle()};
    for (const auto* label : dialog_->findChildren<QLabel*>()) {
        texts << label->text();
    }
    texts << Button("Command1")->text() << Button("Command2")->text() << Text("Text1")->text()
          << Text("Text2")->text() << Result()->toPlainText();
    EXPECT_EQ(texts.join('|'), "Feed calculation|PITCH|FEED|Calculation|Cancel|||");
    EXPECT_EQ(Result()->verticalScrollBarPolicy(), Qt::ScrollBarAlwaysOn);
    EXPECT_LT(Result()->geometry().right(), Text("Text1")->geometry().left());

    QTest::keyClicks(Text("Text1"), QStringLiteral("2"));
    QTest::keyClick(Text("Text1"), Qt::Key_Return);
    EXPECT_EQ(dialog_->focusWidget(), Text("Text2"));
    QTest::keyClicks(Text("Text2"), QStringLiteral("0.3"));
    QTest::keyClick(Text("Text2"), Qt::Key_Enter);
    EXPECT_EQ(dialog_->focusWidget(), Button("Command1"));
    EXPECT_EQ(Result()->toPlainText(), QString());
    QTest::keyClick(Button("Command1"), Qt::Key_Return);
    EXPECT_EQ(Result()->toPlainText().count('\n'), 6);
}

struct FeedCase {
    const char *name, *pitch, *feed;
    int lines;             // after the header
    QStringList contained; // whole lines among them
};

class FeedTableTest : public FeedCalculationTest, public testing::WithParamInterface<FeedCase> {};

// Each press replaces the list; every line, the last too, ends with a line break.
TEST_P(FeedTableTest, CalculationListsThePairs) {
    Open();
    QTest::keyClicks(Text("Text1"), GetParam().pitch);
    QTest::keyClicks(Text("Text2"), GetParam().feed);
    QTest::mouseClick(Button("Command1"), Qt::LeftButton);
    QTest::mouseClick(Button("Command1"), Qt::LeftButton);
    QStringList lines = Result()->toPlainText().split('\n');
    EXPECT_EQ(lines.takeFirst(), QStringLiteral("PITCH    FEED     No."));
    EXPECT_EQ(lines.takeLast(), QString());
    EXPECT_EQ(lines.size(), GetParam().lines);
    for (const QString& line : GetParam().contained) {
        EXPECT_TRUE(lines.contains(line)) << line.toStdString();
    }
    EXPECT_TRUE(dialog_->isVisible() && host_.calls.empty());
}

const QStringList kPitch2Feed03 = {"1.995  \t0.285  \t8", "1.998  \t0.333  \t6", "2  \t0.25  \t8",
                                   "2.002  \t0.286  \t7", "2.004  \t0.334  \t6"};

INSTANTIATE_TEST_SUITE_P(
    Inputs, FeedTableTest,
    testing::Values(
        FeedCase{"Pitch2Feed03", "2", "0.3", 5, kPitch2Feed03},
        FeedCase{"Pitch15Feed05",
                 "1.5",
                 "0.5",
                 3,
                 {"1.497  \t0.499  \t3", "1.5  \t0.5  \t3", "1.503  \t0.501  \t3"}},
        FeedCase{"LenientReading", "2mm", " 0 .3", 5, kPitch2Feed03},
        FeedCase{"EmptyPitchIsZero", "", "0.3", 100, {"0  \t0.25  \t1"}},
        // Feeds from -0.05 to 0.05, with the drift of repeated addition, skip those near 0.
        FeedCase{"EmptyFeedSkipsFeedsNearZero",
                 "2",
                 "",
                 105,
                 {"2  \t0.00100000000000003  \t2000", "2  \t-0.000999999999999965  \t-2000"}},
        FeedCase{"OverflowingPitchListsNothing", "1E400", "0.3", 0, {}}),
    test::kRowName);

// The focus opens in PITCH; Tab follows Enter to "Calculation", which shows it is next.
TEST_F(FeedCalculationTest, OpensInPitchAndTabFollowsEnter) {
    Open();
    QApplication::processEvents(); // the window becomes active
    QStringList tour;
    for (int i = 0; i < 5; ++i) {
        tour << QApplication::focusWidget()->objectName();
        QTest::keyClick(dialog_->windowHandle(), Qt::Key_Tab);
    }
    EXPECT_EQ(tour, QStringList({"Text1", "Text2", "Command1", "Command2", "Text3"}));
    QTest::mouseClick(Text("Text2"), Qt::LeftButton);
    QTest::keyClick(Text("Text2"), Qt::Key_Return);
    EXPECT_TRUE(Button("Command1")->isDefault());
}

// Cancel closes, then redraws; the File menu opens the dialog empty every time.
TEST_F(FeedCalculationTest, CancelRedrawsAndTheMenuOpensItEmptyAgain) {
    Open();
    QTest::mouseClick(Button("Command2"), Qt::LeftButton);
    EXPECT_EQ(host_.calls, std::vector<std::string>{"ReGraphic_Click (closed)"});
    QTemporaryDir dir;
    const auto window = test::OpenWindow(job_, dir.filePath("s.ini"), DefaultDialogHooks());
    for (int opening = 0; opening < 2; ++opening) {
        window->findChild<QAction*>("mnuFeed")->trigger();
        dialog_ = test::FindDialog<FeedCalculation>();
        ASSERT_NE(dialog_, nullptr);
        EXPECT_EQ(Text("Text1")->text(), QString());
        QTest::keyClicks(Text("Text1"), QStringLiteral("2"));
        dialog_->close();
    }
}

} // namespace
} // namespace spirolan
