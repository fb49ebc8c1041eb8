// SPDX-License-Identifier: GPL-3.0-or-later
// Test program of the desktop program; with --instance [FILE] or --restoring-instance a real copy
// of the program instead.
#include "app/shell/startup.h"
#include "tests/app/test_support.h"

#include <QApplication>
#include <QTimer>

#include <gtest/gtest.h>

#include <cstdio>
#include <string_view>

namespace {

// Answers message boxes and closes the shown main window; prints "MESSAGE ..." and "STARTED".
// With a job document to open, the window is closed only once a message was answered.
int RunInstance(QApplication& application, const QString& jobDocument) {
    spirolan::test::MessageBoxWatcher watcher;
    QTimer monitor;
    QObject::connect(&monitor, &QTimer::timeout, [&watcher, &jobDocument] {
        if (!jobDocument.isEmpty() && watcher.log.empty()) {
            return;
        }
        for (QWidget* widget : QApplication::topLevelWidgets()) {
            if (widget->objectName() == QLatin1String("frmMain") && widget->isVisible()) {
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

// Restores the job a former run left unsaved and waits, printing "CHANGED" once the window
// shows it; the test then ends the copy as the system would.
int RunRestoringInstance(QApplication& application) {
    spirolan::test::MessageBoxWatcher restore(QMessageBox::Yes);
    QTimer monitor;
    QObject::connect(&monitor, &QTimer::timeout, [&monitor] {
        for (QWidget* widget : QApplication::topLevelWidgets()) {
            if (widget->objectName() == QLatin1String("frmMain") && widget->isWindowModified()) {
                std::printf("CHANGED\n");
                std::fflush(stdout);
                monitor.stop();
            }
        }
    });
    monitor.start(10);
    return spirolan::RunSpirolan(application);
}

} // namespace

int main(int argc, char* argv[]) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) {
        qputenv("QT_QPA_PLATFORM", "offscreen");
    }
    QApplication application(argc, argv);
    if (argc > 1 && std::string_view(argv[1]) == "--instance") {
        return RunInstance(application, argc > 2 ? QString::fromLocal8Bit(argv[2]) : QString());
    }
    if (argc > 1 && std::string_view(argv[1]) == "--restoring-instance") {
        return RunRestoringInstance(application);
    }
    testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
