// SPDX-License-Identifier: GPL-3.0-or-later
// The writer's temporary files: named after the process that made them, tracked while they
// exist, and removed when that process is gone.
#pragma once

#include <filesystem>

namespace spirolan {

/// A fresh name for a temporary beside `path`: ".spirolan.PID.N.tmp" in its folder.
std::filesystem::path TemporaryBeside(const std::filesystem::path& path);

/// Removes the temporaries in `folder` whose process has ended (killed while writing); those of
/// running processes, this one included, stay.
void RemoveAbandonedTemporaries(const std::filesystem::path& folder);

/// Remembers `path` as a temporary of a write under way until it is Untracked, so that a signal
/// that ends the process can remove it (RemoveTrackedTemporaries).
void TrackTemporary(const std::filesystem::path& path);
void UntrackTemporary(const std::filesystem::path& path);

/// Calls `remove` with every tracked temporary's name; safe in a signal handler.
void RemoveTrackedTemporaries(void (*remove)(const std::filesystem::path::value_type* path));

} // namespace spirolan
