// Golden files: whole outputs compared with reviewed references under tests/core/golden/.
#pragma once

#include <string>

namespace spirolan::testing_support {

/// Compares `actual` with the bytes of golden/`name` (found through SPIROLAN_TEST_DATA). With
/// SPIROLAN_UPDATE_GOLDEN=1 the file is rewritten instead. Returns a description of the mismatch,
/// or the empty text when they agree.
std::string CheckGolden(const std::string& name, const std::string& actual);

} // namespace spirolan::testing_support
