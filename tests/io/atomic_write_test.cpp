// SPDX-License-Identifier: GPL-3.0-or-later
// The file writer on real files: replacing, links, FIFOs, devices, a full disk and byte names.
#include "io/atomic_write.h"

#include <gtest/gtest.h>

#include <csignal>
#include <cstring>
#include <fcntl.h>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>
#include <sys/inotify.h>
#include <sys/mount.h>
#include <sys/resource.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <thread>
#include <unistd.h>

namespace spirolan {
namespace {

namespace fs = std::filesystem;

class AtomicWrite : public testing::Test {
protected:
    void SetUp() override {
        dir_ = fs::temp_directory_path() /
               ("spirolan-io-" +
                std::string(testing::UnitTest::GetInstance()->current_test_info()->name()));
        fs::remove_all(dir_);
        fs::create_directories(dir_);
    }
    void TearDown() override { fs::remove_all(dir_); }

    fs::path At(const std::string& name) const { return dir_ / name; }
    QString Q(const std::string& name) const { return QString::fromStdString(At(name).string()); }
    static std::string Read(const fs::path& path) {
        std::ifstream in(path, std::ios::binary);
        return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
    }
    void Put(const std::string& name, const std::string& bytes) const {
        std::ofstream(At(name), std::ios::binary) << bytes;
    }
    // Names in the folder: a failed or finished write leaves no temporary behind.
    size_t Entries() const {
        return static_cast<size_t>(std::distance(fs::directory_iterator(dir_), {}));
    }

