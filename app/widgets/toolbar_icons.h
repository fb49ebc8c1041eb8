// SPDX-License-Identifier: GPL-3.0-or-later
// Icons of the toolbar buttons and of the program.
#pragma once

#include <QIcon>
#include <QString>

namespace spirolan {

/// The icon of the toolbar button with `key` ("Square", "SaveA", ...): the desktop icon theme's
/// where it has a fitting one, otherwise drawn here, so that no button is ever blank. The two
/// save buttons carry the letter of their mode. An unknown key gets the program's icon.
QIcon CommandIcon(const QString& key);

/// The program's icon, a cam graph: the PNG renderings of program_icon.svg that the desktop's
/// installed icons are too.
QIcon ProgramIcon();

} // namespace spirolan
