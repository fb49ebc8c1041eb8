// Entry point of the desktop program: `spirolan [JOB.spjob]`.
#include "app/shell/startup.h"

int main(int argc, char* argv[]) {
    QApplication application(argc, argv);
    const QStringList args = QApplication::arguments();
    return spirolan::RunSpirolan(application, args.size() > 1 ? args.at(1) : QString());
}
