// SPDX-License-Identifier: GPL-3.0-or-later
// Process ancestry where the system keeps no readable parent links: a process is only itself.
#include "app/platform/process_tree.h"

namespace spirolan {

bool IsSameOrDescendant(std::int64_t pid, std::int64_t ancestor) {
    return pid > 0 && pid == ancestor;
}

} // namespace spirolan
