// SPDX-License-Identifier: GPL-3.0-or-later
// Design checks in the window: the cause of a failure, the warning in the status bar, the Check
// list and the Groove Profile window following the generations.
#include "app/shell/settings_store.h"
#include "app/windows/groove_profile_window.h"
#include "tests/app/job_window_fixture.h"

#include <QLabel>
#include <QMessageBox>
#include <QMouseEvent>
#include <QRegularExpression>
#include <QTimer>

#include <gtest/gtest.h>

namespace spirolan {
namespace {

// Answers every message box, noting "title|text|informative text".
struct BoxNotes {
    BoxNotes() {
        QObject::connect(&timer, &QTimer::timeout, [this] {
            auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
            if (box != nullptr && box->isVisible()) {
                log.push_back(
                    (box->windowTitle() + "|" + box->text() + "|" + box->informativeText())
                        .toStdString());
                QTest::mouseClick(box->buttons().front(), Qt::LeftButton);
            }
        });
        timer.start(5);
    }
    QTimer timer;
    std::vector<std::string> log;
};

// Shape 1 with the reference groove changed by `changes`, OK pressed; a refused input's dialog
// is closed.
void TypeShape1(frmMain& window, const test::Texts& changes) {
    test::EnterShape(window, {"mnuSquare", test::With(test::kGroove, changes), "1", false});
    if (auto* dialog = test::FindDialog<ShapeDialog>()) {
        dialog->close();
    }
}

TEST(GrooveCheckTest, CauseWarningCheckListAndProfileFollowTheGenerations) {
    BoxNotes boxes;
    QTemporaryDir dir;
    CamJob job;
    const auto window = test::OpenWindow(job, dir.filePath("s.ini"), DefaultDialogHooks());

    TypeShape1(*window, {{"Angle 1", "0"}});
    ASSERT_EQ(boxes.log,
              (std::vector<std::string>{
                  "Error|Data error |Angle 1 is 0: the flank never reaches the bottom."}));

    window->findChild<QAction*>(QStringLiteral("mnuGrooveProfile"))->trigger();
    GrooveProfileWindow* profile = window->ProfileWindow();
    ASSERT_NE(profile, nullptr);
    EXPECT_TRUE(profile->isVisible());
    EXPECT_FALSE(profile->isModal());
    const QImage empty = profile->Surface().Picture();

    // The gouging groove: made all the same, its first warning in the status bar.
    TypeShape1(*window, {{"Nose-R", "0.5"}, {"R 2", "0.2"}, {"R 3", "0.2"}});
    EXPECT_FALSE(window->txtDataA().IsEmpty());
    const auto* warning = window->findChild<QLabel*>(QStringLiteral("WarningText"));
    ASSERT_NE(warning, nullptr);
    EXPECT_TRUE(warning->isVisibleTo(window.get()));
    EXPECT_EQ(warning->text().toStdString(),
              "R 2 (0.2) is smaller than Nose-R (0.5): the tool cannot form this corner and the "
              "cam will cut into the flank.");
    const QImage gouging = profile->Surface().Picture();
    EXPECT_NE(gouging, empty);

    boxes.log.clear();
    window->findChild<QAction*>(QStringLiteral("mnuCheck"))->trigger();
    ASSERT_EQ(boxes.log.size(), 1u);
    EXPECT_EQ(boxes.log[0],
              "Check|R 2 (0.2) is smaller than Nose-R (0.5): the tool cannot form this corner and "
              "the cam will cut into the flank.\n\nR 3 (0.2) is smaller than Nose-R (0.5): the "
              "tool cannot form this corner and the cam will cut into the flank.\n\nAfter the "
              "corners R 2 and R 3 the flat bottom is -0.02 mm long: the nose centre (Nose-R "
              "0.5) cannot reach it. Raise WIDTH, or R 2 and R 3.|");

    // The pointer over the view reads Z and XS in mm: at Z = 1, XS = -0.5 within a pixel.
    const QPointF at = profile->Surface().ToPixels(1.0f, 0.5f);
    ASSERT_TRUE(QTest::qWaitForWindowExposed(profile));
    QMouseEvent move(QEvent::MouseMove, at, profile->Surface().mapToGlobal(at), Qt::NoButton,
                     Qt::NoButton, Qt::NoModifier);
    QApplication::sendEvent(&profile->Surface(), &move);
    const QRegularExpressionMatch read =
        QRegularExpression(QStringLiteral("Z *(\\S+) +XS *(\\S+) +mm"))
            .match(profile->Readout().text());
    ASSERT_TRUE(read.hasMatch()) << profile->Readout().text().toStdString() << " at " << at.x()
                                 << "," << at.y();
    EXPECT_NEAR(read.captured(1).toDouble(), 1.0, 0.01);
    EXPECT_NEAR(read.captured(2).toDouble(), -0.5, 0.01);

    // The reference groove: no warning, and the view follows.
    TypeShape1(*window, {});
    EXPECT_FALSE(warning->isVisibleTo(window.get()));
    EXPECT_NE(profile->Surface().Picture(), gouging);

    profile->resize(640, 330);
    profile->close();
    EXPECT_EQ(ReadSetting(dir.filePath("s.ini"), "ProfileWidth"), "640");
}

} // namespace
} // namespace spirolan
