// SPDX-License-Identifier: GPL-3.0-or-later
// FeedCalculation: the "Feed calculation" dialog around the feed table.
#pragma once

#include "app/windows/dialog_host.h"

#include <QDialog>

class QLineEdit;
class QPlainTextEdit;
class QPushButton;

namespace spirolan {

/// The feed calculator: "PITCH" (`Text1`) and "FEED" (`Text2`) start empty; "Calculation"
/// (`Command1`) replaces the result box (`Text3`, left of the inputs, scrolling) by the feed
/// table of the typed numbers; "Cancel" (`Command2`) closes and redraws. It opens with the focus
/// in "PITCH"; Enter there moves the focus to "FEED", in "FEED" to "Calculation" without pressing
/// it, and Tab takes the same road before Cancel and the list.
class FeedCalculation final : public QDialog {
    Q_OBJECT
public:
    explicit FeedCalculation(DialogHost& host, QWidget* parent = nullptr);

private:
    void Command1_Click();
    void Command2_Click();

    DialogHost& host_;
    QLineEdit* pitch_;
    QLineEdit* feed_;
    QPlainTextEdit* result_;
    QPushButton* calculation_;
};

/// mnuFeed_Click: creates the dialog fresh and shows it modal, centred over `over`;
/// it deletes itself on closing.
FeedCalculation* OpenFeedCalculation(DialogHost& host, const QWidget* over = nullptr);

} // namespace spirolan
