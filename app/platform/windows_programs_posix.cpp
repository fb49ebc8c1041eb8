// SPDX-License-Identifier: GPL-3.0-or-later
// Off Windows, a Windows program is started through wine.
#include "app/platform/windows_programs.h"

namespace spirolan {

bool RunsWindowsProgramsNatively() {
    return false;
}

} // namespace spirolan
