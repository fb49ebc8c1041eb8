// Feed calculation window: empty inputs, the table through the real dialog, the Enter chain and
// Cancel.
#include "feed_calculation.h"
#include "test_support.h"

#include <QLabel>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTest>

#include <gtest/gtest.h>

#include <ostream>

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
    template <typename W = QLineEdit> W* Find(const char* name) const {
        return dialog_->findChild<W*>(QString::fromLatin1(name));
    }
    QString Result() const { return Find<QPlainTextEdit>("Text3")->toPlainText(); }

    test::RecordingHost host_{job_};
    FeedCalculation* dialog_ = nullptr;
};

TEST_F(FeedCalculationTest, OpensEmptyWithTheResultBoxLeftOfTheInputs) {
    Open();
    EXPECT_EQ(dialog_->windowTitle(), QStringLiteral("Feed calculation"));
    EXPECT_EQ(dialog_->windowModality(), Qt::ApplicationModal);
    EXPECT_TRUE(Find("Text1")->text().isEmpty() && Find("Text2")->text().isEmpty());
    EXPECT_EQ(Result(), QString());
    EXPECT_EQ(Find<QPlainTextEdit>("Text3")->verticalScrollBarPolicy(), Qt::ScrollBarAlwaysOn);
    EXPECT_LT(Find<QPlainTextEdit>("Text3")->geometry().right(), Find("Text1")->geometry().left());
    QStringList texts;
    for (const auto* label : dialog_->findChildren<QLabel*>()) {
        texts.push_back(label->text());
    }
    texts << Find<QPushButton>("Command1")->text() << Find<QPushButton>("Command2")->text();
    EXPECT_EQ(texts, QStringList({"PITCH", "FEED", "Calculation", "Cancel"}));
}

struct FeedCase {
    const char* name;
    const char* pitch;
    const char* feed;
    int lines;             // after the header
    QStringList contained; // whole lines among them
};

class FeedTableTest : public FeedCalculationTest, public testing::WithParamInterface<FeedCase> {};

// Each press replaces the list; every line, the last too, ends with a line break.
TEST_P(FeedTableTest, CalculationListsThePairs) {
    Open();
    QTest::keyClicks(Find("Text1"), QString::fromLatin1(GetParam().pitch));
    QTest::keyClicks(Find("Text2"), QString::fromLatin1(GetParam().feed));
    QTest::mouseClick(Find<QPushButton>("Command1"), Qt::LeftButton);
    QTest::mouseClick(Find<QPushButton>("Command1"), Qt::LeftButton);
    QStringList lines = Result().split(QLatin1Char('\n'));
    EXPECT_EQ(lines.takeFirst(), QStringLiteral("PITCH    FEED     No."));
    EXPECT_EQ(lines.takeLast(), QString());
    EXPECT_EQ(lines.size(), GetParam().lines);
    for (const QString& line : GetParam().contained) {
        EXPECT_TRUE(lines.contains(line)) << line.toStdString();
    }
    EXPECT_TRUE(dialog_->isVisible());
    EXPECT_TRUE(host_.calls.empty());
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

TEST_F(FeedCalculationTest, EnterChainEndsOnCalculationWithoutPressingIt) {
    Open();
    QTest::keyClicks(Find("Text1"), QStringLiteral("2"));
    Find("Text1")->setFocus();
    QTest::keyClick(Find("Text1"), Qt::Key_Return);
    EXPECT_EQ(dialog_->focusWidget(), Find("Text2"));
    QTest::keyClicks(Find("Text2"), QStringLiteral("0.3"));
    QTest::keyClick(Find("Text2"), Qt::Key_Enter);
    EXPECT_EQ(dialog_->focusWidget(), Find<QPushButton>("Command1"));
    EXPECT_EQ(Result(), QString());
    QTest::keyClick(Find<QPushButton>("Command1"), Qt::Key_Return); // presses the focused button
    EXPECT_EQ(Result().count(QLatin1Char('\n')), 6);
}

TEST_F(FeedCalculationTest, CancelClosesThenRedrawsAndTheMenuOpensItEmptyAgain) {
    Open();
    QTest::keyClicks(Find("Text1"), QStringLiteral("2"));
    QTest::mouseClick(Find<QPushButton>("Command2"), Qt::LeftButton);
    EXPECT_EQ(host_.calls, std::vector<std::string>{"ReGraphic_Click (closed)"});
    EXPECT_EQ(test::FindDialog<FeedCalculation>(), nullptr);

    QTemporaryDir dir;
    const auto window = test::OpenWindow(job_, dir.filePath("s.ini"), DefaultDialogHooks());
    for (int opening = 0; opening < 2; ++opening) {
        window->findChild<QAction*>(QStringLiteral("mnuFeed"))->trigger();
        dialog_ = test::FindDialog<FeedCalculation>();
        ASSERT_NE(dialog_, nullptr);
        EXPECT_EQ(Find("Text1")->text(), QString());
        QTest::keyClicks(Find("Text1"), QStringLiteral("2"));
        dialog_->close();
    }
}

} // namespace
} // namespace spirolan
