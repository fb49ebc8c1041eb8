// Single instance: a lock file held while the program runs, so that a second copy can refuse.
#pragma once

#include <QLockFile>
#include <QString>

namespace spirolan {

/// The lock file beside the settings file `settingsPath`: one running copy per settings store.
QString LockPathFor(const QString& settingsPath);

/// Holds the program's lock file for as long as it lives.
class SingleInstance {
public:
    explicit SingleInstance(const QString& lockPath);

    /// True when no other copy runs; this copy then holds the lock. A lock left behind by a copy
    /// that crashed is taken over. A lock that cannot be created at all (an unwritable folder)
    /// does not stop the program either: it also gives true.
    bool Acquire();

private:
    QLockFile lock_;
};

} // namespace spirolan
