// SPDX-License-Identifier: GPL-3.0-or-later
// frmMain's command table: the menus and the toolbar are built from it and dispatch through it.
#include "app/windows/frm_main.h"

#include "app/widgets/toolbar_icons.h"

#include <QKeySequence>
#include <QMenuBar>

#include <algorithm>
#include <cstdlib>
#include <string_view>
#include <vector>

namespace spirolan {

namespace {

constexpr int kNoButton = -1;

// One command: where its menu entry goes, its caption, its toolbar button and its handler.
struct Command {
    const char* menu;      // the menu that holds the entry, made where it is first named
    const char* separator; // a separator placed in that menu just before the entry, or nullptr
    const char* name;      // the menu entry
    const char* caption;   // "&" marks the Alt-key letter
    int button;            // the toolbar button's place from the left, or kNoButton
    bool buttonGroup;      // a toolbar separator just before the button
    const char* key;       // the toolbar button's key; empty for menu-only commands
    const char* tooltip;
    void (frmMain::*handler)(); // nullptr: the row places the submenu `name` of kMenus
    // The platform's standard key of a document command; the specified entries have none.
    QKeySequence::StandardKey shortcut = QKeySequence::UnknownKey;
};

// The menus in the order the menu bar shows them; a submenu names the menu that holds it.
struct Menu {
    const char* name;
    const char* caption;
    const char* parent; // nullptr for the menu bar
};

constexpr Menu kMenus[] = {
    {"mnuFile", "File(&F)", nullptr},
    {"mnuDataInput", "Data input", "mnuFile"},
    {"mnuRecentJobs", "Recent Jobs(&R)", "mnuFile"},
    {"mnuEdit", "Edit(&E)", nullptr},
    {"mnuDisplay", "Display(&D)", nullptr},
    {"mnuTool", "Tool(&T)", nullptr},
    {"mnuHelp", "Help(&H)", nullptr},
};

// Every command, in menu order. New commands are new rows.
constexpr Command kCommands[] = {
    {"mnuFile", nullptr, "mnuFeed", "Feed calculation", kNoButton, false, "", "",
     &frmMain::mnuFeed_Click},
    {"mnuDataInput", nullptr, "mnuSquare", "Shape 1", 0, false, "Square", "Shape 1 data input",
     &frmMain::mnuSquare_Click},
    {"mnuDataInput", nullptr, "mnuBall", "Shape 2", 1, false, "Ball", "Shape 2 data input",
     &frmMain::mnuBall_Click},
    {"mnuDataInput", nullptr, "mnuShape3", "Shape 3", 2, false, "Shape3", "Shape 3 data input",
     &frmMain::mnuShape3_Click},
    {"mnuFile", "mnuFileBar1", "mnuFileSave", "Save Mode-A CAF file", 4, true, "SaveA",
     "Mode-A CAF File save", &frmMain::mnuFileSave_Click},
    {"mnuFile", nullptr, "SaveB", "Save Mode-B CAF file", 5, false, "SaveB", "Mode-B CAF file save",
     &frmMain::SaveB_Click},
    {"mnuFile", "mnuJobBar", "mnuJobNew", "New Job(&N)", kNoButton, false, "", "",
     &frmMain::mnuJobNew_Click, QKeySequence::New},
    {"mnuFile", nullptr, "mnuJobOpen", "Open Job(&O)...", kNoButton, false, "", "",
     &frmMain::mnuJobOpen_Click, QKeySequence::Open},
    {"mnuFile", nullptr, "mnuJobSave", "Save Job(&S)", kNoButton, false, "", "",
     &frmMain::mnuJobSave_Click, QKeySequence::Save},
    {"mnuFile", nullptr, "mnuJobSaveAs", "Save Job As(&A)...", kNoButton, false, "", "",
     &frmMain::mnuJobSaveAs_Click, QKeySequence::SaveAs},
    {"mnuFile", nullptr, "mnuRecentJobs", nullptr, kNoButton, false, "", "", nullptr},
    {"mnuFile", nullptr, "mnuJobProperties", "Job Properties(&J)...", kNoButton, false, "", "",
     &frmMain::mnuJobProperties_Click},
    {"mnuFile", "mnuFileBar3", "mnuExportTable", "Export Table(&T)...", kNoButton, false, "", "",
     &frmMain::mnuExportTable_Click},
    {"mnuFile", nullptr, "mnuExportGraphs", "Export Graphs(&G)...", kNoButton, false, "", "",
     &frmMain::mnuExportGraphs_Click},
    {"mnuFile", nullptr, "mnuPrint", "Print(&P)...", kNoButton, false, "", "",
     &frmMain::mnuPrint_Click, QKeySequence::Print},
    {"mnuFile", "mnuFileBar2", "mnuFileExit", "Spirolan Exit(&X)", 8, true, "Exit", "Exit",
     &frmMain::mnuFileExit_Click},
    {"mnuEdit", nullptr, "mnuFaceCopy", "Face Copy", 3, true, "FaceCopy", "Face Copy",
     &frmMain::mnuFaceCopy_Click},
    {"mnuDisplay", nullptr, "ReGraphic", "Graphic Refresh", 6, true, "ReGraphic", "Graphic Refresh",
     &frmMain::ReGraphic_Click},
    {"mnuDisplay", nullptr, "mnuCheck", "Check(&C)", kNoButton, false, "", "",
     &frmMain::mnuCheck_Click},
    {"mnuDisplay", nullptr, "mnuGrooveProfile", "Groove Profile(&G)", kNoButton, false, "", "",
     &frmMain::mnuGrooveProfile_Click},
    {"mnuTool", nullptr, "mnuOrvl", "Orvexa", 7, false, "ORVL", "Orvexa", &frmMain::mnuOrvl_Click},
    {"mnuTool", nullptr, "mnuMachineLimits", "Machine limits(&M)...", kNoButton, false, "", "",
     &frmMain::mnuMachineLimits_Click},
    {"mnuHelp", nullptr, "mnuHelpAbout", "About Spirolan(&A)", kNoButton, false, "", "",
     &frmMain::mnuHelpAbout_Click},
};

const Menu& MenuNamed(std::string_view name) {
    for (const Menu& menu : kMenus) {
        if (name == menu.name) {
            return menu;
        }
    }
    // The tables above are fixed; a name missing from them is a programming error.
    std::abort();
}

/// The menus made so far, found by name; a menu is made, in its parent, when first asked for.
class MenuBuilder {
public:
    explicit MenuBuilder(QMenuBar* bar) : bar_(bar) {}

