// Start of the program.
#include "startup.h"

#include "cam_job.h"
#include "dialog_hooks.h"
#include "frm_main.h"
#include "messages.h"
#include "settings_store.h"
#include "single_instance.h"

namespace spirolan {

void NameApplication() {
    QCoreApplication::setOrganizationName(kAppTitle);
    QCoreApplication::setApplicationName(kAppTitle);
}

int RunSpirolan(QApplication& application) {
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
    return application.exec();
}

} // namespace spirolan
