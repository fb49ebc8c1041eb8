// Helpers of the dialog tests: finding an opened dialog, typing, and a main window stand-in.
#pragma once

#include "cam_job.h"
#include "dialog_host.h"
#include "recording_surface.h"
#include "test_support.h"

#include <QAbstractButton>
#include <QApplication>
#include <QLineEdit>
#include <QString>

#include <gtest/gtest.h>

#include <functional>
#include <string>
#include <vector>

namespace spirolan::test {

/// The visible top-level window of type T, or nullptr.
template <typename T> T* FindDialog() {
    for (QWidget* widget : QApplication::topLevelWidgets()) {
        if (auto* dialog = qobject_cast<T*>(widget); dialog != nullptr && dialog->isVisible()) {
            return dialog;
        }
    }
    return nullptr;
}

/// Replaces the text of `edit` by keys, as a user would: select all, then type `text` (or
/// Delete for the empty text).
void Retype(QLineEdit* edit, const QString& text);

/// Clicks the indicator of a choice or check box, where a user aims.
void ClickIndicator(QAbstractButton* button);

/// The lines of a CAF text, without their CR LF.
std::vector<std::string> Lines(const std::string& text);

/// A main window as the dialogs see it: logs every call (with what `probe` says at that
/// moment), keeps the two pane texts and draws the graphs on recording surfaces.
class RecordingHost final : public DialogHost {
public:
    explicit RecordingHost(CamJob& job) : job_(job) {}

    void SetModeAText(std::string text) override;
    void SetModeBText(std::string text) override;
    void ShowModeBInactive(bool normalPointer) override;
    void DrawModeAGraph() override;
    void DrawModeBGraph() override;
    void ReGraphic_Click() override;

    std::vector<std::string> calls;
    std::string modeA = "(Mode-A text before)";
    std::string modeB = "(Mode-B text before)";
    RecordingSurface picture1, picture2, picture3, picture4, picture5;
    /// Appended to each logged call, for example whether the dialog was still shown.
    std::function<std::string()> probe;

private:
    void Log(const std::string& call);

    CamJob& job_;
};

/// A test with a job, whose message boxes are answered and recorded, and which leaves no dialog
/// behind.
class DialogFixture : public testing::Test {
protected:
    void TearDown() override;

    MessageBoxWatcher messages_;
    CamJob job_;
};

} // namespace spirolan::test
