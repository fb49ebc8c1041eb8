// Per-user settings of the "Settings" section, read at start and written at close.
#pragma once

#include "core/cam_job.h"

#include <QString>
#include <QStringList>

#include <optional>

namespace spirolan {

/// The main window's place in twips: left and top of its frame, width and height of the window.
struct WindowPlacement {
    float Left = 1000;
    float Top = 1000;
    float Width = 12000;
    float Height = 8000;
    friend bool operator==(const WindowPlacement&, const WindowPlacement&) = default;
};

/// This user's settings file, an INI file of organisation and application "Spirolan" in the
/// configuration folder (for example ~/.config/Spirolan/Spirolan.ini).
QString DefaultSettingsPath();

/// Reads "MainLeft", "MainTop", "MainWidth", "MainHeight" into the result and "OpenPathName",
/// "OrvlPathName", "MaxFaceNumber", "ThreadDir", "Repeat" into `job`, in that order. A missing
/// key gives its default; so does a number or Boolean whose text does not convert (letters, an
/// empty text, a value beyond its type), and every key of a file that cannot be read. Then the
/// keys of later additions: "ExportPathName" (empty by default) and the machine limits
/// "MaxSlideSpeed" (mm/s) and "MaxSlideAccel" (G), empty for no limit, as is a stored limit
/// that the Machine limits dialog would refuse.
WindowPlacement ReadSettings(const QString& path, CamJob& job);

/// Outcome of writing the settings; `Message` names the file and the reason when `Ok` is false.
struct SettingsWriteResult {
    bool Ok = true;
    QString Message;
};

/// Writes the nine keys and the later ones in the order of ReadSettings; without a placement (the
/// window is minimised) the four geometry keys keep their stored values. Other keys of the file
/// stay.
SettingsWriteResult WriteSettings(const QString& path,
                                  const std::optional<WindowPlacement>& placement,
                                  const CamJob& job);

/// The recent job documents, newest first, from the key "RecentJobs" (none when it is absent).
QStringList ReadRecentJobs(const QString& path);

/// Writes the recent job documents to "RecentJobs"; the other keys stay as they are.
SettingsWriteResult WriteRecentJobs(const QString& path, const QStringList& jobs);

/// Texts of stored numbers and Booleans as the settings file holds them. Exposed for tests.
std::optional<float> SingleFromSetting(const QString& text);
std::optional<std::int16_t> Int16FromSetting(const QString& text);
std::optional<bool> BooleanFromSetting(const QString& text);

} // namespace spirolan
