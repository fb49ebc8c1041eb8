// SPDX-License-Identifier: GPL-3.0-or-later
// Termination signals reach the event loop through a pipe: the handler only writes one byte.
#include "app/platform/shutdown_signals.h"

#include <QSocketNotifier>

#include <array>
#include <cerrno>
#include <csignal>
#include <fcntl.h>
#include <unistd.h>

namespace spirolan {

namespace {

constexpr std::array kSignals{SIGTERM, SIGINT, SIGHUP};

// The pipe's writing end for the handler; one watch at a time.
volatile std::sig_atomic_t gWriteEnd = -1;

extern "C" void WriteSignalByte(int) {
    const int saved = errno;
    const char byte = 1;
    [[maybe_unused]] const auto written = ::write(gWriteEnd, &byte, 1);
    errno = saved;
}

bool OpenPipe(int (&ends)[2]) {
    if (::pipe(ends) != 0) {
        return false;
    }
    for (const int end : ends) {
        ::fcntl(end, F_SETFD, FD_CLOEXEC);
        ::fcntl(end, F_SETFL, ::fcntl(end, F_GETFL) | O_NONBLOCK);
    }
    return true;
}

} // namespace

struct ShutdownSignals::Watch {
    int ends[2] = {-1, -1};
    std::unique_ptr<QSocketNotifier> notifier;
    std::array<struct sigaction, kSignals.size()> previous{};
    std::array<bool, kSignals.size()> installed{};
};

ShutdownSignals::ShutdownSignals(std::function<void()> onRequest)
    : watch_(std::make_unique<Watch>()) {
    Watch& watch = *watch_;
    if (!OpenPipe(watch.ends)) {
        return;
    }
    gWriteEnd = watch.ends[1];
    watch.notifier = std::make_unique<QSocketNotifier>(watch.ends[0], QSocketNotifier::Read);
    QObject::connect(watch.notifier.get(), &QSocketNotifier::activated,
                     [readEnd = watch.ends[0], onRequest = std::move(onRequest)] {
                         char bytes[16];
                         while (::read(readEnd, bytes, sizeof bytes) > 0) {
                         }
                         onRequest();
                     });
    struct sigaction action {};
    action.sa_handler = WriteSignalByte;
    sigemptyset(&action.sa_mask);
    action.sa_flags = SA_RESTART;
    for (std::size_t index = 0; index < kSignals.size(); ++index) {
        sigaction(kSignals[index], nullptr, &watch.previous[index]);
        if (watch.previous[index].sa_handler != SIG_IGN) {
            watch.installed[index] = sigaction(kSignals[index], &action, nullptr) == 0;
        }
    }
}

ShutdownSignals::~ShutdownSignals() {
    Watch& watch = *watch_;
    for (std::size_t index = 0; index < kSignals.size(); ++index) {
        if (watch.installed[index]) {
            sigaction(kSignals[index], &watch.previous[index], nullptr);
        }
    }
    if (watch.ends[0] >= 0) {
        gWriteEnd = -1;
        watch.notifier.reset();
        ::close(watch.ends[0]);
        ::close(watch.ends[1]);
    }
}

} // namespace spirolan
