// Helpers of the desktop program's tests: message boxes answered by events, temporary folders,
// windows on a temporary settings file.
#pragma once

#include "cam_job.h"
#include "dialog_hooks.h"
#include "frm_main.h"

#include <QMessageBox>
#include <QTemporaryDir>
#include <QTimer>

#include <memory>
#include <string>
#include <vector>

namespace spirolan::test {

/// Answers every message box that opens while it lives, as a user would: records its caption,
/// text and icon, then clicks `answer` (or the box's only button).
class MessageBoxWatcher {
public:
    explicit MessageBoxWatcher(QMessageBox::StandardButton answer = QMessageBox::Ok);

    struct Seen {
        QString Caption;
        QString Text;
        QMessageBox::Icon Icon;
    };
    const std::vector<Seen>& Boxes() const { return seen_; }
    /// "caption|text|icon number" of every box seen, for comparing whole histories.
    std::vector<std::string> Log() const;

private:
    void Poll();

    QMessageBox::StandardButton answer_;
    std::vector<Seen> seen_;
    QTimer timer_;
};

/// A temporary folder that holds a settings file path.
class TempFolder {
public:
    TempFolder();
    QString Path(const QString& name) const;
    QString SettingsPath() const { return Path(QStringLiteral("Spirolan.ini")); }

private:
    QTemporaryDir dir_;
};

/// A main window over `job` and the settings file `settingsPath`, shown with its client area
/// `width` x `height` pixels and laid out.
std::unique_ptr<frmMain> OpenWindow(CamJob& job, const QString& settingsPath,
                                    DialogHooks hooks = {}, int width = 800, int height = 600);

/// A Mode-A text of a rising table (the program's own CAF form).
std::string SampleModeAText();

/// Fills the job's table with a gentle wave, as a generation would.
void FillTable(CamJob& job);

/// The file's bytes, or "<missing>".
std::string ReadBytes(const QString& path);

/// Writes `bytes` to `path`.
void WriteBytes(const QString& path, const std::string& bytes);

} // namespace spirolan::test
