// SPDX-License-Identifier: GPL-3.0-or-later
// No termination signals on this system: the session's end reaches the program as a close.
#include "app/platform/shutdown_signals.h"

namespace spirolan {

struct ShutdownSignals::Watch {};

ShutdownSignals::ShutdownSignals(std::function<void()>) : watch_(std::make_unique<Watch>()) {}

ShutdownSignals::~ShutdownSignals() = default;

} // namespace spirolan
