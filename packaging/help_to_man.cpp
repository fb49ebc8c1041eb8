// SPDX-License-Identifier: GPL-3.0-or-later
// Build tool: turns a program's --help text into its manual page, so that both say the same.
//
// The help text has this form: a synopsis block starting with "usage: " (any letter case);
// description paragraphs; then sections, each a heading line ending in ':' after a blank line,
// holding "  TERM  text" entries (text continued on more deeply indented lines, or a TERM
// alone on its line) and unindented paragraphs.
//
// Usage: help_to_man HELP_FILE MAN_FILE NAME SECTION SOURCE DATE SUMMARY
#include <cctype>
#include <fstream>
#include <iostream>
#include <sstream>
#include <string>
#include <vector>

namespace {

std::string Escaped(const std::string& text) {
    std::string out;
    for (const char c : text) {
        if (c == '\\') {
            out += "\\e";
        } else if (c == '-') {
            out += "\\-";
        } else {
            out += c;
        }
    }
    if (!out.empty() && (out[0] == '.' || out[0] == '\'')) {
        out.insert(0, "\\&");
    }
    return out;
}

std::string Upper(std::string text) {
    for (char& c : text) {
        c = static_cast<char>(std::toupper(static_cast<unsigned char>(c)));
    }
    return text;
}

size_t Indent(const std::string& line) {
    const size_t first = line.find_first_not_of(' ');
    return first == std::string::npos ? line.size() : first;
}

std::string Trimmed(const std::string& text) {
    const size_t first = text.find_first_not_of(' ');
    const size_t last = text.find_last_not_of(' ');
    return first == std::string::npos ? std::string() : text.substr(first, last - first + 1);
}

bool IsHeading(const std::vector<std::string>& lines, size_t i) {
    return Indent(lines[i]) == 0 && lines[i].ends_with(':') && (i == 0 || lines[i - 1].empty());
}

// The manual page of `lines`, or an empty text when they do not start with a synopsis.
std::string ManPage(const std::vector<std::string>& lines, const std::string& name,
                    const std::string& section, const std::string& source, const std::string& date,
                    const std::string& summary) {
    const std::string prefix = "usage: ";
    if (lines.empty() || lines[0].size() < prefix.size() ||
        Upper(lines[0].substr(0, prefix.size())) != Upper(prefix)) {
        return {};
    }
    std::ostringstream man;
    man << ".TH " << Escaped(Upper(name)) << ' ' << section << " \"" << date << "\" \""
        << Escaped(source) << "\" \"User Commands\"\n";
    man << ".SH NAME\n" << Escaped(name) << " \\- " << Escaped(summary) << '\n';
    man << ".SH SYNOPSIS\n.nf\n";
    size_t i = 0;
    for (; i < lines.size() && !lines[i].empty(); ++i) {
        const size_t cut =
            std::min(prefix.size(), Indent(lines[i]) == 0 ? prefix.size() : Indent(lines[i]));
        man << Escaped(lines[i].substr(cut)) << '\n';
    }
    man << ".fi\n.SH DESCRIPTION\n";
    bool inParagraph = false;
    for (; i < lines.size(); ++i) {
        const std::string& line = lines[i];
        if (line.empty()) {
            inParagraph = false;
        } else if (IsHeading(lines, i)) {
            man << ".SH " << Escaped(Upper(line.substr(0, line.size() - 1))) << '\n';
            inParagraph = false;
        } else if (Indent(line) == 0) {
            if (!inParagraph) {
                man << ".PP\n";
                inParagraph = true;
            }
            man << Escaped(line) << '\n';
        } else if (const size_t gap = line.find("  ", Indent(line));
                   Indent(line) <= 2 && gap != std::string::npos) {
            man << ".TP\n\\fB" << Escaped(line.substr(Indent(line), gap - Indent(line))) << "\\fR\n"
                << Escaped(Trimmed(line.substr(gap))) << '\n';
            inParagraph = false;
        } else if (Indent(line) <= 2) {
            man << ".TP\n\\fB" << Escaped(Trimmed(line)) << "\\fR\n";
            inParagraph = false;
        } else {
            man << Escaped(Trimmed(line)) << '\n';
        }
    }
    return man.str();
}

} // namespace

int main(int argc, char* argv[]) {
    if (argc != 8) {
        std::cerr << "usage: help_to_man HELP_FILE MAN_FILE NAME SECTION SOURCE DATE SUMMARY\n";
        return 2;
    }
    std::ifstream in(argv[1]);
    std::vector<std::string> lines;
    for (std::string line; std::getline(in, line);) {
        lines.push_back(line);
    }
    const std::string man = ManPage(lines, argv[3], argv[4], argv[5], argv[6], argv[7]);
    if (man.empty()) {
        std::cerr << "help_to_man: " << argv[1] << " does not start with a usage line\n";
        return 1;
    }
    std::ofstream out(argv[2], std::ios::binary);
    out << man;
    out.close();
    if (!out) {
        std::cerr << "help_to_man: cannot write " << argv[2] << '\n';
        return 1;
    }
    return 0;
}
