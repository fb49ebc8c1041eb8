// SPDX-License-Identifier: GPL-3.0-or-later
// Single instance: a lock file held while the program runs, so that a second copy can refuse.
#pragma once

#include <QLockFile>
#include <QString>

namespace spirolan {

/// The lock file "Spirolan.lock": in this user's runtime folder where the system has one (so
/// that a read-only configuration folder cannot let two copies run), otherwise beside the
/// settings file `settingsPath`.
QString DefaultLockPath(const QString& settingsPath);

/// Whether this copy may run; `Message` tells the user why not.
struct InstanceCheck {
    bool Ok = true;
    QString Message;
};

/// Holds the program's lock file for as long as it lives.
class SingleInstance {
public:
    explicit SingleInstance(const QString& lockPath);

    /// Ok when no other copy runs; this copy then holds the lock. A lock file that no running
    /// copy holds is taken over, whatever it contains (a crash or a power loss can leave one
    /// empty or unreadable). A lock that cannot be created at all (an unwritable folder) does
    /// not stop the program either. Otherwise the message is "Already Running", or, when
    /// something that is no file (a folder) takes the lock's place, a message naming it.
    InstanceCheck Acquire();

private:
    bool RemoveAbandonedLock();

    QLockFile lock_;
};

} // namespace spirolan
