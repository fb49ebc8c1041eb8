// SPDX-License-Identifier: GPL-3.0-or-later
// The spirolan-cli command line: run a job file or print a feed table.
#pragma once

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

/// Runs `spirolan-cli` with `args` (without the program name):
///   run JOB.json [--mode-a FILE] [--mode-b FILE] [--table FILE] [--svg-a FILE] [--svg-b FILE]
///                [--csv FILE] [--max-speed MM_PER_S] [--max-accel G] [--check]
///                [--svg-profile FILE]
///   feed PITCH FEED
/// Output files are written only when the whole run succeeds.
CommandResult RunCommand(const std::vector<std::string>& args);

} // namespace spirolan::batch
