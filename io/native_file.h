// SPDX-License-Identifier: GPL-3.0-or-later
// Opening and syncing a file by the system's own path: one implementation per platform.
#pragma once

#include <cstdio>
#include <filesystem>

namespace spirolan {

/// Opens `path` for writing bytes. With `createNew` it fails when a file of that name exists
/// (errno EEXIST); without, it creates the file or truncates it. nullptr with errno set on
/// failure.
std::FILE* OpenForWriting(const std::filesystem::path& path, bool createNew);

/// Whether the existing file `path` may be written; false with errno set (EACCES) when not.
bool MayWrite(const std::filesystem::path& path);

/// Puts the bytes written to `file` on the disk; false with errno set on failure.
bool SyncToDisk(std::FILE* file);

} // namespace spirolan
