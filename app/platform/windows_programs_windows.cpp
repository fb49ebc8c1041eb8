// SPDX-License-Identifier: GPL-3.0-or-later
// Windows runs Windows programs as they are.
#include "app/platform/windows_programs.h"

namespace spirolan {

bool RunsWindowsProgramsNatively() {
    return true;
}

} // namespace spirolan
