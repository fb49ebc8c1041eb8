// The lock file that keeps the program to one running copy.
#include "app/platform/single_instance.h"

#include <QDir>
#include <QFileInfo>

namespace spirolan {

namespace {
// Long enough for a copy that starts at the same moment to finish taking over a stale lock.
constexpr int kLockWaitMs = 200;
} // namespace

QString LockPathFor(const QString& settingsPath) {
    return QFileInfo(settingsPath).absolutePath() + QStringLiteral("/Spirolan.lock");
}

SingleInstance::SingleInstance(const QString& lockPath) : lock_(lockPath) {
    // The owner's process id decides whether a lock is stale; a running copy's lock never ages.
    lock_.setStaleLockTime(0);
}

bool SingleInstance::Acquire() {
    QDir().mkpath(QFileInfo(lock_.fileName()).absolutePath());
    if (lock_.tryLock(kLockWaitMs)) {
        return true;
    }
    return lock_.error() != QLockFile::LockFailedError;
}

} // namespace spirolan
