// SPDX-License-Identifier: GPL-3.0-or-later
// Keeping, finding and setting aside the recovery file.
#include "app/shell/job_recovery.h"

#include "app/windows/messages.h"
#include "io/job_document.h"

#include <QDateTime>
#include <QDir>
#include <QFile>
#include <QFileInfo>

#include <cerrno>
#include <cstdio>
#include <cstring>
#include <filesystem>
#include <system_error>

namespace spirolan {

namespace {

const QString kRestoreAction = QStringLiteral("restore the unsaved job from");

// A path that names something, a dangling link or a FIFO included.
bool Occupied(const QString& path) {
    std::error_code error;
    return std::filesystem::exists(
               std::filesystem::symlink_status(QFile::encodeName(path).toStdString(), error)) &&
           !error;
}

} // namespace

QString DefaultRecoveryPath() {
    QString state = qEnvironmentVariable("XDG_STATE_HOME");
    if (state.isEmpty() || QDir::isRelativePath(state)) {
        state = QDir::homePath() + QStringLiteral("/.local/state");
    }
    return state + QStringLiteral("/Spirolan/recovery.spjob");
}

FileWriteResult KeepRecoveryFile(const QString& path, const std::string& text) {
    const QString folder = QFileInfo(path).absolutePath();
    if (!QFileInfo::exists(folder)) {
        QDir().mkpath(folder);
        QFile::setPermissions(folder, QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
    }
    return WriteFileAtomically(path, QByteArray::fromStdString(text));
}

void DropRecoveryFile(const QString& path) {
    const QFileInfo info(path);
    // Only a file this program wrote; anything else in its place is left for the next start.
    if (info.isFile() && !info.isSymLink()) {
        QFile::remove(path);
    }
}

FoundRecovery FindRecoveryFile(const QString& path) {
    if (!Occupied(path)) {
        return {};
    }
    std::string problem;
    const std::optional<std::string> bytes =
        ReadJobFileBytes(QFile::encodeName(path).toStdString(), problem);
    if (!bytes) {
        return {std::nullopt, SetRecoveryFileAside(path, QString::fromStdString(problem))};
    }
    if (bytes->empty()) {
        return {std::nullopt, SetRecoveryFileAside(path, QStringLiteral("the file is empty"))};
    }
    JobFileResult parsed = ParseJobFile(*bytes, {});
    if (!parsed.Job) {
        return {std::nullopt, SetRecoveryFileAside(path, QString::fromStdString(parsed.Error))};
    }
    return {std::move(parsed.Job), {}};
}

QString SetRecoveryFileAside(const QString& path, QString reason) {
    // A refusal may end in a blank ("Data error "); the sentence goes on after it.
    reason = reason.trimmed();
    const QFileInfo info(path);
    const QString stamp = QDateTime::currentDateTime().toString(QStringLiteral("yyyyMMdd-HHmmss"));
    QString aside;
    for (int number = 1; aside.isEmpty() || Occupied(aside); ++number) {
        aside = info.absolutePath() +
                QStringLiteral("/recovery-unreadable-%1%2.spjob")
                    .arg(stamp, number == 1 ? QString() : QStringLiteral("-%1").arg(number));
    }
    // rename() moves whatever the name holds, a folder or a FIFO too, without opening it.
    if (std::rename(QFile::encodeName(path).constData(), QFile::encodeName(aside).constData()) !=
        0) {
        const QString why = QString::fromLocal8Bit(std::strerror(errno));
        return CannotMessage(
            kRestoreAction, path,
            reason + QStringLiteral("; it could not be set aside either (%1)").arg(why));
    }
    return CannotMessage(
        kRestoreAction, path,
        reason + QStringLiteral(". It was kept as %1").arg(QDir::toNativeSeparators(aside)));
}

} // namespace spirolan
