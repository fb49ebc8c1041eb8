// SPDX-License-Identifier: GPL-3.0-or-later
// The hand-over socket: one line with the document's path, answered with "ok".
#include "app/shell/job_handover.h"

#include <QDeadlineTimer>
#include <QFileInfo>
#include <QLocalSocket>
#include <QThread>
#include <QTimer>

namespace spirolan {

namespace {

// Longer than any path; a line that grows past it is no hand-over.
constexpr qint64 kMaxLineBytes = 64 * 1024;
constexpr int kRetryMs = 50;
const QByteArray kTaken = QByteArrayLiteral("ok\n");

} // namespace

QString HandoverSocketPath(const QString& lockPath) {
    return QFileInfo(lockPath).absolutePath() + QStringLiteral("/Spirolan.socket");
}

HandoverServer::HandoverServer(const QString& socketPath,
                               std::function<void(const QString&)> onDocument)
    : onDocument_(std::move(onDocument)) {
    server_.setSocketOptions(QLocalServer::UserAccessOption);
    QLocalServer::removeServer(socketPath);
    if (!server_.listen(socketPath)) {
        return;
    }
    QObject::connect(&server_, &QLocalServer::newConnection, &server_, [this] {
        while (QLocalSocket* socket = server_.nextPendingConnection()) {
            QObject::connect(socket, &QLocalSocket::disconnected, socket, &QObject::deleteLater);
            QObject::connect(socket, &QLocalSocket::readyRead, socket, [this, socket] {
                if (!socket->canReadLine()) {
                    if (socket->bytesAvailable() > kMaxLineBytes) {
                        socket->abort();
                    }
                    return;
                }
                const QString path = QString::fromUtf8(socket->readLine(kMaxLineBytes)).trimmed();
                socket->write(kTaken);
                socket->disconnectFromServer();
                if (!path.isEmpty()) {
                    // After this handler: opening may ask a question, which runs its own loop.
                    QTimer::singleShot(0, &server_, [this, path] { onDocument_(path); });
                }
            });
        }
    });
}

QString HandoverServer::Problem() const {
    return server_.isListening() ? QString() : server_.errorString();
}

bool HandOverDocument(const QString& socketPath, const QString& path, int waitMs) {
    const QByteArray line = QFileInfo(path).absoluteFilePath().toUtf8() + '\n';
    const QDeadlineTimer deadline(waitMs);
    while (true) {
        QLocalSocket socket;
        socket.connectToServer(socketPath);
        if (socket.waitForConnected(static_cast<int>(deadline.remainingTime()))) {
            socket.write(line);
            QByteArray answer;
            while (!answer.endsWith('\n') &&
                   socket.waitForReadyRead(static_cast<int>(deadline.remainingTime()))) {
                answer += socket.readAll();
            }
            return answer == kTaken;
        }
        if (deadline.hasExpired()) {
            return false;
        }
        QThread::msleep(kRetryMs);
    }
}

} // namespace spirolan
