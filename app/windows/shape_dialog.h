// SPDX-License-Identifier: GPL-3.0-or-later
// ShapeDialog: the frame the three shape dialogs share, from labelled fields to the hand-over.
#pragma once

#include "app/windows/dialog_host.h"
#include "core/shape_common.h"
#include "io/job_steps.h"

#include <QDialog>
#include <QString>

#include <array>
#include <cstddef>
#include <span>
#include <string_view>
#include <vector>

class QComboBox;
class QGridLayout;
class QLineEdit;
class QPushButton;
class QRadioButton;

namespace spirolan {

/// A shape dialog: its drawing, a column of labelled text fields, the "Number of Lead" list, the
/// "Cutting Position" choice of "External" and "Internal", "O  K" and "Cancel". Enter moves the
/// focus along a fixed chain of fields and then to "O  K", never pressing it; a button is the
/// default button (and shows it) only while it has the focus. Pre-fills show their start. OK runs
/// the shape's generation: a failure shows "Data error " and keeps the dialog with what was typed;
/// a success hands over to the main window in the order the program fixes (Mode-A pane, dialog
/// closed, Mode-B pane emptied, Mode-B surface inactive, Mode-A graph), then records the dialog's
/// fields with the main window. Cancel closes and redraws. Each field's object name is its label
/// caption.
class ShapeDialog : public QDialog {
    Q_OBJECT
public:
    /// The text field labelled `caption`; nullptr when the dialog has none.
    QLineEdit* Field(std::string_view caption) const;
    QComboBox* LeadList() const { return leadList_; }
    QRadioButton* ExternalChoice() const { return external_; }
    QRadioButton* InternalChoice() const { return internal_; }
    QPushButton* OkButton() const { return ok_; }
    QPushButton* CancelButton() const { return cancel_; }

protected:
    /// An empty frame titled `caption`, whose drawing is `drawing` (taken over) and whose lead
    /// list holds `leadEntries`. After a successful generation the Mode-B surface also gets the
    /// normal pointer when `normalPointerAfter`.
    ShapeDialog(const QString& caption, QWidget* drawing,
                std::span<const std::string_view> leadEntries, bool normalPointerAfter,
                DialogHost& host, QWidget* parent);

    /// Appends a text field labelled `caption` to the field column and returns it.
    QLineEdit* AddField(std::string_view caption);

    /// Appends the record's text fields in their order and returns them.
    template <typename Input, std::size_t N>
    std::vector<QLineEdit*> AddFields(const std::array<DialogTextField<Input>, N>& fields) {
        std::vector<QLineEdit*> added;
        for (const auto& field : fields) {
            added.push_back(AddField(field.Caption));
        }
        return added;
    }

    /// Enter in each field of `chain` moves the focus to the next one, and from the last to OK;
    /// Tab follows the chain to OK, then goes on to Cancel, the fields off the chain, the lead
    /// list and the cutting position. The dialog opens with the focus in the chain's first field.
    void SetEnterChain(const std::vector<QLineEdit*>& chain);

    /// Shows the texts and choices of a dialog record.
    template <typename Input, std::size_t N>
    void ShowInput(const Input& input, const std::array<DialogTextField<Input>, N>& fields) {
        for (const auto& field : fields) {
            SetText(field.Caption, input.*(field.Text));
        }
        ShowChoices(input.LeadIndex, input.External);
    }

    /// The dialog record as the user left it.
    template <typename Input, std::size_t N>
    Input ReadInput(const std::array<DialogTextField<Input>, N>& fields) const {
        Input input;
        for (const auto& field : fields) {
            input.*(field.Text) = Text(field.Caption);
        }
        input.LeadIndex = LeadIndex();
        input.External = External();
        return input;
    }

    /// Runs the shape's generator over the dialog's record and the job.
    virtual ShapeResult Generate() = 0;

    /// The job step of what the dialog shows now.
    virtual JobStep RecordInput() const = 0;

private:
    void SetText(std::string_view caption, const std::string& text);
    std::string Text(std::string_view caption) const;
    void ShowChoices(int leadIndex, bool external);
    int LeadIndex() const;
    bool External() const;
    void Ok_Click();
    void Cancel_Click();

    DialogHost& host_;
    bool normalPointerAfter_;
    QGridLayout* fields_;
    QComboBox* leadList_;
    QRadioButton* external_;
    QRadioButton* internal_;
    QPushButton* ok_;
    QPushButton* cancel_;
};

} // namespace spirolan
