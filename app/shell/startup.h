// SPDX-License-Identifier: GPL-3.0-or-later
// Start of the program: one running copy, the main window, the event loop.
#pragma once

#include <QApplication>

namespace spirolan {

/// Names the application "Spirolan" (as organisation and application) for the toolkit.
void NameApplication();

/// Runs the program in `application` until its main window closes and returns the exit code.
/// When another copy already runs, shows "Already Running" and returns 0 at once, reading and
/// writing no setting. A `jobDocument` from the command line is opened once the window shows;
/// one that cannot be opened shows its message over the window. A request of the system to end
/// the program (a termination signal, the end of the session) closes its windows as the close
/// box does, so that the settings are written and the lock released.
int RunSpirolan(QApplication& application, const QString& jobDocument = {});

} // namespace spirolan
