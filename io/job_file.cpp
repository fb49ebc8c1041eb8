// SPDX-License-Identifier: GPL-3.0-or-later
// Job files: the dialog steps to replay, read from JSON.
#include "io/job_file.h"

#include "io/quoted_text.h"

#include <QByteArray>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QJsonParseError>

#include <cmath>
#include <utility>

namespace spirolan {
namespace {

JobFileResult Failure(std::string message) {
    return {std::nullopt, std::move(message)};
}

// Why the "format" and "version" keys, when present, are not those of a document this
// program reads; empty when they are.
std::string FormatProblem(const QJsonObject& top) {
    const QJsonValue format = top.value(QLatin1String("format"));
    if (!format.isUndefined() &&
        format != QJsonValue(QString::fromUtf8(kJobFormat.data(), kJobFormat.size()))) {
        return "\"format\" must be \"" + std::string(kJobFormat) + "\"";
    }
    const QJsonValue version = top.value(QLatin1String("version"));
    if (version.isUndefined()) {
        return {};
    }
    const double number = version.toDouble(-1);
    if (!version.isDouble() || !(number >= 1) || std::floor(number) != number) {
        return "\"version\" must be a whole number from 1";
    }
    if (number > kJobVersion) {
        return "\"version\" " + QString::number(number, 'g', 15).toStdString() +
               " is newer than this program reads (" + std::to_string(kJobVersion) + ")";
    }
    return {};
}

std::string StepPrefix(std::string_view source, qsizetype index) {
    return SourcePrefix(source) + "step " + std::to_string(index + 1) + ": ";
}

} // namespace

std::string SourcePrefix(std::string_view source) {
    return source.empty() ? std::string() : std::string(source) + ": ";
}

JobFileResult ParseJobFile(std::string_view json, std::string_view source) {
    QJsonParseError parseError{};
    const QJsonDocument document = QJsonDocument::fromJson(
        QByteArray::fromRawData(json.data(), static_cast<qsizetype>(json.size())), &parseError);
    const std::string file = SourcePrefix(source);
    if (parseError.error != QJsonParseError::NoError) {
        return Failure(file + "not valid JSON at offset " + std::to_string(parseError.offset) +
                       ": " + parseError.errorString().toStdString());
    }
    if (!document.isObject()) {
        return Failure(file + "the top level must be an object with \"steps\"");
    }
    const QJsonObject top = document.object();
    for (auto it = top.begin(); it != top.end(); ++it) {
        if (it.key() != QLatin1String("steps") && it.key() != QLatin1String("format") &&
            it.key() != QLatin1String("version") && it.key() != QLatin1String("part") &&
            it.key() != QLatin1String("notes")) {
            return Failure(file + "unknown top-level key " + Quoted(it.key().toStdString()));
        }
    }
    JobFile job;
    for (const auto& [key, text] : {std::pair{"part", &job.Part}, std::pair{"notes", &job.Notes}}) {
        const QJsonValue value = top.value(QLatin1String(key));
        if (!value.isUndefined() && !value.isString()) {
            return Failure(file + "\"" + key + "\" must be a string");
        }
        *text = value.toString().toStdString();
    }
    if (std::string problem = FormatProblem(top); !problem.empty()) {
        return Failure(file + "" + problem);
    }
    if (!top.value(QLatin1String("steps")).isArray()) {
        return Failure(file + "\"steps\" must be an array");
    }
    const QJsonArray steps = top.value(QLatin1String("steps")).toArray();
    for (qsizetype i = 0; i < steps.size(); ++i) {
        const std::string prefix = StepPrefix(source, i);
        if (!steps.at(i).isObject()) {
            return Failure(prefix + "must be an object with \"dialog\" and \"fields\"");
        }
        const QJsonObject step = steps.at(i).toObject();
        for (auto it = step.begin(); it != step.end(); ++it) {
            if (it.key() != QLatin1String("dialog") && it.key() != QLatin1String("fields")) {
                return Failure(prefix + "unknown key " + Quoted(it.key().toStdString()));
            }
        }
        if (!step.value(QLatin1String("dialog")).isString()) {
            return Failure(prefix + "\"dialog\" must be a string");
        }
        JobStep parsed;
        parsed.Dialog = step.value(QLatin1String("dialog")).toString().toStdString();
        const QJsonValue fields = step.value(QLatin1String("fields"));
        if (!fields.isUndefined() && !fields.isObject()) {
            return Failure(prefix + "\"fields\" must be an object");
        }
        const QJsonObject fieldObject = fields.toObject();
        for (auto it = fieldObject.begin(); it != fieldObject.end(); ++it) {
            JobField field{it.key().toStdString(), std::nullopt};
            if (it.value().isString()) {
                field.Value = it.value().toString().toStdString();
            } else if (!it.value().isNull()) {
                return Failure(prefix + "field " + Quoted(field.Caption) +
                               " must be a string (or null)");
            }
            parsed.Fields.push_back(std::move(field));
        }
        job.Steps.push_back(std::move(parsed));
    }
    return {std::move(job), {}};
}

} // namespace spirolan
