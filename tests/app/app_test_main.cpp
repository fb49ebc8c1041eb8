// SPDX-License-Identifier: GPL-3.0-or-later
// Test program of the desktop program; with --flow FILE one window flow, with --instance [FILE]
// or --restoring-instance a real copy of the program instead.
#include "app/shell/startup.h"
#include "tests/app/test_support.h"

#include <QApplication>
#include <QTimer>

#include <gtest/gtest.h>

#include <cstdio>
#include <string_view>

namespace {

// Answers message boxes and closes the shown main window; prints "MESSAGE ..." and "STARTED".
// With a job document to open, the window is closed only once a message was answered. Restoring,
// it takes the job a former run left unsaved and prints "CHANGED" once the window shows it; the
// test then ends the copy as the system would.
int RunInstance(QApplication& application, const QString& jobDocument, bool restoring) {
    spirolan::test::MessageBoxWatcher watcher(restoring ? QMessageBox::Yes : QMessageBox::Ok);
    QTimer monitor;
    QObject::connect(&monitor, &QTimer::timeout, [&] {
        if (!jobDocument.isEmpty() && watcher.log.empty()) {
            return;
        }
        for (QWidget* widget : QApplication::topLevelWidgets()) {
            if (widget->objectName() != QLatin1String("frmMain")) {
                continue;
            }
            if (restoring && widget->isWindowModified()) {
                std::printf("CHANGED\n");
                std::fflush(stdout);
                monitor.stop();
            } else if (!restoring && widget->isVisible()) {
                std::printf("STARTED\n");
                widget->close();
            }
        }
    });
    monitor.start(10);
    const int code = spirolan::RunSpirolan(application, jobDocument);
    for (const std::string& box : watcher.log) {
        std::printf("MESSAGE %s\n", box.c_str());
    }
    return code;
}

} // namespace

int main(int argc, char* argv[]) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) {
        qputenv("QT_QPA_PLATFORM", "offscreen");
    }
    QApplication application(argc, argv);
    const std::string_view mode = argc > 1 ? argv[1] : "";
    if (mode == "--flow" && argc > 2) {
        return spirolan::test::RunFlow(QString::fromLocal8Bit(argv[2]));
    }
    if (mode == "--instance" || mode == "--restoring-instance") {
        return RunInstance(application, argc > 2 ? QString::fromLocal8Bit(argv[2]) : QString(),
                           mode == "--restoring-instance");
    }
    testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
