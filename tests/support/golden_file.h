// SPDX-License-Identifier: GPL-3.0-or-later
// Golden files: whole outputs compared with reviewed references kept under tests/.
#pragma once

#include <string>

namespace spirolan::testing_support {

/// Compares `actual` with the bytes of the reference file `path`, relative to the tests folder
/// (found through SPIROLAN_TEST_DATA), for example "core/golden/shape1_reference.caf". With
/// SPIROLAN_UPDATE_GOLDEN=1 the file is rewritten instead. Returns the empty text when they
/// agree, else where they part: the byte offset and, for texts, the first differing line.
std::string CheckGolden(const std::string& path, const std::string& actual);

} // namespace spirolan::testing_support
