// SPDX-License-Identifier: GPL-3.0-or-later
// Build tool: writes CHANGELOG.md in the Debian changelog format, the one Debian's tools read from
// a package's changelog.gz, so that the changelog is written once.
//
// Each "## VERSION (YYYY-MM-DD)" section becomes one entry and its "- " items (continued on lines
// indented by two blanks) the entry's "  * " lines; what stands before the first section is left
// out. The newest section must be the project's version and release date, so that a release
// cannot leave the changelog behind.
//
// Usage: changelog_to_debian CHANGELOG_MD OUT_FILE PACKAGE VERSION DATE MAINTAINER
#include <chrono>
#include <fstream>
#include <iostream>
#include <optional>
#include <regex>
#include <string>

namespace {

// "Sun, 06 Dec 2026 00:00:00 +0000" for "2026-12-06"; nothing for a text that is no date.
std::optional<std::string> MailDate(const std::string& iso) {
    static const std::regex form(R"((\d{4})-(\d{2})-(\d{2}))");
    std::smatch parts;
    if (!std::regex_match(iso, parts, form)) {
        return std::nullopt;
    }
    const std::chrono::year_month_day day{
        std::chrono::year{std::stoi(parts[1])},
        std::chrono::month{static_cast<unsigned>(std::stoi(parts[2]))},
        std::chrono::day{static_cast<unsigned>(std::stoi(parts[3]))}};
    if (!day.ok()) {
        return std::nullopt;
    }
    static const char* const kWeekdays[] = {"Sun", "Mon", "Tue", "Wed", "Thu", "Fri", "Sat"};
    static const char* const kMonths[] = {"Jan", "Feb", "Mar", "Apr", "May", "Jun",
                                          "Jul", "Aug", "Sep", "Oct", "Nov", "Dec"};
    const std::chrono::weekday weekday{std::chrono::sys_days{day}};
    return std::string(kWeekdays[weekday.c_encoding()]) + ", " + parts[3].str() + ' ' +
           kMonths[static_cast<unsigned>(day.month()) - 1] + ' ' + parts[1].str() +
           " 00:00:00 +0000";
}

constexpr size_t kMaxItemLine = 78;

struct Conversion {
    std::string Text;
    std::string Error; // after the file name: ":LINE: what is wrong", or ": what is wrong"
};

Conversion DebianChangelog(std::istream& in, const std::string& package, const std::string& version,
                           const std::string& date, const std::string& maintainer) {
    static const std::regex heading(R"(## (\S+) \((.*)\))");
    std::string text;
    std::string trailer;
    int number = 0;
    for (std::string line; std::getline(in, line);) {
        ++number;
        std::string where = ":"; // appended piece by piece, so that g++ 12 builds it cleanly
        where += std::to_string(number) + ": ";
        std::smatch parts;
        if (std::regex_match(line, parts, heading)) {
            const std::optional<std::string> when = MailDate(parts[2]);
            if (!when) {
                return {{}, where + '"' + parts[2].str() + "\" is not a date (YYYY-MM-DD)"};
            }
            if (text.empty() && (parts[1] != version || parts[2] != date)) {
                return {{},
                        where + "the newest section is " + parts[1].str() + " (" + parts[2].str() +
                            "), but the project is " + version + ", released " + date};
            }
            if (!trailer.empty()) {
                text += trailer + '\n';
            }
            text += package + " (" + parts[1].str() + ") unstable; urgency=medium\n\n";
            trailer = "\n -- " + maintainer + "  " + *when + '\n';
        } else if (text.empty() || line.empty()) {
            // Before the first section, or between items.
        } else if (line.size() > kMaxItemLine) {
            // Indented by two more, a longer line passes Debian's 80 columns.
            return {{},
                    where + "the line is longer than " + std::to_string(kMaxItemLine) + " columns"};
        } else if (line.starts_with("- ")) {
            text += "  * " + line.substr(2) + '\n';
        } else if (line.starts_with("  ") && line.size() > 2 && line[2] != ' ') {
            text += "    " + line.substr(2) + '\n';
        } else {
            return {{},
                    where + "a version's section holds only \"- \" items, continued on "
                            "lines indented by two blanks"};
        }
    }
    if (text.empty()) {
        return {{}, ": no \"## VERSION (YYYY-MM-DD)\" section"};
    }
    return {text + trailer, {}};
}

} // namespace

int main(int argc, char* argv[]) {
    if (argc != 7) {
        std::cerr << "usage: changelog_to_debian CHANGELOG_MD OUT_FILE PACKAGE VERSION DATE "
                     "MAINTAINER\n";
        return 2;
    }
    std::ifstream in(argv[1]);
    if (!in) {
        std::cerr << "changelog_to_debian: cannot read " << argv[1] << '\n';
        return 1;
    }
    const Conversion conversion = DebianChangelog(in, argv[3], argv[4], argv[5], argv[6]);
    if (!conversion.Error.empty()) {
        std::cerr << "changelog_to_debian: " << argv[1] << conversion.Error << '\n';
        return 1;
    }
    std::ofstream out(argv[2], std::ios::binary);
    out << conversion.Text;
    out.close();
    if (!out) {
        std::cerr << "changelog_to_debian: cannot write " << argv[2] << '\n';
        return 1;
    }
    return 0;
}
