// The program's hand-off services.
#include "app/handoff/desktop_handoff.h"

#include "app/handoff/start_orvexa.h"
#include "app/widgets/every_file_filter.h"

#include <QDir>
#include <QFileDialog>
#include <QFileInfo>
#include <QMessageBox>
#include <QProcess>
#include <QProcessEnvironment>
#include <QStringList>

namespace spirolan {

DesktopHandoffPlatform::DesktopHandoffPlatform(QWidget* owner, const std::string& display)
    : owner_(owner), display_(display), keyboard_(display) {}

std::optional<std::int64_t> DesktopHandoffPlatform::StartProgram(const std::string& path) {
    QProcess process;
    process.setProgram(QString::fromStdString(path));
    if (!display_.empty()) {
        // The program must open its window where the keys will be typed.
        QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
        environment.insert(QStringLiteral("DISPLAY"), QString::fromStdString(display_));
        process.setProcessEnvironment(environment);
    }
    qint64 pid = 0;
    if (!process.startDetached(&pid)) {
        return std::nullopt;
    }
    return pid;
}

bool DesktopHandoffPlatform::BringToFront(std::int64_t pid) {
    if (!keyboard_.IsOpen()) {
        return false;
    }
    const auto wait = [](double seconds) { Pause(seconds); };
    for (int tries = 0; tries < 100; ++tries) {
        if (const auto window = keyboard_.FindWindow(pid)) {
            return keyboard_.BringToFront(*window, wait);
        }
        Pause(0.1);
    }
    return false;
}

bool DesktopHandoffPlatform::SendKeys(const KeyText& keys) {
    return keyboard_.Type(keys);
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
