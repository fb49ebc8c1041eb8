// Start of the program.
#include "app/shell/startup.h"

#include "app/platform/single_instance.h"
#include "app/shell/settings_store.h"
#include "app/spirolan_version.h"
#include "app/windows/dialog_hooks.h"
#include "app/windows/frm_main.h"
#include "app/windows/messages.h"
#include "core/cam_job.h"

#include <QTimer>

namespace spirolan {

void NameApplication() {
    QCoreApplication::setOrganizationName(kAppTitle);
    QCoreApplication::setApplicationName(kAppTitle);
    QGuiApplication::setDesktopFileName(QString::fromLatin1(kDesktopFileName));
}

int RunSpirolan(QApplication& application, const QString& jobDocument) {
    NameApplication();
    const QString settingsPath = DefaultSettingsPath();
    SingleInstance instance(LockPathFor(settingsPath));
    if (!instance.Acquire()) {
        ShowMessage(nullptr, QMessageBox::Warning, kAppTitle, QStringLiteral("Already Running"));
        return 0;
    }
    CamJob job;
    frmMain window(job, settingsPath, DefaultDialogHooks());
    window.show();
    if (!jobDocument.isEmpty()) {
        // From the event loop, so that the message shows over the painted window.
        QTimer::singleShot(0, &window, [&window, jobDocument] { window.OpenJobFile(jobDocument); });
    }
    return application.exec();
}

} // namespace spirolan
