// Starting and stopping a private Xvfb server.
#include "xvfb_server.h"

#include <QStandardPaths>

namespace spirolan::test {

XvfbServer::XvfbServer() {
    const QString program = QStandardPaths::findExecutable(QStringLiteral("Xvfb"));
    if (program.isEmpty()) {
        error_ = "Xvfb is not installed";
        return;
    }
    // Xvfb writes the display number and a newline to standard output once it accepts
    // connections; its chatter on standard error goes nowhere.
    process_.setStandardErrorFile(QProcess::nullDevice());
    process_.start(program, {"-displayfd", "1", "-screen", "0", "1024x768x24", "-nolisten", "tcp",
                             "-noreset"});
    QByteArray number;
    while (!number.contains('\n') && process_.waitForReadyRead(20000)) {
        number += process_.readAllStandardOutput();
    }
    if (!number.contains('\n')) {
        error_ = "Xvfb did not report a display number within 20 s";
        return;
    }
    display_ = ":" + number.left(number.indexOf('\n')).toStdString();
}

XvfbServer::~XvfbServer() {
    process_.terminate();
    process_.waitForFinished();
}

} // namespace spirolan::test
