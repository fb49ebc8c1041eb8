// SPDX-License-Identifier: GPL-3.0-or-later
// Whole-or-nothing file writes: temporaries beside their targets, synced, then renamed.
#include "io/atomic_write.h"

#include "io/native_file.h"
#include "io/temporary_files.h"

#include <QDir>
#include <QFile>

#include <cerrno>
#include <optional>
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
    int Stream = -1;     // this process's standard output or error, when it is that file
};

// A regular file's bytes on the disk under a temporary name, not yet in place; `Backup` is a
// second name of the file it replaces while the group is being put in place.
struct Staged {
    fs::path Temporary;
    fs::path Path;
    fs::path Backup;
};

QString ReasonOf(int error) {
    return QString::fromStdString(std::generic_category().message(error != 0 ? error : EIO));
}

QString ReasonOf(const std::error_code& error) {
    return QString::fromStdString(error.message());
}

// Why a write to a FIFO or device failed, in the words of what the user can do about it.
QString DirectReasonOf(int error) {
    if (error == ENXIO) {
        return QStringLiteral("no program reads from this pipe");
    }
    if (error == EAGAIN) {
        return QStringLiteral("the program reading this pipe takes no data");
    }
    return ReasonOf(error);
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
// file is written where it is named, and one that a standard stream writes to through it.
std::optional<Target> Resolve(const fs::path& path, QString& reason) {
    if (const int stream = StandardStreamOf(path); stream >= 0) {
        return Target{path, true, stream};
    }
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

void RemoveTemporary(const fs::path& temporary) {
    std::error_code ignored;
    fs::remove(temporary, ignored);
    UntrackTemporary(temporary);
}

// Writes `bytes` to a temporary beside `target` that has the target's permissions and owner.
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
        // Tracked before it exists, so that a signal cannot leave it behind.
        TrackTemporary(temporary);
        errno = 0;
        const int file = CreateLike(temporary, target);
        if (file < 0) {
            const int failure = errno;
            UntrackTemporary(temporary);
            if (failure == EEXIST) {
                continue;
            }
            reason = ReasonOf(failure);
            return std::nullopt;
        }
        int failure = WriteAll(file, bytes);
        if (const int finished = Finish(file, true); failure == 0) {
            failure = finished;
        }
        if (failure != 0) {
            RemoveTemporary(temporary);
            reason = ReasonOf(failure);
            return std::nullopt;
        }
        return Staged{temporary, target, {}};
    }
    reason = ReasonOf(EEXIST);
    return std::nullopt;
}

QString WriteInPlace(const Target& target, QByteArrayView bytes, bool wait) {
    errno = 0;
    const int file = target.Stream >= 0 ? target.Stream : OpenExisting(target.Path, wait);
    if (file < 0) {
        return DirectReasonOf(errno);
    }
    int failure = WriteAll(file, bytes);
    if (const int finished = Finish(file, false); failure == 0) {
        failure = finished;
    }
    return failure != 0 ? DirectReasonOf(failure) : QString();
}

void Discard(const std::vector<Staged>& staged, size_t from) {
    for (size_t i = from; i < staged.size(); ++i) {
        RemoveTemporary(staged[i].Temporary);
    }
}

// Gives each file that replaced an old one its old bytes back, and removes the new ones that
// had no old file; then no second name is left.
void Restore(std::vector<Staged>& staged, size_t replaced) {
    for (size_t i = 0; i < staged.size(); ++i) {
        std::error_code ignored;
        if (i < replaced && !staged[i].Backup.empty()) {
            fs::rename(staged[i].Backup, staged[i].Path, ignored);
        } else if (i < replaced) {
            fs::remove(staged[i].Path, ignored);
        }
        if (!staged[i].Backup.empty()) {
            RemoveTemporary(staged[i].Backup);
        }
    }
}

// A second name for each file that is about to be replaced, so that the group can be undone.
void KeepOldFiles(std::vector<Staged>& staged) {
    for (Staged& file : staged) {
        std::error_code error;
        if (!fs::is_regular_file(fs::symlink_status(file.Path, error))) {
            continue;
        }
        for (int attempt = 0; attempt < 100 && file.Backup.empty(); ++attempt) {
            const fs::path backup = TemporaryBeside(file.Path);
            TrackTemporary(backup);
            if (LinkFile(file.Path, backup)) {
                file.Backup = backup;
            } else {
                UntrackTemporary(backup);
                if (errno != EEXIST) {
                    break; // no second name on this file system: this file cannot be undone
                }
            }
        }
    }
}

// Every file or none; regular files first to temporaries, then the others in place, then the
// temporaries into place.
FileWriteResult WriteGroup(const std::vector<fs::path>& paths,
                           const std::vector<QByteArrayView>& contents, const GroupWrite& how) {
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
        RemoveAbandonedTemporaries(targets[i].Path.parent_path());
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
        if (const QString reason = WriteInPlace(targets[i], contents[i], how.WaitForReader);
            !reason.isEmpty()) {
            Discard(staged, 0);
            return {false, Named(paths[i], reason)};
        }
    }
    if (how.BeforeReplacing) {
        if (const QString reason = how.BeforeReplacing(); !reason.isEmpty()) {
            Discard(staged, 0);
            return {false, reason};
        }
    }
    KeepOldFiles(staged);
    for (size_t i = 0; i < staged.size(); ++i) {
        std::error_code error;
        fs::rename(staged[i].Temporary, staged[i].Path, error);
        if (error) {
            Discard(staged, i);
            Restore(staged, i);
            return {false, Named(staged[i].Path, ReasonOf(error))};
        }
        UntrackTemporary(staged[i].Temporary);
    }
    for (const Staged& file : staged) {
        if (!file.Backup.empty()) {
            RemoveTemporary(file.Backup);
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
    return WriteGroup({NativePath(path)}, {bytes}, {});
}

FileWriteResult WriteFilesAtomically(const std::vector<PendingFile>& files, const GroupWrite& how) {
    std::vector<fs::path> paths;
    std::vector<QByteArrayView> contents;
    for (const PendingFile& file : files) {
        paths.push_back(file.Path);
        contents.emplace_back(file.Bytes);
    }
    return WriteGroup(paths, contents, how);
}

} // namespace spirolan
