// SPDX-License-Identifier: GPL-3.0-or-later
// The desktop program's command line: --help, --version and the one file to open.
#pragma once

#include <QString>
#include <QStringList>

namespace spirolan {

/// What the command line asks of the program.
struct CommandLine {
    enum class Action {
        Start,  // start the window (with `File`, when one is given)
        Answer, // print `Text` on standard output and exit 0 (--help, --version)
        Refuse  // print `Text` on standard error and exit 2 (bad usage)
    };
    Action What = Action::Start;
    QString Text;
    QString File;
};

/// Reads `arguments`, the program's name first.
CommandLine ReadCommandLine(const QStringList& arguments);

/// The arguments of main() as texts.
QStringList ArgumentList(int argc, char* argv[]);

/// Prints the answer or the refusal of `line` and gives the exit code.
int PrintAndExit(const CommandLine& line);

} // namespace spirolan
