// SPDX-License-Identifier: GPL-3.0-or-later
// Window flows as data: one file of steps a user takes in the program's real windows and what
// they must see, run line by line. The steps are in tests/app/flows/README.md.
#include "app/shell/job_recovery.h"
#include "app/widgets/status_panels.h"
#include "app/widgets/text_pane.h"
#include "tests/app/test_support.h"
#include "tests/support/golden_file.h"

#include <QCheckBox>
#include <QComboBox>
#include <QDir>
#include <QEventLoop>
#include <QFile>
#include <QFileInfo>
#include <QGroupBox>
#include <QKeySequence>
#include <QLabel>
#include <QMenu>
#include <QMetaEnum>
#include <QMouseEvent>
#include <QRadioButton>
#include <QStyle>
#include <QStyleOptionFrame>
#include <QTemporaryDir>
#include <QTest>
#include <QThread>
#include <QToolBar>

#include <cstdio>
#include <fstream>
#include <map>

namespace spirolan::test {
namespace {

const std::map<QString, QMessageBox::StandardButton> kAnswers{
    {"Ok", QMessageBox::Ok},           {"Yes", QMessageBox::Yes},
    {"No", QMessageBox::No},           {"Save", QMessageBox::Save},
    {"Discard", QMessageBox::Discard}, {"Cancel", QMessageBox::Cancel}};

// "\n", "\r" and "\t" in a flow's texts are those characters.
QString Unescaped(QString text) {
    return text.replace("\\n", "\n").replace("\\r", "\r").replace("\\t", "\t");
}

// What a user sees of `widget` under `name`: a property, the text of a pane or the status bar,
// the colour of a pixel ("color@X,Y"), or every caption it shows ("texts").
QString Seen(QWidget* widget, const QString& name) {
    if (name == "text") {
        if (const auto* pane = qobject_cast<TextPane*>(widget)) {
            return QString::fromStdString(pane->Text());
        }
        if (const auto* bar = qobject_cast<StatusPanels*>(widget)) {
            return bar->Text();
        }
    }
    if (name.startsWith("color@")) {
        const QStringList at = name.mid(6).split(',');
        return widget->grab().toImage().pixelColor(at[0].toInt(), at[1].toInt()).name();
    }
    if (name == "base") {
        return widget->palette().color(QPalette::Base).name();
    }
    if (name == "cursor") {
        return QMetaEnum::fromType<Qt::CursorShape>().valueToKey(widget->cursor().shape());
    }
    if (name == "fits") {
        // The room of a line edit inside its frame and its own margin of 2 pixels a side.
        const auto* edit = qobject_cast<QLineEdit*>(widget);
        QStyleOptionFrame option;
        option.initFrom(edit);
        option.lineWidth = edit->style()->pixelMetric(QStyle::PM_DefaultFrameWidth, &option, edit);
        const int room =
            edit->style()->subElementRect(QStyle::SE_LineEditContents, &option, edit).width() - 4;
        return room >= edit->fontMetrics().horizontalAdvance(edit->text()) ? "true" : "false";
    }
    if (name == "texts") {
        QStringList texts;
        for (QWidget* child : widget->findChildren<QWidget*>()) {
            if (const auto* label = qobject_cast<QLabel*>(child)) {
                texts << label->text();
            } else if (const auto* button = qobject_cast<QAbstractButton*>(child)) {
                texts << button->text();
            } else if (const auto* group = qobject_cast<QGroupBox*>(child)) {
                texts << group->title();
            } else if (const auto* list = qobject_cast<QComboBox*>(child)) {
                for (int i = 0; i < list->count(); ++i) {
                    texts << list->itemText(i);
                }
            }
        }
        if (const auto* menu = qobject_cast<QMenu*>(widget)) {
            for (const QAction* action : menu->actions()) {
                texts << action->text();
            }
        }
        return texts.join('|');
    }
    const QVariant value = widget->property(name.toLatin1().constData());
    if (value.typeId() == QMetaType::QSize) {
        return QStringLiteral("%1x%2").arg(value.toSize().width()).arg(value.toSize().height());
    }
    if (value.typeId() == QMetaType::QRect) {
        const QRect r = value.toRect();
        return QStringLiteral("%1,%2 %3x%4").arg(r.x()).arg(r.y()).arg(r.width()).arg(r.height());
    }
    return value.isValid() ? value.toString() : "<no property " + name + ">";
}

class Flow {
public:
    explicit Flow(QString path) : path_(std::move(path)) {}

