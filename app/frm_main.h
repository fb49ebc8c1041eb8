// frmMain: the main window.
#pragma once

#include <QMainWindow>

namespace spirolan {

class frmMain : public QMainWindow {
    Q_OBJECT
public:
    explicit frmMain(QWidget* parent = nullptr);
};

} // namespace spirolan
