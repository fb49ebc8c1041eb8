// Entry point of the desktop program.
#include "app/shell/startup.h"

int main(int argc, char* argv[]) {
    QApplication application(argc, argv);
    return spirolan::RunSpirolan(application);
}
