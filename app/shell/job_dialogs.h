// SPDX-License-Identifier: GPL-3.0-or-later
// Asking for job documents: the open and save dialogs of ".spjob" files and the question at exit.
#pragma once

#include <QMessageBox>
#include <QString>

#include <functional>

class QWidget;

namespace spirolan {

/// Asks for a job document, starting in `folder`; the full path, or empty when cancelled.
using JobFileChooser = std::function<QString(QWidget* parent, const QString& folder)>;

/// The open dialog "Open Job": Qt's own, "Spirolan Jobs (*.spjob)" and "All Files (*)", modal.
QString ChooseJobToOpen(QWidget* parent, const QString& folder);

/// The save dialog "Save Job": Qt's own, the same filters, ".spjob" added to a name typed
/// without an extension while the first filter is chosen, asking before replacing a file, modal.
QString ChooseJobToSave(QWidget* parent, const QString& folder);

/// "Save changes to NAME?" with Save, Discard and Cancel; the button chosen (Cancel when the
/// box is closed).
QMessageBox::StandardButton AskSaveChanges(QWidget* parent, const QString& name);

} // namespace spirolan
