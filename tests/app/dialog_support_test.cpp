// SPDX-License-Identifier: GPL-3.0-or-later
// What every dialog of a command shares: it opens modal, centred over the main window, with a
// close button but no minimise or maximise button.
#include "tests/app/test_support.h"

#include <QDialog>
#include <QTemporaryDir>

#include <gtest/gtest.h>

namespace spirolan {
namespace {

TEST(DialogSupportTest, CommandDialogsOpenCentredOverTheMainWindowWithOnlyAClose) {
    test::MessageBoxWatcher messages;
    QTemporaryDir dir;
    CamJob job;
    const auto window =
        test::OpenWindow(job, dir.filePath("s.ini"), DefaultDialogHooks(), 700, 520);
    window->move(20, 10);
    window->SetModeAText(test::ReferenceModeA(job));
    for (const char* command : {"mnuSquare", "mnuBall", "mnuShape3", "mnuFaceCopy", "mnuFeed"}) {
        window->findChild<QAction*>(command)->trigger();
        auto* dialog = qobject_cast<QDialog*>(QApplication::activeModalWidget());
        ASSERT_NE(dialog, nullptr) << command;
        EXPECT_EQ(dialog->windowModality(), Qt::ApplicationModal) << command;
        const QPoint offset = dialog->frameGeometry().center() - window->frameGeometry().center();
        EXPECT_LE(offset.manhattanLength(), 2) << command;
        const Qt::WindowFlags flags = dialog->windowFlags();
        EXPECT_TRUE(flags.testFlag(Qt::CustomizeWindowHint) &&
                    flags.testFlag(Qt::WindowTitleHint) &&
                    flags.testFlag(Qt::WindowCloseButtonHint))
            << command;
        EXPECT_FALSE(flags.testAnyFlags(Qt::WindowMinMaxButtonsHint)) << command;
        dialog->close();
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    }
    EXPECT_TRUE(messages.log.empty());
}

} // namespace
} // namespace spirolan
