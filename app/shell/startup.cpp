// SPDX-License-Identifier: GPL-3.0-or-later
// Start of the program, and its end however it is asked for.
#include "app/shell/startup.h"

#include "app/platform/shutdown_signals.h"
#include "app/platform/single_instance.h"
#include "app/shell/job_handover.h"
#include "app/shell/job_recovery.h"
#include "app/shell/settings_store.h"
#include "app/spirolan_version.h"
#include "app/windows/dialog_hooks.h"
#include "app/windows/frm_main.h"
#include "app/windows/messages.h"
#include "core/cam_job.h"

#include <QSessionManager>
#include <QTimer>

#include <cstdio>
#include <vector>

namespace spirolan {

void NameApplication() {
    QCoreApplication::setOrganizationName(kAppTitle);
    QCoreApplication::setApplicationName(kAppTitle);
    QGuiApplication::setDesktopFileName(QString::fromLatin1(kDesktopFileName));
}

int RunSpirolan(QApplication& application, const QString& jobDocument) {
    NameApplication();
    // A request of the system to end the program (a signal, the session's end) closes the main
    // window at once, without a question or a message box: the changed job stays in the
    // recovery file, the settings are written and the lock goes when this function returns.
    // Watched before the lock is taken, so that no request can end a copy that holds it
    // without releasing it.
    frmMain* main = nullptr;
    const auto endRequested = [&main] {
        if (main != nullptr) {
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
    const QString lockPath = DefaultLockPath(settingsPath);
    const QString fallbackLockPath = FallbackLockPath(settingsPath);
    SingleInstance instance(lockPath, fallbackLockPath);
    const InstanceCheck check = instance.Acquire();
    if (!check.Ok) {
        // A document goes to the running copy, which opens it; the user sees that window. The
        // socket is beside whichever lock that copy holds.
        if (!jobDocument.isEmpty() &&
            (HandOverDocument(HandoverSocketPath(lockPath), jobDocument) ||
             HandOverDocument(HandoverSocketPath(fallbackLockPath), jobDocument))) {
            return 0;
        }
        ShowMessage(nullptr, QMessageBox::Warning, kAppTitle, check.Message);
        return 0;
    }
    std::vector<QString> handedOver; // documents that arrive before the window is there
    const HandoverServer handover(HandoverSocketPath(instance.HeldLockPath()),
                                  [&main, &handedOver](const QString& path) {
                                      if (main != nullptr) {
                                          main->OpenHandedOverJob(path);
                                      } else {
                                          handedOver.push_back(path);
                                      }
                                  });
    if (const QString problem = handover.Problem(); !problem.isEmpty()) {
        std::fprintf(stderr, "spirolan: later starts cannot hand their job over: %s\n",
                     problem.toLocal8Bit().constData());
    }
    CamJob job;
    frmMain window(job, settingsPath, DefaultDialogHooks());
    window.SetRecoveryFile(DefaultRecoveryPath());
    main = &window;
    window.show();
    // From the event loop, so that questions and messages show over the painted window: first
    // the job a former run left unsaved, then the documents asked for.
    QTimer::singleShot(0, &window, [&window, jobDocument, &handedOver] {
        window.OfferRecovery();
        if (!jobDocument.isEmpty()) {
            window.OpenHandedOverJob(jobDocument);
        }
        for (const QString& path : handedOver) {
            window.OpenHandedOverJob(path);
        }
    });
    return application.exec();
}

} // namespace spirolan
