// SPDX-License-Identifier: GPL-3.0-or-later
// Requests of the system to end the program, turned into a normal close.
#pragma once

#include <functional>
#include <memory>

namespace spirolan {

/// While it lives, every request of the system to end the program (SIGTERM, SIGINT or SIGHUP
/// where the system has these signals) calls `onRequest` from the event loop instead of ending
/// the program at once; requests that arrive together may give one call. A signal that was
/// ignored when the watch began stays ignored.
class ShutdownSignals {
public:
    explicit ShutdownSignals(std::function<void()> onRequest);
    ~ShutdownSignals();
    ShutdownSignals(const ShutdownSignals&) = delete;
    ShutdownSignals& operator=(const ShutdownSignals&) = delete;

private:
    struct Watch;
    std::unique_ptr<Watch> watch_;
};

} // namespace spirolan
