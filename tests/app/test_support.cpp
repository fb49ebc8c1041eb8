// SPDX-License-Identifier: GPL-3.0-or-later
// Helpers of the desktop program's tests.
#include "tests/app/test_support.h"

#include "tests/support/shape_fixtures.h"

#include <QCheckBox>
#include <QFile>
#include <QFileInfo>
#include <QMenuBar>
#include <QProcess>
#include <QStyle>
#include <QStyleOptionButton>
#include <QTest>
#include <QThread>

namespace spirolan::test {

MessageBoxWatcher::MessageBoxWatcher(QMessageBox::StandardButton answer,
                                     std::function<void()> instead)
    : answer(answer) {
    QObject::connect(&timer_, &QTimer::timeout, [this, instead] {
        auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
        if (box == nullptr || !box->isVisible()) {
            return;
        }
        QAbstractButton* button = box->button(this->answer);
        if (button == nullptr && box->buttons().size() == 1) {
            button = box->buttons().front();
        }
        // A box this watcher cannot answer is left to another one, unlogged.
        if (button == nullptr) {
            return;
        }
        log.push_back(QStringLiteral("%1|%2|%3")
                          .arg(box->windowTitle(), box->text())
                          .arg(static_cast<int>(box->icon()))
                          .toStdString());
        informative = box->informativeText();
        instead ? instead() : QTest::mouseClick(button, Qt::LeftButton);
    });
    timer_.start(5);
}

std::unique_ptr<frmMain> OpenWindow(CamJob& job, const QString& settingsPath, DialogHooks hooks,
                                    int width, int height) {
    auto window = std::make_unique<frmMain>(job, settingsPath, std::move(hooks));
    window->show();
    if (width > 0) {
        window->resize(width, height + window->menuBar()->sizeHint().height());
        QApplication::processEvents();
        window->resize(width, height + window->menuBar()->height());
    }
    QApplication::processEvents();
    return window;
}

std::string ReferenceModeA(CamJob& job) {
    return GenerateShape1(testing_support::ReferenceGroove(), job).ModeAText;
}

QStringList CopyEnvironment(const QString& folder) {
    return QProcess::systemEnvironment()
           << "XDG_CONFIG_HOME=" + folder + "/config"
           << "XDG_RUNTIME_DIR=" + folder << "XDG_STATE_HOME=" + folder + "/state"
           << "QT_QPA_PLATFORM=offscreen";
}

std::string StartXvfb(QProcess& xvfb) {
    // Xvfb reports the free display it took.
    xvfb.setStandardErrorFile(QProcess::nullDevice());
    xvfb.start(QStringLiteral("Xvfb"),
               {"-displayfd", "1", "-screen", "0", "1024x768x24", "-nolisten", "tcp", "-noreset"});
    QByteArray number;
    while (!number.contains('\n') && xvfb.waitForReadyRead(20000)) {
        number += xvfb.readAllStandardOutput();
    }
    return number.contains('\n') ? ":" + number.trimmed().toStdString() : std::string();
}

bool WaitForFile(const QString& path) {
    for (int waited = 0; !QFileInfo::exists(path) && waited < 60000; waited += 20) {
        QThread::msleep(20);
    }
    return QFileInfo::exists(path);
}

std::string ReadBytes(const QString& path) {
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll().toStdString() : "<missing>";
}

QString TestData(const QString& relative) {
    return QString::fromLocal8Bit(qgetenv("SPIROLAN_TEST_DATA")) + "/" + relative;
}

void WriteBytes(const QString& path, const std::string& bytes) {
    QFile file(path);
    if (file.open(QIODevice::WriteOnly)) {
        file.write(bytes.data(), static_cast<qint64>(bytes.size()));
    }
}

void Retype(QLineEdit* edit, const QString& text) {
    QTest::keyClick(edit, Qt::Key_A, Qt::ControlModifier);
    if (text.isEmpty()) {
        QTest::keyClick(edit, Qt::Key_Delete);
    } else {
        QTest::keyClicks(edit, text);
    }
}

void ClickIndicator(QAbstractButton* button) {
    QStyleOptionButton option;
    option.initFrom(button);
    const auto element = qobject_cast<QCheckBox*>(button) != nullptr
                             ? QStyle::SE_CheckBoxIndicator
                             : QStyle::SE_RadioButtonIndicator;
    QTest::mouseClick(button, Qt::LeftButton, {},
                      button->style()->subElementRect(element, &option, button).center());
}

} // namespace spirolan::test
