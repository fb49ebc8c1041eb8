// SPDX-License-Identifier: GPL-3.0-or-later
// Start of the program: one running copy, the main window, the event loop.
#pragma once

#include <QApplication>

namespace spirolan {

/// Names the application "Spirolan" (as organisation and application) for the toolkit.
void NameApplication();

/// Runs the program in `application` until its main window closes and returns the exit code.
/// When another copy already runs, a `jobDocument` is handed over to it (it opens it) and 0 is
/// returned without a message; without one, or when the hand-over fails, "Already Running"
/// shows and 0 is returned, reading and writing no setting. Once the window shows, a job a
/// former run left unsaved is offered, then `jobDocument` is opened as Open Job opens it. A
/// request of the system to end the program (a termination signal, the end of the session)
/// closes it without a question or message box: the unsaved job stays in the recovery file, the
/// settings are written and the lock released.
int RunSpirolan(QApplication& application, const QString& jobDocument = {});

} // namespace spirolan
