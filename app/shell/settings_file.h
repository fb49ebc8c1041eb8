// SPDX-License-Identifier: GPL-3.0-or-later
// The settings file's text: "[Section]" headers and "Key=value" lines, read and rewritten
// line by line so that whatever it does not understand stays as it was.
#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace spirolan {

/// A settings file as its lines, each without its LF (a CR before the LF stays in the line).
/// A line is a section header ("[Name]", blanks around allowed, anything after "]" ignored), a
/// comment (first non-blank character ";" or "#"), a setting ("Key=value": the key is the text
/// before the first "=" without surrounding blanks, the value every character after it up to
/// the line end, CRs there excluded, with no escapes, quotes or lists), or anything else. Section
/// and key names compare without regard to letter case.
struct SettingsText {
    std::vector<std::string> Lines;
    /// Whether the last line ended with LF.
    bool FinalLineEnd = false;
};

/// Splits `bytes` into lines. Any bytes are accepted; a UTF-8 byte order mark at the start is
/// kept but not read as part of the first line.
SettingsText ParseSettingsText(std::string_view bytes);

/// The bytes of `text`: exactly the parsed bytes as long as nothing was set.
std::string SettingsBytes(const SettingsText& text);

/// The value of the first line `key` in the first section `section` that has it; nullopt when
/// no section has that key.
std::optional<std::string> FindSetting(const SettingsText& text, std::string_view section,
                                       std::string_view key);

/// Gives `key` in `section` the value `value`. The key's first line keeps everything but its
/// value (so an unchanged value leaves the line as it was); a missing key is added after the last
/// setting of the first such section, a missing section at the end. New lines end in CR LF when
/// the first line does. False, and nothing changed, when a new `value` holds a CR or LF (it would
/// not read back) or `key` or `section` is no usable name (empty, with surrounding blanks, a line
/// break, "=" or "]", or starting with "[", ";" or "#").
bool PutSetting(SettingsText& text, std::string_view section, std::string_view key,
                std::string_view value);

} // namespace spirolan
