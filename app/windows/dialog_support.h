// SPDX-License-Identifier: GPL-3.0-or-later
// Behaviour every dialog shares: application-modal showing and the keyboard rules of its fields.
#pragma once

#include <vector>

class QDialog;
class QHBoxLayout;
class QLineEdit;
class QPushButton;
class QString;
class QWidget;

namespace spirolan {

/// Shows `dialog` application-modal without blocking the caller (the main window takes no input
/// until it closes) and deletes it when it closes. It has a title and a close button but no
/// minimise or maximise button, and opens centred over `over` (kept on that window's screen)
/// when given.
void ShowModal(QDialog* dialog, const QWidget* over = nullptr);

/// Enter (Return or the keypad's Enter) in `field` moves the focus to `next` and does nothing
/// else; every other key reaches the field. The move is a keyboard one: the style shows where the
/// focus went.
void MoveFocusOnEnter(QWidget* field, QWidget* next);

/// A dialog button that is the default button only while it has the focus: it then shows the
/// default frame, and Enter (like Space) presses it. Enter in a text field never presses it.
void UseAsPlainButton(QPushButton* button);

/// The OK (`Command1`) and Cancel (`Command2`) buttons of a small dialog, plain buttons
/// (UseAsPlainButton), right-aligned in `Row`.
struct OkCancelButtons {
    QPushButton* Ok;
    QPushButton* Cancel;
    QHBoxLayout* Row;
};
OkCancelButtons MakeOkCancelButtons();

/// Tab moves through `widgets` in this order (and Shift+Tab back).
void SetTabOrder(const std::vector<QWidget*>& widgets);

/// Makes `field` wide enough to show the longest usual pre-fill whole: 15 significant digits of
/// a negative number below 1. Longer ones (more leading zeros) show their start.
void FitPrefillWidth(QLineEdit* field);

/// Puts `text` into `field` showing its start: a text longer than the field is cut at its end.
void ShowFromStart(QLineEdit* field, const QString& text);

} // namespace spirolan
