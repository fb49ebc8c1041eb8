// SPDX-License-Identifier: GPL-3.0-or-later
// The one writer of every file the program and the batch command write: whole or not at all.
#pragma once

#include <QByteArray>
#include <QByteArrayView>
#include <QString>

#include <filesystem>
#include <functional>
#include <system_error>
#include <vector>

namespace spirolan {

/// Outcome of a write; on failure `Reason` is the system's reason ("No space left on device").
struct FileWriteResult {
    bool Ok = true;
    QString Reason;
};

/// Writes `bytes` to `path` through a temporary file beside it that replaces the old file only
/// when every byte was written, flushed, synced and closed: a failed write leaves an existing
/// file of that name as it was and no partial file behind. The new file has the old one's
/// permissions from its first byte, and its owner and group where this process may set them. A
/// symbolic link is followed and the file it points to is replaced, the link stays. A target
/// that exists and is not a regular file (a FIFO, a device) is written directly, without a
/// temporary file and without waiting: a FIFO that no program reads is refused. The file this
/// process's standard output or error writes to is written through that stream. A directory is
/// refused. Temporaries left in the folder by killed processes are removed.
FileWriteResult WriteFileAtomically(const QString& path, QByteArrayView bytes);

/// One file of a group written together, named by the system's own path and used as given: on
/// POSIX systems its bytes, whatever their encoding (as a command line gives them).
struct PendingFile {
    std::filesystem::path Path;
    QByteArray Bytes;
};

/// How a group is written beyond what WriteFileAtomically does for each file.
struct GroupWrite {
    /// Whether a FIFO's write waits for a program to read it (the batch command's may).
    bool WaitForReader = false;
    /// Called when every file is ready and none replaced yet; a reason it returns stops the
    /// write, which then replaces nothing and gives that reason.
    std::function<QString()> BeforeReplacing;
};

/// Writes every file of `files`, or none of them: all regular files are written and synced to
/// temporaries, then the files that are not regular are written, and only then do the
/// temporaries replace their targets. The old files stay, under a second name, until every new
/// one is in place: when one cannot be replaced (a busy target), those already replaced get
/// their old bytes back. On failure `Reason` names the file that failed and why.
FileWriteResult WriteFilesAtomically(const std::vector<PendingFile>& files,
                                     const GroupWrite& how = {});

/// The file that a write to `path` replaces: `path` with its symbolic links followed, a link to a
/// file not yet made included. On a loop of links or a link that cannot be read, `error` says
/// why and `path` itself is returned.
std::filesystem::path FollowLinks(const std::filesystem::path& path, std::error_code& error);

} // namespace spirolan
