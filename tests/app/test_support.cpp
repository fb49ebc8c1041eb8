// Helpers of the desktop program's tests.
#include "test_support.h"

#include "caf_text.h"

#include <QAbstractButton>
#include <QApplication>
#include <QFile>
#include <QMenuBar>
#include <QTest>

#include <array>
#include <cmath>

namespace spirolan::test {

MessageBoxWatcher::MessageBoxWatcher(QMessageBox::StandardButton answer) : answer_(answer) {
    QObject::connect(&timer_, &QTimer::timeout, [this] { Poll(); });
    timer_.start(5);
}

void MessageBoxWatcher::Poll() {
    auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
    if (box == nullptr || !box->isVisible()) {
        return;
    }
    seen_.push_back({box->windowTitle(), box->text(), box->icon()});
    QAbstractButton* button = box->button(answer_);
    if (button == nullptr && box->buttons().size() == 1) {
        button = box->buttons().front();
    }
    if (button != nullptr) {
        QTest::mouseClick(button, Qt::LeftButton);
    }
}

std::vector<std::string> MessageBoxWatcher::Log() const {
    std::vector<std::string> log;
    for (const Seen& box : seen_) {
        log.push_back(QStringLiteral("%1|%2|%3")
                          .arg(box.Caption, box.Text)
                          .arg(static_cast<int>(box.Icon))
                          .toStdString());
    }
    return log;
}

TempFolder::TempFolder() = default;

QString TempFolder::Path(const QString& name) const {
    return dir_.filePath(name);
}

std::unique_ptr<frmMain> OpenWindow(CamJob& job, const QString& settingsPath, DialogHooks hooks,
                                    int width, int height) {
    auto window = std::make_unique<frmMain>(job, settingsPath, std::move(hooks));
    window->show();
    window->resize(width, height + window->menuBar()->sizeHint().height());
    QApplication::processEvents();
    window->resize(width, height + window->menuBar()->height());
    QApplication::processEvents();
    return window;
}

std::string SampleModeAText() {
    std::array<double, 360> values{};
    for (std::size_t i = 0; i < values.size(); ++i) {
        values[i] = static_cast<double>(i) * 10;
    }
    return caf::BuildModeAText(values);
}

void FillTable(CamJob& job) {
    for (int i = 0; i < kTableSize; ++i) {
        job.XSTable[static_cast<std::size_t>(i)] = std::sin(i * 3.141592653589 / 180) * 2;
    }
}

std::string ReadBytes(const QString& path) {
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) {
        return "<missing>";
    }
    return file.readAll().toStdString();
}

void WriteBytes(const QString& path, const std::string& bytes) {
    QFile file(path);
    if (file.open(QIODevice::WriteOnly)) {
        file.write(bytes.data(), static_cast<qint64>(bytes.size()));
    }
}

} // namespace spirolan::test
