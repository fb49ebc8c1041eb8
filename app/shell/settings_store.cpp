// Reading and writing the per-user settings.
#include "app/shell/settings_store.h"

#include "core/conversions.h"
#include "core/lenient_number.h"
#include "core/number_text.h"
#include "graphics/spindle_limit.h"

#include <QDir>
#include <QSettings>

#include <charconv>
#include <cmath>
#include <string>

namespace spirolan {

namespace {

const QString kSection = QStringLiteral("Settings");

std::optional<double> NumberFromSetting(const QString& text) {
    const std::string trimmed = text.trimmed().toStdString();
    double value = 0;
    const char* end = trimmed.data() + trimmed.size();
    const auto [last, error] = std::from_chars(trimmed.data(), end, value);
    if (error != std::errc() || last != end || !std::isfinite(value)) {
        return std::nullopt;
    }
    return value;
}

// An existing key that is not a plain text (a list, for example) reads as no text at all.
std::optional<QString> TextOf(const QSettings& settings, const QString& key) {
    if (!settings.contains(key)) {
        return std::nullopt;
    }
    return settings.value(key).toString();
}

float ReadSingle(const QSettings& settings, const QString& key, float fallback) {
    const auto text = TextOf(settings, key);
    return text ? SingleFromSetting(*text).value_or(fallback) : fallback;
}

std::string ReadText(const QSettings& settings, const QString& key, const char* fallback) {
    const auto text = TextOf(settings, key);
    return text ? text->toStdString() : std::string(fallback);
}

} // namespace

std::optional<float> SingleFromSetting(const QString& text) {
    const auto number = NumberFromSetting(text);
    return number ? ToSingle(*number) : std::nullopt;
}

std::optional<std::int16_t> Int16FromSetting(const QString& text) {
    const auto number = NumberFromSetting(text);
    return number ? ToInt16(*number) : std::nullopt;
}

std::optional<bool> BooleanFromSetting(const QString& text) {
    const QString trimmed = text.trimmed();
    if (trimmed.compare(QStringLiteral("True"), Qt::CaseInsensitive) == 0) {
        return true;
    }
    if (trimmed.compare(QStringLiteral("False"), Qt::CaseInsensitive) == 0) {
        return false;
    }
    const auto number = NumberFromSetting(trimmed);
    return number ? std::optional<bool>(*number != 0) : std::nullopt;
}

QString DefaultSettingsPath() {
    const QSettings settings(QSettings::IniFormat, QSettings::UserScope, QStringLiteral("Spirolan"),
                             QStringLiteral("Spirolan"));
    return settings.fileName();
}

WindowPlacement ReadSettings(const QString& path, CamJob& job) {
    QSettings settings(path, QSettings::IniFormat);
    settings.beginGroup(kSection);
    const WindowPlacement defaults;
    WindowPlacement placement;
    placement.Left = ReadSingle(settings, QStringLiteral("MainLeft"), defaults.Left);
    placement.Top = ReadSingle(settings, QStringLiteral("MainTop"), defaults.Top);
    placement.Width = ReadSingle(settings, QStringLiteral("MainWidth"), defaults.Width);
    placement.Height = ReadSingle(settings, QStringLiteral("MainHeight"), defaults.Height);

    job.OpenPathName = ReadText(settings, QStringLiteral("OpenPathName"), "\\");
    job.OrvlPathName =
        ReadText(settings, QStringLiteral("OrvlPathName"), "\\Program Files\\Orvexa");
    // Converted once here, leniently as the dialog reads numbers ("abc" reads 0).
    job.MaxFaceNumber =
        ReadLenient(ReadText(settings, QStringLiteral("MaxFaceNumber"), "384")).value_or(0.0);
    const auto threadDir = TextOf(settings, QStringLiteral("ThreadDir"));
    job.ThreadDir = threadDir ? Int16FromSetting(*threadDir).value_or(0) : 0;
    const auto repeat = TextOf(settings, QStringLiteral("Repeat"));
    job.Repeat = repeat ? BooleanFromSetting(*repeat).value_or(false) : false;
    // Beyond the nine keys: the export folder and the machine limits (a bad limit is none).
    job.ExportPathName = ReadText(settings, QStringLiteral("ExportPathName"), "");
    job.SlideSpeedLimit =
        ReadSpeedLimit(ReadText(settings, QStringLiteral("MaxSlideSpeed"), "")).Value;
    job.SlideAccelLimit =
        ReadAccelLimit(ReadText(settings, QStringLiteral("MaxSlideAccel"), "")).Value;
    return placement;
}

SettingsWriteResult WriteSettings(const QString& path,
                                  const std::optional<WindowPlacement>& placement,
                                  const CamJob& job) {
    QSettings settings(path, QSettings::IniFormat);
    settings.beginGroup(kSection);
    const auto single = [](float value) { return QString::fromStdString(PlainTextSingle(value)); };
    if (placement) {
        settings.setValue(QStringLiteral("MainLeft"), single(placement->Left));
        settings.setValue(QStringLiteral("MainTop"), single(placement->Top));
        settings.setValue(QStringLiteral("MainWidth"), single(placement->Width));
        settings.setValue(QStringLiteral("MainHeight"), single(placement->Height));
    }
    settings.setValue(QStringLiteral("OpenPathName"), QString::fromStdString(job.OpenPathName));
    settings.setValue(QStringLiteral("OrvlPathName"), QString::fromStdString(job.OrvlPathName));
    settings.setValue(QStringLiteral("MaxFaceNumber"),
                      QString::fromStdString(PlainText(job.MaxFaceNumber)));
    settings.setValue(QStringLiteral("ThreadDir"), QString::number(job.ThreadDir));
    settings.setValue(QStringLiteral("Repeat"),
                      job.Repeat ? QStringLiteral("True") : QStringLiteral("False"));
    settings.setValue(QStringLiteral("ExportPathName"), QString::fromStdString(job.ExportPathName));
    settings.setValue(QStringLiteral("MaxSlideSpeed"),
                      QString::fromStdString(PlainText(job.SlideSpeedLimit)));
    settings.setValue(QStringLiteral("MaxSlideAccel"),
                      QString::fromStdString(PlainText(job.SlideAccelLimit)));
    settings.endGroup();
    settings.sync();
    // A format error only tells that the old file did not parse; it was rewritten all the same.
    if (settings.status() == QSettings::AccessError) {
        return {false, QStringLiteral("The settings could not be written to %1.")
                           .arg(QDir::toNativeSeparators(path))};
    }
    return {};
}

QStringList ReadRecentJobs(const QString& path) {
    QSettings settings(path, QSettings::IniFormat);
    settings.beginGroup(kSection);
    return settings.value(QStringLiteral("RecentJobs")).toStringList();
}

SettingsWriteResult WriteRecentJobs(const QString& path, const QStringList& jobs) {
    QSettings settings(path, QSettings::IniFormat);
    settings.beginGroup(kSection);
    settings.setValue(QStringLiteral("RecentJobs"), jobs);
    settings.endGroup();
    settings.sync();
    if (settings.status() == QSettings::AccessError) {
        return {false, QStringLiteral("The settings could not be written to %1.")
                           .arg(QDir::toNativeSeparators(path))};
    }
    return {};
}

} // namespace spirolan
