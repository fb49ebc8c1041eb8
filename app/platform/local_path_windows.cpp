// SPDX-License-Identifier: GPL-3.0-or-later
// Windows-form paths on Windows: used as they stand.
#include "app/platform/local_path.h"

namespace spirolan {

std::string LocalPath(const std::string& path) {
    return path;
}

} // namespace spirolan
