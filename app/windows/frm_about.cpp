// SPDX-License-Identifier: GPL-3.0-or-later
// frmAbout: title, version, and the way to the system-information tool.
#include "app/windows/frm_about.h"

#include "app/spirolan_version.h"
#include "app/widgets/toolbar_icons.h"

#include <QFont>
#include <QFrame>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

#include <algorithm>
#include <utility>

namespace spirolan {

namespace {

constexpr int kIconSize = 32;

/// Room in the title bar beside the caption: the window icon and the frame's three buttons.
constexpr int kTitleBarRoom = 160;

} // namespace

QString VersionText() {
    return QStringLiteral("Ver. %1.%2.%3")
        .arg(kVersionMajor)
        .arg(kVersionMinor)
        .arg(kVersionRevision);
}

frmAbout::frmAbout(QWidget* owner, std::function<void()> redraw, MessageFunction message)
    : QDialog(owner), picIcon(new QLabel(this)), lblTitle(new QLabel(this)),
      lblVersion(new QLabel(this)), cmdOK(new QPushButton(QStringLiteral("O   K"), this)),
      cmdSysInfo(new QPushButton(QStringLiteral("System Inf.(&S)..."), this)),
      redraw_(std::move(redraw)), message_(std::move(message)) {
    setWindowTitle(QStringLiteral("ﾊﾞｰｼﾞｮﾝ情報 Spirolan"));
    setWindowFlag(Qt::WindowContextHelpButtonHint, false);
    if (!message_) {
        message_ = [this](QMessageBox::Icon icon, const QString& caption, const QString& text) {
            QMessageBox box(icon, caption, text, QMessageBox::Ok, this);
            box.exec();
        };
    }

    picIcon->setObjectName(QStringLiteral("picIcon"));
    picIcon->setPixmap(ProgramIcon().pixmap(kIconSize, kIconSize));
    picIcon->setAlignment(Qt::AlignTop | Qt::AlignLeft);
    lblTitle->setObjectName(QStringLiteral("lblTitle"));
    QFont titleFont = lblTitle->font();
    titleFont.setPointSizeF(titleFont.pointSizeF() * 1.5);
    titleFont.setBold(true);
    lblTitle->setFont(titleFont);
    lblVersion->setObjectName(QStringLiteral("lblVersion"));
    cmdOK->setObjectName(QStringLiteral("cmdOK"));
    cmdOK->setDefault(true);
    cmdSysInfo->setObjectName(QStringLiteral("cmdSysInfo"));

    auto* texts = new QVBoxLayout;
    texts->addWidget(lblTitle);
    texts->addWidget(lblVersion);
    texts->addStretch();
    auto* top = new QHBoxLayout;
    top->addWidget(picIcon);
    top->addSpacing(12);
    top->addLayout(texts, 1);

    auto* line = new QFrame(this);
    line->setFrameShape(QFrame::HLine);
    line->setFrameShadow(QFrame::Sunken);

    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(cmdOK);
    buttons->addWidget(cmdSysInfo);

    auto* layout = new QVBoxLayout(this);
    layout->addLayout(top);
    layout->addSpacing(24);
    layout->addWidget(line);
    layout->addLayout(buttons);
    // Wide enough that the window manager need not cut the caption short.
    const QSize wanted = layout->sizeHint();
    const int captionWidth = fontMetrics().horizontalAdvance(windowTitle()) + kTitleBarRoom;
    setFixedSize(std::max(wanted.width(), captionWidth), wanted.height());

    connect(cmdOK, &QPushButton::clicked, this, &frmAbout::cmdOK_Click);
    connect(cmdSysInfo, &QPushButton::clicked, this, &frmAbout::cmdSysInfo_Click);
    Form_Load();
}

void frmAbout::Form_Load() {
    lblTitle->setText(QStringLiteral("Spirolan"));
    lblVersion->setText(VersionText());
}

void frmAbout::cmdOK_Click() {
    accept();
    if (redraw_) {
        redraw_();
    }
}

void frmAbout::cmdSysInfo_Click() {
    StartSysInfo(message_);
}

} // namespace spirolan
