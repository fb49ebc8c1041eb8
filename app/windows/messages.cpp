// SPDX-License-Identifier: GPL-3.0-or-later
// Modal message boxes.
#include "app/windows/messages.h"

#include <QDir>
#include <QFileInfo>

namespace spirolan {

void ShowMessage(QWidget* parent, QMessageBox::Icon icon, const QString& caption,
                 const QString& text, const QString& informative) {
    QMessageBox box(icon, caption, text, QMessageBox::Ok, parent);
    box.setInformativeText(informative);
    box.exec();
}

QString CannotMessage(const QString& action, const QString& path, QString reason) {
    // The file writer names the file it failed on; the message names it once.
    const QString named = QDir::toNativeSeparators(path) + QStringLiteral(": ");
    if (reason.startsWith(named)) {
        reason.remove(0, named.size());
    }
    while (reason.endsWith(QLatin1Char('.')) || reason.endsWith(QLatin1Char(' '))) {
        reason.chop(1);
    }
    // "No space left on device" reads on after the colon; "PDF" or "I/O" keep their capitals.
    if (reason.size() > 1 && reason[0].isUpper() && reason[1].isLower()) {
        reason[0] = reason[0].toLower();
    }
    return QStringLiteral("Cannot %1 \"%2\": %3.").arg(action, QFileInfo(path).fileName(), reason);
}

} // namespace spirolan
