// SPDX-License-Identifier: GPL-3.0-or-later
// A main window with job documents, and shape and Face Copy input typed into its dialogs.
#pragma once

#include "app/windows/face_copy_window.h"
#include "app/windows/frm_main.h"
#include "app/windows/shape_dialog.h"
#include "tests/app/test_support.h"

#include <QComboBox>
#include <QPushButton>
#include <QRadioButton>
#include <QTemporaryDir>
#include <QTest>

#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <utility>
#include <vector>

namespace spirolan::test {

using Texts = std::vector<std::pair<const char*, const char*>>;

// A shape dialog filled in by a user: the menu entry, typed fields, lead entry, External.
struct ShapeInput {
    const char* menuEntry;
    Texts fields;
    const char* lead;
    bool external;
};

// The Face Copy dialog as a user sets it: widgets clicked in order, then the typed boxes.
struct FaceCopyInput {
    std::vector<const char*> clicks; // MaxFace1, swRepeat0, swThreadDir1, Check1, ...
    Texts typed;                     // txtCutLength, Text1, Text2
};

inline const Texts kGroove{{"Nose-R", "0.2"},    {"PITCH", "3.6"},      {"WIDTH", "0.5"},
                           {"Diameter 1", "10"}, {"Diameter 2", "8.8"}, {"Angle 1", "60"},
                           {"Angle 2", "60"},    {"R 1", "0.3"},        {"R 2", "0.4"},
                           {"R 3", "0.4"},       {"R 4", "0.3"}};

inline Texts With(Texts texts, const Texts& more) {
    texts.insert(texts.end(), more.begin(), more.end());
    return texts;
}

// The reference groove as a job document's step, and as a document of that step alone.
inline const std::string kShape1Step = R"({"dialog": "Shape 1", "fields": {"Nose-R": "0.2",
    "PITCH": "3.6", "WIDTH": "0.5", "Diameter 1": "10", "Diameter 2": "8.8", "Angle 1": "60",
    "Angle 2": "60", "R 1": "0.3", "R 2": "0.4", "R 3": "0.4", "R 4": "0.3"}})";
inline const std::string kShape1Job = R"({"steps": [)" + kShape1Step + "]}";

inline void EnterShape(frmMain& window, const ShapeInput& input) {
    window.findChild<QAction*>(input.menuEntry)->trigger();
    ShapeDialog* dialog = FindDialog<ShapeDialog>();
    ASSERT_NE(dialog, nullptr);
    for (const auto& [caption, text] : input.fields) {
        Retype(dialog->Field(caption), QString::fromUtf8(text));
    }
    dialog->LeadList()->setCurrentIndex(dialog->LeadList()->findText(input.lead));
    test::ClickIndicator(input.external ? dialog->ExternalChoice() : dialog->InternalChoice());
    QTest::mouseClick(dialog->OkButton(), Qt::LeftButton);
}

inline void EnterFaceCopy(frmMain& window, const FaceCopyInput& input) {
    window.findChild<QAction*>("mnuFaceCopy")->trigger();
    FaceCopy* dialog = FindDialog<FaceCopy>();
    ASSERT_NE(dialog, nullptr);
    for (const char* name : input.clicks) {
        test::ClickIndicator(dialog->findChild<QAbstractButton*>(name));
    }
    for (const auto& [name, text] : input.typed) {
        Retype(dialog->findChild<QLineEdit*>(name), QString::fromUtf8(text));
    }
    QTest::mouseClick(dialog->findChild<QPushButton*>("Command1"), Qt::LeftButton);
}

class JobDocumentTest : public testing::Test {
protected:
    void SetUp() override {
        window_ = test::OpenWindow(job_, Path("s.ini"), DefaultDialogHooks());
        window_->SetJobFileChoosers([this](QWidget*, const QString&) { return choice_; },
                                    [this](QWidget*, const QString&) { return choice_; });
    }
    void TearDown() override {
        if (window_->isVisible()) {
            test::MessageBoxWatcher discard(QMessageBox::Discard);
            window_->close();
        }
    }
    QString Path(const char* name) const { return dir_.filePath(QString::fromLatin1(name)); }
    // The two CAF saves of the window, as a user makes them.
    std::string CafSaves(frmMain& window, const char* prefix) {
        QStringList files{Path(prefix) + ".a.caf", Path(prefix) + ".b.caf"};
        window.SetSaveFileChooser([&files](QWidget*, const QString&) { return files.takeFirst(); });
        window.mnuFileSave_Click();
        window.SaveB_Click();
        return test::ReadBytes(Path(prefix) + ".a.caf") + "|" +
               test::ReadBytes(Path(prefix) + ".b.caf");
    }
    // The window's job as the user sees it.
    std::string State() const {
        return window_->txtDataA().Text() + "|" + window_->txtDataB().Text() + "|" +
               window_->JobText() + "|" + window_->windowTitle().toStdString() + "|" +
               std::to_string(job_.Pitch.value_or(-1));
    }

    QTemporaryDir dir_;
    CamJob job_;
    test::MessageBoxWatcher messages_;
    std::unique_ptr<frmMain> window_;
    QString choice_;
};

} // namespace spirolan::test
