// SPDX-License-Identifier: GPL-3.0-or-later
// Files by their wide path, and this process, on Windows.
#include "io/native_file.h"

#include "io/temporary_files.h"

#include <cerrno>
#include <csignal>

#include <fcntl.h>
#include <io.h>
#include <stdio.h>
#include <sys/stat.h>
#include <windows.h>

namespace spirolan {
namespace {

void RemoveQuietly(const wchar_t* path) {
    _wunlink(path);
}

void EndBySignal(int signal) {
    RemoveTrackedTemporaries(RemoveQuietly);
    std::signal(signal, SIG_DFL);
    std::raise(signal);
}

} // namespace

int CreateLike(const std::filesystem::path& path, const std::filesystem::path&) {
    // Files carry no POSIX owner or mode here; a read-only one is not replaced (MayWrite).
    return _wopen(path.c_str(), _O_WRONLY | _O_CREAT | _O_EXCL | _O_BINARY | _O_NOINHERIT,
                  _S_IREAD | _S_IWRITE);
}

int OpenExisting(const std::filesystem::path& path, bool) {
    return _wopen(path.c_str(), _O_WRONLY | _O_BINARY | _O_NOINHERIT);
}

int StandardStreamOf(const std::filesystem::path&) {
    return -1;
}

int StandardOutput() {
    return 1;
}

int WriteAll(int file, QByteArrayView bytes) {
    const char* next = bytes.data();
    qsizetype left = bytes.size();
    while (left > 0) {
        const unsigned chunk = left > (1 << 30) ? 1U << 30 : static_cast<unsigned>(left);
        const int written = _write(file, next, chunk);
        if (written <= 0) {
            return written < 0 ? errno : EIO;
        }
        next += written;
        left -= written;
    }
    return 0;
}

int Finish(int file, bool sync) {
    int failure = sync && _commit(file) != 0 ? errno : 0;
    if (_close(file) != 0 && failure == 0) {
        failure = errno;
    }
    return failure;
}

bool MayWrite(const std::filesystem::path& path) {
    return _waccess(path.c_str(), 2) == 0;
}

bool LinkFile(const std::filesystem::path& path, const std::filesystem::path& link) {
    if (CreateHardLinkW(link.c_str(), path.c_str(), nullptr)) {
        return true;
    }
    errno = EXDEV;
    return false;
}

long long ThisProcess() {
    return static_cast<long long>(GetCurrentProcessId());
}

bool ProcessEnded(long long id) {
    const HANDLE process =
        OpenProcess(PROCESS_QUERY_LIMITED_INFORMATION, FALSE, static_cast<DWORD>(id));
    if (process == nullptr) {
        return GetLastError() == ERROR_INVALID_PARAMETER;
    }
    DWORD code = 0;
    const bool ended = GetExitCodeProcess(process, &code) && code != STILL_ACTIVE;
    CloseHandle(process);
    return ended;
}

void RemoveTemporariesOnSignals() {
    std::signal(SIGINT, EndBySignal);
    std::signal(SIGTERM, EndBySignal);
}

} // namespace spirolan
