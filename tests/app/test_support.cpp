// Helpers of the desktop program's tests.
#include "test_support.h"

#include "caf_text.h"

#include <QCheckBox>
#include <QDialog>
#include <QFile>
#include <QMenuBar>
#include <QStyle>
#include <QStyleOptionButton>
#include <QTest>

#include <array>
#include <cmath>

namespace spirolan::test {

MessageBoxWatcher::MessageBoxWatcher(QMessageBox::StandardButton answer) {
    QObject::connect(&timer_, &QTimer::timeout, [this, answer] {
        auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
        if (box == nullptr || !box->isVisible()) {
            return;
        }
        log.push_back(QStringLiteral("%1|%2|%3")
                          .arg(box->windowTitle(), box->text())
                          .arg(static_cast<int>(box->icon()))
                          .toStdString());
        QAbstractButton* button = box->button(answer);
        if (button == nullptr && box->buttons().size() == 1) {
            button = box->buttons().front();
        }
        if (button != nullptr) {
            QTest::mouseClick(button, Qt::LeftButton);
        }
    });
    timer_.start(5);
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

std::string FillTable(CamJob& job) {
    std::array<double, 360> values{};
    for (int i = 0; i < kTableSize; ++i) {
        job.XSTable[static_cast<std::size_t>(i)] = std::sin(i * 3.141592653589 / 180) * 2;
        if (i < 360) {
            values[static_cast<std::size_t>(i)] = i * 10.0;
        }
    }
    return caf::BuildModeAText(values);
}

std::string ReadBytes(const QString& path) {
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll().toStdString() : "<missing>";
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
    const QRect indicator = button->style()->subElementRect(element, &option, button);
    QTest::mouseClick(button, Qt::LeftButton, {}, indicator.center());
}

void DialogFixture::TearDown() {
    for (QWidget* widget : QApplication::topLevelWidgets()) {
        if (qobject_cast<QDialog*>(widget) != nullptr && widget->isVisible()) {
            widget->close();
        }
    }
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
}

} // namespace spirolan::test
