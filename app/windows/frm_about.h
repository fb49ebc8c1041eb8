// SPDX-License-Identifier: GPL-3.0-or-later
// frmAbout: the About box with the program's title and version.
#pragma once

#include "app/platform/sys_info.h"

#include <QDialog>

#include <functional>

class QLabel;
class QPushButton;

namespace spirolan {

/// The text of `lblVersion`: "Ver. " + major.minor.revision of the program's version.
QString VersionText();

/// The About box. Open it modal with exec(), owned by the main window.
class frmAbout final : public QDialog {
    Q_OBJECT
public:
    /// `redraw` runs after "O   K" has closed the box (the main window's graph redraw), not when
    /// the box is closed by its frame. `message` shows the box's one message; by default a real
    /// message box owned by this box.
    frmAbout(QWidget* owner, std::function<void()> redraw, MessageFunction message = {});

    QLabel* picIcon;
    QLabel* lblTitle;
    QLabel* lblVersion;
    QPushButton* cmdOK;
    QPushButton* cmdSysInfo;

private:
    void Form_Load();
    void cmdOK_Click();
    void cmdSysInfo_Click();

    std::function<void()> redraw_;
    MessageFunction message_;
};

} // namespace spirolan
