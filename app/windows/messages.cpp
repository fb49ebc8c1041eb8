// SPDX-License-Identifier: GPL-3.0-or-later
// Modal message boxes.
#include "app/windows/messages.h"

namespace spirolan {

void ShowMessage(QWidget* parent, QMessageBox::Icon icon, const QString& caption,
                 const QString& text, const QString& informative) {
    QMessageBox box(icon, caption, text, QMessageBox::Ok, parent);
    box.setInformativeText(informative);
    box.exec();
}

} // namespace spirolan
