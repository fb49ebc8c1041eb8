// Main window: menus, toolbar, dispatch, status bar, pane hints, layout and redraw, with events.
#include "frm_main.h"
#include "test_support.h"

#include <QApplication>
#include <QDate>
#include <QLocale>
#include <QMenu>
#include <QMenuBar>
#include <QTest>
#include <QToolButton>

#include <gtest/gtest.h>

#include <ostream>

namespace spirolan {
namespace {

using test::MessageBoxWatcher;
using test::OpenWindow;
using test::TempFolder;

// Each hook notes its name in `log`.
DialogHooks RecordingHooks(std::vector<std::string>& log) {
    const auto note = [&log](const char* name) {
        return [&log, name](frmMain&) { log.push_back(std::string("hook ") + name); };
    };
    return {note("DataInput1"),      note("DataInput2"), note("DataInput3"), note("FaceCopy"),
            note("FeedCalculation"), note("frmAbout"),   note("StartOrvexa")};
}

// The menu tree as lines: "name caption", submenu entries indented, separators "name -".
void DescribeMenu(const QMenu& menu, const std::string& indent, std::vector<std::string>& out) {
    for (const QAction* action : menu.actions()) {
        if (action->isSeparator()) {
            out.push_back(indent + action->objectName().toStdString() + " -");
        } else if (action->menu() != nullptr) {
            out.push_back(indent + action->menu()->objectName().toStdString() + " " +
                          action->text().toStdString() + " >");
            DescribeMenu(*action->menu(), indent + "  ", out);
        } else {
            out.push_back(indent + action->objectName().toStdString() + " " +
                          action->text().toStdString());
        }
    }
}

class MainWindowTest : public testing::Test {
protected:
    std::unique_ptr<frmMain> Open(DialogHooks hooks = {}) {
        return OpenWindow(job_, folder_.SettingsPath(), std::move(hooks));
    }
    TempFolder folder_;
    CamJob job_;
};

TEST_F(MainWindowTest, TitleMenuTreeAndEmptyStart) {
    const auto window = Open();
    EXPECT_EQ(window->windowTitle(), QStringLiteral("Spirolan  Ver. 2.23"));
    std::vector<std::string> tree;
    for (const QAction* top : window->menuBar()->actions()) {
        tree.push_back(top->menu()->objectName().toStdString() + " " + top->text().toStdString());
        DescribeMenu(*top->menu(), "  ", tree);
    }
    const std::vector<std::string> expected = {
        "mnuFile File(&F)",
        "  mnuFeed Feed calculation",
        "  mnuDataInput Data input >",
        "    mnuSquare Shape 1",
        "    mnuBall Shape 2",
        "    mnuShape3 Shape 3",
        "  mnuFileBar1 -",
        "  mnuFileSave Save Mode-A CAF file",
        "  SaveB Save Mode-B CAF file",
        "  mnuFileBar2 -",
        "  mnuFileExit Spirolan Exit(&X)",
        "mnuEdit Edit(&E)",
        "  mnuFaceCopy Face Copy",
        "mnuDisplay Display(&D)",
        "  ReGraphic Graphic Refresh",
        "mnuTool Tool(&T)",
        "  mnuOrvl Orvexa",
        "mnuHelp Help(&H)",
        "  mnuHelpAbout About Spirolan(&A)",
    };
    EXPECT_EQ(tree, expected);
    QList<QAction*> commands = window->tbToolBar().actions();
    for (const QMenu* menu : window->menuBar()->findChildren<QMenu*>()) {
        commands += menu->actions();
    }
    for (const QAction* action : commands) {
        EXPECT_TRUE(action->isEnabled()) << action->objectName().toStdString();
        EXPECT_TRUE(action->isVisible()) << action->objectName().toStdString();
        EXPECT_TRUE(action->shortcut().isEmpty()) << action->objectName().toStdString();
    }
    EXPECT_TRUE(window->txtDataA().IsEmpty());
    EXPECT_TRUE(window->txtDataB().IsEmpty());
    EXPECT_TRUE(window->sbStatusBar().Text().isEmpty());
    EXPECT_FALSE(window->Picture3().isVisible());
}

TEST_F(MainWindowTest, ToolbarButtonsInOrderWithTooltipsAndIcons) {
    const auto window = Open();
    std::vector<std::string> buttons;
    for (QAction* action : window->tbToolBar().actions()) {
        if (action->isSeparator()) {
            buttons.push_back("-");
            continue;
        }
        buttons.push_back(action->data().toString().toStdString() + "|" +
                          action->toolTip().toStdString());
        // Never blank: the icon has drawn pixels at the toolbar's size.
        const QImage icon = action->icon().pixmap(window->tbToolBar().iconSize()).toImage();
        bool drawn = false;
        for (int y = 0; y < icon.height() && !drawn; ++y) {
            for (int x = 0; x < icon.width() && !drawn; ++x) {
                drawn = qAlpha(icon.pixel(x, y)) > 0;
            }
        }
        EXPECT_TRUE(drawn) << buttons.back();
    }
    const std::vector<std::string> expected = {
        "Square|Shape 1 data input",
        "Ball|Shape 2 data input",
        "Shape3|Shape 3 data input",
        "-",
        "FaceCopy|Face Copy",
        "-",
        "SaveA|Mode-A CAF File save",
        "SaveB|Mode-B CAF file save",
        "-",
        "ReGraphic|Graphic Refresh",
        "ORVL|Orvexa",
        "-",
        "Exit|Exit",
    };
    EXPECT_EQ(buttons, expected);
}

struct DispatchCase {
    const char* name;
    const char* menuEntry;
    const char* key; // empty: menu only
    OptionalNumber leadPitch;
    bool modeAText;
    std::vector<std::string> expected;
};

void PrintTo(const DispatchCase& c, std::ostream* os) {
    *os << c.name;
}

const DispatchCase kDispatchCases[] = {
    {"Shape1", "mnuSquare", "Square", {}, false, {"hook DataInput1"}},
    {"Shape2", "mnuBall", "Ball", {}, false, {"hook DataInput2"}},
    {"Shape3", "mnuShape3", "Shape3", {}, false, {"hook DataInput3"}},
    {"FaceCopyWithoutModeA",
     "mnuFaceCopy",
     "FaceCopy",
     {},
     false,
     {"Face copy error|Please input Mode A data.|2"}},
    {"FaceCopyZeroLeadPitch",
     "mnuFaceCopy",
     "FaceCopy",
     0.0,
     false,
     {"Face copy error|Please input Mode A data.|2"}},
    {"FaceCopyWithModeA", "mnuFaceCopy", "FaceCopy", 1.5, true, {"hook FaceCopy"}},
    {"SaveAEmpty", "mnuFileSave", "SaveA", {}, false, {"Save error|Mode-A CAF No data !! |2"}},
    {"SaveBEmpty", "SaveB", "SaveB", {}, false, {"Save error|Mode-B CAF No data !! |2"}},
    {"SaveAAsksForFile", "mnuFileSave", "SaveA", {}, true, {"choose \\"}},
    {"GraphicRefreshEmpty", "ReGraphic", "ReGraphic", {}, false, {}},
    {"Orvexa", "mnuOrvl", "ORVL", {}, false, {"hook StartOrvexa"}},
    {"Exit", "mnuFileExit", "Exit", {}, false, {"closed"}},
    {"FeedCalculation", "mnuFeed", "", {}, false, {"hook FeedCalculation"}},
    {"About", "mnuHelpAbout", "", {}, false, {"hook frmAbout"}},
};

class DispatchTest : public MainWindowTest, public testing::WithParamInterface<DispatchCase> {
protected:
    // Runs the command once from a fresh window, by its menu entry or by its toolbar button,
    // and returns what happened.
    std::vector<std::string> Run(bool fromToolbar) {
        const DispatchCase& c = GetParam();
        std::vector<std::string> log;
        job_ = CamJob{};
        job_.LeadPitch = c.leadPitch;
        const auto window = Open(RecordingHooks(log));
        window->SetSaveFileChooser([&log](QWidget*, const QString& folder) {
            log.push_back("choose " + folder.toStdString());
            return QString();
        });
        if (c.modeAText) {
            window->SetModeAText(test::SampleModeAText());
        }
        const QImage before = window->Picture1().Picture().copy();
        MessageBoxWatcher boxes;
        if (fromToolbar) {
            QWidget* button = window->tbToolBar().widgetForAction(
                window->ToolbarAction(QString::fromLatin1(c.key)));
            QTest::mouseClick(button, Qt::LeftButton);
        } else {
            window->findChild<QAction*>(QString::fromLatin1(c.menuEntry))->trigger();
        }
        for (const std::string& box : boxes.Log()) {
            log.push_back(box);
        }
        if (!window->isVisible()) {
            log.push_back("closed");
        }
        if (window->Picture1().Picture() != before) {
            log.push_back("Mode-A graph drawn");
        }
        return log;
    }
};

TEST_P(DispatchTest, MenuEntryAndToolbarButtonHaveTheSameEffect) {
    const std::vector<std::string> fromMenu = Run(false);
    EXPECT_EQ(fromMenu, GetParam().expected);
    if (GetParam().key[0] != '\0') {
        EXPECT_EQ(Run(true), fromMenu);
    }
}

INSTANTIATE_TEST_SUITE_P(Commands, DispatchTest, testing::ValuesIn(kDispatchCases),
                         [](const auto& info) { return std::string(info.param.name); });

TEST_F(MainWindowTest, SeparatorsAndUnknownKeysDoNothing) {
    std::vector<std::string> log;
    const auto window = Open(RecordingHooks(log));
    MessageBoxWatcher boxes;
    for (const char* key : {"", "square", "SQUARE", "Exit ", "saveA", "Orvl", "Separator"}) {
        window->tbToolBar_ButtonClick(QString::fromLatin1(key));
    }
    for (QAction* action : window->tbToolBar().actions()) {
        if (action->isSeparator()) {
            QTest::mouseClick(window->tbToolBar().widgetForAction(action), Qt::LeftButton);
        }
    }
    EXPECT_TRUE(log.empty());
    EXPECT_TRUE(boxes.Boxes().empty());
    EXPECT_TRUE(window->isVisible());
}

TEST_F(MainWindowTest, AltKeyLettersOpenTheFileMenuAndExit) {
    const auto window = Open();
    QTest::keyClick(window.get(), Qt::Key_F, Qt::AltModifier);
    auto* menu = qobject_cast<QMenu*>(QApplication::activePopupWidget());
    ASSERT_NE(menu, nullptr);
    EXPECT_EQ(menu->objectName(), QStringLiteral("mnuFile"));
    QTest::keyClick(menu, Qt::Key_X);
    EXPECT_FALSE(window->isVisible());
}

TEST_F(MainWindowTest, StatusBarPanels) {
    const auto window = Open();
    StatusPanels& status = window->sbStatusBar();
    EXPECT_TRUE(status.Panel(1).text().isEmpty());
    EXPECT_EQ(status.Panel(2).text(), QStringLiteral("INS"));
    EXPECT_EQ(status.Panel(3).text(), QStringLiteral("NUM"));
    EXPECT_EQ(status.Panel(4).text(),
              QLocale().toString(QDate::currentDate(), QLocale::ShortFormat));
    EXPECT_FALSE(status.Panel(5).text().isEmpty());

    const bool insert = status.Panel(2).isEnabled();
    QTest::keyClick(window->windowHandle(), Qt::Key_Insert);
    EXPECT_NE(status.Panel(2).isEnabled(), insert);
    QTest::keyClick(window->windowHandle(), Qt::Key_Insert);
    EXPECT_EQ(status.Panel(2).isEnabled(), insert);
}

TEST_F(MainWindowTest, PointerHintsOverPanesAndGraphs) {
    const auto window = Open();
    StatusPanels& status = window->sbStatusBar();
    QTest::mouseMove(window->txtDataA().viewport(), QPoint(20, 20));
    EXPECT_EQ(status.Text(), QStringLiteral("Mode-A CAF file"));
    QTest::mouseMove(&window->Picture2(), QPoint(30, 30));
    EXPECT_EQ(status.Text(), QStringLiteral("Mode-B Graphic"));
    QTest::mousePress(window->txtDataB().viewport(), Qt::LeftButton, {}, QPoint(15, 15));
    EXPECT_EQ(status.Text(), QStringLiteral("Mode-B CAF file"));
    QTest::mouseRelease(window->txtDataB().viewport(), Qt::LeftButton, {}, QPoint(15, 15));
    QTest::mouseMove(&window->Picture1(), QPoint(30, 30));
    EXPECT_EQ(status.Text(), QStringLiteral("Mode-A Graphic"));
}

struct PlaceCase {
    const char* name;
    QRect expected; // pixels at 96 dots per inch for an inner area of 800 x 600
};

void PrintTo(const PlaceCase& c, std::ostream* os) {
    *os << c.name;
}

// 800 x 600 pixels are 12000 x 9000 twips; 15 twips to the pixel.
const PlaceCase kPlaceCases[] = {
    {"tbToolBar", {0, 0, 800, 40}},    {"sbStatusBar", {0, 582, 800, 18}},
    {"Line1", {0, 40, 800, 1}},        {"Line2", {0, 41, 800, 1}},
    {"txtDataA", {1, 45, 160, 261}},   {"txtDataB", {1, 309, 160, 273}},
    {"Picture1", {163, 45, 635, 261}}, {"Picture2", {163, 309, 635, 273}},
    {"Picture3", {718, 2, 80, 35}},    {"Picture4", {551, 2, 167, 35}},
    {"Picture5", {371, 2, 180, 35}},
};

class PlaceTest : public MainWindowTest, public testing::WithParamInterface<PlaceCase> {};

TEST_P(PlaceTest, LaidOutByTheRuleInTwips) {
    const auto window = Open();
    ASSERT_EQ(window->logicalDpiX(), 96);
    ASSERT_EQ(window->ClientArea().size(), QSize(800, 600));
    const auto* widget = window->ClientArea().findChild<QWidget*>(GetParam().name);
    ASSERT_NE(widget, nullptr);
    EXPECT_EQ(widget->geometry(), GetParam().expected);
}

INSTANTIATE_TEST_SUITE_P(Elements, PlaceTest, testing::ValuesIn(kPlaceCases),
                         [](const auto& info) { return std::string(info.param.name); });

TEST_F(MainWindowTest, ShortWindowSkipsTheStepsWithNegativeHeights) {
    const auto window = Open();
    const QRect paneA = window->txtDataA().geometry();
    const QRect graphA = window->Picture1().geometry();
    // 70 pixels are 1050 twips: the upper row's height comes out negative.
    window->resize(900, 70 + window->menuBar()->height());
    QApplication::processEvents();
    ASSERT_EQ(window->ClientArea().height(), 70);
    EXPECT_EQ(window->txtDataA().geometry(), paneA);
    EXPECT_EQ(window->Picture1().geometry(), graphA);
    EXPECT_EQ(window->txtDataB().geometry(), QRect(1, 44, 180, 8));
    EXPECT_EQ(window->Picture3().geometry(), QRect(818, 2, 80, 35));
}

TEST_F(MainWindowTest, RedrawDrawsOnlyTheGraphsWhosePanesHoldText) {
    job_.SpindleSpeed = 1000;
    test::FillTable(job_);
    job_.CutLength = 10;
    job_.LeadPitch = 2;
    const auto window = Open();
    const QImage emptyA = window->Picture1().Picture().copy();
    const QImage emptyB = window->Picture2().Picture().copy();

    window->tbToolBar_ButtonClick(QStringLiteral("ReGraphic"));
    EXPECT_EQ(window->Picture1().Picture(), emptyA);
    EXPECT_EQ(window->Picture2().Picture(), emptyB);
    EXPECT_FALSE(window->Picture3().isVisible());

    window->SetModeBText("CAM4\r\nEND\r\n");
    window->ReGraphic_Click();
    EXPECT_EQ(window->Picture1().Picture(), emptyA);
    EXPECT_EQ(window->Picture2().Picture().pixelColor(2, 2), QColor(8, 0, 0));
    EXPECT_TRUE(window->Picture3().isVisible());
    EXPECT_EQ(window->Picture2().cursor().shape(), Qt::CrossCursor);

    window->SetModeAText(test::SampleModeAText());
    window->findChild<QAction*>(QStringLiteral("ReGraphic"))->trigger();
    EXPECT_EQ(window->Picture1().Picture().pixelColor(2, 2), QColor(8, 0, 0));
    EXPECT_EQ(window->Picture1().cursor().shape(), Qt::CrossCursor);
    EXPECT_NE(window->Picture4().Picture(), window->Picture5().Picture());
    EXPECT_GT(job_.MaxSpeed, 0);

    window->ShowModeBInactive(true);
    EXPECT_EQ(window->Picture2().Picture().pixelColor(2, 2),
              window->Picture2().palette().color(QPalette::Button));
    EXPECT_EQ(window->Picture2().cursor().shape(), Qt::ArrowCursor);
}

TEST_F(MainWindowTest, ResizeRedrawsTheGraphs) {
    test::FillTable(job_);
    const auto window = Open();
    window->SetModeAText(test::SampleModeAText());
    window->resize(1000, 700);
    QApplication::processEvents();
    const QImage& picture = window->Picture1().Picture();
    EXPECT_EQ(picture.size(),
              window->Picture1().contentsRect().size() * window->Picture1().devicePixelRatioF());
    EXPECT_EQ(picture.pixelColor(picture.width() - 3, picture.height() - 3), QColor(8, 0, 0));
}

} // namespace
} // namespace spirolan
