// Reading of the lengths typed into the Face Copy dialog, overflow kept as a signed infinity.
#pragma once

#include <string_view>

namespace spirolan {

/// The lenient reading of a typed length in mm (0 for an empty or non-numeric text), except that
/// a number too large for a double reads as an infinity of its sign ("1E400" gives +infinity,
/// "-1E400" -infinity), so that it counts as too long or as negative rather than as 0.
double ReadTypedLength(std::string_view text);

} // namespace spirolan
