// SPDX-License-Identifier: GPL-3.0-or-later
// Process ancestry on Linux: the parent links of /proc/<pid>/stat.
#include "app/platform/process_tree.h"

#include <fstream>
#include <sstream>
#include <string>

namespace spirolan {

namespace {

// Parent links are followed at most this far: a tree deeper than this does not occur, and a
// link that changes under the walk cannot make it loop.
constexpr int kMaxDepth = 256;

// The parent of `pid`, or 0 when it cannot be read (the process has ended).
std::int64_t ParentOf(std::int64_t pid) {
    std::ifstream stat("/proc/" + std::to_string(pid) + "/stat");
    std::string line;
    if (!std::getline(stat, line)) {
        return 0;
    }
    // "pid (name) state ppid ...": the name may hold blanks and parentheses, so the fields
    // after it are found from its last closing parenthesis.
    const std::size_t nameEnd = line.rfind(')');
    if (nameEnd == std::string::npos) {
        return 0;
    }
    std::istringstream rest(line.substr(nameEnd + 1));
    std::string state;
    std::int64_t parent = 0;
    rest >> state >> parent;
    return rest ? parent : 0;
}

} // namespace

bool IsSameOrDescendant(std::int64_t pid, std::int64_t ancestor) {
    if (pid <= 0 || ancestor <= 0) {
        return false;
    }
    for (int depth = 0; depth < kMaxDepth && pid > 0; ++depth) {
        if (pid == ancestor) {
            return true;
        }
        pid = ParentOf(pid);
    }
    return false;
}

} // namespace spirolan
