// SPDX-License-Identifier: GPL-3.0-or-later
// Job documents where a flow cannot go: a recent job's path too long for the menu.
#include "app/shell/settings_store.h"
#include "tests/app/test_support.h"

#include <QMenu>
#include <QTemporaryDir>

#include <gtest/gtest.h>

namespace spirolan {
namespace {

// A path of thousands of characters is elided in its middle in the menu, which stays narrower
// than a small screen; the status bar shows the whole path.
TEST(RecentJobsTest, LongPathIsElidedInItsMiddleAndWholeInTheStatusTip) {
    QTemporaryDir dir;
    const QString start = dir.filePath("start-") + QString(2000, QLatin1Char('a'));
    const QString path = start + QStringLiteral("/") + QString(2000, QLatin1Char('z')) +
                         QStringLiteral("/end.spjob");
    ASSERT_TRUE(WriteRecentJobs(dir.filePath("s.ini"), {path}).Ok);
    CamJob job;
    const auto window = test::OpenWindow(job, dir.filePath("s.ini"));
    QMenu* menu = window->findChild<QMenu*>("mnuRecentJobs");
    ASSERT_EQ(menu->actions().size(), 1);
    const QAction* entry = menu->actions().front();
    EXPECT_TRUE(entry->text().startsWith("&1 " + dir.filePath("start-")));
    EXPECT_TRUE(entry->text().endsWith(QStringLiteral("zzz/end.spjob")));
    EXPECT_LT(entry->text().size(), 120);
    EXPECT_EQ(entry->statusTip(), path);
    EXPECT_LT(menu->sizeHint().width(), 600);
}

} // namespace
} // namespace spirolan
