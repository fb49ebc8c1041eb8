// SPDX-License-Identifier: GPL-3.0-or-later
// Names of the writer's temporaries, their clean-up, and the list a signal handler reads.
#include "io/temporary_files.h"

#include "io/native_file.h"

#include <array>
#include <atomic>
#include <charconv>
#include <random>
#include <string>
#include <string_view>
#include <system_error>

namespace spirolan {
namespace {

namespace fs = std::filesystem;

constexpr std::string_view kPrefix = ".spirolan.";
constexpr std::string_view kSuffix = ".tmp";

// A tracked temporary's name, written before it is marked ready, so that a handler never reads
// half a name. More slots than one run ever writes files at once.
struct Slot {
    enum : int { Free, Claimed, Ready };
    std::atomic<int> Use{Free};
    std::array<fs::path::value_type, 4096> Path{};
};
std::array<Slot, 32> trackedSlots;

bool AllDigits(std::string_view text) {
    return !text.empty() && text.find_first_not_of("0123456789") == std::string_view::npos;
}

// The process id in a temporary's name ".spirolan.PID.N.tmp", or -1 when it is no such name.
long long ProcessOf(std::string_view name) {
    if (!name.starts_with(kPrefix) || !name.ends_with(kSuffix)) {
        return -1;
    }
    name = name.substr(kPrefix.size(), name.size() - kPrefix.size() - kSuffix.size());
    const size_t dot = name.find('.');
    if (dot == std::string_view::npos || !AllDigits(name.substr(0, dot)) ||
        !AllDigits(name.substr(dot + 1))) {
        return -1;
    }
    long long process = -1;
    std::from_chars(name.data(), name.data() + dot, process);
    return process;
}

} // namespace

fs::path TemporaryBeside(const fs::path& path) {
    thread_local std::mt19937 random{std::random_device{}()};
    // Appended piece by piece: g++ 12 warns falsely about "." + std::string at -O3.
    std::string name(kPrefix);
    name += std::to_string(ThisProcess());
    name += '.';
    name += std::to_string(random() % 1000000000U);
    name += kSuffix;
    return path.parent_path() / fs::path(name);
}

void RemoveAbandonedTemporaries(const fs::path& folder) {
    std::error_code error;
    const fs::path where = folder.empty() ? fs::path(".") : folder;
    for (fs::directory_iterator it(where, error), end; !error && it != end; it.increment(error)) {
        const long long process = ProcessOf(it->path().filename().string());
        if (process > 0 && process != ThisProcess() && ProcessEnded(process)) {
            std::error_code ignored;
            fs::remove(it->path(), ignored);
        }
    }
}

void TrackTemporary(const fs::path& path) {
    const fs::path::string_type& name = path.native();
    for (Slot& slot : trackedSlots) {
        int free = Slot::Free;
        if (name.size() < slot.Path.size() &&
            slot.Use.compare_exchange_strong(free, Slot::Claimed)) {
            name.copy(slot.Path.data(), name.size());
            slot.Path[name.size()] = 0;
            slot.Use = Slot::Ready;
            return;
        }
    }
}

void UntrackTemporary(const fs::path& path) {
    for (Slot& slot : trackedSlots) {
        if (slot.Use == Slot::Ready && path.native() == slot.Path.data()) {
            slot.Use = Slot::Free;
            return;
        }
    }
}

void RemoveTrackedTemporaries(void (*remove)(const fs::path::value_type* path)) {
    for (const Slot& slot : trackedSlots) {
        if (slot.Use == Slot::Ready) {
            remove(slot.Path.data());
        }
    }
}

} // namespace spirolan
