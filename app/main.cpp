// SPDX-License-Identifier: GPL-3.0-or-later
// Entry point of the desktop program.
#include "app/shell/command_line.h"
#include "app/shell/startup.h"

int main(int argc, char* argv[]) {
    // --help and --version are answered before the toolkit starts, so they need no display; the
    // rest is read once QApplication has taken its own options (-platform, -style, ...).
    const spirolan::CommandLine early =
        spirolan::ReadCommandLine(spirolan::ArgumentList(argc, argv));
    if (early.What == spirolan::CommandLine::Action::Answer) {
        return spirolan::PrintAndExit(early);
    }
    QApplication application(argc, argv);
    const spirolan::CommandLine line = spirolan::ReadCommandLine(QCoreApplication::arguments());
    if (line.What != spirolan::CommandLine::Action::Start) {
        return spirolan::PrintAndExit(line);
    }
    return spirolan::RunSpirolan(application, line.File);
}
