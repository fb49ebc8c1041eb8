// SPDX-License-Identifier: GPL-3.0-or-later
// Reading and writing the per-user settings.
#include "app/shell/settings_store.h"

#include "app/shell/settings_file.h"
#include "core/conversions.h"
#include "core/lenient_number.h"
#include "core/number_text.h"
#include "graphics/spindle_limit.h"
#include "io/atomic_write.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QStandardPaths>

#include <charconv>
#include <cmath>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

namespace spirolan {

namespace {

constexpr std::string_view kSection = "Settings";
// Between the paths of "RecentJobs": no Windows path holds it, and few others do.
const QChar kRecentJobsSeparator = QLatin1Char('|');
// Far more than nine keys and a few lists ever take; a larger file is no settings file.
constexpr qint64 kMaxSettingsBytes = 1 << 20;

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

// The file as text; a missing file is an empty one, an unusable one gives the reason.
struct LoadedSettings {
    SettingsText Text;
    QString Problem;
};

LoadedSettings LoadSettings(const QString& path) {
    const QFileInfo info(path);
    if (!info.exists() && !info.isSymLink()) {
        return {};
    }
    if (info.isSymLink() && !info.exists()) {
        return {{}, QStringLiteral("It is a link to a file that does not exist.")};
    }
    // Only a plain file is opened: a pipe or a device in its place would never end a read.
    if (!info.isFile()) {
        return {{}, QStringLiteral("It is not a file.")};
    }
    if (info.size() > kMaxSettingsBytes) {
        return {{}, QStringLiteral("It is larger than a settings file can be.")};
    }
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) {
        return {{}, file.errorString()};
    }
    const QByteArray bytes = file.read(kMaxSettingsBytes + 1);
    if (bytes.size() > kMaxSettingsBytes || file.error() != QFileDevice::NoError) {
        return {{},
                file.error() != QFileDevice::NoError
                    ? file.errorString()
                    : QStringLiteral("It is larger than a settings file can be.")};
    }
    return {ParseSettingsText(std::string_view(bytes.constData(), bytes.size())), {}};
}

SettingsWriteResult NotWritten(const QString& path, const QString& reason) {
    return {false, QStringLiteral("The settings could not be written to %1.\n%2")
                       .arg(QDir::toNativeSeparators(path), reason)};
}

// One key to write. A stored text that `Means` the value is kept as it stands, so that a file
// written by hand keeps its bytes; without `Means` only the same text is.
struct KeyValue {
    std::string_view Key;
    std::string Value;
    bool (*Means)(const std::string& stored, const std::string& value) = nullptr;
};
using KeyValues = std::vector<KeyValue>;

// Puts every value into the file, in order; a refused value is reported and the rest written.
SettingsWriteResult WriteKeys(const QString& path, const KeyValues& keys) {
    LoadedSettings loaded = LoadSettings(path);
    if (!loaded.Problem.isEmpty()) {
        return NotWritten(path, loaded.Problem);
    }
    QStringList refused;
    for (const auto& [key, value, means] : keys) {
        const auto stored = FindSetting(loaded.Text, kSection, key);
        if (stored && means != nullptr && means(*stored, value)) {
            continue;
        }
        if (!PutSetting(loaded.Text, kSection, key, value)) {
            refused << QString::fromUtf8(key.data(), static_cast<qsizetype>(key.size()));
        }
    }
    QDir().mkpath(QFileInfo(path).absolutePath());
    const FileWriteResult written =
        WriteFileAtomically(path, QByteArray::fromStdString(SettingsBytes(loaded.Text)));
    if (!written.Ok) {
        return NotWritten(path, written.Reason);
    }
    if (!refused.isEmpty()) {
        return NotWritten(
            path, QStringLiteral("%1 kept the stored value: a value with a line break cannot be "
                                 "written.")
                      .arg(refused.join(QStringLiteral(", "))));
    }
    return {};
}

std::optional<QString> TextOf(const SettingsText& text, std::string_view key) {
    const auto value = FindSetting(text, kSection, key);
    return value ? std::optional(QString::fromStdString(*value)) : std::nullopt;
}

float ReadSingle(const SettingsText& text, std::string_view key, float fallback) {
    const auto value = TextOf(text, key);
    return value ? SingleFromSetting(*value).value_or(fallback) : fallback;
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
    return QStandardPaths::writableLocation(QStandardPaths::GenericConfigLocation) +
           QStringLiteral("/Spirolan/Spirolan.ini");
}

WindowPlacement ReadSettings(const QString& path, CamJob& job, QString* problem) {
    const LoadedSettings loaded = LoadSettings(path);
    if (problem != nullptr) {
        *problem = loaded.Problem.isEmpty()
                       ? QString()
                       : QStringLiteral("The settings could not be read from %1.\n%2\nSpirolan "
                                        "starts with the default settings and does not replace "
                                        "the file when it closes.")
                             .arg(QDir::toNativeSeparators(path), loaded.Problem);
    }
    const SettingsText& text = loaded.Text;
    const WindowPlacement defaults;
    WindowPlacement placement;
    placement.Left = ReadSingle(text, "MainLeft", defaults.Left);
    placement.Top = ReadSingle(text, "MainTop", defaults.Top);
    placement.Width = ReadSingle(text, "MainWidth", defaults.Width);
    placement.Height = ReadSingle(text, "MainHeight", defaults.Height);

    job.OpenPathName = FindSetting(text, kSection, "OpenPathName").value_or("\\");
    job.OrvlPathName =
        FindSetting(text, kSection, "OrvlPathName").value_or("\\Program Files\\Orvexa");
    // Converted once here, leniently as the dialog reads numbers ("abc" reads 0).
    job.MaxFaceNumber =
        ReadLenient(FindSetting(text, kSection, "MaxFaceNumber").value_or("384")).value_or(0.0);
    const auto threadDir = TextOf(text, "ThreadDir");
    job.ThreadDir = threadDir ? Int16FromSetting(*threadDir).value_or(0) : 0;
    const auto repeat = TextOf(text, "Repeat");
    job.Repeat = repeat ? BooleanFromSetting(*repeat).value_or(false) : false;
    // Beyond the nine keys: the export folder and the machine limits (a bad limit is none).
    job.ExportPathName = FindSetting(text, kSection, "ExportPathName").value_or("");
    job.SlideSpeedLimit =
        ReadSpeedLimit(FindSetting(text, kSection, "MaxSlideSpeed").value_or("")).Value;
    job.SlideAccelLimit =
        ReadAccelLimit(FindSetting(text, kSection, "MaxSlideAccel").value_or("")).Value;
    return placement;
}

namespace {

// MaxFaceNumber is read leniently, as the dialog reads numbers.
bool ReadsTheSame(const std::string& stored, const std::string& value) {
    return ReadLenient(stored) == ReadLenient(value);
}

} // namespace

SettingsWriteResult WriteSettings(const QString& path,
                                  const std::optional<WindowPlacement>& placement,
                                  const CamJob& job) {
    KeyValues keys;
    if (placement) {
        keys = {{"MainLeft", PlainTextSingle(placement->Left)},
                {"MainTop", PlainTextSingle(placement->Top)},
                {"MainWidth", PlainTextSingle(placement->Width)},
                {"MainHeight", PlainTextSingle(placement->Height)}};
    }
    keys.insert(keys.end(), {{"OpenPathName", job.OpenPathName},
                             {"OrvlPathName", job.OrvlPathName},
                             {"MaxFaceNumber", PlainText(job.MaxFaceNumber), ReadsTheSame},
                             {"ThreadDir", std::to_string(job.ThreadDir)},
                             {"Repeat", job.Repeat ? "True" : "False"},
                             {"ExportPathName", job.ExportPathName},
                             {"MaxSlideSpeed", PlainText(job.SlideSpeedLimit)},
                             {"MaxSlideAccel", PlainText(job.SlideAccelLimit)}});
    return WriteKeys(path, keys);
}

std::optional<std::string> ReadSetting(const QString& path, std::string_view key) {
    return FindSetting(LoadSettings(path).Text, kSection, key);
}

SettingsWriteResult WriteSetting(const QString& path, std::string_view key,
                                 std::string_view value) {
    return WriteKeys(path, {{key, std::string(value)}});
}

QStringList ReadRecentJobs(const QString& path) {
    const auto jobs = ReadSetting(path, "RecentJobs");
    if (!jobs || jobs->empty()) {
        return {};
    }
    return QString::fromStdString(*jobs).split(kRecentJobsSeparator);
}

SettingsWriteResult WriteRecentJobs(const QString& path, const QStringList& jobs) {
    QStringList kept;
    for (const QString& job : jobs) {
        if (!job.isEmpty() && !job.contains(kRecentJobsSeparator) &&
            !job.contains(QLatin1Char('\r')) && !job.contains(QLatin1Char('\n'))) {
            kept << job;
        }
    }
    return WriteSetting(path, "RecentJobs", kept.join(kRecentJobsSeparator).toStdString());
}

} // namespace spirolan
