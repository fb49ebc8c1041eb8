// SPDX-License-Identifier: GPL-3.0-or-later
// spirolan-cli where a case folder cannot reach: links, huge and oddly named files, and a
// standard output appended to a file.
#include "cli/command.h"

#include <gtest/gtest.h>

#include <QProcess>

#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>
#include <vector>

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

// The shell appends the standard output to a file: the table is appended after the step lines,
// and what the file held stays.
TEST_F(CommandTest, StandardOutputAppendedToAFileKeepsItsBytes) {
    std::ofstream(Out("log")) << "earlier\n";
    QProcess process;
    process.setStandardOutputFile(QString::fromStdString(Out("log")), QIODevice::Append);
    process.start(SPIROLAN_CLI_PATH,
                  {"run", QString::fromStdString(Job(kShape1)), "--table", "/dev/stdout"});
    ASSERT_TRUE(process.waitForFinished(60000));
    EXPECT_EQ(process.exitCode(), 0) << process.readAllStandardError().toStdString();
    const std::string log = Read(Out("log"));
    EXPECT_TRUE(log.starts_with("earlier\nShape 1: OK\nC,XS\n0,0\n") && log.ends_with("\n360,0\n"))
        << log.substr(0, 60);
}

} // namespace
} // namespace spirolan::batch
