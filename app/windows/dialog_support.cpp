// SPDX-License-Identifier: GPL-3.0-or-later
// Modal showing, placement and window buttons of dialogs; Enter, Tab and widths of their fields.
#include "app/windows/dialog_support.h"

#include <QDialog>
#include <QFontMetrics>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLineEdit>
#include <QPointer>
#include <QPushButton>
#include <QScreen>

#include <algorithm>

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
                // As after Tab: the style draws the focus frame of the widget reached.
                next_->window()->setAttribute(Qt::WA_KeyboardFocusChange);
                next_->setFocus(Qt::TabFocusReason);
            }
            return true;
        }
        return QObject::eventFilter(watched, event);
    }

private:
    QPointer<QWidget> next_;
};

// A QDialog presses its default button on Enter in any field, and it keeps a focused
// auto-default button as its default for good; so the button is made the default by hand, for
// exactly as long as it has the focus, and presses itself on Enter.
class DefaultWhileFocused final : public QObject {
public:
    explicit DefaultWhileFocused(QPushButton* button) : QObject(button) {}

protected:
    bool eventFilter(QObject* watched, QEvent* event) override {
        auto* button = static_cast<QPushButton*>(watched);
        if (IsEnter(event)) {
            button->click();
            return true;
        }
        if (event->type() == QEvent::FocusIn) {
            button->setDefault(true);
        } else if (event->type() == QEvent::FocusOut) {
            button->setDefault(false);
        }
        return QObject::eventFilter(watched, event);
    }
};

// Where `dialog` stands centred over `window`, moved back onto the window's screen if it would
// stick out of it. Its frame is not known before it is shown: it is taken to be the window's.
QPoint CentredOver(const QDialog& dialog, const QWidget& window) {
    QRect place(QPoint(0, 0), dialog.size() + window.frameGeometry().size() - window.size());
    place.moveCenter(window.frameGeometry().center());
    if (const QScreen* screen = window.screen()) {
        const QRect room = screen->availableGeometry();
        place.moveLeft(std::max(room.left(), std::min(place.left(), room.right() - place.width())));
        place.moveTop(std::max(room.top(), std::min(place.top(), room.bottom() - place.height())));
    }
    return place.topLeft();
}

} // namespace

void ShowModal(QDialog* dialog, const QWidget* over) {
    dialog->setAttribute(Qt::WA_DeleteOnClose);
    dialog->setWindowModality(Qt::ApplicationModal);
    dialog->setWindowFlags(Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                           Qt::WindowSystemMenuHint | Qt::WindowCloseButtonHint);
    if (over != nullptr) {
        dialog->adjustSize();
        dialog->move(CentredOver(*dialog, *over->window()));
    }
    // Showing selects the text of the field with the focus, so that typing replaces it; selected
    // backwards, it shows its start as the other fields do.
    if (auto* field = qobject_cast<QLineEdit*>(dialog->focusWidget())) {
        field->setSelection(static_cast<int>(field->text().size()),
                            -static_cast<int>(field->text().size()));
    }
    dialog->show();
    dialog->raise();
    dialog->activateWindow();
}

void MoveFocusOnEnter(QWidget* field, QWidget* next) {
    field->installEventFilter(new EnterMovesFocus(field, next));
}

void UseAsPlainButton(QPushButton* button) {
    button->setAutoDefault(false);
    button->setDefault(false);
    button->installEventFilter(new DefaultWhileFocused(button));
}

OkCancelButtons MakeOkCancelButtons() {
    auto* ok = new QPushButton(QStringLiteral("OK"));
    ok->setObjectName(QStringLiteral("Command1"));
    auto* cancel = new QPushButton(QStringLiteral("Cancel"));
    cancel->setObjectName(QStringLiteral("Command2"));
    UseAsPlainButton(ok);
    UseAsPlainButton(cancel);
    auto* row = new QHBoxLayout;
    row->addStretch();
    row->addWidget(ok);
    row->addWidget(cancel);
    return {ok, cancel, row};
}

void SetTabOrder(const std::vector<QWidget*>& widgets) {
    for (std::size_t i = 0; i + 1 < widgets.size(); ++i) {
        QWidget::setTabOrder(widgets[i], widgets[i + 1]);
    }
}

void FitPrefillWidth(QLineEdit* field) {
    // A line edit's size hint has room for 17 'x': widen it by what the pre-fill needs beyond.
    const QFontMetrics metrics(field->font());
    const int beyond = metrics.horizontalAdvance(QStringLiteral("-0.123456789012345")) -
                       17 * metrics.horizontalAdvance(QLatin1Char('x'));
    field->setMinimumWidth(field->sizeHint().width() + std::max(0, beyond));
}

void ShowFromStart(QLineEdit* field, const QString& text) {
    field->setText(text);
    field->setCursorPosition(0);
}

} // namespace spirolan
