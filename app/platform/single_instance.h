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

/// The lock's second place, beside the settings file `settingsPath`: taken when the runtime
/// folder cannot hold the lock (read-only, full).
QString FallbackLockPath(const QString& settingsPath);

/// Whether this copy may run; `Message` tells the user why not.
struct InstanceCheck {
    bool Ok = true;
    QString Message;
};

/// Holds the program's lock file for as long as it lives.
class SingleInstance {
public:
    /// `fallbackPath`, when given and not `lockPath`, is where the lock goes when it cannot be
    /// created at `lockPath`.
    explicit SingleInstance(const QString& lockPath, const QString& fallbackPath = {});

    /// Ok when no other copy runs; this copy then holds the lock. A lock file that no running
    /// copy holds is taken over, whatever it contains (a crash or a power loss can leave one
    /// empty or unreadable). A copy holding the lock in either place keeps this one from
    /// running. The program never runs unlocked: when the lock can be created in neither
    /// place, the message names both folders and the reasons. Otherwise the message is
    /// "Already Running", or, when something that is no file (a folder) takes the lock's
    /// place, a message naming it.
    InstanceCheck Acquire();

    /// The lock file this copy holds after an Ok `Acquire`: the first place or the fallback.
    QString HeldLockPath() const;

private:
    QLockFile lock_;
    QLockFile fallback_;
};

} // namespace spirolan
