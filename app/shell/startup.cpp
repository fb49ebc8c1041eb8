// Start of the program.
#include "app/shell/startup.h"

#include "app/platform/single_instance.h"
#include "app/shell/settings_store.h"
#include "app/windows/dialog_hooks.h"
#include "app/windows/frm_main.h"
#include "app/windows/messages.h"
#include "core/cam_job.h"

#include <QTimer>

namespace spirolan {

void NameApplication() {
    QCoreApplication::setOrganizationName(kAppTitle);
    QCoreApplication::setApplicationName(kAppTitle);
}

int RunSpirolan(QApplication& application, const QString& jobPath) {
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
    if (!jobPath.isEmpty()) {
        QTimer::singleShot(0, &window, [&window, jobPath] { window.OpenJobFile(jobPath); });
    }
    return application.exec();
}

} // namespace spirolan