    fs::path dir_;
};

TEST_F(AtomicWrite, ReplacesTheFileALinkPointsToAndKeepsTheLink) {
    Put("old", "old bytes");
    fs::permissions(At("old"), fs::perms::owner_read | fs::perms::owner_write);
    fs::create_symlink("old", At("link"));
    fs::create_symlink(At("link"), At("link2"));
    fs::create_symlink("created", At("dangling"));
    ASSERT_TRUE(WriteFileAtomically(Q("link2"), "new").Ok);
    ASSERT_TRUE(WriteFileAtomically(Q("dangling"), "made").Ok);
    EXPECT_TRUE(fs::is_symlink(At("link")) && fs::is_symlink(At("link2")));
    EXPECT_EQ(Read(At("old")), "new");
    EXPECT_EQ(fs::status(At("old")).permissions(), fs::perms::owner_read | fs::perms::owner_write);
    EXPECT_EQ(Read(At("created")), "made");
    EXPECT_EQ(Entries(), 5U);
}

// More than a pipe holds: the writer goes on where the reader made room, byte for byte.
TEST_F(AtomicWrite, FifoIsWrittenInPlace) {
    ASSERT_EQ(mkfifo(At("fifo").c_str(), 0600), 0);
    // A reader that does not wait for the writer, so that a wrong write cannot hang the test.
    const int reader = open(At("fifo").c_str(), O_RDONLY | O_NONBLOCK);
    ASSERT_GE(reader, 0);
    std::string bytes;
    for (int row = 0; bytes.size() < 256 * 1024; ++row) {
        bytes += std::to_string(row) + ",0\n";
    }
    std::string got;
    std::thread reading([&] {
        char buffer[4096];
        for (int idle = 0; got.size() < bytes.size() && idle < 5000;) {
            const ssize_t n = read(reader, buffer, sizeof buffer);
            idle = n > 0 ? 0 : idle + 1;
            n > 0 ? (void)got.append(buffer, static_cast<size_t>(n)) : (void)usleep(1000);
        }
    });
    const FileWriteResult written =
        WriteFileAtomically(Q("fifo"), QByteArray::fromStdString(bytes));
    reading.join();
    close(reader);
    EXPECT_TRUE(written.Ok) << written.Reason.toStdString();
    EXPECT_TRUE(got == bytes) << got.size() << " bytes read of " << bytes.size();
    EXPECT_TRUE(fs::is_fifo(At("fifo")));
    EXPECT_EQ(Entries(), 1U);
}

// The window's writer never waits: a FIFO that no program reads is refused at once, by name.
TEST_F(AtomicWrite, FifoWithoutReaderIsRefusedAtOnce) {
    ASSERT_EQ(mkfifo(At("fifo").c_str(), 0600), 0);
    const FileWriteResult written = WriteFileAtomically(Q("fifo"), "C,XS\n");
    EXPECT_FALSE(written.Ok);
    EXPECT_EQ(written.Reason, Q("fifo") + ": no program reads from this pipe");
    EXPECT_EQ(Entries(), 1U);
}

TEST_F(AtomicWrite, FullDeviceGivesTheSystemsReason) {
    if (!fs::is_character_file("/dev/full")) {
        GTEST_SKIP() << "no /dev/full";
    }
    Put("kept", "kept");
    const FileWriteResult written = WriteFilesAtomically({{At("kept"), "new"}, {"/dev/full", "x"}});
    EXPECT_FALSE(written.Ok);
    EXPECT_EQ(written.Reason.toStdString(), "/dev/full: " + std::string(std::strerror(ENOSPC)));
    EXPECT_EQ(Read(At("kept")), "kept");
    EXPECT_TRUE(fs::is_character_file("/dev/full"));
    EXPECT_EQ(Entries(), 1U);
}

TEST_F(AtomicWrite, DirectoryIsRefusedAndNothingWritten) {
    fs::create_directory(At("folder"));
    const FileWriteResult written = WriteFilesAtomically({{At("a"), "a"}, {At("folder"), "b"}});
    EXPECT_FALSE(written.Ok);
    EXPECT_EQ(written.Reason.toStdString(), At("folder").string() + ": " + std::strerror(EISDIR));
    EXPECT_EQ(Entries(), 1U);
}

// Runs `prepare`, then `check` in a child process; the child's exit status is the verdict (0
// when `check` returned true).
template <typename Prepare, typename Check> int InChild(Prepare prepare, Check check) {
    const pid_t child = fork();
    if (child == 0) {
        prepare();
        _exit(check() ? 0 : 1);
    }
    int status = -1;
    waitpid(child, &status, 0);
    return WIFEXITED(status) ? WEXITSTATUS(status) : 128 + WTERMSIG(status);
}

TEST_F(AtomicWrite, ReadOnlyFileIsNotReplaced) {
    Put("locked", "kept");
    fs::permissions(At("locked"),
                    fs::perms::owner_read | fs::perms::group_read | fs::perms::others_read);
    // Its folder allows anyone to replace it; root may write anything, so it acts as nobody.
    fs::permissions(dir_, fs::perms::all);
    const int verdict = InChild(
        [] {
            if (geteuid() == 0 && setuid(65534) != 0) {
                _exit(2);
            }
        },
        [&] {
            const FileWriteResult written = WriteFileAtomically(Q("locked"), "new");
            return !written.Ok &&
                   written.Reason == Q("locked") + ": " + QString::fromUtf8(std::strerror(EACCES));
        });
    EXPECT_EQ(verdict, 0);
    EXPECT_EQ(Read(At("locked")), "kept");
    EXPECT_EQ(Entries(), 1U);
}

// Another user's file in a folder with the sticky bit cannot be replaced: the group is refused
// before anything is written, and no second name of the file is left behind.
TEST_F(AtomicWrite, OtherUsersFileInAStickyFolderIsNotReplaced) {
    if (geteuid() != 0) {
        GTEST_SKIP() << "another user's file needs root to set up";
    }
    Put("a.caf", "old caf");
    fs::permissions(At("a.caf"), fs::perms::all & ~fs::perms::owner_exec & ~fs::perms::group_exec &
                                     ~fs::perms::others_exec);
    fs::permissions(dir_, fs::perms::all | fs::perms::sticky_bit);
    const int verdict = InChild(
        [] { (void)!setuid(65534); },
        [&] {
            Put("t.csv", "old table");
            const FileWriteResult written =
                WriteFilesAtomically({{At("t.csv"), "new"}, {At("a.caf"), "new"}});
            return !written.Ok &&
                   written.Reason == Q("a.caf") + ": " + QString::fromUtf8(std::strerror(EPERM));
        });
    EXPECT_EQ(verdict, 0);
    EXPECT_EQ(Read(At("t.csv")), "old table");
    EXPECT_EQ(Read(At("a.caf")), "old caf");
    EXPECT_EQ(Entries(), 2U);
}

TEST_F(AtomicWrite, FullDiskKeepsEveryExistingFile) {
    Put("small", "old small");
    Put("large", "old large");
    const QByteArray large(64 * 1024, 'x');
    // Files may not grow beyond 4 KiB in the child, as on a full disk.
    const int verdict = InChild(
        [] {
            std::signal(SIGXFSZ, SIG_IGN);
            const rlimit size{4096, 4096};
            setrlimit(RLIMIT_FSIZE, &size);
        },
        [&] {
            const FileWriteResult written =
                WriteFilesAtomically({{At("small"), "new"}, {At("large"), large}});
            return !written.Ok &&
                   written.Reason == Q("large") + ": " + QString::fromUtf8(std::strerror(EFBIG));
        });
    EXPECT_EQ(verdict, 0);
    EXPECT_EQ(Read(At("small")), "old small");
    EXPECT_EQ(Read(At("large")), "old large");
    EXPECT_EQ(Entries(), 2U);
}

TEST_F(AtomicWrite, NativeNamesAreUsedAsGiven) {
    const fs::path name = At("t\xff\xfe.csv");
    ASSERT_TRUE(WriteFilesAtomically({{name, "bytes"}}).Ok);
    EXPECT_EQ(Read(name), "bytes");
    EXPECT_EQ(Entries(), 1U);
}

// A busy target (a bind mount over it) cannot be replaced: the files of the group that were
// already replaced get their old bytes back, a new one goes again, and the busy one is named.
TEST_F(AtomicWrite, GroupIsUndoneWhenARenameFails) {
    if (geteuid() != 0) {
        GTEST_SKIP() << "a bind mount needs root";
    }
    Put("t.csv", "old table");
    Put("busy.caf", "old caf");
    Put("elsewhere", "mounted");
    ASSERT_EQ(mount(At("elsewhere").c_str(), At("busy.caf").c_str(), nullptr, MS_BIND, nullptr), 0);
    const FileWriteResult written = WriteFilesAtomically(
        {{At("t.csv"), "new table"}, {At("made.svg"), "new"}, {At("busy.caf"), "new caf"}});
    umount(At("busy.caf").c_str());
    EXPECT_FALSE(written.Ok);
    EXPECT_EQ(written.Reason.toStdString(), At("busy.caf").string() + ": " + std::strerror(EBUSY));
    EXPECT_EQ(Read(At("t.csv")), "old table");
    EXPECT_FALSE(fs::exists(At("made.svg")));
    EXPECT_EQ(Read(At("busy.caf")), "old caf");
    EXPECT_EQ(Entries(), 3U);
}

// Temporaries of killed writers go with the next write in their folder; a running one's stay.
TEST_F(AtomicWrite, TemporariesOfEndedProcessesAreRemoved) {
    const pid_t ended = fork();
    if (ended == 0) {
        _exit(0);
    }
    waitpid(ended, nullptr, 0);
    const std::string dead = ".spirolan." + std::to_string(ended) + ".1.tmp";
    const std::string alive = ".spirolan." + std::to_string(getppid()) + ".2.tmp";
    for (const std::string& name : {dead, alive, std::string(".spirolan.x.3.tmp")}) {
        Put(name, "left");
    }
    ASSERT_TRUE(WriteFileAtomically(Q("a.caf"), "new").Ok);
    EXPECT_FALSE(fs::exists(At(dead)));
    EXPECT_TRUE(fs::exists(At(alive)) && fs::exists(At(".spirolan.x.3.tmp")));
    EXPECT_EQ(Entries(), 3U);
}

// A private file is never readable by others, not even while its new bytes are being written
// (the temporary is looked at as soon as it appears), and one replaced by root keeps its owner.
TEST_F(AtomicWrite, ReplacedFileKeepsModeAndOwnerFromItsFirstByte) {
    Put("private", "old");
    fs::permissions(At("private"), fs::perms::owner_read | fs::perms::owner_write);
    const bool root = geteuid() == 0;
    if (root) {
        ASSERT_EQ(chown(At("private").c_str(), 65534, 65534), 0);
    }
    const int watch = inotify_init1(IN_CLOEXEC);
    ASSERT_GE(inotify_add_watch(watch, dir_.c_str(), IN_CREATE), 0);
    const QByteArray large(32 * 1024 * 1024, 'x');
    std::thread writer([&] { EXPECT_TRUE(WriteFileAtomically(Q("private"), large).Ok); });
    alignas(inotify_event) char events[4096];
    const ssize_t got = read(watch, events, sizeof events);
    struct stat temporary {};
    const bool seen = got > 0 && stat(At(reinterpret_cast<inotify_event*>(events)->name).c_str(),
                                      &temporary) == 0;
    writer.join();
    close(watch);
    if (seen) {
        EXPECT_EQ(temporary.st_mode & 0777, 0600U);
    }
    struct stat after {};
    ASSERT_EQ(stat(At("private").c_str(), &after), 0);
    EXPECT_EQ(after.st_mode & 07777, 0600U);
    if (root) {
        EXPECT_EQ(after.st_uid, 65534U);
        EXPECT_EQ(after.st_gid, 65534U);
    }
    EXPECT_EQ(Entries(), 1U);
}

} // namespace
} // namespace spirolan
