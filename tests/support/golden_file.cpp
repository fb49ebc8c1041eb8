// SPDX-License-Identifier: GPL-3.0-or-later
// Golden files: whole outputs compared with reviewed references kept under tests/.
#include "tests/support/golden_file.h"

#include <algorithm>
#include <cstdlib>
#include <fstream>
#include <iterator>
#include <sstream>

namespace spirolan::testing_support {

std::string CheckGolden(const std::string& relativePath, const std::string& actual) {
    const char* data = std::getenv("SPIROLAN_TEST_DATA");
    if (data == nullptr) {
        return "SPIROLAN_TEST_DATA is not set";
    }
    const std::string path = std::string(data) + "/" + relativePath;
    const char* update = std::getenv("SPIROLAN_UPDATE_GOLDEN");
    if (update != nullptr && std::string(update) == "1") {
        std::ofstream out(path, std::ios::binary);
        out << actual;
        return out ? std::string() : "cannot write " + path;
    }
    std::ifstream in(path, std::ios::binary);
    if (!in) {
        return "cannot read " + path + " (run with SPIROLAN_UPDATE_GOLDEN=1 to create it)";
    }
    const std::string expected{std::istreambuf_iterator<char>(in),
                               std::istreambuf_iterator<char>()};
    if (expected == actual) {
        return {};
    }
    const size_t at = static_cast<size_t>(
        std::mismatch(expected.begin(), expected.end(), actual.begin(), actual.end()).first -
        expected.begin());
    const size_t lineStart = expected.rfind('\n', at == 0 ? 0 : at - 1);
    const size_t from = lineStart == std::string::npos || at == 0 ? 0 : lineStart + 1;
    auto lineAt = [from](const std::string& text) {
        return text.substr(from, std::min<size_t>(text.find('\n', from) - from, 200));
    };
    std::ostringstream message;
    message << path << " differs at byte " << at << " (expected " << expected.size()
            << " bytes, got " << actual.size() << ")\n  expected: " << lineAt(expected)
            << "\n  actual:   " << lineAt(actual);
    return message.str();
}

} // namespace spirolan::testing_support
