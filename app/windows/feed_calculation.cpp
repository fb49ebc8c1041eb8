// SPDX-License-Identifier: GPL-3.0-or-later
// The feed calculation dialog: two inputs, the result box and its two buttons.
#include "app/windows/feed_calculation.h"

#include "app/windows/dialog_support.h"
#include "core/lenient_number.h"
#include "feed/feed_table.h"

#include <QFontDatabase>
#include <QFontMetricsF>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QVBoxLayout>

namespace spirolan {

namespace {

// Columns of the table in characters: the header's "FEED" and "No." start at multiples of it.
constexpr int kColumnChars = 9;

} // namespace

FeedCalculation::FeedCalculation(DialogHost& host, QWidget* parent)
    : QDialog(parent), host_(host), pitch_(new QLineEdit), feed_(new QLineEdit),
      result_(new QPlainTextEdit), calculation_(new QPushButton(QStringLiteral("Calculation"))) {
    setWindowTitle(QStringLiteral("Feed calculation"));
    pitch_->setObjectName(QStringLiteral("Text1"));
    feed_->setObjectName(QStringLiteral("Text2"));
    result_->setObjectName(QStringLiteral("Text3"));
    calculation_->setObjectName(QStringLiteral("Command1"));
    auto* cancel = new QPushButton(QStringLiteral("Cancel"));
    cancel->setObjectName(QStringLiteral("Command2"));

    result_->setReadOnly(true);
    result_->setLineWrapMode(QPlainTextEdit::NoWrap);
    result_->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    result_->setFont(QFontDatabase::systemFont(QFontDatabase::FixedFont));
    const QFontMetricsF metrics(result_->font());
    result_->setTabStopDistance(kColumnChars * metrics.horizontalAdvance(QLatin1Char('0')));
    result_->setMinimumSize(static_cast<int>(26 * metrics.horizontalAdvance(QLatin1Char('0'))),
                            240);

    UseAsPlainButton(calculation_);
    UseAsPlainButton(cancel);
    MoveFocusOnEnter(pitch_, feed_);
    MoveFocusOnEnter(feed_, calculation_);
    connect(calculation_, &QPushButton::clicked, this, &FeedCalculation::Command1_Click);
    connect(cancel, &QPushButton::clicked, this, &FeedCalculation::Command2_Click);

    auto* inputs = new QGridLayout;
    inputs->addWidget(new QLabel(QStringLiteral("PITCH")), 0, 0);
    inputs->addWidget(pitch_, 0, 1);
    inputs->addWidget(new QLabel(QStringLiteral("FEED")), 1, 0);
    inputs->addWidget(feed_, 1, 1);
    auto* right = new QVBoxLayout;
    right->addLayout(inputs);
    right->addStretch();
    right->addWidget(calculation_);
    right->addWidget(cancel);

    auto* columns = new QHBoxLayout(this);
    columns->addWidget(result_, 1);
    columns->addLayout(right);
    // Tab follows Enter from PITCH to "Calculation", then goes on to Cancel and the list.
    SetTabOrder({pitch_, feed_, calculation_, cancel, result_});
    pitch_->setFocus();
}

void FeedCalculation::Command1_Click() {
    // A number too large for a double reads as an infinity, which gives the bare header rather
    // than the table of 0.
    const double pitch = ReadLenientOrInfinity(pitch_->text().toStdString());
    const double feed = ReadLenientOrInfinity(feed_->text().toStdString());
    // The table's lines end with CR LF; the box breaks lines at LF alone.
    result_->setPlainText(
        QString::fromStdString(FeedTable(pitch, feed)).replace(QStringLiteral("\r\n"), "\n"));
}

void FeedCalculation::Command2_Click() {
    DialogHost& host = host_;
    reject();
    host.ReGraphic_Click();
}

FeedCalculation* OpenFeedCalculation(DialogHost& host, const QWidget* over) {
    auto* dialog = new FeedCalculation(host);
    ShowModal(dialog, over);
    return dialog;
}

} // namespace spirolan
