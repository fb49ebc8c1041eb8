// SPDX-License-Identifier: GPL-3.0-or-later
// Process ancestry: the test program, its parent, a child and a grandchild it starts.
#include "app/platform/process_tree.h"

#include <QCoreApplication>
#include <QFile>
#include <QProcess>

#include <gtest/gtest.h>

#include <unistd.h>

namespace spirolan {
namespace {

TEST(ProcessTreeTest, ChildrenAndGrandchildrenDescendParentsDoNot) {
    if (!QFile::exists(QStringLiteral("/proc/self/stat"))) {
        GTEST_SKIP() << "no /proc: only a process itself counts as its own";
    }
    // The shell is a child; the sleep it starts in the background, a grandchild.
    QProcess shell;
    shell.start(QStringLiteral("/bin/sh"), {"-c", "sleep 5 & echo $!; wait"});
    ASSERT_TRUE(shell.waitForReadyRead(5000));
    const std::int64_t grandchild = shell.readAllStandardOutput().trimmed().toLongLong();
    const std::int64_t self = QCoreApplication::applicationPid();
    const std::int64_t parent = getppid();
    const struct {
        const char* name;
        std::int64_t pid, ancestor;
        bool descends;
    } rows[] = {
        {"Itself", self, self, true},
        {"FromItsParent", self, parent, true},
        {"ParentNotFromChild", parent, self, false},
        {"Child", shell.processId(), self, true},
        {"Grandchild", grandchild, self, true},
        {"NoProcess", 0, self, false},
        {"NegativeAncestor", self, -1, false},
    };
    for (const auto& row : rows) {
        EXPECT_EQ(IsSameOrDescendant(row.pid, row.ancestor), row.descends) << row.name;
    }
    shell.kill();
    shell.waitForFinished();
}

} // namespace
} // namespace spirolan
