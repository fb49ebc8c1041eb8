// SPDX-License-Identifier: GPL-3.0-or-later
// spirolan-cli --help and --version.
#include "cli/help.h"

#include "io/standard_options.h"

#include <QCommandLineParser>
#include <QStringList>

namespace spirolan::batch {
namespace {

constexpr const char* kHelp = R"(       spirolan-cli --help | --version

Replays dialog input of Spirolan on one job state, for scripting and for testing
without windows.

Commands:
  run JOB.json     runs the dialog steps of the job file in order on one job
                   state that starts as the program's state after start-up,
                   and prints what each step shows
  feed PITCH FEED  prints the feed table as the Feed calculation dialog shows
                   it, with CR LF line ends

Options of run:
  --mode-a FILE    write the Mode-A CAF text as the program's save command does
  --mode-b FILE    write the Mode-B CAF text as the program's save command does
  --table FILE     write the XS table as C,XS lines, 17 significant digits
  --svg-a FILE     write the Mode-A graph as an SVG picture, 1200 x 420 pixels
  --svg-b FILE     write the Mode-B graph as an SVG picture, 1200 x 420 pixels
  --csv FILE       write the table as the window's Export Table does: C_deg,
                   XS_mm and, with a spindle speed, speed_mm_s and accel_G
  --max-speed MM_PER_S, --max-accel G
                   the slide's limits: after each shape's figure lines print
                   "Max. spindle speed=N", the highest whole spindle speed
                   within both
Output files are written only when the whole run succeeds.

Options:
  -h, --help       print this help and exit
  -v, --version    print the program's name and version and exit

Exit status:
  0                success
  1                the program refused; its message is on standard error; or
                   the standard output or error could not be written
  2                bad usage, a job file that cannot be read or is invalid,
                   or an output file that cannot be written
)";

} // namespace

std::optional<CommandResult> HelpOrVersion(const std::vector<std::string>& args,
                                           std::string_view usage) {
    QStringList arguments{QStringLiteral("spirolan-cli")};
    for (const std::string& arg : args) {
        arguments << QString::fromStdString(arg);
    }
    QCommandLineParser parser;
    // Everything after the command is the command's own.
    parser.setOptionsAfterPositionalArgumentsMode(QCommandLineParser::ParseAsPositionalArguments);
    const StandardOptions standard = AddStandardOptions(parser);
    if (!parser.parse(arguments)) {
        return std::nullopt;
    }
    if (parser.isSet(standard.Help)) {
        return CommandResult{kExitOk, std::string(usage) + "\n" + kHelp, {}};
    }
    if (parser.isSet(standard.Version)) {
        return CommandResult{kExitOk, std::string("spirolan-cli ") + SPIROLAN_VERSION + "\n", {}};
    }
    return std::nullopt;
}

} // namespace spirolan::batch
