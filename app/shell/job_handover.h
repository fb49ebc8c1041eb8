// SPDX-License-Identifier: GPL-3.0-or-later
// A later start hands its job document to the running copy through a local socket.
#pragma once

#include <QLocalServer>
#include <QString>

#include <functional>

namespace spirolan {

/// The socket "Spirolan.socket" beside the lock file `lockPath`, in the same per-user folder.
QString HandoverSocketPath(const QString& lockPath);

/// While it lives, the running copy listens on the socket for job documents that later starts
/// hand over, and calls `onDocument` with each path from the event loop. Only this user may
/// connect. The caller holds the lock, so a socket left at that place by a copy that is gone
/// (killed, or the power lost) has no listener and is removed first.
class HandoverServer {
public:
    HandoverServer(const QString& socketPath, std::function<void(const QString&)> onDocument);

    /// Empty while listening, else why the copy cannot take documents (it runs all the same).
    QString Problem() const;

private:
    QLocalServer server_;
    std::function<void(const QString&)> onDocument_;
};

/// Hands the job document `path` (made absolute here, for the running copy has its own working
/// folder) to the copy listening on `socketPath`; true once that copy has taken it. A copy that
/// is just starting is given up to `waitMs` to begin listening.
bool HandOverDocument(const QString& socketPath, const QString& path, int waitMs = 3000);

} // namespace spirolan
