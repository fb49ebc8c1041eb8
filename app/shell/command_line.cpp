// SPDX-License-Identifier: GPL-3.0-or-later
// The desktop program's command line.
#include "app/shell/command_line.h"

#include "app/spirolan_version.h"
#include "io/standard_options.h"

#include <QCommandLineParser>

#include <cstdio>

namespace spirolan {
namespace {

constexpr const char* kUsage = "Usage: spirolan [FILE]\n"
                               "       spirolan --help | --version\n";

constexpr const char* kHelp =
    "\n"
    "Computes cam data for cutting thread grooves. Pick one of three groove shapes,\n"
    "type its dimensions and get the radial slide position XS for every degree of\n"
    "spindle angle as a Mode-A CAF cam text and a graph; Face Copy adds the many-face\n"
    "Mode-B text along the thread.\n"
    "\n"
    "Arguments:\n"
    "  FILE           a Spirolan job document (*.spjob) to open: its steps are\n"
    "                 replayed as spirolan-cli run does; one that cannot be opened\n"
    "                 says why over the window. While Spirolan runs, the running\n"
    "                 copy opens it and this start ends at once\n"
    "\n"
    "Options:\n"
    "  -h, --help     print this help and exit\n"
    "  -v, --version  print the program's name and version and exit\n"
    "\n"
    "Files:\n"
    "  ~/.config/Spirolan/Spirolan.ini\n"
    "                 the settings, read at start and written when the window closes\n"
    "  ~/.local/state/Spirolan/recovery.spjob\n"
    "                 the changed job not yet saved, offered at the next start\n";

} // namespace

CommandLine ReadCommandLine(const QStringList& arguments) {
    QCommandLineParser parser;
    const StandardOptions standard = AddStandardOptions(parser);
    parser.addPositionalArgument(QStringLiteral("FILE"), QStringLiteral("job document to open"),
                                 QStringLiteral("[FILE]"));
    const auto refuse = [](const QString& problem) {
        return CommandLine{CommandLine::Action::Refuse,
                           QStringLiteral("spirolan: ") + problem + '\n' + kUsage,
                           {}};
    };
    if (!parser.parse(arguments)) {
        return refuse(parser.errorText());
    }
    if (parser.isSet(standard.Help)) {
        return {CommandLine::Action::Answer, QString::fromLatin1(kUsage) + kHelp, {}};
    }
    if (parser.isSet(standard.Version)) {
        return {CommandLine::Action::Answer, QStringLiteral("spirolan ") + kVersionText + '\n', {}};
    }
    const QStringList files = parser.positionalArguments();
    if (files.size() > 1) {
        return refuse(QStringLiteral("one FILE at most can be opened"));
    }
    return {CommandLine::Action::Start, {}, files.value(0)};
}

QStringList ArgumentList(int argc, char* argv[]) {
    QStringList arguments;
    for (int i = 0; i < argc; ++i) {
        arguments << QString::fromLocal8Bit(argv[i]);
    }
    return arguments;
}

int PrintAndExit(const CommandLine& line) {
    const QByteArray text = line.Text.toLocal8Bit();
    std::FILE* stream = line.What == CommandLine::Action::Answer ? stdout : stderr;
    std::fwrite(text.constData(), 1, static_cast<size_t>(text.size()), stream);
    return line.What == CommandLine::Action::Answer ? 0 : 2;
}

} // namespace spirolan
