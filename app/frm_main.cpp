// frmMain: the main window.
#include "frm_main.h"

namespace spirolan {

frmMain::frmMain(QWidget* parent) : QMainWindow(parent) {
    setWindowTitle(QStringLiteral("Spirolan  Ver. 2.23"));
}

} // namespace spirolan
