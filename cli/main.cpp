// SPDX-License-Identifier: GPL-3.0-or-later
// spirolan-cli: replays dialog input on a job state, for scripting and testing without windows.
#include "cli/command.h"

#include <cstdio>
#include <string>
#include <vector>

int main(int argc, char* argv[]) {
    std::vector<std::string> args(argv + 1, argv + argc);
    const spirolan::batch::CommandResult result = spirolan::batch::RunCommand(args);
    std::fwrite(result.Out.data(), 1, result.Out.size(), stdout);
    std::fwrite(result.Err.data(), 1, result.Err.size(), stderr);
    return result.ExitCode;
}
