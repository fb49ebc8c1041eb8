// SPDX-License-Identifier: GPL-3.0-or-later
// Main window by events: menus, toolbar, dispatch, status bar, hints, layout and redraw.
#include "app/windows/frm_main.h"
#include "tests/app/test_support.h"
#include "tests/support/golden_file.h"

#include <QBuffer>
#include <QDate>
#include <QLocale>
#include <QMenuBar>
#include <QPainter>
#include <QTemporaryDir>
#include <QTest>

#include <gtest/gtest.h>

namespace spirolan {
namespace {

using test::PrintTo;
using Log = std::vector<std::string>;

class MainWindowTest : public testing::Test {
protected:
    std::unique_ptr<frmMain> Open() {
        const auto note = [this](const char* name) {
            return
                [this, name](const DialogContext&) { log_.push_back(std::string("hook ") + name); };
        };
        return test::OpenWindow(job_, dir_.filePath("s.ini"),
                                {note("DataInput1"), note("DataInput2"), note("DataInput3"),
                                 note("FaceCopy"), note("FeedCalculation"), note("frmAbout"),
                                 note("StartOrvexa"), note("MachineLimits")});
    }
    QTemporaryDir dir_;
    CamJob job_;
    Log log_;
};

TEST_F(MainWindowTest, StatusBarPanelsAndPointerHints) {
    const auto window = Open();
    StatusPanels& status = window->sbStatusBar();
    EXPECT_EQ(QStringList({status.Panel(1).text(), status.Panel(2).text(), status.Panel(3).text(),
                           status.Panel(4).text()}),
              QStringList({"", "INS", "NUM",
                           QLocale().toString(QDate::currentDate(), QLocale::ShortFormat)}));
    EXPECT_FALSE(status.Panel(5).text().isEmpty());
    const bool insert = status.Panel(2).isEnabled();
    QTest::keyClick(window->windowHandle(), Qt::Key_Insert);
    EXPECT_NE(status.Panel(2).isEnabled(), insert);

    QTest::mouseMove(window->txtDataA().viewport(), QPoint(20, 20));
    EXPECT_EQ(status.Text(), QStringLiteral("Mode-A CAF file"));
    QTest::mouseMove(&window->Picture2(), QPoint(30, 30));
    EXPECT_EQ(status.Text(), QStringLiteral("Mode-B Graphic"));
    QTest::mouseClick(window->txtDataB().viewport(), Qt::LeftButton, {}, QPoint(15, 15));
    EXPECT_EQ(status.Text(), QStringLiteral("Mode-B CAF file"));
    QTest::mouseMove(&window->Picture1(), QPoint(30, 30));
    EXPECT_EQ(status.Text(), QStringLiteral("Mode-A Graphic"));
}

TEST_F(MainWindowTest, LaidOutByTheRuleInTwipsAndShortWindowsSkipNegativeHeights) {
    const auto window = Open();
    ASSERT_EQ(window->logicalDpiX(), 96);
    ASSERT_EQ(window->ClientArea().size(), QSize(800, 600));
    // Pixels for 12000 x 9000 twips, 15 twips to the pixel.
    const std::pair<const char*, QRect> places[] = {
        {"tbToolBar", {0, 0, 800, 40}},    {"sbStatusBar", {0, 582, 800, 18}},
        {"Line2", {0, 41, 800, 1}},        {"txtDataB", {1, 309, 160, 273}},
        {"Picture1", {163, 45, 635, 261}}, {"Picture4", {551, 2, 167, 35}},
        {"Picture3", {718, 2, 80, 35}},
    };
    for (const auto& [name, place] : places) {
        EXPECT_EQ(window->ClientArea().findChild<QWidget*>(name)->geometry(), place) << name;
    }
    // 70 pixels are 1050 twips: the upper row's height comes out negative, so it stays.
    window->resize(900, 70 + window->menuBar()->height());
    QApplication::processEvents();
    EXPECT_EQ(window->txtDataA().geometry(), QRect(1, 45, 160, 261));
    EXPECT_EQ(window->txtDataB().geometry(), QRect(1, 44, 180, 8));
}

// Every button shows its icon as reviewed. A click goes to whatever lies under the pointer: the
// boxes of the toolbar band never cover a button, at any width, and a 600 x 400 window runs every
// button's command; separators and keys of another case do nothing.
TEST_F(MainWindowTest, EveryToolbarButtonTakesItsClickAtEveryWidth) {
    job_.LeadPitch = 1.5;
    const auto window = Open();
    // The icons side by side, as the reviewed picture shows them.
    const QSize icon = window->tbToolBar().iconSize();
    QImage icons(icon.width() * window->tbToolBar().actions().size(), icon.height(),
                 QImage::Format_ARGB32);
    icons.fill(Qt::transparent);
    QPainter painter(&icons);
    for (QAction* action : window->tbToolBar().actions()) {
        painter.drawPixmap(icon.width() * window->tbToolBar().actions().indexOf(action), 0,
                           action->icon().pixmap(icon));
    }
    painter.end();
    QByteArray png;
    QBuffer buffer(&png);
    icons.save(&buffer, "PNG");
    EXPECT_EQ(testing_support::CheckGolden("app/golden/toolbar_icons.png", png.toStdString()), "");
    {
        test::MessageBoxWatcher boxes;
        for (const char* key : {"", "square", "Exit ", "saveA", "Orvl"}) {
            window->tbToolBar_ButtonClick(key);
        }
        for (QAction* action : window->tbToolBar().actions()) {
            if (action->isSeparator()) {
                QTest::mouseClick(window->tbToolBar().widgetForAction(action), Qt::LeftButton);
            }
        }
        EXPECT_TRUE(log_.empty() && boxes.log.empty());
    }
    QWidget& client = window->ClientArea();
    for (const int width : {300, 400, 500, 600, 705, 800, 1200}) {
        window->resize(width, window->height());
        QApplication::processEvents();
        for (QAction* action : window->tbToolBar().actions()) {
            QWidget* button = window->tbToolBar().widgetForAction(action);
            const QPoint centre = button->mapTo(&client, button->rect().center());
            EXPECT_EQ(client.childAt(centre), button)
                << width << " " << action->toolTip().toStdString();
        }
    }

    window->resize(600, 400 + window->menuBar()->height());
    QApplication::processEvents();
    ASSERT_EQ(client.size(), QSize(600, 400));
    window->SetModeAText(test::ReferenceModeA(job_));
    window->SetModeBText("CAM4\r\nEND\r\n");
    window->SetSaveFileChooser([this](QWidget*, const QString&) {
        log_.push_back("choose");
        return QString();
    });
    for (QAction* action : window->tbToolBar().actions()) {
        if (action->isSeparator()) {
            continue;
        }
        window->Picture1().ShowInactive();
        QWidget* button = window->tbToolBar().widgetForAction(action);
        QTest::mouseClick(window->windowHandle(), Qt::LeftButton, {},
                          button->mapTo(window.get(), button->rect().center()));
        if (window->Picture1().Picture().pixelColor(2, 2) == QColor(8, 0, 0)) {
            log_.push_back("redrawn");
        }
        if (!window->isVisible()) {
            log_.push_back("closed");
        }
    }
    EXPECT_EQ(log_, (Log{"hook DataInput1", "hook DataInput2", "hook DataInput3", "hook FaceCopy",
                         "choose", "choose", "redrawn", "hook StartOrvexa", "closed"}));
}

// While keys go out to Orvexa the user is shown to wait, until the outer of nested hand-offs ends;
// then the free text panel shows what it held. The real hand-off (here failing at once) does so.
TEST_F(MainWindowTest, HandoffShowsAWaitPointerAndItsStatusTextUntilItEnds) {
    const auto window = Open();
    StatusPanels& status = window->sbStatusBar();
    status.SetText(QStringLiteral("Mode-A Graphic"));
    window->ShowHandoffBusy(true);
    window->ShowHandoffBusy(true);
    window->ShowHandoffBusy(false);
    ASSERT_NE(QApplication::overrideCursor(), nullptr);
    EXPECT_EQ(QApplication::overrideCursor()->shape(), Qt::WaitCursor);
    EXPECT_EQ(status.currentMessage(), QStringLiteral("Sending keys to Orvexa ..."));
    EXPECT_FALSE(status.Panel(1).isVisible());
    window->ShowHandoffBusy(false);
    EXPECT_EQ(QApplication::overrideCursor(), nullptr);
    EXPECT_EQ(status.currentMessage(), QString());
    EXPECT_TRUE(status.Panel(1).isVisible());
    EXPECT_EQ(status.Text(), QStringLiteral("Mode-A Graphic"));

    const auto real = test::OpenWindow(job_, dir_.filePath("t.ini"), DefaultDialogHooks());
    QObject::connect(&real->sbStatusBar(), &QStatusBar::messageChanged,
                     [this](const QString& message) { log_.push_back(message.toStdString()); });
    test::MessageBoxWatcher boxes(QMessageBox::No);
    real->findChild<QAction*>("mnuOrvl")->trigger();
    EXPECT_EQ(log_, (Log{"Sending keys to Orvexa ...", ""}));
    EXPECT_EQ(boxes.log.size(), 1u);
    EXPECT_EQ(QApplication::overrideCursor(), nullptr);
}

TEST_F(MainWindowTest, RedrawDrawsOnlyTheGraphsWhosePanesHoldTextAlsoOnResize) {
    const std::string modeA = test::ReferenceModeA(job_);
    job_.SpindleSpeed = 1000;
    job_.CutLength = 10;
    job_.LeadPitch = 2;
    const auto window = Open();
    const QImage emptyA = window->Picture1().Picture().copy();
    window->SetModeBText("CAM4\r\nEND\r\n");
    window->ReGraphic_Click();
    EXPECT_EQ(window->Picture1().Picture(), emptyA);
    EXPECT_EQ(window->Picture2().Picture().pixelColor(2, 2), QColor(8, 0, 0));
    EXPECT_TRUE(window->Picture3().isVisible());
    EXPECT_EQ(window->Picture2().cursor().shape(), Qt::CrossCursor);

    window->SetModeAText(modeA);
    window->resize(1000, 700);
    QApplication::processEvents();
    const QImage& picture = window->Picture1().Picture();
    EXPECT_EQ(picture.pixelColor(picture.width() - 3, picture.height() - 3), QColor(8, 0, 0));
    EXPECT_NE(window->Picture4().Picture(), window->Picture5().Picture());

    window->ShowModeBInactive(true);
    EXPECT_EQ(window->Picture2().Picture().pixelColor(2, 2),
              window->Picture2().palette().color(QPalette::Button));
    EXPECT_EQ(window->Picture2().cursor().shape(), Qt::ArrowCursor);
}

} // namespace
} // namespace spirolan
