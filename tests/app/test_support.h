// SPDX-License-Identifier: GPL-3.0-or-later
// Helpers of the desktop program's tests: message boxes, windows, typing, files.
#pragma once

#include "app/windows/dialog_hooks.h"
#include "app/windows/frm_main.h"
#include "core/cam_job.h"

#include <QAbstractButton>
#include <QApplication>
#include <QLineEdit>
#include <QMessageBox>
#include <QProcess>
#include <QTimer>

#include <gtest/gtest.h>

#include <functional>
#include <memory>
#include <ostream>
#include <string>
#include <vector>

namespace spirolan::test {

/// Names table rows (which carry a `name`) in test output and in CTest names.
template <typename Row>
requires requires(const Row& row) {
    row.name;
}
void PrintTo(const Row& row, std::ostream* os) {
    *os << row.name;
}
inline constexpr auto kRowName = [](const auto& info) { return std::string(info.param.name); };

/// The Shape 1 reference groove as a job document of that one step.
inline const std::string kShape1Job = R"({"steps": [{"dialog": "Shape 1", "fields": {
    "Nose-R": "0.2", "PITCH": "3.6", "WIDTH": "0.5", "Diameter 1": "10", "Diameter 2": "8.8",
    "Angle 1": "60", "Angle 2": "60", "R 1": "0.3", "R 2": "0.4", "R 3": "0.4", "R 4": "0.3"}}]})";

/// Answers message boxes while it lives: notes "caption|text|icon", then calls `instead` if given,
/// else clicks `answer` or the one button; a box with neither is left to another watcher.
class MessageBoxWatcher {
public:
    explicit MessageBoxWatcher(QMessageBox::StandardButton answer = QMessageBox::Ok,
                               std::function<void()> instead = {});
    std::vector<std::string> log;
    /// The informative text of the last box noted (where a cause stands under its message).
    QString informative;
    /// The button clicked from now on.
    QMessageBox::StandardButton answer;

private:
    QTimer timer_;
};

/// A main window shown with a client area of `width` x `height` pixels and laid out; with a
/// width of 0, where its settings place it.
std::unique_ptr<frmMain> OpenWindow(CamJob& job, const QString& settingsPath,
                                    DialogHooks hooks = {}, int width = 800, int height = 600);

/// Generates the Shape 1 reference groove into `job`; gives its Mode-A text.
std::string ReferenceModeA(CamJob& job);

/// The environment of a real copy of the program whose settings and lock live in `folder`:
/// settings in `folder`/config/Spirolan/Spirolan.ini, the lock `folder`/Spirolan.lock, the
/// recovery file `folder`/state/Spirolan/recovery.spjob.
QStringList CopyEnvironment(const QString& folder);

/// Starts a private Xvfb (1024 x 768, no window manager) in `xvfb`; its display (":N"), or empty
/// when it did not start.
std::string StartXvfb(QProcess& xvfb);

/// Waits up to a minute for `path` to exist; whether it does.
bool WaitForFile(const QString& path);

std::string ReadBytes(const QString& path);
/// The path of `relative` under tests/ in the source tree.
QString TestData(const QString& relative);
void WriteBytes(const QString& path, const std::string& bytes);

/// The visible top-level window of type T, or nullptr.
template <typename T> T* FindDialog() {
    for (QWidget* widget : QApplication::topLevelWidgets()) {
        if (auto* dialog = qobject_cast<T*>(widget); dialog != nullptr && dialog->isVisible()) {
            return dialog;
        }
    }
    return nullptr;
}

/// Runs the window flow in the file `path`; prints each step that failed. 0 when none did.
int RunFlow(const QString& path);

/// Replaces the text of `edit` by keys: select all, then type `text` (or Delete).
void Retype(QLineEdit* edit, const QString& text);

/// Clicks the indicator of a choice or check box, where a user aims.
void ClickIndicator(QAbstractButton* button);

} // namespace spirolan::test
