// SPDX-License-Identifier: GPL-3.0-or-later
// The "All Files(*.*)" choice of the program's file dialogs: every file, dot or none.
#pragma once

#include <QString>

class QFileDialog;

namespace spirolan {

/// Lets `filter` list every file of the folder in `dialog` (Qt's own dialog), whether its name
/// has a dot or not, whenever it is the chosen filter, from now on. Where that text comes from,
/// "*.*" means every file; the dialog would otherwise hide names without a dot.
void ListEveryFileUnder(QFileDialog& dialog, const QString& filter);

} // namespace spirolan
