// SPDX-License-Identifier: GPL-3.0-or-later
// The shared frame of the shape dialogs: layout, record transfer, Enter chain, OK and Cancel.
#include "app/windows/shape_dialog.h"

#include "app/windows/dialog_support.h"
#include "app/windows/messages.h"

#include <QComboBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QVBoxLayout>

#include <algorithm>

namespace spirolan {

ShapeDialog::ShapeDialog(const QString& caption, QWidget* drawing,
                         std::span<const std::string_view> leadEntries, bool normalPointerAfter,
                         DialogHost& host, QWidget* parent)
    : QDialog(parent), host_(host), normalPointerAfter_(normalPointerAfter),
      fields_(new QGridLayout), leadList_(new QComboBox),
      external_(new QRadioButton(ToQString(kExternalCaption))),
      internal_(new QRadioButton(ToQString(kInternalCaption))),
      ok_(new QPushButton(QStringLiteral("O  K"))),
      cancel_(new QPushButton(QStringLiteral("Cancel"))) {
    setWindowTitle(caption);

    for (std::string_view entry : leadEntries) {
        leadList_->addItem(ToQString(entry));
    }
    leadList_->setCurrentIndex(-1);
    auto* leadRow = new QHBoxLayout;
    auto* leadLabel = new QLabel(ToQString(kLeadCaption));
    leadLabel->setBuddy(leadList_);
    leadRow->addWidget(leadLabel);
    leadRow->addWidget(leadList_);
    leadRow->addStretch();

    auto* position = new QGroupBox(ToQString(kCutPositionCaption));
    auto* positionRow = new QHBoxLayout(position);
    positionRow->addWidget(external_);
    positionRow->addWidget(internal_);
    internal_->setChecked(true);

    auto* left = new QVBoxLayout;
    left->addWidget(drawing, 1);
    left->addLayout(leadRow);
    left->addWidget(position);

    UseAsPlainButton(ok_);
    UseAsPlainButton(cancel_);
    connect(ok_, &QPushButton::clicked, this, &ShapeDialog::Ok_Click);
    connect(cancel_, &QPushButton::clicked, this, &ShapeDialog::Cancel_Click);
    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(ok_);
    buttons->addWidget(cancel_);

    auto* right = new QVBoxLayout;
    right->addLayout(fields_);
    right->addStretch();
    right->addLayout(buttons);

    auto* columns = new QHBoxLayout(this);
    columns->addLayout(left, 1);
    columns->addSpacing(12);
    columns->addLayout(right);
}

QLineEdit* ShapeDialog::AddField(std::string_view caption) {
    auto* field = new QLineEdit;
    field->setObjectName(ToQString(caption));
    FitPrefillWidth(field);
    auto* label = new QLabel(ToQString(caption));
    label->setBuddy(field);
    const int row = fields_->rowCount();
    fields_->addWidget(label, row, 0);
    fields_->addWidget(field, row, 1);
    return field;
}

QLineEdit* ShapeDialog::Field(std::string_view caption) const {
    return findChild<QLineEdit*>(ToQString(caption), Qt::FindDirectChildrenOnly);
}

void ShapeDialog::SetEnterChain(const std::vector<QLineEdit*>& chain) {
    for (std::size_t i = 0; i < chain.size(); ++i) {
        QWidget* next = i + 1 < chain.size() ? static_cast<QWidget*>(chain[i + 1]) : ok_;
        MoveFocusOnEnter(chain[i], next);
    }
    // Tab takes the same road, then goes on to Cancel and the controls off the chain.
    std::vector<QWidget*> order(chain.begin(), chain.end());
    order.push_back(ok_);
    order.push_back(cancel_);
    for (QLineEdit* field : findChildren<QLineEdit*>(Qt::FindDirectChildrenOnly)) {
        if (std::find(chain.begin(), chain.end(), field) == chain.end()) {
            order.push_back(field);
        }
    }
    order.push_back(leadList_);
    order.push_back(external_);
    order.push_back(internal_);
    SetTabOrder(order);
    if (!chain.empty()) {
        // A key typed first goes into the first field, never into the lead list.
        chain.front()->setFocus(Qt::OtherFocusReason);
    }
}

void ShapeDialog::SetText(std::string_view caption, const std::string& text) {
    ShowFromStart(Field(caption), QString::fromStdString(text));
}

std::string ShapeDialog::Text(std::string_view caption) const {
    return Field(caption)->text().toStdString();
}

void ShapeDialog::ShowChoices(int leadIndex, bool external) {
    leadList_->setCurrentIndex(leadIndex < leadList_->count() ? leadIndex : -1);
    (external ? external_ : internal_)->setChecked(true);
}

int ShapeDialog::LeadIndex() const {
    return leadList_->currentIndex();
}

bool ShapeDialog::External() const {
    return external_->isChecked();
}

void ShapeDialog::Ok_Click() {
    JobStep shown = RecordInput();
    ShapeResult result = Generate();
    if (!result.Ok()) {
        ShowMessage(this, QMessageBox::Warning, ToQString(kDataErrorTitle), ToQString(kDataError),
                    ToQString(result.Cause));
        return;
    }
    // The dialog is gone after accept(); what the hand-over needs is held here.
    DialogHost& host = host_;
    const bool normalPointer = normalPointerAfter_;
    host.SetModeAText(std::move(result.ModeAText));
    accept();
    host.SetModeBText({});
    host.ShowModeBInactive(normalPointer);
    host.DrawModeAGraph();
    host.RecordStep(std::move(shown));
}

void ShapeDialog::Cancel_Click() {
    DialogHost& host = host_;
    reject();
    host.ReGraphic_Click();
}

} // namespace spirolan
