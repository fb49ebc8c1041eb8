// SPDX-License-Identifier: GPL-3.0-or-later
// The five-panel status bar.
#include "app/widgets/status_panels.h"

#include "app/platform/platform_keys.h"

#include <QApplication>
#include <QDateTime>
#include <QKeyEvent>
#include <QLocale>

namespace spirolan {

namespace {
constexpr int kClockMs = 1000;
} // namespace

StatusPanels::StatusPanels(QWidget* parent) : QStatusBar(parent) {
    setObjectName(QStringLiteral("sbStatusBar"));
    setSizeGripEnabled(false);
    for (std::size_t i = 0; i < panels_.size(); ++i) {
        auto* panel = new QLabel(this);
        panel->setFrameStyle(QFrame::Panel | QFrame::Sunken);
        panel->setContentsMargins(4, 0, 4, 0);
        panels_[i] = panel;
    }
    panels_[1]->setText(QStringLiteral("INS"));
    panels_[2]->setText(QStringLiteral("NUM"));
    addWidget(panels_[0], 1);
    for (std::size_t i = 1; i < panels_.size(); ++i) {
        addPermanentWidget(panels_[i]);
    }
    // Key presses reach the application before any widget, whichever has the focus.
    qApp->installEventFilter(this);
    connect(&clock_, &QTimer::timeout, this, &StatusPanels::Refresh);
    clock_.start(kClockMs);
    Refresh();
}

StatusPanels::~StatusPanels() {
    qApp->removeEventFilter(this);
}

void StatusPanels::SetText(const QString& text) {
    panels_[0]->setText(text);
}

QString StatusPanels::Text() const {
    return panels_[0]->text();
}

const QLabel& StatusPanels::Panel(int index) const {
    return *panels_.at(static_cast<std::size_t>(index - 1));
}

void StatusPanels::Refresh() {
    panels_[1]->setEnabled(insertOn_);
    if (const auto numLock = NumLockState()) {
        panels_[2]->setEnabled(*numLock);
    } else {
        panels_[2]->setEnabled(numLockSeen_);
    }
    const QDateTime now = QDateTime::currentDateTime();
    const QLocale locale;
    panels_[3]->setText(locale.toString(now.date(), QLocale::ShortFormat));
    panels_[4]->setText(locale.toString(now.time(), QLocale::ShortFormat));
}

bool StatusPanels::eventFilter(QObject* watched, QEvent* event) {
    // A key event reaches the window once and is then passed on to widgets: count it there.
    if (event->type() == QEvent::KeyPress && watched->isWindowType()) {
        const auto* key = static_cast<QKeyEvent*>(event);
        if (!key->isAutoRepeat() && key->key() == Qt::Key_Insert) {
            insertOn_ = !insertOn_;
            Refresh();
        } else if (!key->isAutoRepeat() && key->key() == Qt::Key_NumLock) {
            numLockSeen_ = !numLockSeen_;
            Refresh();
        }
    }
    return QStatusBar::eventFilter(watched, event);
}

} // namespace spirolan
