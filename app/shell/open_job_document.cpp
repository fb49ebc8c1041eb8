// Opening the job document named on the command line.
#include "app/shell/open_job_document.h"

#include "app/windows/messages.h"

namespace spirolan {

void OpenJobDocument(QWidget& window, const QString& path) {
    ShowMessage(&window, QMessageBox::Warning, kAppTitle,
                QStringLiteral("\"%1\" cannot be opened: this version of Spirolan does not open "
                               "job documents.")
                    .arg(path));
}

} // namespace spirolan
