// SPDX-License-Identifier: GPL-3.0-or-later
// The export dialog and the atomic write of an exported file.
#include "app/shell/export_saving.h"

#include "io/atomic_write.h"

#include <QDir>
#include <QFileDialog>

namespace spirolan {

ExportChoice ChooseExportFile(QWidget* parent, const QString& folder, const QStringList& filters) {
    QFileDialog dialog(parent);
    dialog.setOption(QFileDialog::DontUseNativeDialog);
    dialog.setAcceptMode(QFileDialog::AcceptSave);
    dialog.setFileMode(QFileDialog::AnyFile);
    dialog.setNameFilters(filters);
    dialog.setDirectory(folder);
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty()) {
        return {};
    }
    return {dialog.selectedFiles().first(),
            static_cast<int>(std::max<qsizetype>(0, filters.indexOf(dialog.selectedNameFilter())))};
}

QString WriteExportFile(const QString& path, const QByteArray& bytes) {
    const FileWriteResult written = WriteFileAtomically(path, bytes);
    if (written.Ok) {
        return {};
    }
    return QStringLiteral("%1\n\nThe file could not be exported: %2")
        .arg(QDir::toNativeSeparators(path), written.Reason);
}

} // namespace spirolan
