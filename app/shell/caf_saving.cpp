// The save dialog and the atomic CAF file write.
#include "app/shell/caf_saving.h"

#include "io/atomic_write.h"

#include <QDir>
#include <QFileSystemModel>

#include <memory>

namespace spirolan {

namespace {

const QString kCafFilter = QStringLiteral("CAF Files(*.caf)");
const QString kAllFilter = QStringLiteral("All Files(*.*)");

SaveOutcome Failed(const QString& path, const QString& reason) {
    return {false, QStringLiteral("%1\n\nThe file could not be saved: %2")
                       .arg(QDir::toNativeSeparators(path), reason)};
}

} // namespace

SaveOutcome WriteCafFile(const QString& path, const std::string& text) {
    const FileWriteResult written =
        WriteFileAtomically(path, QByteArray::fromStdString(text + "\r\n"));
    if (!written.Ok) {
        return Failed(path, written.Reason);
    }
    return {};
}

QFileDialog* CreateSaveDialog(QWidget* parent, const QString& initialFolder) {
    auto* dialog = new QFileDialog(parent);
    dialog->setAttribute(Qt::WA_DeleteOnClose);
    dialog->setOption(QFileDialog::DontUseNativeDialog);
    dialog->setAcceptMode(QFileDialog::AcceptSave);
    dialog->setFileMode(QFileDialog::AnyFile);
    dialog->setNameFilters({kCafFilter, kAllFilter});
    dialog->setDirectory(initialFolder);
    // "*.*" means every file where the filter text comes from; here it would hide names
    // without a dot, so the file list is widened after the dialog applied the filter.
    QObject::connect(dialog, &QFileDialog::filterSelected, dialog, [dialog](const QString& filter) {
        if (filter == kAllFilter) {
            if (auto* model = dialog->findChild<QFileSystemModel*>()) {
                model->setNameFilters({QStringLiteral("*")});
            }
        }
    });
    return dialog;
}

QString ChooseSaveFile(QWidget* parent, const QString& initialFolder) {
    const std::unique_ptr<QFileDialog> dialog(CreateSaveDialog(parent, initialFolder));
    dialog->setAttribute(Qt::WA_DeleteOnClose, false);
    if (dialog->exec() != QDialog::Accepted) {
        return {};
    }
    const QStringList files = dialog->selectedFiles();
    return files.isEmpty() ? QString() : files.first();
}

} // namespace spirolan
