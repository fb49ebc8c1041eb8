// SPDX-License-Identifier: GPL-3.0-or-later
// The export dialog and the atomic write of an exported file.
#include "app/shell/export_saving.h"

#include <QCheckBox>
#include <QFileDialog>
#include <QGridLayout>
#include <QRegularExpression>

namespace spirolan {

namespace {

// "csv" of "CSV Files(*.csv)"; empty for "All Files (*)" or "All Files(*.*)".
QString FilterExtension(const QString& filter) {
    static const QRegularExpression pattern(QStringLiteral("\\(\\*\\.(\\w+)\\)"));
    return pattern.match(filter).captured(1);
}

} // namespace

void FollowFilterExtension(QFileDialog& dialog) {
    dialog.setDefaultSuffix(FilterExtension(dialog.selectedNameFilter()));
    QObject::connect(
        &dialog, &QFileDialog::filterSelected, &dialog,
        [&dialog](const QString& filter) { dialog.setDefaultSuffix(FilterExtension(filter)); });
}

ExportChoice ChooseExportFile(QWidget* parent, const QString& title, const QString& folder,
                              const QStringList& filters, std::optional<bool> screenStyle) {
    QFileDialog dialog(parent, title);
    dialog.setOption(QFileDialog::DontUseNativeDialog);
    dialog.setAcceptMode(QFileDialog::AcceptSave);
    dialog.setFileMode(QFileDialog::AnyFile);
    dialog.setNameFilters(filters);
    dialog.setDirectory(folder);
    FollowFilterExtension(dialog);
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

} // namespace spirolan
