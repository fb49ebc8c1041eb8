// SPDX-License-Identifier: GPL-3.0-or-later
// The lock file that keeps the program to one running copy.
#include "app/platform/single_instance.h"

#include <QDateTime>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QStandardPaths>
#include <QThread>

namespace spirolan {

namespace {
// Long enough for a copy that starts at the same moment to finish taking over a stale lock.
constexpr int kLockWaitMs = 200;
// A copy writes its name into the lock within moments of creating it; an unnamed lock younger
// than this may be one being written.
constexpr qint64 kNamingMs = 500;
constexpr int kAttempts = 3;
} // namespace

QString DefaultLockPath(const QString& settingsPath) {
    QString folder = QStandardPaths::writableLocation(QStandardPaths::RuntimeLocation);
    if (folder.isEmpty()) {
        folder = QFileInfo(settingsPath).absolutePath();
    }
    return folder + QStringLiteral("/Spirolan.lock");
}

SingleInstance::SingleInstance(const QString& lockPath) : lock_(lockPath) {
    // Whether a copy holds the lock decides; a running copy's lock never ages.
    lock_.setStaleLockTime(0);
}

InstanceCheck SingleInstance::Acquire() {
    const QString path = lock_.fileName();
    QDir().mkpath(QFileInfo(path).absolutePath());
    const QFileInfo info(path);
    if (info.exists() && !info.isFile()) {
        return {false, QStringLiteral("Spirolan cannot tell whether it is already running: %1 "
                                      "is not a file.\nRemove it, then start Spirolan again.")
                           .arg(QDir::toNativeSeparators(path))};
    }
    for (int attempt = 0; attempt < kAttempts; ++attempt) {
        if (lock_.tryLock(kLockWaitMs) || lock_.error() != QLockFile::LockFailedError) {
            return {};
        }
        if (!RemoveAbandonedLock()) {
            break;
        }
    }
    return {false, QStringLiteral("Already Running")};
}

// A running copy holds its lock file open and locked from the moment it creates it until it
// ends, so a lock that no process holds is abandoned, whatever it names.
bool SingleInstance::RemoveAbandonedLock() {
    const QString path = lock_.fileName();
    const QFileInfo info(path);
    const QDateTime written = info.lastModified();
    const qint64 age =
        written.isValid() ? written.msecsTo(QDateTime::currentDateTime()) : kNamingMs;
    if (!lock_.getLockInfo(nullptr, nullptr, nullptr) && age >= 0 && age < kNamingMs) {
        QThread::msleep(static_cast<unsigned long>(kNamingMs - age));
        return true;
    }
    if (lock_.removeStaleLockFile()) {
        return true;
    }
    // One this user cannot open for writing (a dangling link, no permission) no copy holds.
    QFile file(path);
    if (file.open(QIODevice::ReadWrite | QIODevice::ExistingOnly)) {
        return false;
    }
    return QFile::remove(path);
}

} // namespace spirolan
