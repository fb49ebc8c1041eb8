// Start of the program, and its end however it is asked for.
#include "app/shell/startup.h"

#include "app/platform/shutdown_signals.h"
#include "app/platform/single_instance.h"
#include "app/shell/settings_store.h"
#include "app/windows/dialog_hooks.h"
#include "app/windows/frm_main.h"
#include "app/windows/messages.h"
#include "core/cam_job.h"

#include <QSessionManager>

namespace spirolan {

void NameApplication() {
    QCoreApplication::setOrganizationName(kAppTitle);
    QCoreApplication::setApplicationName(kAppTitle);
}

int RunSpirolan(QApplication& application) {
    NameApplication();
    // Closing every window ends the program as its close box does: the main window's unload
    // writes the settings, and the lock goes when this function returns. Watched before the
    // lock is taken, so that no request can end a copy that holds it without releasing it.
    const auto closeAll = [] { QApplication::closeAllWindows(); };
    const ShutdownSignals systemRequests(closeAll);
    QObject::connect(&application, &QGuiApplication::commitDataRequest, closeAll);
    QObject::connect(&application, &QCoreApplication::aboutToQuit, closeAll);

    const QString settingsPath = DefaultSettingsPath();
    SingleInstance instance(DefaultLockPath(settingsPath));
    const InstanceCheck check = instance.Acquire();
    if (!check.Ok) {
        ShowMessage(nullptr, QMessageBox::Warning, kAppTitle, check.Message);
        return 0;
    }
    CamJob job;
    frmMain window(job, settingsPath, DefaultDialogHooks());
    window.show();
    return application.exec();
}

} // namespace spirolan