    int Run() {
        std::ifstream in(path_.toStdString());
        if (!in) {
            std::printf("%s: cannot read\n", qPrintable(path_));
            return 1;
        }
        for (std::string line; std::getline(in, line);) {
            lines_.push_back(QString::fromStdString(line).trimmed());
        }
        Schedule(0);
        done_.exec();
        return failures_ == 0 ? 0 : 1;
    }

private:
    // Only the tick scheduled last runs.
    void Schedule(int milliseconds) {
        QTimer::singleShot(milliseconds, [this, tick = ++ticks_] {
            if (tick == ticks_) {
                Tick();
            }
        });
    }

    // Takes the next step once the one before has returned, or while it waits in a dialog of
    // its own (a command that runs a dialog returns only when a later step closes it); never
    // while a message box is up, which the watcher answers first, nor right after one went, when
    // the program may be about to show the next.
    void Tick() {
        const int level = QThread::currentThread()->loopLevel();
        const size_t boxes = watcher_.log.size();
        const bool boxesSettled = boxes == boxesAtLastTick_ &&
                                  !qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
        boxesAtLastTick_ = boxes;
        if (!boxesSettled || (!levels_.empty() && level <= levels_.back())) {
            Schedule(5);
        } else if (line_ < lines_.size()) {
            const QString& text = lines_[line_++];
            Schedule(5); // takes over if the step waits in a dialog
            levels_.push_back(level);
            const bool next = text.isEmpty() || text.startsWith('#') || Step(text);
            levels_.pop_back();
            if (!next) {
                line_ = lines_.size();
            }
            Schedule(0);
        } else if (!levels_.empty()) {
            CloseDialogs(); // the step waiting in one returns, then the flow ends
            Schedule(5);
        } else if (!finished_) {
            finished_ = true;
            if (watcher_.log.size() > seen_) {
                Fail("message box no step expected: " +
                     QString::fromStdString(watcher_.log[seen_]));
            }
            Close(QMessageBox::Discard);
            done_.quit();
        }
    }

