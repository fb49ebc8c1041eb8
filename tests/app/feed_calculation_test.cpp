// SPDX-License-Identifier: GPL-3.0-or-later
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

class FeedCalculationTest : public test::DialogFixture {
protected:
    QLineEdit* Text(const char* name) const { return dialog_->findChild<QLineEdit*>(name); }
    QPushButton* Button(const char* name) const { return dialog_->findChild<QPushButton*>(name); }
    QPlainTextEdit* Result() const { return dialog_->findChild<QPlainTextEdit*>("Text3"); }

    test::RecordingHost host_{job_};
    FeedCalculation* dialog_ = nullptr;
};

// The focus opens in PITCH and Tab follows Enter; Enter in PITCH and in FEED ends on
// "Calculation", shown as the default, without pressing it; Enter there presses it.
TEST_F(FeedCalculationTest, OpensEmptyInPitchEnterEndsOnCalculationCancelRedraws) {
    dialog_ = OpenFeedCalculation(host_);
    host_.probe = [] {
        return test::FindDialog<FeedCalculation>() ? "(dialog shown)" : "(closed)";
    };
    QApplication::processEvents(); // the window becomes active
    QStringList tour;
    for (int i = 0; i < 5; ++i) {
        tour << QApplication::focusWidget()->objectName();
        QTest::keyClick(dialog_->windowHandle(), Qt::Key_Tab);
    }
    EXPECT_EQ(tour, QStringList({"Text1", "Text2", "Command1", "Command2", "Text3"}));
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
    QTest::keyClicks(Text("Text2"), QStringLiteral(" 0 .3"));
    QTest::keyClick(Text("Text2"), Qt::Key_Enter);
    EXPECT_EQ(dialog_->focusWidget(), Button("Command1"));
    EXPECT_TRUE(Button("Command1")->isDefault());
    EXPECT_EQ(Result()->toPlainText(), QString());
    // Each press replaces the list with the table.
    QTest::keyClick(Button("Command1"), Qt::Key_Return);
    QTest::mouseClick(Button("Command1"), Qt::LeftButton);
    // The batch command's table of these inputs, with the box's line ends.
    EXPECT_EQ(
        Result()->toPlainText(),
        QString::fromStdString(test::ReadBytes(test::TestData("cases/feed_worked_example/stdout")))
            .replace(QStringLiteral("\r\n"), "\n"));
    EXPECT_TRUE(dialog_->isVisible() && host_.calls.empty());

    // Cancel closes, then redraws; the File menu opens the dialog empty every time.
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
