// SPDX-License-Identifier: GPL-3.0-or-later
// Label form of the cam graphs.
#include "graphics/graph_style.h"

#include "core/number_text.h"

namespace spirolan {

std::string IntegerLabel(double whole) {
    // For whole numbers the signed-column form is exactly the label form.
    return SignedColumnText(whole);
}

} // namespace spirolan
