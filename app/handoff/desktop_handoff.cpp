// SPDX-License-Identifier: GPL-3.0-or-later
// The program's hand-off services.
#include "app/handoff/desktop_handoff.h"

#include "app/handoff/program_command.h"
#include "app/handoff/start_orvexa.h"
#include "app/platform/windows_programs.h"
#include "app/widgets/every_file_filter.h"

#include <QDir>
#include <QFileDialog>
#include <QFileInfo>
#include <QMessageBox>
#include <QProcess>
#include <QProcessEnvironment>
#include <QStandardPaths>
#include <QStringList>

#include <algorithm>
#include <cmath>
#include <utility>

namespace spirolan {

namespace {

// Between two looks for the program's window.
constexpr double kWindowPoll = 0.1;

} // namespace

DesktopHandoffPlatform::DesktopHandoffPlatform(QWidget* owner, DesktopHandoffOptions options)
    : owner_(owner), options_(std::move(options)), keyboard_(options_.Display) {}

StartedProgram DesktopHandoffPlatform::StartProgram(const std::string& path) {
    const ProgramCommand command =
        CommandFor(QString::fromStdString(path), RunsWindowsProgramsNatively(),
                   QStandardPaths::findExecutable(QStringLiteral("wine")));
    if (command.Program.isEmpty()) {
        return {std::nullopt, command.Problem};
    }
    QProcess process;
    process.setProgram(command.Program);
    process.setArguments(command.Arguments);
    if (!options_.Display.empty()) {
        // The program must open its window where the keys will be typed.
        QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
        environment.insert(QStringLiteral("DISPLAY"), QString::fromStdString(options_.Display));
        process.setProcessEnvironment(environment);
    }
    qint64 pid = 0;
    if (!process.startDetached(&pid)) {
        return {};
    }
    return {pid, {}};
}

bool DesktopHandoffPlatform::BringToFront(std::int64_t pid) {
    if (!keyboard_.IsOpen()) {
        return false;
    }
    const int looks = std::max(1, static_cast<int>(std::ceil(options_.WindowWait / kWindowPoll)));
    for (int look = 0; look < looks; ++look) {
        if (const auto window = keyboard_.FindWindow(pid)) {
            pid_ = pid;
            window_ = window;
            return keyboard_.BringToFront(*window, Pause);
        }
        Pause(kWindowPoll);
    }
    return false;
}

bool DesktopHandoffPlatform::SendKeys(const KeyText& keys) {
    if (!keyboard_.FocusIsWithin(pid_) && !(window_ && keyboard_.BringToFront(*window_, Pause))) {
        return false;
    }
    return keyboard_.Type(keys, pid_);
}

void DesktopHandoffPlatform::ShowBusy(bool busy) {
    if (options_.ShowBusy) {
        options_.ShowBusy(busy);
    }
}

void DesktopHandoffPlatform::Wait(double seconds) {
    Pause(seconds);
}

bool DesktopHandoffPlatform::AskYesNo(const std::string& caption, const std::string& text) {
    QMessageBox box(QMessageBox::Question, QString::fromStdString(caption),
                    QString::fromStdString(text), QMessageBox::Yes | QMessageBox::No, owner_);
    return box.exec() == QMessageBox::Yes;
}

std::optional<std::string>
DesktopHandoffPlatform::PickFile(const std::string& folder,
                                 const std::vector<std::string>& filters) {
    QFileDialog dialog(owner_);
    dialog.setOption(QFileDialog::DontUseNativeDialog);
    dialog.setAcceptMode(QFileDialog::AcceptOpen);
    dialog.setFileMode(QFileDialog::ExistingFile);
    QStringList names;
    for (const std::string& filter : filters) {
        names << QString::fromStdString(filter);
    }
    dialog.setNameFilters(names);
    ListEveryFileUnder(dialog, QStringLiteral("All Files(*.*)"));
    // A folder that does not exist (the default one, off Windows) leaves the dialog where it is,
    // with an empty file name.
    const QString start = QString::fromStdString(folder);
    if (QFileInfo(start).isDir()) {
        dialog.setDirectory(start);
    }
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty()) {
        return std::nullopt;
    }
    return QDir::toNativeSeparators(dialog.selectedFiles().front()).toStdString();
}

} // namespace spirolan
