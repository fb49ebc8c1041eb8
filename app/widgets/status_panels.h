// SPDX-License-Identifier: GPL-3.0-or-later
// The main window's status bar: free text, insert key, num lock, date and time.
#pragma once

#include <QLabel>
#include <QStatusBar>
#include <QTimer>

#include <array>

namespace spirolan {

/// Five panels in this order: the free text panel (empty at start, written by the pointer
/// hints and read-outs), the insert-key state "INS", the num-lock state "NUM" (each greyed while
/// off), the date and the time in the user's short formats. The last four are kept current by a
/// timer and by the key presses the program sees.
class StatusPanels final : public QStatusBar {
    Q_OBJECT
public:
    explicit StatusPanels(QWidget* parent = nullptr);
    ~StatusPanels() override;

    /// Text of the free text panel (panel 1).
    void SetText(const QString& text);
    QString Text() const;

    /// Panel `index`, 1 to 5, for reading.
    const QLabel& Panel(int index) const;

    /// Brings the insert, num-lock, date and time panels up to date now.
    void Refresh();

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    std::array<QLabel*, 5> panels_{};
    QTimer clock_;
    bool insertOn_ = false;
    bool numLockSeen_ = false;
};

} // namespace spirolan
