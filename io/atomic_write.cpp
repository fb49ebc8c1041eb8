// Atomic file writes through QSaveFile: write, flush, check, commit.
#include "io/atomic_write.h"

#include <QDir>
#include <QSaveFile>

#include <memory>

namespace spirolan {

namespace {

QString Named(const QString& path, const QString& reason) {
    return QDir::toNativeSeparators(path) + QStringLiteral(": ") + reason;
}

/// Opens `path` and writes `bytes` without committing; the reason on failure.
std::unique_ptr<QSaveFile> Stage(const QString& path, QByteArrayView bytes, QString& reason) {
    auto file = std::make_unique<QSaveFile>(path);
    if (!file->open(QIODevice::WriteOnly) ||
        file->write(bytes.data(), bytes.size()) != bytes.size() || !file->flush()) {
        reason = file->errorString();
        return nullptr;
    }
    return file;
}

} // namespace

FileWriteResult WriteFileAtomically(const QString& path, QByteArrayView bytes) {
    QString reason;
    const std::unique_ptr<QSaveFile> file = Stage(path, bytes, reason);
    if (file == nullptr) {
        return {false, reason};
    }
    if (!file->commit()) {
        return {false, file->errorString()};
    }
    return {};
}

FileWriteResult WriteFilesAtomically(const std::vector<PendingFile>& files) {
    std::vector<std::unique_ptr<QSaveFile>> staged;
    for (const PendingFile& file : files) {
        QString reason;
        staged.push_back(Stage(file.Path, file.Bytes, reason));
        if (staged.back() == nullptr) {
            return {false, Named(file.Path, reason)};
        }
    }
    for (std::size_t i = 0; i < staged.size(); ++i) {
        if (!staged[i]->commit()) {
            return {false, Named(files[i].Path, staged[i]->errorString())};
        }
    }
    return {};
}

} // namespace spirolan
