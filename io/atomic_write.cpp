// SPDX-License-Identifier: GPL-3.0-or-later
// Whole-or-nothing file writes: temporaries beside their targets, synced, then renamed.
#include "io/atomic_write.h"

#include "io/native_file.h"

#include <QDir>
#include <QFile>

#include <cerrno>
#include <optional>
#include <random>
#include <string>
#include <system_error>
#include <type_traits>

namespace spirolan {
namespace {

namespace fs = std::filesystem;

// Where the bytes of a file go.
struct Target {
    fs::path Path;
    bool Direct = false; // written in place: it exists and is not a regular file
};

// A regular file's bytes on the disk under a temporary name, not yet in place.
struct Staged {
    fs::path Temporary;
    fs::path Path;
};

QString ReasonOf(int error) {
    return QString::fromStdString(std::generic_category().message(error != 0 ? error : EIO));
}

QString ReasonOf(const std::error_code& error) {
    return QString::fromStdString(error.message());
}

// A path for messages; bytes that are no UTF-8 show as replacement characters.
template <typename Native> QString DisplayName(const Native& native) {
    if constexpr (std::is_same_v<Native, std::wstring>) {
        return QString::fromStdWString(native);
    } else {
        return QString::fromUtf8(native);
    }
}

QString Named(const fs::path& path, const QString& reason) {
    return QDir::toNativeSeparators(DisplayName(path.native())) + QStringLiteral(": ") + reason;
}

// A program's path in the system's form: the bytes Qt would use on POSIX systems.
template <typename Native = fs::path::string_type> fs::path NativePath(const QString& path) {
    if constexpr (std::is_same_v<Native, std::wstring>) {
        return fs::path(path.toStdWString());
    } else {
        return fs::path(QFile::encodeName(path).toStdString());
    }
}

// Follows links to the file that is to be replaced; a target that exists and is not a regular
// file is written where it is named.
std::optional<Target> Resolve(const fs::path& path, QString& reason) {
    std::error_code error;
    const fs::file_status status = fs::status(path, error);
    if (status.type() == fs::file_type::directory) {
        reason = ReasonOf(EISDIR);
        return std::nullopt;
    }
    if (fs::exists(status) && status.type() != fs::file_type::regular) {
        return Target{path, true};
    }
    const fs::path resolved = FollowLinks(path, error);
    if (error) {
        reason = ReasonOf(error);
        return std::nullopt;
    }
    return Target{resolved, false};
}

// Writes, flushes, optionally syncs and closes `file`; the errno of the first failure, or 0.
int WriteAndClose(std::FILE* file, QByteArrayView bytes, bool sync) {
    int failure = 0;
    errno = 0;
    const auto size = static_cast<size_t>(bytes.size());
    if (std::fwrite(bytes.data(), 1, size, file) != size) {
        failure = errno != 0 ? errno : EIO;
    } else if (std::fflush(file) != 0) {
        failure = errno != 0 ? errno : EIO;
    } else if (sync && !SyncToDisk(file)) {
        failure = errno != 0 ? errno : EIO;
    }
    errno = 0;
    if (std::fclose(file) != 0 && failure == 0) {
        failure = errno != 0 ? errno : EIO;
    }
    return failure;
}

// A fresh temporary name beside `path`.
fs::path TemporaryBeside(const fs::path& path) {
    thread_local std::mt19937 random{std::random_device{}()};
    // Appended piece by piece: g++ 12 warns falsely about "." + std::string at -O3.
    std::string name = ".spirolan.";
    name += std::to_string(random() % 1000000000U);
    name += ".tmp";
    return path.parent_path() / fs::path(name);
}

// Writes `bytes` to a temporary beside `target` with the target's permissions.
std::optional<Staged> Stage(const fs::path& target, QByteArrayView bytes, QString& reason) {
    // A file that may not be written is not replaced either, although its folder would allow it.
    std::error_code error;
    errno = 0;
    if (fs::exists(target, error) && !MayWrite(target)) {
        reason = ReasonOf(errno);
        return std::nullopt;
    }
    for (int attempt = 0; attempt < 100; ++attempt) {
        const fs::path temporary = TemporaryBeside(target);
        errno = 0;
        std::FILE* file = OpenForWriting(temporary, true);
        if (file == nullptr) {
            if (errno == EEXIST) {
                continue;
            }
            reason = ReasonOf(errno);
            return std::nullopt;
        }
        if (const int failure = WriteAndClose(file, bytes, true); failure != 0) {
            std::error_code ignored;
            fs::remove(temporary, ignored);
            reason = ReasonOf(failure);
            return std::nullopt;
        }
        const fs::file_status existing = fs::status(target, error);
        if (fs::is_regular_file(existing)) {
            fs::permissions(temporary, existing.permissions(), error);
        }
        return Staged{temporary, target};
    }
    reason = ReasonOf(EEXIST);
    return std::nullopt;
}

QString WriteInPlace(const fs::path& path, QByteArrayView bytes) {
    errno = 0;
    std::FILE* file = OpenForWriting(path, false);
    if (file == nullptr) {
        return ReasonOf(errno);
    }
    const int failure = WriteAndClose(file, bytes, false);
    return failure != 0 ? ReasonOf(failure) : QString();
}

void Discard(const std::vector<Staged>& staged, size_t from) {
    for (size_t i = from; i < staged.size(); ++i) {
        std::error_code ignored;
        fs::remove(staged[i].Temporary, ignored);
    }
}

// Every file or none; regular files first to temporaries, then the others in place, then the
// temporaries into place.
FileWriteResult WriteGroup(const std::vector<fs::path>& paths,
                           const std::vector<QByteArrayView>& contents) {
    std::vector<Target> targets;
    for (const fs::path& path : paths) {
        QString reason;
        std::optional<Target> target = Resolve(path, reason);
        if (!target) {
            return {false, Named(path, reason)};
        }
        targets.push_back(std::move(*target));
    }
    std::vector<Staged> staged;
    for (size_t i = 0; i < targets.size(); ++i) {
        if (targets[i].Direct) {
            continue;
        }
        QString reason;
        std::optional<Staged> file = Stage(targets[i].Path, contents[i], reason);
        if (!file) {
            Discard(staged, 0);
            return {false, Named(paths[i], reason)};
        }
        staged.push_back(std::move(*file));
    }
    for (size_t i = 0; i < targets.size(); ++i) {
        if (!targets[i].Direct) {
            continue;
        }
        if (const QString reason = WriteInPlace(targets[i].Path, contents[i]); !reason.isEmpty()) {
            Discard(staged, 0);
            return {false, Named(paths[i], reason)};
        }
    }
    for (size_t i = 0; i < staged.size(); ++i) {
        std::error_code error;
        fs::rename(staged[i].Temporary, staged[i].Path, error);
        if (error) {
            Discard(staged, i);
            return {false, Named(staged[i].Path, ReasonOf(error))};
        }
    }
    return {};
}

} // namespace

fs::path FollowLinks(const fs::path& path, std::error_code& error) {
    // Links followed before a path counts as a loop, as the system counts them.
    constexpr int kMaxLinks = 40;
    error.clear();
    fs::path resolved = path;
    for (int links = 0; fs::is_symlink(fs::symlink_status(resolved, error)); ++links) {
        if (links == kMaxLinks) {
            error = std::make_error_code(std::errc::too_many_symbolic_link_levels);
            return path;
        }
        const fs::path next = fs::read_symlink(resolved, error);
        if (error) {
            return path;
        }
        resolved = next.is_absolute() ? next : resolved.parent_path() / next;
    }
    error.clear();
    return resolved;
}

FileWriteResult WriteFileAtomically(const QString& path, QByteArrayView bytes) {
    return WriteGroup({NativePath(path)}, {bytes});
}

FileWriteResult WriteFilesAtomically(const std::vector<PendingFile>& files) {
    std::vector<fs::path> paths;
    std::vector<QByteArrayView> contents;
    for (const PendingFile& file : files) {
        paths.push_back(file.Path);
        contents.emplace_back(file.Bytes);
    }
    return WriteGroup(paths, contents);
}

} // namespace spirolan
