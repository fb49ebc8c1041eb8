// SPDX-License-Identifier: GPL-3.0-or-later
// Which processes descend from a started program, so that only its windows are typed into.
#pragma once

#include <cstdint>

namespace spirolan {

/// True when process `pid` is `ancestor` or descends from it (a child, a grandchild, ...) by
/// the parent links the system keeps; where the system keeps none that can be read, only when
/// they are the same process. False for ids that are not positive.
bool IsSameOrDescendant(std::int64_t pid, std::int64_t ancestor);

} // namespace spirolan
