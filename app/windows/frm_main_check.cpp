// SPDX-License-Identifier: GPL-3.0-or-later
// frmMain's design checks: the warning in the status bar, the Check list and the Groove Profile
// window that follows each drawing of the Mode-A graph.
#include "app/windows/frm_main.h"

#include "app/windows/groove_profile_window.h"
#include "app/windows/messages.h"
#include "core/groove_checks.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QStyle>

namespace spirolan {

void frmMain::ShowChecks() {
    // Only a new Mode-A text is a new groove; a redraw keeps what was found.
    if (!checksDue_) {
        return;
    }
    checksDue_ = false;
    checkedJob_ = job_;
    warnings_ = CheckGroove(checkedJob_);
    if (warningPanel_ == nullptr && !warnings_.empty()) {
        warningPanel_ = new QWidget(sbStatusBar_);
        warningPanel_->setObjectName(QStringLiteral("WarningPanel"));
        auto* layout = new QHBoxLayout(warningPanel_);
        layout->setContentsMargins(0, 0, 0, 0);
        auto* icon = new QLabel(warningPanel_);
        const int size = fontMetrics().height();
        icon->setPixmap(style()->standardIcon(QStyle::SP_MessageBoxWarning).pixmap(size, size));
        auto* text = new QLabel(warningPanel_);
        text->setObjectName(QStringLiteral("WarningText"));
        layout->addWidget(icon);
        layout->addWidget(text, 1);
        sbStatusBar_->addWidget(warningPanel_, 1);
    }
    if (warningPanel_ != nullptr) {
        auto* text = warningPanel_->findChild<QLabel*>(QStringLiteral("WarningText"));
        text->setText(warnings_.empty() ? QString() : ToQString(warnings_.front()));
        text->setToolTip(text->text());
        warningPanel_->setVisible(!warnings_.empty());
    }
    if (profileWindow_ != nullptr) {
        profileWindow_->Follow(checkedJob_);
    }
}

void frmMain::mnuCheck_Click() {
    QString text;
    if (txtDataA().IsEmpty()) {
        text = QStringLiteral("No groove has been generated yet.");
    } else if (warnings_.empty()) {
        text = QStringLiteral("No warnings: the groove can be cut as typed.");
    }
    for (const std::string& warning : warnings_) {
        text += (text.isEmpty() ? QString() : QStringLiteral("\n\n")) + ToQString(warning);
    }
    ShowMessage(this, warnings_.empty() ? QMessageBox::Information : QMessageBox::Warning,
                QStringLiteral("Check"), text);
}

void frmMain::mnuGrooveProfile_Click() {
    if (profileWindow_ == nullptr) {
        profileWindow_ = new GrooveProfileWindow(settingsPath_, this);
    }
    profileWindow_->show();
    profileWindow_->raise();
    profileWindow_->activateWindow();
    profileWindow_->Follow(txtDataA().IsEmpty() ? CamJob() : checkedJob_);
}

} // namespace spirolan
