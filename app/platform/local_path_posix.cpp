// SPDX-License-Identifier: GPL-3.0-or-later
// Windows-form paths off Windows: every backslash is a separator.
#include "app/platform/local_path.h"

#include <algorithm>

namespace spirolan {

std::string LocalPath(const std::string& path) {
    std::string local = path;
    std::replace(local.begin(), local.end(), '\\', '/');
    return local;
}

} // namespace spirolan
