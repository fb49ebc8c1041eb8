// SPDX-License-Identifier: GPL-3.0-or-later
// Files by the system's own path, and this process: one implementation per platform.
#pragma once

#include <QByteArrayView>

#include <filesystem>

namespace spirolan {

/// Creates the file `path`, which must not exist yet (errno EEXIST when it does), for writing.
/// It has from the start the permissions of the existing regular file `like` and, where this
/// process may set them, its owner and group; when `like` does not exist, those of a new file.
/// A file descriptor, or -1 with errno set.
int CreateLike(const std::filesystem::path& path, const std::filesystem::path& like);

/// Opens the existing file `path` that is not a regular one (a FIFO, a device) for writing.
/// With `wait` false a FIFO that no program reads fails at once (errno ENXIO), and a write that
/// the reader does not take within a few seconds fails (errno EAGAIN): the window never waits
/// on a file. A file descriptor, or -1 with errno set.
int OpenExisting(const std::filesystem::path& path, bool wait);

/// The descriptor of this process's standard output or error when `path` is the very file it
/// writes to (same device and inode), else -1. Such a file is written through the stream: it
/// is neither reopened (that would truncate what the shell appends to) nor replaced.
int StandardStreamOf(const std::filesystem::path& path);

/// The descriptor StandardStreamOf gives for the standard output.
int StandardOutput();

/// Writes every byte of `bytes` to `file`; the errno of the failure, or 0.
int WriteAll(int file, QByteArrayView bytes);

/// With `sync`, puts the bytes written to `file` on the disk; then closes it unless it is a
/// standard stream. The errno of the first failure, or 0.
int Finish(int file, bool sync);

/// Whether the existing file `path` may be written and replaced; false with errno set when not
/// (EACCES; EPERM for another user's file in a folder with the sticky bit).
bool MayWrite(const std::filesystem::path& path);

/// A second name `link` for the file `path` (a hard link); false with errno set when the file
/// system cannot give one.
bool LinkFile(const std::filesystem::path& path, const std::filesystem::path& link);

/// This process's id, and whether the process `id` has ended (false while it runs, also when it
/// is another user's).
long long ThisProcess();
bool ProcessEnded(long long id);

/// Makes SIGTERM, SIGINT, SIGHUP and a broken pipe remove the temporaries of writes under way
/// before the process ends as those signals end it.
void RemoveTemporariesOnSignals();

} // namespace spirolan
