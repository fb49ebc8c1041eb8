// Entry point of the desktop program.
#include "frm_main.h"

#include <QApplication>

int main(int argc, char* argv[]) {
    QApplication app(argc, argv);
    spirolan::frmMain window;
    window.show();
    return QApplication::exec();
}
