// SPDX-License-Identifier: GPL-3.0-or-later
// Keyboard lock states that the toolkit does not report: asked of the windowing system.
#pragma once

#include <optional>

namespace spirolan {

/// Whether num lock is on, when the windowing system tells (X11); nullopt elsewhere, where the
/// status bar follows the Num Lock key presses it sees instead.
std::optional<bool> NumLockState();

} // namespace spirolan
