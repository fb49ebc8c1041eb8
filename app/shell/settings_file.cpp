// SPDX-License-Identifier: GPL-3.0-or-later
// The settings file's text, line by line.
#include "app/shell/settings_file.h"

#include <algorithm>
#include <utility>

namespace spirolan {

namespace {

constexpr std::string_view kByteOrderMark = "\xEF\xBB\xBF";

bool IsBlank(char c) {
    return c == ' ' || c == '\t';
}

std::string_view Trimmed(std::string_view text) {
    while (!text.empty() && IsBlank(text.front())) {
        text.remove_prefix(1);
    }
    while (!text.empty() && IsBlank(text.back())) {
        text.remove_suffix(1);
    }
    return text;
}

bool SameName(std::string_view a, std::string_view b) {
    const auto lower = [](char c) { return c >= 'A' && c <= 'Z' ? static_cast<char>(c + 32) : c; };
    return a.size() == b.size() &&
           std::equal(a.begin(), a.end(), b.begin(),
                      [&lower](char x, char y) { return lower(x) == lower(y); });
}

bool HasLineBreak(std::string_view text) {
    return text.find_first_of("\r\n") != std::string_view::npos;
}

enum class LineKind { Section, Setting, Other };

// What one line says; `Name` is the section or key, `ValueAt` where a setting's value starts in
// the stored line.
struct LineMeaning {
    LineKind Kind = LineKind::Other;
    std::string_view Name;
    std::size_t ValueAt = 0;
    std::string_view Value;
};

LineMeaning Meaning(std::string_view line, bool first) {
    std::size_t start = 0;
    if (first && line.starts_with(kByteOrderMark)) {
        start = kByteOrderMark.size();
    }
    std::string_view content = line.substr(start);
    while (content.ends_with('\r')) {
        content.remove_suffix(1);
    }
    const std::string_view trimmed = Trimmed(content);
    if (trimmed.starts_with('[')) {
        const std::size_t close = trimmed.find(']');
        if (close == std::string_view::npos) {
            return {};
        }
        return {LineKind::Section, Trimmed(trimmed.substr(1, close - 1)), 0, {}};
    }
    if (trimmed.starts_with(';') || trimmed.starts_with('#')) {
        return {};
    }
    const std::size_t equals = content.find('=');
    if (equals == std::string_view::npos) {
        return {};
    }
    const std::string_view key = Trimmed(content.substr(0, equals));
    if (key.empty()) {
        return {};
    }
    return {LineKind::Setting, key, start + equals + 1, content.substr(equals + 1)};
}

bool UsableName(std::string_view name) {
    return !name.empty() && Trimmed(name).size() == name.size() && !HasLineBreak(name) &&
           name.find_first_of("=]") == std::string_view::npos && name.front() != '[' &&
           name.front() != ';' && name.front() != '#';
}

// Calls `visit(index, meaning, inSection)` for every line until it returns true; gives the
// index it stopped at, or the number of lines.
template <typename Visit>
std::size_t Walk(const SettingsText& text, std::string_view section, Visit visit) {
    bool inSection = false;
    for (std::size_t index = 0; index < text.Lines.size(); ++index) {
        const LineMeaning meaning = Meaning(text.Lines[index], index == 0);
        if (meaning.Kind == LineKind::Section) {
            inSection = SameName(meaning.Name, section);
        }
        if (visit(index, meaning, inSection)) {
            return index;
        }
    }
    return text.Lines.size();
}

} // namespace

SettingsText ParseSettingsText(std::string_view bytes) {
    SettingsText text;
    if (bytes.empty()) {
        return text;
    }
    text.FinalLineEnd = bytes.ends_with('\n');
    if (text.FinalLineEnd) {
        bytes.remove_suffix(1);
    }
    for (;;) {
        const std::size_t end = bytes.find('\n');
        text.Lines.emplace_back(bytes.substr(0, end));
        if (end == std::string_view::npos) {
            break;
        }
        bytes.remove_prefix(end + 1);
    }
    return text;
}

std::string SettingsBytes(const SettingsText& text) {
    std::string bytes;
    for (std::size_t index = 0; index < text.Lines.size(); ++index) {
        if (index > 0) {
            bytes += '\n';
        }
        bytes += text.Lines[index];
    }
    if (text.FinalLineEnd) {
        bytes += '\n';
    }
    return bytes;
}

std::optional<std::string> FindSetting(const SettingsText& text, std::string_view section,
                                       std::string_view key) {
    std::optional<std::string> found;
    Walk(text, section, [&](std::size_t, const LineMeaning& meaning, bool inSection) {
        if (inSection && meaning.Kind == LineKind::Setting && SameName(meaning.Name, key)) {
            found = std::string(meaning.Value);
        }
        return found.has_value();
    });
    return found;
}

bool PutSetting(SettingsText& text, std::string_view section, std::string_view key,
                std::string_view value) {
    if (!UsableName(key) || !UsableName(section)) {
        return false;
    }
    const std::string cr = !text.Lines.empty() && text.Lines.front().ends_with('\r') ? "\r" : "";
    bool header = false;
    bool inFirstSection = false;
    std::size_t insertAt = text.Lines.size();
    const std::size_t line =
        Walk(text, section, [&](std::size_t index, const LineMeaning& meaning, bool inSection) {
            if (meaning.Kind == LineKind::Section) {
                inFirstSection = inSection && !header;
                if (inFirstSection) {
                    header = true;
                    insertAt = index + 1;
                }
                return false;
            }
            if (!inSection || meaning.Kind != LineKind::Setting) {
                return false;
            }
            if (SameName(meaning.Name, key)) {
                return true;
            }
            if (inFirstSection) {
                insertAt = index + 1;
            }
            return false;
        });
    const std::optional<LineMeaning> found =
        line < text.Lines.size() ? std::optional(Meaning(text.Lines[line], line == 0))
                                 : std::nullopt;
    if (found && found->Value == value) {
        return true;
    }
    if (HasLineBreak(value)) {
        return false;
    }
    if (found) {
        std::string& stored = text.Lines[line];
        const std::string lineEnd = stored.substr(found->ValueAt + found->Value.size());
        stored = stored.substr(0, found->ValueAt) + std::string(value) + lineEnd;
        return true;
    }
    std::vector<std::string> added;
    if (!header) {
        // Appended piece by piece: g++ 12 warns falsely about "[" + std::string at -O3.
        std::string sectionLine(1, '[');
        sectionLine += section;
        sectionLine += ']';
        sectionLine += cr;
        added.push_back(std::move(sectionLine));
    }
    added.push_back(std::string(key) + "=" + std::string(value) + cr);
    if (insertAt == text.Lines.size()) {
        if (!text.FinalLineEnd && !text.Lines.empty()) {
            text.Lines.back() += cr;
        }
        text.FinalLineEnd = true;
    }
    text.Lines.insert(text.Lines.begin() + static_cast<std::ptrdiff_t>(insertAt), added.begin(),
                      added.end());
    return true;
}

} // namespace spirolan
