// frmMain's command table: the menus and the toolbar are built from it and dispatch through it.
#include "app/windows/frm_main.h"

#include "app/widgets/toolbar_icons.h"

#include <QMenuBar>

#include <array>
#include <cstdlib>
#include <string_view>

namespace spirolan {

namespace {

struct Command {
    const char* name;    // the menu entry
    const char* caption; // "&" marks the Alt-key letter
    const char* key;     // the toolbar button's key; empty for menu-only commands
    const char* tooltip;
    void (frmMain::*handler)();
};

// The toolbar keys are compared in this order; the menu-only commands follow.
constexpr std::array<Command, 11> kCommands = {{
    {"mnuSquare", "Shape 1", "Square", "Shape 1 data input", &frmMain::mnuSquare_Click},
    {"mnuBall", "Shape 2", "Ball", "Shape 2 data input", &frmMain::mnuBall_Click},
    {"mnuShape3", "Shape 3", "Shape3", "Shape 3 data input", &frmMain::mnuShape3_Click},
    {"mnuFileSave", "Save Mode-A CAF file", "SaveA", "Mode-A CAF File save",
     &frmMain::mnuFileSave_Click},
    {"SaveB", "Save Mode-B CAF file", "SaveB", "Mode-B CAF file save", &frmMain::SaveB_Click},
    {"ReGraphic", "Graphic Refresh", "ReGraphic", "Graphic Refresh", &frmMain::ReGraphic_Click},
    {"mnuFaceCopy", "Face Copy", "FaceCopy", "Face Copy", &frmMain::mnuFaceCopy_Click},
    {"mnuOrvl", "Orvexa", "ORVL", "Orvexa", &frmMain::mnuOrvl_Click},
    {"mnuFileExit", "Spirolan Exit(&X)", "Exit", "Exit", &frmMain::mnuFileExit_Click},
    {"mnuFeed", "Feed calculation", "", "", &frmMain::mnuFeed_Click},
    {"mnuHelpAbout", "About Spirolan(&A)", "", "", &frmMain::mnuHelpAbout_Click},
}};

// Toolbar buttons from left to right; an empty key is a separator.
constexpr std::array<std::string_view, 13> kToolbarKeys = {
    "Square", "Ball", "Shape3",    "",     "FaceCopy", "",    "SaveA",
    "SaveB",  "",     "ReGraphic", "ORVL", "",         "Exit"};

const Command& CommandNamed(std::string_view name) {
    for (const Command& command : kCommands) {
        if (name == command.name || (!name.empty() && name == command.key)) {
            return command;
        }
    }
    // The tables above are fixed; a name missing from them is a programming error.
    std::abort();
}

QMenu* AddMenu(QMenuBar* bar, const char* name, const char* caption) {
    QMenu* menu = bar->addMenu(QString::fromLatin1(caption));
    menu->setObjectName(QLatin1String(name));
    return menu;
}

void AddSeparator(QMenu* menu, const char* name) {
    menu->addSeparator()->setObjectName(QLatin1String(name));
}

} // namespace

void frmMain::BuildCommands() {
    const auto addEntry = [this](QMenu* menu, std::string_view name) {
        const Command& command = CommandNamed(name);
        QAction* action = menu->addAction(QString::fromLatin1(command.caption));
        action->setObjectName(QLatin1String(command.name));
        connect(action, &QAction::triggered, this,
                [this, &command] { (this->*command.handler)(); });
    };

    QMenu* file = AddMenu(menuBar(), "mnuFile", "File(&F)");
    addEntry(file, "mnuFeed");
    QMenu* dataInput = file->addMenu(QStringLiteral("Data input"));
    dataInput->setObjectName(QStringLiteral("mnuDataInput"));
    addEntry(dataInput, "mnuSquare");
    addEntry(dataInput, "mnuBall");
    addEntry(dataInput, "mnuShape3");
    AddSeparator(file, "mnuFileBar1");
    addEntry(file, "mnuFileSave");
    addEntry(file, "SaveB");
    AddSeparator(file, "mnuFileBar2");
    addEntry(file, "mnuFileExit");
    addEntry(AddMenu(menuBar(), "mnuEdit", "Edit(&E)"), "mnuFaceCopy");
    addEntry(AddMenu(menuBar(), "mnuDisplay", "Display(&D)"), "ReGraphic");
    addEntry(AddMenu(menuBar(), "mnuTool", "Tool(&T)"), "mnuOrvl");
    addEntry(AddMenu(menuBar(), "mnuHelp", "Help(&H)"), "mnuHelpAbout");

    for (const std::string_view key : kToolbarKeys) {
        if (key.empty()) {
            tbToolBar_->addSeparator();
            continue;
        }
        const Command& command = CommandNamed(key);
        const QString buttonKey = QString::fromLatin1(command.key);
        QAction* button =
            tbToolBar_->addAction(CommandIcon(buttonKey), QString::fromLatin1(command.tooltip));
        button->setToolTip(QString::fromLatin1(command.tooltip));
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
        if (command.key[0] != '\0' && key == QLatin1String(command.key)) {
            (this->*command.handler)();
            return;
        }
    }
}

} // namespace spirolan
