// SPDX-License-Identifier: GPL-3.0-or-later
// Exporting results: the export dialog with its format filters and the atomic write.
#pragma once

#include <QString>
#include <QStringList>

#include <functional>
#include <optional>

class QFileDialog;
class QWidget;

namespace spirolan {

/// The file chosen in an export dialog, the index of the filter chosen with it and whether the
/// screen's style was chosen over the print style; an empty path when the user cancelled.
struct ExportChoice {
    QString Path;
    int Filter = 0;
    bool ScreenStyle = false;
};

/// Asks for the file to export into with the dialog title `title`, starting in `folder`,
/// offering `filters` ("PNG Files(*.png)") in order and, when `screenStyle` is given, the choice
/// of the screen's style (ticked as given).
using ExportFileChooser =
    std::function<ExportChoice(QWidget* parent, const QString& title, const QString& folder,
                               const QStringList& filters, std::optional<bool> screenStyle)>;

/// The caption of the export dialog's style choice.
inline constexpr char kScreenStyleCaption[] = "Screen colours (black graph background)";

/// The program's chooser: Qt's own save dialog, modal, asking before replacing a file; a name
/// typed without an extension gets the chosen filter's (FollowFilterExtension); the style
/// choice is a check box under the file list.
ExportChoice ChooseExportFile(QWidget* parent, const QString& title, const QString& folder,
                              const QStringList& filters, std::optional<bool> screenStyle);

/// Makes `dialog` add the extension of its chosen filter ("*.png" in "PNG Files(*.png)") to a
/// name typed without one, following the filter as the user changes it; a filter of every file
/// ("*" or "*.*") adds none.
void FollowFilterExtension(QFileDialog& dialog);

} // namespace spirolan
