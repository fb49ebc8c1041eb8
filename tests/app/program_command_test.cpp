// SPDX-License-Identifier: GPL-3.0-or-later
// Starting ORVEXA.EXE: as it is, or a Windows program through wine, never through a shell.
#include "app/handoff/desktop_handoff.h"
#include "app/handoff/program_command.h"
#include "tests/app/test_support.h"

#include <QFile>
#include <QTemporaryDir>
#include <QTest>

#include <gtest/gtest.h>

namespace spirolan {
namespace {

using test::PrintTo;

struct CommandCase {
    const char* name;
    QByteArray start; // the file's first bytes; empty: no file
    bool windowsNative;
    const char* wine;
    bool throughWine;
    bool started;
};

class ProgramCommandTest : public testing::TestWithParam<CommandCase> {};

TEST_P(ProgramCommandTest, WindowsProgramsGoThroughWineOffWindows) {
    const CommandCase& c = GetParam();
    QTemporaryDir dir;
    const QString path = dir.filePath("ORVEXA.EXE");
    if (!c.start.isEmpty()) {
        test::WriteBytes(path, c.start.toStdString());
    }
    const ProgramCommand command = CommandFor(path, c.windowsNative, c.wine);
    EXPECT_EQ(command.Program, !c.started ? "" : c.throughWine ? c.wine : path);
    EXPECT_EQ(command.Arguments, c.throughWine ? QStringList{path} : QStringList{});
    EXPECT_EQ(command.Problem, c.started ? "" : kWineMissing);
}

INSTANTIATE_TEST_SUITE_P(
    Files, ProgramCommandTest,
    testing::Values(
        CommandCase{"WindowsProgramThroughWine", "MZ\x90", false, "/usr/bin/wine", true, true},
        CommandCase{"WindowsProgramWithoutWine", "MZ\x90", false, "", false, false},
        CommandCase{"WindowsProgramOnWindows", "MZ\x90", true, "", false, true},
        CommandCase{"NativeProgramAsItIs",
                    "\x7f"
                    "ELF",
                    false, "/usr/bin/wine", false, true},
        // A missing file is started as it is, so that the start fails with the usual question.
        CommandCase{"MissingFileAsItIs", "", false, "", false, true}),
    test::kRowName);

// The real start with a wine on the PATH that notes its arguments, one per line: the path with
// its blanks and quotes arrives as one argument.
TEST(DesktopWineStartTest, RunsWineFromThePathWithThePathAsOneArgument) {
    QTemporaryDir dir;
    const QString folder = dir.filePath("bin");
    QDir().mkpath(folder);
    const QString wine = folder + "/wine";
    test::WriteBytes(wine, "#!/bin/sh\nfor a in \"$@\"; do echo \"$a\"; done > \"$0.args\"\n");
    QFile::setPermissions(wine, QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
    const QString program = dir.filePath("Orvexa 'x' \"y\"/ORVEXA.EXE");
    QDir().mkpath(QFileInfo(program).path());
    test::WriteBytes(program, "MZ\x90");

    const QByteArray path = qgetenv("PATH");
    qputenv("PATH", folder.toLocal8Bit());
    DesktopHandoffPlatform platform(nullptr);
    const StartedProgram started = platform.StartProgram(program.toStdString());
    qputenv("PATH", dir.filePath("nothing").toLocal8Bit());
    const StartedProgram withoutWine = platform.StartProgram(program.toStdString());
    qputenv("PATH", path);

    EXPECT_TRUE(started.Pid);
    const std::string args = program.toStdString() + "\n";
    EXPECT_TRUE(QTest::qWaitFor([&] { return test::ReadBytes(wine + ".args") == args; }, 10000))
        << test::ReadBytes(wine + ".args");
    EXPECT_FALSE(withoutWine.Pid);
    EXPECT_EQ(withoutWine.Problem, kWineMissing);
}

} // namespace
} // namespace spirolan
