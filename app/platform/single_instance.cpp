// SPDX-License-Identifier: GPL-3.0-or-later
// The lock file that keeps the program to one running copy.
#include "app/platform/single_instance.h"

#include <QCoreApplication>
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

QString FallbackLockPath(const QString& settingsPath) {
    return QFileInfo(settingsPath).absolutePath() + QStringLiteral("/Spirolan.lock");
}

namespace {

// What one place of the lock gave.
enum class Taken { Held, HeldByAnother, NotAFile, CannotCreate };

// A running copy holds its lock file open and locked from the moment it creates it until it
// ends, so a lock that no process holds is abandoned, whatever it names.
bool RemoveAbandonedLock(QLockFile& lock) {
    const QString path = lock.fileName();
    const QFileInfo info(path);
    const QDateTime written = info.lastModified();
    const qint64 age =
        written.isValid() ? written.msecsTo(QDateTime::currentDateTime()) : kNamingMs;
    if (!lock.getLockInfo(nullptr, nullptr, nullptr) && age >= 0 && age < kNamingMs) {
        QThread::msleep(static_cast<unsigned long>(kNamingMs - age));
        return true;
    }
    if (lock.removeStaleLockFile()) {
        return true;
    }
    // One this user cannot open for writing (a dangling link, no permission) no copy holds.
    QFile file(path);
    if (file.open(QIODevice::ReadWrite | QIODevice::ExistingOnly)) {
        return false;
    }
    return QFile::remove(path);
}

// Why no lock file can be made in `folder`: the system's reason for a file written there.
QString WhyNoLock(const QString& folder) {
    if (!QFileInfo(folder).isDir()) {
        return QStringLiteral("the folder does not exist and cannot be made");
    }
    QFile probe(QStringLiteral("%1/.Spirolan.%2.probe")
                    .arg(folder)
                    .arg(QCoreApplication::applicationPid()));
    if (!probe.open(QIODevice::WriteOnly | QIODevice::NewOnly)) {
        return probe.errorString();
    }
    const bool written = probe.write(QByteArray(64, '0')) == 64 && probe.flush();
    const QString reason = probe.errorString();
    probe.close();
    probe.remove();
    return written ? QStringLiteral("the lock file could not be written") : reason;
}

Taken Take(QLockFile& lock, QString& reason) {
    const QString path = lock.fileName();
    const QString folder = QFileInfo(path).absolutePath();
    QDir().mkpath(folder);
    const QFileInfo info(path);
    if (info.exists() && !info.isFile()) {
        return Taken::NotAFile;
    }
    for (int attempt = 0; attempt < kAttempts; ++attempt) {
        if (lock.tryLock(kLockWaitMs)) {
            return Taken::Held;
        }
        if (lock.error() != QLockFile::LockFailedError) {
            reason = WhyNoLock(folder);
            return Taken::CannotCreate;
        }
        if (!RemoveAbandonedLock(lock)) {
            break;
        }
    }
    return Taken::HeldByAnother;
}

InstanceCheck NotAFileMessage(const QString& path) {
    return {false, QStringLiteral("Spirolan cannot tell whether it is already running: %1 is not "
                                  "a file.\nRemove it, then start Spirolan again.")
                       .arg(QDir::toNativeSeparators(path))};
}

const InstanceCheck kAlreadyRunning{false, QStringLiteral("Already Running")};

} // namespace

SingleInstance::SingleInstance(const QString& lockPath, const QString& fallbackPath)
    : lock_(lockPath), fallback_(fallbackPath == lockPath ? QString() : fallbackPath) {
    // Whether a copy holds the lock decides; a running copy's lock never ages.
    lock_.setStaleLockTime(0);
    fallback_.setStaleLockTime(0);
}

QString SingleInstance::HeldLockPath() const {
    return fallback_.isLocked() ? fallback_.fileName() : lock_.fileName();
}

InstanceCheck SingleInstance::Acquire() {
    QString reason;
    const Taken taken = Take(lock_, reason);
    if (taken == Taken::HeldByAnother) {
        return kAlreadyRunning;
    }
    if (taken == Taken::NotAFile) {
        return NotAFileMessage(lock_.fileName());
    }
    const bool twoPlaces = !fallback_.fileName().isEmpty();
    if (taken == Taken::Held) {
        // A copy that started while the first place could not hold a lock holds the second.
        const QFileInfo second(fallback_.fileName());
        QString ignored;
        if (twoPlaces && (second.exists() || second.isSymLink()) &&
            Take(fallback_, ignored) == Taken::HeldByAnother) {
            lock_.unlock();
            return kAlreadyRunning;
        }
        fallback_.unlock();
        return {};
    }
    const QString folder = QDir::toNativeSeparators(QFileInfo(lock_.fileName()).absolutePath());
    if (!twoPlaces) {
        return {false, QStringLiteral("Spirolan cannot make sure that only one copy of it runs: "
                                      "its lock cannot be created in %1 (%2).\nMake that folder "
                                      "writable, then start Spirolan again.")
                           .arg(folder, reason)};
    }
    QString secondReason;
    switch (Take(fallback_, secondReason)) {
    case Taken::Held:
        return {};
    case Taken::HeldByAnother:
        return kAlreadyRunning;
    case Taken::NotAFile:
        return NotAFileMessage(fallback_.fileName());
    case Taken::CannotCreate:
        break;
    }
    return {false,
            QStringLiteral("Spirolan cannot make sure that only one copy of it runs: its lock "
                           "cannot be created in %1 (%2) nor in %3 (%4).\nMake one of these "
                           "folders writable, then start Spirolan again.")
                .arg(folder, reason,
                     QDir::toNativeSeparators(QFileInfo(fallback_.fileName()).absolutePath()),
                     secondReason)};
}

} // namespace spirolan
