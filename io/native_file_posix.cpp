// SPDX-License-Identifier: GPL-3.0-or-later
// Files by their path's bytes, and this process, on POSIX systems.
#include "io/native_file.h"

#include "io/temporary_files.h"

#include <cerrno>
#include <csignal>

#include <fcntl.h>
#include <poll.h>
#include <sys/stat.h>
#include <unistd.h>

namespace spirolan {
namespace {

// How long a write waits for a reader that takes no bytes when it may not wait.
constexpr int kReaderWaitMs = 5000;

// The bits a file's permissions are made of, set-id and sticky bits included.
constexpr mode_t kModeBits = 07777;

bool SameFile(const struct stat& a, const struct stat& b) {
    return a.st_dev == b.st_dev && a.st_ino == b.st_ino;
}

void RemoveQuietly(const char* path) {
    unlink(path);
}

void EndBySignal(int signal) {
    RemoveTrackedTemporaries(RemoveQuietly);
    // Then ends as the signal ends a process, so that the caller sees which one it was.
    struct sigaction standard {};
    standard.sa_handler = SIG_DFL;
    sigaction(signal, &standard, nullptr);
    raise(signal);
}

} // namespace

int CreateLike(const std::filesystem::path& path, const std::filesystem::path& like) {
    struct stat existing {};
    const bool replaces = stat(like.c_str(), &existing) == 0 && S_ISREG(existing.st_mode);
    // Created without more rights than the final ones, then given exactly those before a byte is
    // written: the new contents of a private file are never readable by others.
    const mode_t mode = replaces ? existing.st_mode & kModeBits : 0666;
    const int file = open(path.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, mode & 0777);
    if (file < 0 || !replaces) {
        return file;
    }
    // The owner and group stay where this process may set them (root, or a group it is in);
    // a change of owner clears set-id bits, so the mode is set after it.
    if (existing.st_uid != geteuid() || existing.st_gid != getegid()) {
        if (fchown(file, existing.st_uid, existing.st_gid) != 0) {
            [[maybe_unused]] const int ignored =
                fchown(file, static_cast<uid_t>(-1), existing.st_gid);
        }
    }
    if (fchmod(file, mode) != 0) {
        const int failure = errno;
        close(file);
        unlink(path.c_str());
        errno = failure;
        return -1;
    }
    return file;
}

int OpenExisting(const std::filesystem::path& path, bool wait) {
    const int file = open(path.c_str(), O_WRONLY | O_CLOEXEC | (wait ? 0 : O_NONBLOCK));
    if (file < 0 && errno == EINTR) {
        return OpenExisting(path, wait);
    }
    return file;
}

int StandardStreamOf(const std::filesystem::path& path) {
    struct stat named {};
    if (stat(path.c_str(), &named) != 0) {
        return -1;
    }
    for (const int stream : {STDOUT_FILENO, STDERR_FILENO}) {
        struct stat open {};
        if (fstat(stream, &open) == 0 && SameFile(named, open)) {
            return stream;
        }
    }
    return -1;
}

int StandardOutput() {
    return STDOUT_FILENO;
}

int WriteAll(int file, QByteArrayView bytes) {
    const char* next = bytes.data();
    auto left = static_cast<size_t>(bytes.size());
    while (left > 0) {
        const ssize_t written = write(file, next, left);
        if (written > 0) {
            next += written;
            left -= static_cast<size_t>(written);
            continue;
        }
        if (written < 0 && errno == EINTR) {
            continue;
        }
        if (written < 0 && (errno == EAGAIN || errno == EWOULDBLOCK)) {
            pollfd ready{file, POLLOUT, 0};
            if (poll(&ready, 1, kReaderWaitMs) > 0) {
                continue;
            }
            return EAGAIN;
        }
        return written < 0 ? errno : EIO;
    }
    return 0;
}

int Finish(int file, bool sync) {
    int failure = sync && fsync(file) != 0 ? errno : 0;
    if (file != STDOUT_FILENO && file != STDERR_FILENO && close(file) != 0 && failure == 0 &&
        errno != EINTR) {
        failure = errno;
    }
    return failure;
}

bool MayWrite(const std::filesystem::path& path) {
    if (access(path.c_str(), W_OK) != 0) {
        return false;
    }
    // In a folder with the sticky bit (/tmp) only the file's owner or the folder's may replace
    // it: known before anything is written, as the rename would fail only at the end.
    const std::filesystem::path parent = path.has_parent_path() ? path.parent_path() : ".";
    struct stat file {};
    struct stat folder {};
    const uid_t self = geteuid();
    if (self != 0 && stat(path.c_str(), &file) == 0 && stat(parent.c_str(), &folder) == 0 &&
        (folder.st_mode & S_ISVTX) != 0 && file.st_uid != self && folder.st_uid != self) {
        errno = EPERM;
        return false;
    }
    return true;
}

bool LinkFile(const std::filesystem::path& path, const std::filesystem::path& link) {
    return ::link(path.c_str(), link.c_str()) == 0;
}

long long ThisProcess() {
    return getpid();
}

bool ProcessEnded(long long id) {
    return kill(static_cast<pid_t>(id), 0) != 0 && errno == ESRCH;
}

void RemoveTemporariesOnSignals() {
    struct sigaction action {};
    action.sa_handler = EndBySignal;
    sigemptyset(&action.sa_mask);
    for (const int signal : {SIGTERM, SIGINT, SIGHUP, SIGPIPE}) {
        sigaddset(&action.sa_mask, signal);
    }
    for (const int signal : {SIGTERM, SIGINT, SIGHUP, SIGPIPE}) {
        sigaction(signal, &action, nullptr);
    }
}

} // namespace spirolan
