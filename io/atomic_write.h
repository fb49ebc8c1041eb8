// The one writer of every file the program and the batch command write: whole or not at all.
#pragma once

#include <QByteArrayView>
#include <QString>

#include <vector>

namespace spirolan {

/// Outcome of a write; on failure `Reason` is the system's reason ("No space left on device").
struct FileWriteResult {
    bool Ok = true;
    QString Reason;
};

/// Writes `bytes` to `path` through a temporary file beside it that replaces the old file only
/// when every byte was written, flushed and committed: a failed write leaves an existing file
/// of that name as it was and no partial file behind.
FileWriteResult WriteFileAtomically(const QString& path, QByteArrayView bytes);

/// One file of a group written together.
struct PendingFile {
    QString Path;
    QByteArray Bytes;
};

/// Writes every file of `files`, or none of them: all are written and flushed before the first
/// replaces its target. On failure `Reason` names the file that failed and why.
FileWriteResult WriteFilesAtomically(const std::vector<PendingFile>& files);

} // namespace spirolan
