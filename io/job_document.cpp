// SPDX-License-Identifier: GPL-3.0-or-later
// Writing the job document text and reading job documents from disk.
#include "io/job_document.h"

#include <QFile>

#include <cerrno>
#include <cstdio>
#include <fstream>
#include <system_error>
#include <utility>
#include <vector>

namespace spirolan {

namespace {

// A JSON string: quotes, backslashes and control characters escaped, the rest as UTF-8.
std::string JsonString(const std::string& text) {
    std::string quoted = "\"";
    for (const char c : text) {
        const auto byte = static_cast<unsigned char>(c);
        if (c == '"' || c == '\\') {
            quoted += '\\';
            quoted += c;
        } else if (byte < 0x20) {
            char escaped[8];
            std::snprintf(escaped, sizeof escaped, "\\u%04x", byte);
            quoted += escaped;
        } else {
            quoted += c;
        }
    }
    return quoted + "\"";
}

std::string StepText(const JobStep& step) {
    std::string text =
        "    {\n      \"dialog\": " + JsonString(step.Dialog) + ",\n      \"fields\": {";
    const char* separator = "\n";
    for (const JobField& field : step.Fields) {
        text += separator;
        text += "        " + JsonString(field.Caption) + ": " +
                (field.Value ? JsonString(*field.Value) : std::string("null"));
        separator = ",\n";
    }
    text += step.Fields.empty() ? "}\n    }" : "\n      }\n    }";
    return text;
}

} // namespace

std::string JobDocumentText(const JobFile& job) {
    const std::vector<JobStep>& steps = job.Steps;
    std::string text = "{\n  \"format\": " + JsonString(std::string(kJobFormat)) +
                       ",\n  \"version\": " + std::to_string(kJobVersion) + ",\n";
    for (const auto& [key, value] :
         {std::pair{"part", &job.Part}, std::pair{"notes", &job.Notes}}) {
        if (!value->empty()) {
            text += std::string("  \"") + key + "\": " + JsonString(*value) + ",\n";
        }
    }
    text += "  \"steps\": [";
    const char* separator = "\n";
    for (const JobStep& step : steps) {
        text += separator + StepText(step);
        separator = ",\n";
    }
    text += steps.empty() ? "]\n}\n" : "\n  ]\n}\n";
    return text;
}

std::optional<std::string> ReadJobFileBytes(const std::filesystem::path& path,
                                            std::string& problem) {
    namespace fs = std::filesystem;
    std::error_code error;
    const fs::file_status status = fs::status(path, error);
    if (error) {
        problem = error.message();
        return std::nullopt;
    }
    if (fs::is_directory(status)) {
        problem = "is a folder, not a job file";
        return std::nullopt;
    }
    if (!fs::is_regular_file(status)) {
        problem = "not a regular file";
        return std::nullopt;
    }
    const std::uintmax_t size = fs::file_size(path, error);
    if (!error && size > kMaxJobFileBytes) {
        problem = "larger than 64 MiB";
        return std::nullopt;
    }
    errno = 0;
    std::ifstream in(path, std::ios::binary);
    if (!in) {
        problem = std::generic_category().message(errno != 0 ? errno : EIO);
        return std::nullopt;
    }
    std::string bytes;
    bytes.reserve(error ? 0 : static_cast<size_t>(size));
    std::vector<char> chunk(65536);
    while (in.read(chunk.data(), static_cast<std::streamsize>(chunk.size())) || in.gcount() > 0) {
        bytes.append(chunk.data(), static_cast<size_t>(in.gcount()));
        if (bytes.size() > kMaxJobFileBytes) { // grown since it was measured
            problem = "larger than 64 MiB";
            return std::nullopt;
        }
    }
    if (in.bad()) {
        problem = std::generic_category().message(errno != 0 ? errno : EIO);
        return std::nullopt;
    }
    return bytes;
}

JobFileResult ReadJobDocument(const QString& path, const std::string& source) {
    std::string problem;
    const QByteArray local = QFile::encodeName(path);
    const std::optional<std::string> json =
        ReadJobFileBytes(std::filesystem::path(local.toStdString()), problem);
    if (!json) {
        return {std::nullopt, "cannot read " + source + ": " + problem};
    }
    return ParseJobFile(*json, source);
}

} // namespace spirolan
