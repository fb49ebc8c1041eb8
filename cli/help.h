// SPDX-License-Identifier: GPL-3.0-or-later
// spirolan-cli --help and --version.
#pragma once

#include "cli/command.h"

#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace spirolan::batch {

/// The answer when `args` (without the program name) ask for --help or --version before any
/// command; nothing otherwise, so that every other command line is the commands' to judge.
/// `usage` is the commands' usage text, the help's first lines.
std::optional<CommandResult> HelpOrVersion(const std::vector<std::string>& args,
                                           std::string_view usage);

} // namespace spirolan::batch