    QMenu* Get(std::string_view name) {
        for (QMenu* made : made_) {
            if (made->objectName() == QLatin1String(name.data(), qsizetype(name.size()))) {
                return made;
            }
        }
        const Menu& menu = MenuNamed(name);
        QMenu* result = menu.parent == nullptr
                            ? bar_->addMenu(QString::fromLatin1(menu.caption))
                            : Get(menu.parent)->addMenu(QString::fromLatin1(menu.caption));
        result->setObjectName(QLatin1String(menu.name));
        made_.push_back(result);
        return result;
    }

private:
    QMenuBar* bar_;
    std::vector<QMenu*> made_;
};

} // namespace

void frmMain::BuildCommands() {
    MenuBuilder menus(menuBar());
    for (const Command& command : kCommands) {
        QMenu* menu = menus.Get(command.menu);
        if (command.separator != nullptr) {
            menu->addSeparator()->setObjectName(QLatin1String(command.separator));
        }
        if (command.handler == nullptr) {
            menus.Get(command.name);
            continue;
        }
        QAction* action = menu->addAction(QString::fromLatin1(command.caption));
        action->setObjectName(QLatin1String(command.name));
        QList<QKeySequence> keys = QKeySequence::keyBindings(command.shortcut);
        // Desktops without a Save As key of their own get the common one.
        if (keys.isEmpty() && command.shortcut == QKeySequence::SaveAs) {
            keys = {QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_S)};
        }
        action->setShortcuts(keys);
        connect(action, &QAction::triggered, this,
                [this, &command] { (this->*command.handler)(); });
    }

    recentJobsMenu_ = menus.Get("mnuRecentJobs");

    std::vector<const Command*> buttons;
    for (const Command& command : kCommands) {
        if (command.button != kNoButton) {
            buttons.push_back(&command);
        }
    }
    std::sort(buttons.begin(), buttons.end(),
              [](const Command* a, const Command* b) { return a->button < b->button; });
    for (const Command* command : buttons) {
        if (command->buttonGroup) {
            tbToolBar_->addSeparator();
        }
        const QString buttonKey = QString::fromLatin1(command->key);
        QAction* button =
            tbToolBar_->addAction(CommandIcon(buttonKey), QString::fromLatin1(command->tooltip));
        button->setToolTip(QString::fromLatin1(command->tooltip));
        button->setData(buttonKey);
        connect(button, &QAction::triggered, this,
                [this, buttonKey] { tbToolBar_ButtonClick(buttonKey); });
    }
}

QAction* frmMain::ToolbarAction(const QString& key) const {
    for (QAction* action : tbToolBar_->actions()) {
        if (!action->isSeparator() && action->data().toString() == key) {
            return action;
        }
    }
    return nullptr;
}

void frmMain::tbToolBar_ButtonClick(const QString& key) {
    for (const Command& command : kCommands) {
        if (command.button != kNoButton && key == QLatin1String(command.key)) {
            (this->*command.handler)();
            return;
        }
    }
}

} // namespace spirolan
