// SPDX-License-Identifier: GPL-3.0-or-later
// Fuzzes the settings file's reader and writer: no input may crash or hang; an untouched file
// comes back byte for byte, a value put in reads back, and no other setting changes.
#include "app/shell/settings_file.h"

#include <array>
#include <cstdint>
#include <cstdlib>
#include <string_view>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    using namespace spirolan;
    const std::string_view bytes(reinterpret_cast<const char*>(data), size);
    // The last line, when there is one, is the value to put; all of it is also the file.
    const std::size_t split = bytes.rfind('\n');
    const std::string_view value =
        split == std::string_view::npos ? bytes : bytes.substr(split + 1);
    SettingsText text = ParseSettingsText(bytes);
    if (SettingsBytes(text) != bytes) {
        std::abort();
    }
    constexpr std::array<std::string_view, 4> kKeys{"OpenPathName", "MainLeft", "Repeat",
                                                    "RecentJobs"};
    std::array<std::optional<std::string>, kKeys.size()> before;
    for (std::size_t index = 0; index < kKeys.size(); ++index) {
        before[index] = FindSetting(text, "Settings", kKeys[index]);
    }
    if (!PutSetting(text, "Settings", "OpenPathName", value)) {
        return 0;
    }
    const SettingsText reread = ParseSettingsText(SettingsBytes(text));
    if (FindSetting(reread, "Settings", "OpenPathName") != value) {
        std::abort();
    }
    for (std::size_t index = 1; index < kKeys.size(); ++index) {
        if (FindSetting(reread, "Settings", kKeys[index]) != before[index]) {
            std::abort();
        }
    }
    return 0;
}
