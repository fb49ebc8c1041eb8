// SPDX-License-Identifier: GPL-3.0-or-later
// Exporting results: the export dialog with its format filters and the atomic write.
#pragma once

#include <QByteArray>
#include <QString>
#include <QStringList>

#include <functional>

class QWidget;

namespace spirolan {

/// The file chosen in an export dialog and the index of the filter chosen with it; an empty path
/// when the user cancelled.
struct ExportChoice {
    QString Path;
    int Filter = 0;
};

/// Asks for the file to export into, starting in `folder`, offering `filters` ("PNG
/// Files(*.png)") in order.
using ExportFileChooser =
    std::function<ExportChoice(QWidget* parent, const QString& folder, const QStringList& filters)>;

/// The program's chooser: Qt's own save dialog, modal, asking before replacing a file, the
/// name used as typed.
ExportChoice ChooseExportFile(QWidget* parent, const QString& folder, const QStringList& filters);

/// Writes `bytes` to `path` atomically. The user's message on failure (the file and the
/// system's reason), empty on success; a failure leaves an existing file as it was.
QString WriteExportFile(const QString& path, const QByteArray& bytes);

} // namespace spirolan
