// Job files of spirolan-cli: the dialog steps to replay, read from JSON.
#include "cli/job_file.h"

#include <QByteArray>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QJsonParseError>

namespace spirolan::batch {
namespace {

JobFileResult Failure(std::string message) {
    return {std::nullopt, std::move(message)};
}

std::string StepPrefix(std::string_view source, qsizetype index) {
    return std::string(source) + ": step " + std::to_string(index + 1) + ": ";
}

} // namespace

JobFileResult ParseJobFile(std::string_view json, std::string_view source) {
    QJsonParseError parseError{};
    const QJsonDocument document = QJsonDocument::fromJson(
        QByteArray(json.data(), static_cast<qsizetype>(json.size())), &parseError);
    const std::string file(source);
    if (parseError.error != QJsonParseError::NoError) {
        return Failure(file + ": not valid JSON at offset " + std::to_string(parseError.offset) +
                       ": " + parseError.errorString().toStdString());
    }
    if (!document.isObject()) {
        return Failure(file + ": the top level must be an object with \"steps\"");
    }
    const QJsonObject top = document.object();
    for (auto it = top.begin(); it != top.end(); ++it) {
        if (it.key() != QLatin1String("steps")) {
            return Failure(file + ": unknown top-level key \"" + it.key().toStdString() + "\"");
        }
    }
    if (!top.value(QLatin1String("steps")).isArray()) {
        return Failure(file + ": \"steps\" must be an array");
    }
    const QJsonArray steps = top.value(QLatin1String("steps")).toArray();
    JobFile job;
    for (qsizetype i = 0; i < steps.size(); ++i) {
        const std::string prefix = StepPrefix(source, i);
        if (!steps.at(i).isObject()) {
            return Failure(prefix + "must be an object with \"dialog\" and \"fields\"");
        }
        const QJsonObject step = steps.at(i).toObject();
        for (auto it = step.begin(); it != step.end(); ++it) {
            if (it.key() != QLatin1String("dialog") && it.key() != QLatin1String("fields")) {
                return Failure(prefix + "unknown key \"" + it.key().toStdString() + "\"");
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
                return Failure(prefix + "field \"" + field.Caption +
                               "\" must be a string (or null)");
            }
            parsed.Fields.push_back(std::move(field));
        }
        job.Steps.push_back(std::move(parsed));
    }
    return {std::move(job), {}};
}

} // namespace spirolan::batch