    // One step, "COMMAND TARGET = VALUE"; false ends the flow (a step that cannot be taken).
    bool Step(const QString& line) {
        const QString command = line.section(' ', 0, 0);
        QString target = line.section(' ', 1);
        QString value;
        if (const qsizetype at = target.indexOf(" = "); at >= 0) {
            value = target.mid(at + 3);
            target.truncate(at);
        } else if (target.endsWith(" =")) {
            target.chop(2);
        }
        const QString rest = Unescaped(value);
        if (command == "start") {
            return Open(0, 0);
        }
        if (command == "window") {
            return Open(target.isEmpty() ? 800 : target.section(' ', 0, 0).toInt(),
                        target.isEmpty() ? 600 : target.section(' ', 1, 1).toInt());
        }
        if (command == "close") {
            Close(watcher_.answer);
            return true;
        }
        if (command == "answer") {
            watcher_.answer = kAnswers.at(target);
            return true;
        }
        if (command == "style") {
            screenStyle_ = target == "screen";
            return true;
        }
        if (command == "choose") {
            choices_ << (target == "-" ? QString() : dir_.filePath(target));
            return true;
        }
        if (command == "write") {
            QDir().mkpath(QFileInfo(dir_.filePath(target)).absolutePath());
            WriteBytes(dir_.filePath(target), rest.toStdString());
            return true;
        }
        if (command == "remove") {
            QFile::remove(dir_.filePath(target));
            return true;
        }
        if (command == "expect") {
            Expect(target, value);
            return true;
        }
        if (window_ == nullptr) {
            return Fail("no window is open");
        }
        if (command == "menu" || command == "button") {
            QAction* action = command == "menu" ? window_->findChild<QAction*>(target)
                                                : window_->ToolbarAction(target);
            if (action == nullptr) {
                return Fail("no command " + target);
            }
            command == "menu"
                ? action->trigger()
                : QTest::mouseClick(window_->tbToolBar().widgetForAction(action), Qt::LeftButton);
            return true;
        }
        QWidget* widget = target == "-" ? QApplication::focusWidget() : Find(target);
        if (widget == nullptr) {
            return Fail("no widget " + target + " in sight");
        }
        if (command == "type" || command == "keys") {
            auto* edit = qobject_cast<QLineEdit*>(widget);
            command == "type" ? Retype(edit, rest) : QTest::keyClicks(widget, rest);
        } else if (command == "key") {
            const QKeyCombination key = QKeySequence::fromString(rest)[0];
            target == "-" ? QTest::keyClick(widget->window()->windowHandle(), key.key(),
                                            key.keyboardModifiers())
                          : QTest::keyClick(widget, key.key(), key.keyboardModifiers());
        } else if (command == "click") {
            auto* button = qobject_cast<QAbstractButton*>(widget);
            qobject_cast<QCheckBox*>(widget) || qobject_cast<QRadioButton*>(widget)
                ? ClickIndicator(button)
                : QTest::mouseClick(widget, Qt::LeftButton);
        } else if (command == "focus") {
            widget->activateWindow();
            if (!QTest::qWaitForWindowActive(widget->window())) {
                return Fail("the window of " + target + " does not become active");
            }
            widget->setFocus();
        } else if (command == "resize") {
            widget->resize(rest.section(',', 0, 0).toInt(), rest.section(',', 1).toInt());
        } else if (command == "hover") {
            // Sent to the widget under the pointer, as the window system does.
            const QPoint at(rest.section(',', 0, 0).toInt(), rest.section(',', 1).toInt());
            QWidget* under = widget->childAt(at) ? widget->childAt(at) : widget;
            const QPointF local = under->mapFrom(widget, QPointF(at));
            QMouseEvent move(QEvent::MouseMove, local, under->mapToGlobal(local), Qt::NoButton,
                             Qt::NoButton, Qt::NoModifier);
            QApplication::sendEvent(under, &move);
        } else {
            return Fail("unknown step " + command);
        }
        return true;
    }

    void Expect(const QString& what, const QString& value) {
        QString actual;
        const QString expected = Unescaped(value);
        if (what == "boxes") {
            QStringList boxes;
            for (; seen_ < watcher_.log.size(); ++seen_) {
                boxes << QString::fromStdString(watcher_.log[seen_]);
            }
            actual = boxes.join(" + ");
        } else if (what == "focus") {
            actual = QApplication::focusWidget() ? QApplication::focusWidget()->objectName() : "";
        } else if (what == "informative") {
            actual = watcher_.informative;
        } else if (what == "offered") {
            actual = offered_;
        } else if (what.startsWith("file ")) {
            actual = QString::fromUtf8(ReadBytes(dir_.filePath(what.mid(5))));
        } else {
            QWidget* widget = Find(what.section('.', 0, 0));
            actual = widget ? Seen(widget, what.section('.', 1)) : "<not in sight>";
        }
        actual.replace(dir_.path(), "$DIR");
        if (expected.startsWith('@')) {
            const std::string differs =
                testing_support::CheckGolden(expected.mid(1).toStdString(), actual.toStdString());
            if (!differs.empty()) {
                Fail(what + ": " + QString::fromStdString(differs));
            }
        } else if (actual != expected) {
            Fail(what + ": expected \"" + expected + "\", got \"" + actual + "\"");
        }
    }

