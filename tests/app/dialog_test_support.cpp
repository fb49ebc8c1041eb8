// Helpers of the dialog tests.
#include "dialog_test_support.h"

#include "mode_a_graph.h"
#include "mode_b_graph.h"

#include <QCheckBox>
#include <QDialog>
#include <QStyle>
#include <QStyleOptionButton>
#include <QTest>

namespace spirolan::test {

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

std::vector<std::string> Lines(const std::string& text) {
    std::vector<std::string> lines;
    std::size_t start = 0;
    while (start < text.size()) {
        const std::size_t end = text.find("\r\n", start);
        if (end == std::string::npos) {
            lines.push_back(text.substr(start) + "<no CR LF>");
            break;
        }
        lines.push_back(text.substr(start, end - start));
        start = end + 2;
    }
    return lines;
}

void DialogFixture::TearDown() {
    for (QWidget* widget : QApplication::topLevelWidgets()) {
        if (qobject_cast<QDialog*>(widget) != nullptr && widget->isVisible()) {
            widget->close();
        }
    }
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
}

void RecordingHost::Log(const std::string& call) {
    calls.push_back(probe ? call + " " + probe() : call);
}

void RecordingHost::SetModeAText(std::string text) {
    modeA = std::move(text);
    Log("SetModeAText");
}

void RecordingHost::SetModeBText(std::string text) {
    modeB = std::move(text);
    Log(modeB.empty() ? "SetModeBText(empty)" : "SetModeBText");
}

void RecordingHost::ShowModeBInactive(bool normalPointer) {
    Log(normalPointer ? "ShowModeBInactive(normal pointer)" : "ShowModeBInactive");
}

void RecordingHost::DrawModeAGraph() {
    spirolan::DrawModeAGraph(job_, picture1, picture4, picture5, picture3);
    Log("DrawModeAGraph");
}

void RecordingHost::DrawModeBGraph() {
    spirolan::DrawModeBGraph(job_, picture2, picture3);
    Log("DrawModeBGraph");
}

void RecordingHost::ReGraphic_Click() {
    Log("ReGraphic_Click");
}

} // namespace spirolan::test
