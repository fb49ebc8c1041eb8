// Modal showing and the Enter key of dialog fields and buttons.
#include "app/windows/dialog_support.h"

#include <QDialog>
#include <QKeyEvent>
#include <QPointer>
#include <QPushButton>

namespace spirolan {

namespace {

bool IsEnter(const QEvent* event) {
    if (event->type() != QEvent::KeyPress) {
        return false;
    }
    const int key = static_cast<const QKeyEvent*>(event)->key();
    return key == Qt::Key_Return || key == Qt::Key_Enter;
}

// Owned by the field it watches, so it lives exactly as long as the field.
class EnterMovesFocus final : public QObject {
public:
    EnterMovesFocus(QWidget* field, QWidget* next) : QObject(field), next_(next) {}

protected:
    bool eventFilter(QObject* watched, QEvent* event) override {
        if (IsEnter(event)) {
            if (next_) {
                next_->setFocus(Qt::TabFocusReason);
            }
            return true;
        }
        return QObject::eventFilter(watched, event);
    }

private:
    QPointer<QWidget> next_;
};

class EnterClicks final : public QObject {
public:
    explicit EnterClicks(QPushButton* button) : QObject(button) {}

protected:
    bool eventFilter(QObject* watched, QEvent* event) override {
        if (IsEnter(event)) {
            static_cast<QPushButton*>(watched)->click();
            return true;
        }
        return QObject::eventFilter(watched, event);
    }
};

} // namespace

void ShowModal(QDialog* dialog) {
    dialog->setAttribute(Qt::WA_DeleteOnClose);
    dialog->setWindowModality(Qt::ApplicationModal);
    dialog->show();
    dialog->raise();
    dialog->activateWindow();
}

void MoveFocusOnEnter(QWidget* field, QWidget* next) {
    field->installEventFilter(new EnterMovesFocus(field, next));
}

void UseAsPlainButton(QPushButton* button) {
    // A QDialog presses its default button on Enter in any field and makes a focused
    // auto-default button its default for good; our dialogs have no default button.
    button->setAutoDefault(false);
    button->setDefault(false);
    button->installEventFilter(new EnterClicks(button));
}

} // namespace spirolan
