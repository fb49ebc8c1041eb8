// SPDX-License-Identifier: GPL-3.0-or-later
// The spirolan-cli command line: run a job file or print a feed table.
#pragma once

#include <functional>
#include <string>
#include <vector>

namespace spirolan::batch {

/// Exit statuses of spirolan-cli.
inline constexpr int kExitOk = 0;
inline constexpr int kExitRefused = 1;
inline constexpr int kExitBadInput = 2;

/// What a command printed and its exit status (0 success, 1 refused, 2 bad usage or input).
struct CommandResult {
    int ExitCode = 0;
    std::string Out;
    std::string Err;
};

/// Writes a run's standard output; the system's reason when it could not, else empty.
using PrintOut = std::function<std::string(const std::string& bytes)>;

/// Runs `spirolan-cli` with `args` (without the program name):
///   run JOB.json [--mode-a FILE] [--mode-b FILE] [--table FILE] [--svg-a FILE] [--svg-b FILE]
///                [--csv FILE] [--max-speed MM_PER_S] [--max-accel G]
///   feed PITCH FEED
/// Output files are written only when the whole run succeeds. With `printOut`, a successful run
/// hands its standard output to it once every output file is ready and before any replaces an
/// old one (the result's `Out` is then empty): when it cannot be written, no file is replaced
/// and the run ends with status 1 and StandardOutputProblem.
CommandResult RunCommand(const std::vector<std::string>& args, const PrintOut& printOut = {});

/// The message on standard error when the standard output cannot be written for `reason`.
std::string StandardOutputProblem(const std::string& reason);

} // namespace spirolan::batch
