// SPDX-License-Identifier: GPL-3.0-or-later
// Per-user settings of the "Settings" section, read at start and written at close: the nine
// keys, the keys of later additions, and single keys read and written on their own.
#pragma once

#include "core/cam_job.h"

#include <QString>
#include <QStringList>

#include <optional>
#include <string>
#include <string_view>

namespace spirolan {

/// The main window's place in twips: left, top, width and height of its frame.
struct WindowPlacement {
    float Left = 1000;
    float Top = 1000;
    float Width = 12000;
    float Height = 8000;
    friend bool operator==(const WindowPlacement&, const WindowPlacement&) = default;
};

/// This user's settings file, "Spirolan.ini" in the folder "Spirolan" of the configuration
/// folder (for example ~/.config/Spirolan/Spirolan.ini). Its format is SettingsText's: values
/// are the plain text to the end of their line.
QString DefaultSettingsPath();

/// Reads "MainLeft", "MainTop", "MainWidth", "MainHeight" into the result and "OpenPathName",
/// "OrvlPathName", "MaxFaceNumber", "ThreadDir", "Repeat" into `job`, in that order. A missing
/// key gives its default; so does a number or Boolean whose text does not convert (letters, an
/// empty text, a value beyond its type), and every key of a file that cannot be read (a folder,
/// no permission, larger than a settings file ever is). Then the keys of later additions:
/// "ExportPathName" (empty by default) and the machine limits "MaxSlideSpeed" (mm/s) and
/// "MaxSlideAccel" (G), empty for no limit, as is a stored limit that the Machine limits dialog
/// would refuse.
/// `problem`, when given, receives the message to show for a file that is there but cannot be
/// read (its name, why, and that it is not replaced), and is emptied otherwise.
WindowPlacement ReadSettings(const QString& path, CamJob& job, QString* problem = nullptr);

/// Outcome of writing the settings; `Message` names the file and the reason when `Ok` is false.
struct SettingsWriteResult {
    bool Ok = true;
    QString Message;
};

/// Writes the nine keys and the later ones in the order of ReadSettings; without a placement (the
/// window is minimised) the four geometry keys keep their stored values. Every other line of the
/// file stays as it was. A value holding a line break is not written (its stored value stays)
/// and is reported; an existing file that cannot be read is not replaced.
SettingsWriteResult WriteSettings(const QString& path,
                                  const std::optional<WindowPlacement>& placement,
                                  const CamJob& job);

/// The text of `key` in the "Settings" section as the file holds it, or nullopt when the key is
/// missing or the file cannot be read.
std::optional<std::string> ReadSetting(const QString& path, std::string_view key);

/// Writes one key of the "Settings" section, every other line staying as it was; refused (and
/// reported) as WriteSettings refuses a value.
SettingsWriteResult WriteSetting(const QString& path, std::string_view key, std::string_view value);

/// The recent job documents, newest first, from the key "RecentJobs": paths separated by "|"
/// (none when it is absent).
QStringList ReadRecentJobs(const QString& path);

/// Writes the recent job documents to "RecentJobs"; the other keys stay as they are. A path
/// holding "|" or a line break could not be read back and is left out.
SettingsWriteResult WriteRecentJobs(const QString& path, const QStringList& jobs);

/// Texts of stored numbers and Booleans as the settings file holds them. Exposed for tests.
std::optional<float> SingleFromSetting(const QString& text);
std::optional<std::int16_t> Int16FromSetting(const QString& text);
std::optional<bool> BooleanFromSetting(const QString& text);

} // namespace spirolan
