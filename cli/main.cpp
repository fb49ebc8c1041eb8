// SPDX-License-Identifier: GPL-3.0-or-later
// spirolan-cli: replays dialog input on a job state, for scripting and testing without windows.
#include "cli/command.h"
#include "cli/standard_streams.h"
#include "io/native_file.h"

#include <cstdio>
#include <string>
#include <vector>

int main(int argc, char* argv[]) {
    using namespace spirolan::batch;
    // A run stopped while it waits for a FIFO's reader leaves no temporary file behind.
    spirolan::RemoveTemporariesOnSignals();
    Unbuffered(stdout);
    Unbuffered(stderr);
    const std::vector<std::string> args(argv + 1, argv + argc);
    bool printed = false;
    CommandResult result = RunCommand(args, [&printed](const std::string& bytes) {
        printed = true;
        return Print(stdout, bytes);
    });
    // What the run did not hand over itself (a refusal's step lines, the help, the feed table).
    std::string problem = printed ? std::string() : Print(stdout, result.Out);
    if (const std::string closed = Close(stdout); problem.empty()) {
        problem = closed;
    }
    if (!problem.empty()) {
        result.Err += StandardOutputProblem(problem);
        result.ExitCode = result.ExitCode == kExitOk ? kExitRefused : result.ExitCode;
    }
    if (!Print(stderr, result.Err).empty() || !Close(stderr).empty()) {
        return result.ExitCode == kExitOk ? kExitRefused : result.ExitCode;
    }
    return result.ExitCode;
}
