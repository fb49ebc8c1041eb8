// Writing the job document text and reading job documents from disk.
#include "io/job_document.h"

#include <QFile>
#include <QFileInfo>

#include <cstdio>

namespace spirolan {

namespace {

// A JSON string: quotes, backslashes and control characters escaped, the rest as UTF-8.
std::string Quoted(const std::string& text) {
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
    std::string text = "    {\n      \"dialog\": " + Quoted(step.Dialog) + ",\n      \"fields\": {";
    const char* separator = "\n";
    for (const JobField& field : step.Fields) {
        text += separator;
        text += "        " + Quoted(field.Caption) + ": " +
                (field.Value ? Quoted(*field.Value) : std::string("null"));
        separator = ",\n";
    }
    text += step.Fields.empty() ? "}\n    }" : "\n      }\n    }";
    return text;
}

} // namespace

std::string JobDocumentText(const std::vector<JobStep>& steps) {
    std::string text = "{\n  \"format\": " + Quoted(std::string(kJobFormat)) +
                       ",\n  \"version\": " + std::to_string(kJobVersion) + ",\n  \"steps\": [";
    const char* separator = "\n";
    for (const JobStep& step : steps) {
        text += separator + StepText(step);
        separator = ",\n";
    }
    text += steps.empty() ? "]\n}\n" : "\n  ]\n}\n";
    return text;
}

JobFileResult ReadJobDocument(const QString& path, const std::string& source) {
    const QFileInfo info(path);
    if (info.isDir()) {
        return {std::nullopt, source + ": is a folder, not a job file"};
    }
    // A FIFO or a device could keep the reader waiting without end.
    if (info.exists() && !info.isFile()) {
        return {std::nullopt, source + ": is not a regular file"};
    }
    if (info.size() > kMaxJobDocumentBytes) {
        return {std::nullopt, source + ": is too large for a job file (" +
                                  std::to_string(info.size()) + " bytes, at most " +
                                  std::to_string(kMaxJobDocumentBytes) + ")"};
    }
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) {
        return {std::nullopt, "cannot read " + source + ": " + file.errorString().toStdString()};
    }
    // The file may have grown since it was measured: read one byte past the limit to tell.
    const QByteArray json = file.read(kMaxJobDocumentBytes + 1);
    if (json.size() > kMaxJobDocumentBytes) {
        return {std::nullopt, source + ": is too large for a job file (more than " +
                                  std::to_string(kMaxJobDocumentBytes) + " bytes)"};
    }
    return ParseJobFile(std::string_view(json.constData(), json.size()), source);
}

} // namespace spirolan
