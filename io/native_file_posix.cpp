// SPDX-License-Identifier: GPL-3.0-or-later
// Opening and syncing a file by its path's bytes on POSIX systems.
#include "io/native_file.h"

#include <unistd.h>

namespace spirolan {

std::FILE* OpenForWriting(const std::filesystem::path& path, bool createNew) {
    // "x": O_EXCL, "e": O_CLOEXEC.
    return std::fopen(path.c_str(), createNew ? "wbxe" : "wbe");
}

bool MayWrite(const std::filesystem::path& path) {
    return access(path.c_str(), W_OK) == 0;
}

bool SyncToDisk(std::FILE* file) {
    return fsync(fileno(file)) == 0;
}

} // namespace spirolan
