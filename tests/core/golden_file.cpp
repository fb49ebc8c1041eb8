// Golden files: whole outputs compared with reviewed references under tests/core/golden/.
#include "golden_file.h"

#include <cstdlib>
#include <fstream>
#include <iterator>
#include <sstream>

namespace spirolan::testing_support {

std::string CheckGolden(const std::string& name, const std::string& actual) {
    const char* data = std::getenv("SPIROLAN_TEST_DATA");
    if (data == nullptr) {
        return "SPIROLAN_TEST_DATA is not set";
    }
    const std::string path = std::string(data) + "/core/golden/" + name;
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
    size_t at = 0;
    while (at < expected.size() && at < actual.size() && expected[at] == actual[at]) {
        ++at;
    }
    std::ostringstream message;
    message << path << " differs at byte " << at << " (expected " << expected.size()
            << " bytes, got " << actual.size() << ")";
    return message.str();
}

} // namespace spirolan::testing_support
