// SPDX-License-Identifier: GPL-3.0-or-later
// Whether Windows programs (such as ORVEXA.EXE) run here as they are.
#pragma once

namespace spirolan {

/// True on Windows; elsewhere a Windows program needs a compatibility layer (wine) to start.
bool RunsWindowsProgramsNatively();

} // namespace spirolan
