// SPDX-License-Identifier: GPL-3.0-or-later
// Num lock state where no windowing system is asked: unknown.
#include "app/platform/platform_keys.h"

namespace spirolan {

std::optional<bool> NumLockState() {
    return std::nullopt;
}

} // namespace spirolan
