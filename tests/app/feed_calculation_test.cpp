// Feed calculation window: empty inputs, the table through the real dialog, the Enter chain and
// Cancel.
#include "dialog_test_support.h"
#include "feed_calculation.h"

#include <QLabel>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QScrollBar>
#include <QTest>

#include <gtest/gtest.h>

#include <ostream>

namespace spirolan {
namespace {

using test::FindDialog;
using test::RecordingHost;
using test::Retype;

class FeedCalculationTest : public test::DialogFixture {
protected:
    FeedCalculation* Open() {
        dialog_ = OpenFeedCalculation(host_);
        host_.probe = [] { return FindDialog<FeedCalculation>() ? "(dialog shown)" : "(closed)"; };
        return dialog_;
    }
    template <typename W> W* Find(const char* name) const {
        W* widget = dialog_->findChild<W*>(QString::fromLatin1(name));
        EXPECT_NE(widget, nullptr) << name;
        return widget;
    }
    QLineEdit* Pitch() const { return Find<QLineEdit>("Text1"); }
    QLineEdit* Feed() const { return Find<QLineEdit>("Text2"); }
    QPlainTextEdit* Result() const { return Find<QPlainTextEdit>("Text3"); }
    QPushButton* Calculation() const { return Find<QPushButton>("Command1"); }

