// SPDX-License-Identifier: GPL-3.0-or-later
// Saving the cam texts: the save dialog and the atomic write of a CAF file.
#pragma once

#include <QFileDialog>
#include <QString>

#include <functional>
#include <string>

namespace spirolan {

/// Outcome of writing a CAF file; `Message` names the file and the reason when `Ok` is false.
struct SaveOutcome {
    bool Ok = true;
    QString Message;
};

/// Writes `text` and one CR LF to `path`, byte for byte, through a temporary file that replaces
/// the old one only when every byte was written, flushed and committed: a failed save leaves an
/// existing file of that name as it was and no partial file behind.
SaveOutcome WriteCafFile(const QString& path, const std::string& text);

/// The save dialog's first folder for `OpenPathName`: the folder as the local system reads it
/// (LocalPath, so "\" is the root folder off Windows), or the home folder when there is no such
/// folder.
QString SaveDialogFolder(const std::string& OpenPathName);

/// The save dialog, not yet shown: Qt's own dialog (not the desktop's), filters
/// "CAF Files(*.caf)" and "All Files(*.*)" (the latter lists every file, with or without an
/// extension), starting in SaveDialogFolder(`OpenPathName`), asking before replacing a file and
/// refusing, with a message, a name in a folder that does not exist; with no default extension
/// and the toolkit's own title. Owned by `parent`; deleted when closed.
QFileDialog* CreateSaveDialog(QWidget* parent, const QString& OpenPathName);

/// Asks for the file to save into, starting from the folder `OpenPathName` as the job holds it;
/// the full path, or empty when the user cancels.
using SaveFileChooser = std::function<QString(QWidget* parent, const QString& OpenPathName)>;

/// The program's chooser: CreateSaveDialog, modal.
QString ChooseSaveFile(QWidget* parent, const QString& OpenPathName);

} // namespace spirolan
