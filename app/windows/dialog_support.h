// Behaviour every dialog shares: application-modal showing and the keyboard rules of its fields.
#pragma once

class QDialog;
class QPushButton;
class QWidget;

namespace spirolan {

/// Shows `dialog` application-modal without blocking the caller (the main window takes no input
/// until it closes) and deletes it when it closes.
void ShowModal(QDialog* dialog);

/// Enter (Return or the keypad's Enter) in `field` moves the focus to `next` and does nothing
/// else; every other key reaches the field.
void MoveFocusOnEnter(QWidget* field, QWidget* next);

/// A dialog button that is never a default button: Enter in a text field does not press it,
/// while Enter (like Space) presses it when it has the focus.
void UseAsPlainButton(QPushButton* button);

} // namespace spirolan