    RecordingHost host_{job_};
    FeedCalculation* dialog_ = nullptr;
};

TEST_F(FeedCalculationTest, OpensEmptyWithTheResultBoxLeftOfTheInputs) {
    Open();
    EXPECT_EQ(dialog_->windowTitle(), QStringLiteral("Feed calculation"));
    EXPECT_EQ(dialog_->windowModality(), Qt::ApplicationModal);
    EXPECT_EQ(Pitch()->text(), QString());
    EXPECT_EQ(Feed()->text(), QString());
    EXPECT_EQ(Result()->toPlainText(), QString());
    EXPECT_EQ(Result()->verticalScrollBarPolicy(), Qt::ScrollBarAlwaysOn);
    EXPECT_LT(Result()->geometry().right(), Pitch()->geometry().left());
    EXPECT_EQ(Calculation()->text(), QStringLiteral("Calculation"));
    EXPECT_EQ(Find<QPushButton>("Command2")->text(), QStringLiteral("Cancel"));
    std::vector<QString> labels;
    for (const auto* label : dialog_->findChildren<QLabel*>()) {
        labels.push_back(label->text());
    }
    EXPECT_EQ(labels, (std::vector<QString>{"PITCH", "FEED"}));
}

struct FeedCase {
    const char* name;
    const char* pitch;
    const char* feed;
    std::vector<QString> lines; // after the header
};

void PrintTo(const FeedCase& c, std::ostream* os) {
    *os << c.name;
}

class FeedTableTest : public FeedCalculationTest, public testing::WithParamInterface<FeedCase> {};

TEST_P(FeedTableTest, CalculationListsThePairs) {
    Open();
    QTest::keyClicks(Pitch(), QString::fromLatin1(GetParam().pitch));
    QTest::keyClicks(Feed(), QString::fromLatin1(GetParam().feed));
    QTest::mouseClick(Calculation(), Qt::LeftButton);
    QStringList lines = Result()->toPlainText().split(QLatin1Char('\n'));
    ASSERT_FALSE(lines.isEmpty());
    EXPECT_EQ(lines.takeFirst(), QStringLiteral("PITCH    FEED     No."));
    EXPECT_EQ(lines.takeLast(), QString()); // the last line ends with a line break too
    EXPECT_EQ(std::vector<QString>(lines.begin(), lines.end()), GetParam().lines);
    EXPECT_TRUE(dialog_->isVisible());
    EXPECT_TRUE(host_.calls.empty());
}

INSTANTIATE_TEST_SUITE_P(
    Inputs, FeedTableTest,
    testing::Values(FeedCase{"Pitch2Feed03",
                             "2",
                             "0.3",
                             {"1.995  \t0.285  \t8", "1.998  \t0.333  \t6", "2  \t0.25  \t8",
                              "2.002  \t0.286  \t7", "2.004  \t0.334  \t6"}},
                    FeedCase{"Pitch15Feed05",
                             "1.5",
                             "0.5",
                             {"1.497  \t0.499  \t3", "1.5  \t0.5  \t3", "1.503  \t0.501  \t3"}},
                    FeedCase{"LenientReading",
                             "2mm",
                             " 0 .3",
                             {"1.995  \t0.285  \t8", "1.998  \t0.333  \t6", "2  \t0.25  \t8",
                              "2.002  \t0.286  \t7", "2.004  \t0.334  \t6"}},
                    FeedCase{"OverflowingPitchListsNothing", "1E400", "0.3", {}}),
    [](const testing::TestParamInfo<FeedCase>& info) { return std::string(info.param.name); });

TEST_F(FeedCalculationTest, EmptyPitchCountsAsZeroAndAnotherPressReplacesTheList) {
    Open();
    QTest::keyClicks(Feed(), QStringLiteral("0.3"));
    QTest::mouseClick(Calculation(), Qt::LeftButton);
    EXPECT_TRUE(Result()->toPlainText().contains(QStringLiteral("\n0  \t0.25  \t1\n")));
    const int zeroPitchLines = Result()->toPlainText().count(QLatin1Char('\n'));
    EXPECT_GT(zeroPitchLines, 50);

    QTest::keyClicks(Pitch(), QStringLiteral("2"));
    QTest::mouseClick(Calculation(), Qt::LeftButton);
    EXPECT_EQ(Result()->toPlainText().count(QLatin1Char('\n')), 6);
}

TEST_F(FeedCalculationTest, EmptyFeedSkipsTheFeedsThatRoundToZero) {
    Open();
    QTest::keyClicks(Pitch(), QStringLiteral("2"));
    QTest::mouseClick(Calculation(), Qt::LeftButton);
    const QString table = Result()->toPlainText();
    // The feeds run from -0.05 to 0.05 with the drift of repeated addition.
    EXPECT_TRUE(table.contains(QStringLiteral("\n2  \t0.00100000000000003  \t2000\n")));
    EXPECT_TRUE(table.contains(QStringLiteral("\n2  \t-0.000999999999999965  \t-2000\n")));
    EXPECT_EQ(table.count(QLatin1Char('\n')), 106);
    EXPECT_FALSE(table.contains(QStringLiteral("\t0  \t")));
}

TEST_F(FeedCalculationTest, EnterChainEndsOnCalculationWithoutPressingIt) {
    Open();
    QTest::keyClicks(Pitch(), QStringLiteral("2"));
    Pitch()->setFocus();
    QTest::keyClick(Pitch(), Qt::Key_Return);
    EXPECT_EQ(dialog_->focusWidget(), Feed());
    QTest::keyClicks(Feed(), QStringLiteral("0.3"));
    QTest::keyClick(Feed(), Qt::Key_Enter);
    EXPECT_EQ(dialog_->focusWidget(), Calculation());
    EXPECT_EQ(Result()->toPlainText(), QString());
    EXPECT_EQ(Feed()->text(), QStringLiteral("0.3"));

    // Enter on the focused button presses it.
    QTest::keyClick(Calculation(), Qt::Key_Return);
    EXPECT_EQ(Result()->toPlainText().count(QLatin1Char('\n')), 6);
}

TEST_F(FeedCalculationTest, CancelClosesThenRedraws) {
    Open();
    QTest::keyClicks(Pitch(), QStringLiteral("2"));
    QTest::mouseClick(Find<QPushButton>("Command2"), Qt::LeftButton);
    EXPECT_EQ(host_.calls, std::vector<std::string>{"ReGraphic_Click (closed)"});
    EXPECT_EQ(FindDialog<FeedCalculation>(), nullptr);
}

TEST_F(FeedCalculationTest, FromTheFileMenuAgainEmpty) {
    test::TempFolder folder;
    const auto window = test::OpenWindow(job_, folder.SettingsPath(), DefaultDialogHooks());
    window->findChild<QAction*>(QStringLiteral("mnuFeed"))->trigger();
    dialog_ = FindDialog<FeedCalculation>();
    ASSERT_NE(dialog_, nullptr);
    QTest::keyClicks(Pitch(), QStringLiteral("2"));
    dialog_->close();
    window->findChild<QAction*>(QStringLiteral("mnuFeed"))->trigger();
    dialog_ = FindDialog<FeedCalculation>();
    ASSERT_NE(dialog_, nullptr);
    EXPECT_EQ(Pitch()->text(), QString());
}

} // namespace
} // namespace spirolan
