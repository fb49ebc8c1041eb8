// SPDX-License-Identifier: GPL-3.0-or-later
// spirolan-cli where a case folder cannot reach: links, huge and oddly named files, standard
// streams appended to a file or full, and signals while waiting for a FIFO.
#include "cli/command.h"

#include <gtest/gtest.h>

#include <QProcess>
#include <QThread>

#include <csignal>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>
#include <vector>

#include <sys/stat.h>

namespace spirolan::batch {
namespace {

namespace fs = std::filesystem;

// The Shape 1 reference groove.
const std::string kShape1 = R"({"steps": [{"dialog": "Shape 1", "fields": {
    "Nose-R": "0.2", "PITCH": "3.6", "WIDTH": "0.5", "Diameter 1": "10", "Diameter 2": "8.8",
    "Angle 1": "60", "Angle 2": "60", "R 1": "0.3", "R 2": "0.4", "R 3": "0.4", "R 4": "0.3",
    "Number of Lead": "1", "Start XS vale": "0", "Cutting Position": "External"}}]})";

class CommandTest : public testing::Test {
protected:
    void SetUp() override {
        dir_ = fs::temp_directory_path() /
               ("spirolan-cli-" +
                std::string(testing::UnitTest::GetInstance()->current_test_info()->name()));
        fs::remove_all(dir_);
        fs::create_directories(dir_);
    }
    void TearDown() override { fs::remove_all(dir_); }

    // Writes the job file and returns its path.
    std::string Job(const std::string& json) {
        std::ofstream(dir_ / "job.json", std::ios::binary) << json;
        return Out("job.json");
    }
    std::string Out(const std::string& name) const { return (dir_ / name).string(); }
    static std::string Read(const std::string& path) {
        std::ifstream in(path, std::ios::binary);
        return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
    }

    fs::path dir_;
};

// A link to a file not yet made names that file: refused before the job is read.
TEST_F(CommandTest, OutputThroughALinkNamingAnotherOutputIsRefused) {
    const std::string job = Job(kShape1);
    fs::create_symlink("later.csv", Out("link.csv"));
    const CommandResult r =
        RunCommand({"run", job, "--mode-a", Out("link.csv"), "--table", Out("later.csv")});
    EXPECT_EQ(r.ExitCode, 2);
    EXPECT_TRUE(r.Err.starts_with("spirolan-cli run: --mode-a and --table name the same file\n"))
        << r.Err;
    EXPECT_EQ(Read(job), kShape1);
    EXPECT_FALSE(fs::exists(Out("later.csv")));
}

TEST_F(CommandTest, JobFileBeyond64MiBIsNotRead) {
    const std::string job = Job(kShape1);
    fs::resize_file(job, 64 * 1024 * 1024 + 1); // sparse: costs no disk
    const CommandResult r = RunCommand({"run", job});
    EXPECT_EQ(r.ExitCode, 2);
    EXPECT_EQ(r.Err, "cannot read " + job + ": larger than 64 MiB\n");
}

TEST_F(CommandTest, NamesAreTheCommandLinesBytes) {
    const std::string job = Out("j\xff.json");
    fs::rename(Job(kShape1), job);
    const CommandResult r = RunCommand({"run", job, "--table", Out("t\xfe.csv")});
    ASSERT_EQ(r.ExitCode, 0) << r.Err;
    EXPECT_TRUE(Read(Out("t\xfe.csv")).starts_with("C,XS\n"));
}

// The shell appends the standard output or error to a file: the table goes after what the
// stream wrote before it (the step lines on the output), and what the file held stays.
TEST_F(CommandTest, StandardStreamAppendedToAFileKeepsItsBytes) {
    const struct {
        const char* stream;
        const char* before;
    } rows[] = {{"/dev/stdout", "Shape 1: OK\n"}, {"/dev/stderr", ""}};
    for (const auto& row : rows) {
        SCOPED_TRACE(row.stream);
        std::ofstream(Out("log")) << "earlier\n";
        QProcess process;
        const QString log = QString::fromStdString(Out("log"));
        row.before[0] != 0 ? process.setStandardOutputFile(log, QIODevice::Append)
                           : process.setStandardErrorFile(log, QIODevice::Append);
        process.start(SPIROLAN_CLI_PATH,
                      {"run", QString::fromStdString(Job(kShape1)), "--table", row.stream});
        ASSERT_TRUE(process.waitForFinished(60000));
        EXPECT_EQ(process.exitCode(), 0);
        const std::string bytes = Read(Out("log"));
        EXPECT_TRUE(bytes.starts_with("earlier\n" + std::string(row.before) + "C,XS\n0,0\n") &&
                    bytes.ends_with("\n360,0\n"))
            << bytes.substr(0, 60);
    }
}

// A standard output that takes no bytes (a full disk) is a failure: status 1 with the reason,
// and no output file replaced.
TEST_F(CommandTest, UnwritableStandardOutputIsStatusOneAndReplacesNothing) {
    std::ofstream(Out("t.csv")) << "old";
    const QString job = QString::fromStdString(Job(kShape1));
    const QString table = QString::fromStdString(Out("t.csv"));
    const struct {
        const char* name;
        QStringList args;
    } rows[] = {
        {"ModeAOnTheStandardOutput", {"run", job, "--mode-a", "/dev/stdout", "--csv", table}},
        {"StepLinesOnly", {"run", job, "--csv", table}},
        {"Feed", {"feed", "1.5", "0.5"}},
        {"Help", {"--help"}},
    };
    for (const auto& row : rows) {
        SCOPED_TRACE(row.name);
        QProcess process;
        process.setStandardOutputFile(QStringLiteral("/dev/full"));
        process.start(SPIROLAN_CLI_PATH, row.args);
        ASSERT_TRUE(process.waitForFinished(60000));
        EXPECT_EQ(process.exitCode(), 1);
        EXPECT_EQ(process.readAllStandardError().toStdString(),
                  "spirolan-cli: cannot write the standard output: " +
                      std::string(std::strerror(ENOSPC)) + "\n");
        EXPECT_EQ(Read(Out("t.csv")), "old");
    }
}

// The batch command waits for a FIFO's reader; SIGTERM or SIGINT then ends it without a
// temporary left behind or an old file replaced.
TEST_F(CommandTest, SignalWhileWaitingForAFifoLeavesNoTemporary) {
    std::ofstream(Out("t.csv")) << "old";
    ASSERT_EQ(mkfifo(Out("fifo").c_str(), 0600), 0);
    for (const int signal : {SIGTERM, SIGINT}) {
        SCOPED_TRACE(signal);
        QProcess process;
        process.start(SPIROLAN_CLI_PATH, {"run", QString::fromStdString(Job(kShape1)), "--csv",
                                          QString::fromStdString(Out("t.csv")), "--mode-a",
                                          QString::fromStdString(Out("fifo"))});
        // Waiting once the table's temporary is there (4 names with it).
        for (int wait = 0; wait < 600 && std::distance(fs::directory_iterator(dir_), {}) < 4;
             ++wait) {
            QThread::msleep(50);
        }
        ASSERT_EQ(std::distance(fs::directory_iterator(dir_), {}), 4);
        kill(static_cast<pid_t>(process.processId()), signal);
        ASSERT_TRUE(process.waitForFinished(60000));
        EXPECT_EQ(process.exitStatus(), QProcess::CrashExit);
        EXPECT_EQ(std::distance(fs::directory_iterator(dir_), {}), 3); // job, t.csv, fifo
        EXPECT_EQ(Read(Out("t.csv")), "old");
    }
}

} // namespace
} // namespace spirolan::batch
