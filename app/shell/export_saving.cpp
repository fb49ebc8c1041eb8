// SPDX-License-Identifier: GPL-3.0-or-later
// The export dialog and the atomic write of an exported file.
#include "app/shell/export_saving.h"

#include "io/atomic_write.h"

#include <QCheckBox>
#include <QDir>
#include <QFileDialog>
#include <QGridLayout>

namespace spirolan {

ExportChoice ChooseExportFile(QWidget* parent, const QString& folder, const QStringList& filters,
                              std::optional<bool> screenStyle) {
    QFileDialog dialog(parent);
    dialog.setOption(QFileDialog::DontUseNativeDialog);
    dialog.setAcceptMode(QFileDialog::AcceptSave);
    dialog.setFileMode(QFileDialog::AnyFile);
    dialog.setNameFilters(filters);
    dialog.setDirectory(folder);
    QCheckBox* screen = nullptr;
    // Qt's own dialog lays itself out in a grid: the choice goes in a row of its own below.
    if (auto* grid = qobject_cast<QGridLayout*>(dialog.layout()); grid && screenStyle) {
        screen = new QCheckBox(QString::fromLatin1(kScreenStyleCaption), &dialog);
        screen->setObjectName(QStringLiteral("ScreenStyle"));
        screen->setChecked(*screenStyle);
        grid->addWidget(screen, grid->rowCount(), 0, 1, grid->columnCount());
    }
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty()) {
        return {};
    }
    return {dialog.selectedFiles().first(),
            static_cast<int>(std::max<qsizetype>(0, filters.indexOf(dialog.selectedNameFilter()))),
            screen != nullptr ? screen->isChecked() : screenStyle.value_or(false)};
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
