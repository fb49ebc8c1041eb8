// SPDX-License-Identifier: GPL-3.0-or-later
// Exporting results: the export dialog with its format filters and the atomic write.
#pragma once

#include <QByteArray>
#include <QString>
#include <QStringList>

#include <functional>
#include <optional>

class QWidget;

namespace spirolan {

/// The file chosen in an export dialog, the index of the filter chosen with it and whether the
/// screen's style was chosen over the print style; an empty path when the user cancelled.
struct ExportChoice {
    QString Path;
    int Filter = 0;
    bool ScreenStyle = false;
};

/// Asks for the file to export into, starting in `folder`, offering `filters` ("PNG
/// Files(*.png)") in order and, when `screenStyle` is given, the choice of the screen's style
/// (ticked as given).
using ExportFileChooser =
    std::function<ExportChoice(QWidget* parent, const QString& folder, const QStringList& filters,
                               std::optional<bool> screenStyle)>;

/// The caption of the export dialog's style choice.
inline constexpr char kScreenStyleCaption[] = "Screen colours (black graph background)";

/// The program's chooser: Qt's own save dialog, modal, asking before replacing a file, the
/// name used as typed; the style choice is a check box under the file list.
ExportChoice ChooseExportFile(QWidget* parent, const QString& folder, const QStringList& filters,
                              std::optional<bool> screenStyle);

/// Writes `bytes` to `path` atomically. The user's message on failure (the file and the
/// system's reason), empty on success; a failure leaves an existing file as it was.
QString WriteExportFile(const QString& path, const QByteArray& bytes);

} // namespace spirolan
