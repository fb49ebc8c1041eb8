// SPDX-License-Identifier: GPL-3.0-or-later
// Opening and syncing a file by its wide path on Windows.
#include "io/native_file.h"

#include <io.h>
#include <stdio.h>

namespace spirolan {

std::FILE* OpenForWriting(const std::filesystem::path& path, bool createNew) {
    return _wfopen(path.c_str(), createNew ? L"wbx" : L"wb");
}

bool MayWrite(const std::filesystem::path& path) {
    return _waccess(path.c_str(), 2) == 0;
}

bool SyncToDisk(std::FILE* file) {
    return _commit(_fileno(file)) == 0;
}

} // namespace spirolan
