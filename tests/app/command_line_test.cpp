// SPDX-License-Identifier: GPL-3.0-or-later
// The desktop program's command line: help and version without a display, bad usage refused,
// and an invalid job document named on it reported over the started window.
#include "app/shell/command_line.h"
#include "tests/app/test_support.h"

#include <QProcess>
#include <QTemporaryDir>

#include <gtest/gtest.h>

namespace spirolan {
namespace {

using test::PrintTo;
using Action = CommandLine::Action;

struct LineCase {
    std::string name;
    QStringList arguments;
    Action what;
    QString textStart; // of the text printed; empty: nothing printed
    QString file;
};

class CommandLineTest : public testing::TestWithParam<LineCase> {};

TEST_P(CommandLineTest, ReadsWhatTheArgumentsAsk) {
    const LineCase& c = GetParam();
    const CommandLine line = ReadCommandLine(QStringList{QStringLiteral("spirolan")} + c.arguments);
    EXPECT_EQ(line.What, c.what);
    if (c.textStart.isEmpty()) {
        EXPECT_TRUE(line.Text.isEmpty()) << line.Text.toStdString();
    } else {
        EXPECT_TRUE(line.Text.startsWith(c.textStart)) << line.Text.toStdString();
    }
    EXPECT_EQ(line.File, c.file);
}

const LineCase kLineCases[] = {
    {"NoArguments", {}, Action::Start, "", ""},
    {"JobDocument", {"/tmp/a job.spjob"}, Action::Start, "", "/tmp/a job.spjob"},
    {"ShortHelpBeforeAFile", {"a.spjob", "-h"}, Action::Answer, "Usage: spirolan [FILE]\n", ""},
    {"Version", {"--version"}, Action::Answer, "spirolan 2.2.0.3\n", ""},
    {"UnknownOption", {"--open"}, Action::Refuse, "spirolan: Unknown option 'open'.\nUsage:", ""},
};

INSTANTIATE_TEST_SUITE_P(Arguments, CommandLineTest, testing::ValuesIn(kLineCases), test::kRowName);

// The program itself: --help answers where no display can be reached; two files are bad usage,
// which exits 2.
TEST(CommandLineProgramTest, HelpNeedsNoDisplayAndBadUsageExitsTwo) {
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.remove(QStringLiteral("DISPLAY"));
    environment.remove(QStringLiteral("WAYLAND_DISPLAY"));
    environment.remove(QStringLiteral("QT_QPA_PLATFORM"));
    QProcess help;
    help.setProcessEnvironment(environment);
    help.start(QStringLiteral(SPIROLAN_EXE), {QStringLiteral("--help")});
    ASSERT_TRUE(help.waitForFinished(60000));
    EXPECT_EQ(help.exitCode(), 0);
    EXPECT_TRUE(help.readAllStandardOutput().startsWith("Usage: spirolan [FILE]\n"));

    environment.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("offscreen"));
    QProcess bad;
    bad.setProcessEnvironment(environment);
    bad.start(QStringLiteral(SPIROLAN_EXE), {QStringLiteral("a.spjob"), QStringLiteral("b.spjob")});
    ASSERT_TRUE(bad.waitForFinished(60000));
    EXPECT_EQ(bad.exitCode(), 2);
    EXPECT_EQ(bad.readAllStandardOutput(), "");
    // The toolkit may warn about the environment first.
    EXPECT_TRUE(bad.readAllStandardError().contains("spirolan: one FILE at most can be opened\n"));
}

TEST(CommandLineProgramTest, AnInvalidJobDocumentShowsItsMessageOverTheStartedWindow) {
    QTemporaryDir dir;
    const QString job = dir.filePath(QStringLiteral("gear.spjob"));
    test::WriteBytes(job, R"({"format": "spirolan-job", "version": 2, "steps": []})");
    QProcess copy;
    copy.setEnvironment(test::CopyEnvironment(dir.path()));
    copy.start(QCoreApplication::applicationFilePath(), {QStringLiteral("--instance"), job});
    ASSERT_TRUE(copy.waitForFinished(60000));
    EXPECT_EQ(copy.exitCode(), 0);
    EXPECT_EQ(QString::fromLocal8Bit(copy.readAllStandardOutput()),
              "STARTED\nMESSAGE Spirolan|Cannot open the job \"gear.spjob\": \"version\" 2 is "
              "newer than this program reads (1).|2\n");
}

} // namespace
} // namespace spirolan
