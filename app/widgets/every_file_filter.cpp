// SPDX-License-Identifier: GPL-3.0-or-later
// Every file under the "All Files(*.*)" choice of a file dialog.
#include "app/widgets/every_file_filter.h"

#include <QFileDialog>
#include <QFileSystemModel>

namespace spirolan {

void ListEveryFileUnder(QFileDialog& dialog, const QString& filter) {
    // The dialog applies a chosen filter to its model first; this widens it afterwards.
    const auto widen = [&dialog, filter](const QString& chosen) {
        if (chosen == filter) {
            if (auto* model = dialog.findChild<QFileSystemModel*>()) {
                model->setNameFilters({QStringLiteral("*")});
            }
        }
    };
    QObject::connect(&dialog, &QFileDialog::filterSelected, &dialog, widen);
    widen(dialog.selectedNameFilter());
}

} // namespace spirolan
