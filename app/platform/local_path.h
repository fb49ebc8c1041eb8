// SPDX-License-Identifier: GPL-3.0-or-later
// Paths kept in Windows form (settings, the Orvexa folder) as the local system reads them.
#pragma once

#include <string>

namespace spirolan {

/// A path held in Windows form as the local system reads it: off Windows every backslash is a
/// path separator, so "\Program Files\Orvexa" is "/Program Files/Orvexa".
std::string LocalPath(const std::string& path);

} // namespace spirolan
