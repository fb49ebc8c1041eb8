// SPDX-License-Identifier: GPL-3.0-or-later
// The -h/--help and -v/--version options that both programs' command lines take.
#include "io/standard_options.h"

namespace spirolan {

StandardOptions AddStandardOptions(QCommandLineParser& parser) {
    StandardOptions options{
        QCommandLineOption({QStringLiteral("h"), QStringLiteral("help")},
                           QStringLiteral("print this help and exit")),
        QCommandLineOption({QStringLiteral("v"), QStringLiteral("version")},
                           QStringLiteral("print the name and version and exit"))};
    parser.addOption(options.Help);
    parser.addOption(options.Version);
    return options;
}

} // namespace spirolan
