// SPDX-License-Identifier: GPL-3.0-or-later
// Start of the program, and its end however it is asked for.
#include "app/shell/startup.h"

#include "app/platform/shutdown_signals.h"
#include "app/platform/single_instance.h"
#include "app/shell/settings_store.h"
#include "app/spirolan_version.h"
#include "app/windows/dialog_hooks.h"
#include "app/windows/frm_main.h"
#include "app/windows/messages.h"
#include "core/cam_job.h"

#include <QSessionManager>
#include <QTimer>

namespace spirolan {

void NameApplication() {
    QCoreApplication::setOrganizationName(kAppTitle);
    QCoreApplication::setApplicationName(kAppTitle);
    QGuiApplication::setDesktopFileName(QString::fromLatin1(kDesktopFileName));
}

int RunSpirolan(QApplication& application, const QString& jobDocument) {
    NameApplication();
    // A request of the system to end the program closes its windows as the close box does: the
    // main window's unload writes the settings, and the lock goes when this function returns.
    // A question whether to save a changed job is asked once; a further request, or the end of
    // the event loop, does not wait for its answer. Watched before the lock is taken, so that
    // no request can end a copy that holds it without releasing it.
    frmMain* main = nullptr;
    int requests = 0;
    const auto endRequested = [&main, &requests] {
        if (++requests > 1 && main != nullptr) {
            main->EndSession();
        } else {
            QApplication::closeAllWindows();
        }
    };
    const ShutdownSignals systemRequests(endRequested);
    const QObject session; // ends the connections below with this function
    QObject::connect(&application, &QGuiApplication::commitDataRequest, &session, endRequested);
    QObject::connect(&application, &QCoreApplication::aboutToQuit, &session, [&main] {
        if (main != nullptr && main->isVisible()) {
            main->EndSession();
        }
    });

    const QString settingsPath = DefaultSettingsPath();
    SingleInstance instance(DefaultLockPath(settingsPath), FallbackLockPath(settingsPath));
    const InstanceCheck check = instance.Acquire();
    if (!check.Ok) {
        ShowMessage(nullptr, QMessageBox::Warning, kAppTitle, check.Message);
        return 0;
    }
    CamJob job;
    frmMain window(job, settingsPath, DefaultDialogHooks());
    main = &window;
    window.show();
    if (!jobDocument.isEmpty()) {
        // From the event loop, so that the message shows over the painted window.
        QTimer::singleShot(0, &window, [&window, jobDocument] { window.OpenJobFile(jobDocument); });
    }
    return application.exec();
}

} // namespace spirolan