    // The widget of that name or caption in the dialog in front, or else in any window shown;
    // "dialog" is the dialog in front itself.
    static QWidget* Find(const QString& name) {
        QWidgetList windows;
        if (QWidget* modal = QApplication::activeModalWidget()) {
            if (name == "dialog") {
                return modal;
            }
            windows << modal;
        }
        windows << QApplication::topLevelWidgets();
        for (QWidget* window : windows) {
            if (!window->isVisible()) {
                continue;
            }
            if (window->objectName() == name) {
                return window;
            }
            if (auto* widget = window->findChild<QWidget*>(name)) {
                return widget;
            }
            // As a user names it: by its caption, or by the label in front of it.
            for (QWidget* widget : window->findChildren<QWidget*>()) {
                const auto* button = qobject_cast<QAbstractButton*>(widget);
                const auto* label = qobject_cast<QLabel*>(widget);
                if (button != nullptr && button->text().remove('&') == name) {
                    return widget;
                }
                if (label != nullptr && label->buddy() != nullptr && label->text() == name) {
                    return label->buddy();
                }
            }
        }
        return nullptr;
    }

    bool Open(int width, int height) {
        Close(watcher_.answer);
        job_ = std::make_unique<CamJob>();
        window_ = OpenWindow(*job_, dir_.filePath("s.ini"), DefaultDialogHooks(), width, height);
        auto choose = [this](QWidget*, const QString&) {
            return choices_.isEmpty() ? QString() : choices_.takeFirst();
        };
        window_->SetJobFileChoosers(choose, choose);
        window_->SetSaveFileChooser(choose);
        window_->SetExportFileChooser(
            [this, choose](QWidget* parent, const QString& title, const QString& folder,
                           const QStringList& filters, std::optional<bool> screenStyle) {
                offered_ = QStringList{title, folder, filters.join(','),
                                       screenStyle ? (*screenStyle ? "screen" : "print") : ""}
                               .join('|');
                const QString path = choose(parent, title);
                const QString suffix = '.' + QFileInfo(path).suffix();
                qsizetype filter = 0;
                while (filter + 1 < filters.size() && !filters[filter].contains(suffix)) {
                    ++filter;
                }
                return ExportChoice{path, static_cast<int>(filter), screenStyle_};
            });
        // As at start-up: the job a run left unsaved is offered first.
        qputenv("XDG_STATE_HOME", dir_.path().toLocal8Bit());
        window_->SetRecoveryFile(DefaultRecoveryPath());
        window_->OfferRecovery();
        return true;
    }

    void CloseDialogs() {
        for (QWidget* widget : QApplication::topLevelWidgets()) {
            if (widget != window_.get() && widget->isVisible()) {
                widget->close();
            }
        }
    }

    void Close(QMessageBox::StandardButton answer) {
        CloseDialogs();
        if (window_ != nullptr) {
            const QMessageBox::StandardButton kept = watcher_.answer;
            watcher_.answer = answer;
            window_->close();
            watcher_.answer = kept;
            window_.reset();
        }
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    }

    bool Fail(const QString& message) {
        std::printf("%s:%lld: %s\n", qPrintable(path_), static_cast<long long>(line_),
                    qPrintable(message));
        ++failures_;
        return false;
    }

    QString path_;
    QStringList lines_;
    qsizetype line_ = 0;
    std::vector<int> levels_; // event loop depth at each step running
    bool finished_ = false;
    unsigned ticks_ = 0;
    QEventLoop done_;
    int failures_ = 0;
    QTemporaryDir dir_;
    QStringList choices_;
    bool screenStyle_ = false;
    QString offered_;
    MessageBoxWatcher watcher_;
    size_t seen_ = 0;
    size_t boxesAtLastTick_ = 0;
    std::unique_ptr<CamJob> job_;
    std::unique_ptr<frmMain> window_;
};

} // namespace

int RunFlow(const QString& path) {
    return Flow(path).Run();
}

} // namespace spirolan::test
