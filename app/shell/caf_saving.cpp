// SPDX-License-Identifier: GPL-3.0-or-later
// The save dialog and the atomic CAF file write.
#include "app/shell/caf_saving.h"

#include "app/platform/local_path.h"
#include "app/widgets/every_file_filter.h"
#include "app/windows/messages.h"
#include "core/caf_text.h"
#include "io/atomic_write.h"

#include <QDir>
#include <QFileInfo>

#include <memory>

namespace spirolan {

namespace {

const QString kCafFilter = QStringLiteral("CAF Files(*.caf)");
const QString kAllFilter = QStringLiteral("All Files(*.*)");

// Qt's save dialog takes a name in a folder that does not exist; this one says so and stays open.
class SaveDialog final : public QFileDialog {
public:
    using QFileDialog::QFileDialog;

    void accept() override {
        const QStringList files = selectedFiles();
        if (!files.isEmpty()) {
            const QFileInfo chosen(files.first());
            if (!chosen.isDir() && !chosen.absoluteDir().exists()) {
                ShowMessage(this, QMessageBox::Warning, kAppTitle,
                            QStringLiteral("%1\nThis folder does not exist. Check the name and "
                                           "try again.")
                                .arg(QDir::toNativeSeparators(chosen.absolutePath())));
                return;
            }
        }
        QFileDialog::accept();
    }
};

SaveOutcome Failed(const QString& path, const QString& reason) {
    return {false, QStringLiteral("%1\n\nThe file could not be saved: %2")
                       .arg(QDir::toNativeSeparators(path), reason)};
}

} // namespace

SaveOutcome WriteCafFile(const QString& path, const std::string& text) {
    const FileWriteResult written =
        WriteFileAtomically(path, QByteArray::fromStdString(caf::CafFileBytes(text)));
    if (!written.Ok) {
        return Failed(path, written.Reason);
    }
    return {};
}

QString SaveDialogFolder(const std::string& OpenPathName) {
    const QString folder = QString::fromStdString(LocalPath(OpenPathName));
    return QFileInfo(folder).isDir() ? folder : QDir::homePath();
}

QFileDialog* CreateSaveDialog(QWidget* parent, const QString& OpenPathName) {
    auto* dialog = new SaveDialog(parent);
    dialog->setAttribute(Qt::WA_DeleteOnClose);
    dialog->setOption(QFileDialog::DontUseNativeDialog);
    dialog->setAcceptMode(QFileDialog::AcceptSave);
    dialog->setFileMode(QFileDialog::AnyFile);
    dialog->setNameFilters({kCafFilter, kAllFilter});
    ListEveryFileUnder(*dialog, kAllFilter);
    dialog->setDirectory(SaveDialogFolder(OpenPathName.toStdString()));
    return dialog;
}

QString ChooseSaveFile(QWidget* parent, const QString& OpenPathName) {
    const std::unique_ptr<QFileDialog> dialog(CreateSaveDialog(parent, OpenPathName));
    dialog->setAttribute(Qt::WA_DeleteOnClose, false);
    if (dialog->exec() != QDialog::Accepted) {
        return {};
    }
    const QStringList files = dialog->selectedFiles();
    return files.isEmpty() ? QString() : files.first();
}

} // namespace spirolan
