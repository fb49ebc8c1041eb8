// SPDX-License-Identifier: GPL-3.0-or-later
// The -h/--help and -v/--version options that both programs' command lines take.
#pragma once

#include <QCommandLineOption>
#include <QCommandLineParser>

namespace spirolan {

/// The standard options, to ask a parser whether they were given.
struct StandardOptions {
    QCommandLineOption Help;
    QCommandLineOption Version;
};

/// Adds -h/--help and -v/--version to `parser`, worded alike in both programs.
StandardOptions AddStandardOptions(QCommandLineParser& parser);

} // namespace spirolan
