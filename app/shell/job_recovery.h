// SPDX-License-Identifier: GPL-3.0-or-later
// The recovery file: the document of a changed, unsaved job, kept so that a kill loses no work.
#pragma once

#include "io/atomic_write.h"
#include "io/job_file.h"

#include <QString>

#include <optional>
#include <string>

namespace spirolan {

/// This user's recovery file: "recovery.spjob" in $XDG_STATE_HOME/Spirolan, or in
/// ~/.local/state/Spirolan when that variable is unset or not an absolute path.
QString DefaultRecoveryPath();

/// Replaces the recovery file `path` by `text`, whole or not at all, making its folder (only
/// the owner may enter it) when it is missing.
FileWriteResult KeepRecoveryFile(const QString& path, const std::string& text);

/// Removes the recovery file `path`; a missing one is no failure.
void DropRecoveryFile(const QString& path);

/// What a start finds at the recovery file's place.
struct FoundRecovery {
    /// The job it holds; nullopt when there is no recovery file or it was set aside.
    std::optional<JobFile> Job;
    /// Why the file was set aside and where it went (empty when it was not).
    QString Problem;
};

/// Reads the recovery file `path`. One that cannot be a job document (empty, cut short, not a
/// regular file, a newer version) is set aside: renamed, never removed, so that it is reported
/// once and its bytes stay for whoever wants them.
FoundRecovery FindRecoveryFile(const QString& path);

/// Renames the recovery file `path` aside, beside it, and gives the message for the user:
/// `reason` and the new name, or why it could not be renamed.
QString SetRecoveryFileAside(const QString& path, QString reason);

} // namespace spirolan
