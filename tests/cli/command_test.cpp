// SPDX-License-Identifier: GPL-3.0-or-later
// spirolan-cli: job replay, output files, messages and exit statuses, through RunCommand and the
// program.
#include "cli/command.h"
#include "tests/support/golden_file.h"
#include "tests/support/shape_fixtures.h"

#include <gtest/gtest.h>

#include <QProcess>
#include <QThread>

#include <csignal>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <sstream>
#include <string>
#include <vector>

#include <sys/resource.h>
#include <sys/stat.h>

namespace spirolan::batch {
namespace {

namespace fs = std::filesystem;

constexpr const char* kShape1Reference = R"({"dialog": "Shape 1", "fields": {
    "Nose-R": "0.2", "PITCH": "3.6", "WIDTH": "0.5", "Diameter 1": "10", "Diameter 2": "8.8",
    "Angle 1": "60", "Angle 2": "60", "R 1": "0.3", "R 2": "0.4", "R 3": "0.4", "R 4": "0.3",
    "Number of Lead": "1", "Start XS vale": "0", "Cutting Position": "External"}})";

constexpr const char* kFaceCopy384 = R"({"dialog": "Face Copy", "fields": {
    "Max. number of face": "384", "Repeat function": "OFF", "Thread direction": "Right hand",
    "Cutting length": "20", "Enter": null}})";

std::string Steps(const std::vector<std::string>& steps) {
    std::string json = "{\"steps\": [";
    for (size_t i = 0; i < steps.size(); ++i) {
        json += (i ? ", " : "") + steps[i];
    }
    return json + "]}";
}

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

TEST_F(CommandTest, Shape1ReferenceGrooveModeAFileIsTheTextAndOneCrLf) {
    CommandResult r = RunCommand({"run", Job(Steps({kShape1Reference})), "--mode-a", Out("a")});
    ASSERT_EQ(r.ExitCode, 0) << r.Err;
    EXPECT_EQ(r.Out, "Shape 1: OK\n");
    const std::string bytes = Read(Out("a"));
    ASSERT_TRUE(bytes.ends_with("END\r\n\r\n"));
    EXPECT_EQ(testing_support::CheckGolden("core/golden/shape1_reference.caf",
                                           bytes.substr(0, bytes.size() - 2)),
              "");
}

TEST_F(CommandTest, FaceCopyModeBFileStartsAndEndsAsBuilt) {
    CommandResult r =
        RunCommand({"run", Job(Steps({kShape1Reference, kFaceCopy384})), "--mode-b", Out("b")});
    ASSERT_EQ(r.ExitCode, 0) << r.Err;
    EXPECT_EQ(r.Out, "Shape 1: OK\nFace Copy: OK\nShift angle= 6\nCopy number=333\n"
                     "Z-axis pitch=0.06\nFaces written=333\n");
    const std::string bytes = Read(Out("b"));
    EXPECT_EQ(testing_support::LineCount(bytes), 5 + 333 * 362 + 2);
    EXPECT_TRUE(
        bytes.starts_with("CAM4\r\nU\r\n0\r\nM\r\n 333\r\nE 1\r\n360/ 0/0\r\n 0\r\n-1\r\n"));
    EXPECT_TRUE(bytes.ends_with("END\r\n\r\n"));
}

TEST_F(CommandTest, TableHoldsEveryDegreeEvenWithoutAShape) {
    ASSERT_EQ(RunCommand({"run", Job(Steps({})), "--table", Out("t")}).ExitCode, 0);
    EXPECT_TRUE(Read(Out("t")).starts_with("C,XS\n0,\n1,\n"));
}

// The window's Export Table bytes; the limit line only behind its options, after each shape's
// figures (the boundary itself is tested with the search).
TEST_F(CommandTest, CsvAndHighestSpindleSpeedWithinTheLimits) {
    std::string shape = kShape1Reference;
    shape.replace(shape.find("\"Number of Lead\""), 0, "\"Spindle speed for G\": \"1000\", ");
    const std::string job = Job(Steps({shape, kShape1Reference}));
    CommandResult r =
        RunCommand({"run", job, "--csv", Out("t.csv"), "--max-speed", "100", "--max-accel", "5"});
    ASSERT_EQ(r.ExitCode, 0) << r.Err;
    const std::string figures = "Spindle Speed  =  1000 min-1\nMax.Speed  = 103.92 mm/s\n"
                                "Max.Gravity = 9.423 G\nMax. spindle speed=728\n";
    EXPECT_EQ(r.Out, "Shape 1: OK\n" + figures + "Shape 1: OK\n" + figures);
    EXPECT_EQ(testing_support::CheckGolden("graphics/golden/reference_table_1000.csv",
                                           Read(Out("t.csv"))),
              "");
    r = RunCommand({"run", job, "--max-speed", "50"});
    EXPECT_NE(r.Out.find("\nMax. spindle speed=481\n"), std::string::npos) << r.Out;
}

TEST_F(CommandTest, WdIsTypedAfterWidth) {
    // WD gives WIDTH 0.500 (the corners take 0.4 tan 30 each); a WIDTH of 9 would not fit.
    std::string shape = kShape1Reference;
    shape.replace(shape.find("\"WIDTH\": \"0.5\""), 14,
                  "\"WIDTH\": \"9\", \"Calculate for width. WD\": \"0.9618802153517\"");
    ASSERT_EQ(RunCommand({"run", Job(Steps({shape})), "--mode-a", Out("wd")}).ExitCode, 0);
    RunCommand({"run", Job(Steps({kShape1Reference})), "--mode-a", Out("ref")});
    EXPECT_EQ(Read(Out("wd")), Read(Out("ref")));
}

TEST_F(CommandTest, StoredRepeatCopiesOnePitchOfEachShape) {
    auto shape = [](const std::string& pitch) {
        std::string step = kShape1Reference;
        return step.replace(step.find("\"3.6\""), 5, "\"" + pitch + "\"");
    };
    const std::string repeatOn = R"({"dialog": "Face Copy", "fields": {
        "Max. number of face": "384", "Repeat function": "ON", "Thread direction": "Right hand"}})";
    const std::string stored = R"({"dialog": "Face Copy", "fields": {}})";
    CommandResult r = RunCommand(
        {"run", Job(Steps({shape("6.8"), repeatOn, shape("7.57"), stored})), "--mode-b", Out("b")});
    ASSERT_EQ(r.ExitCode, 0) << r.Err;
    EXPECT_EQ(r.Out, "Shape 1: OK\nFace Copy: OK\nShift angle= 1\nCopy number=360\n"
                     "Z-axis pitch=0.0188\nFaces written=360\n"
                     "Shape 1: OK\nFace Copy: OK\nShift angle= 1\nCopy number=360\n"
                     "Z-axis pitch=0.021\nFaces written=360\n");
}

struct FailureCase {
    const char* name;
    std::string job;  // written to the file that "JOB" stands for
    const char* args; // split at blanks; "FILE": an output file that must not appear; "JOB"
                      // may start a word
    int exitCode;
    std::string err; // the whole standard error on exit 1, its start on exit 2
    friend void PrintTo(const FailureCase& c, std::ostream* os) { *os << c.name; }
};

class FailureTest : public CommandTest, public testing::WithParamInterface<FailureCase> {};

TEST_P(FailureTest, NamesTheProblemAndWritesNothing) {
    const FailureCase& c = GetParam();
    std::vector<std::string> args;
    std::vector<std::string> files;
    std::istringstream words(c.args);
    for (std::string word; words >> word;) {
        if (word.starts_with("JOB")) {
            word.replace(0, 3, Job(c.job));
        } else if (word == "FILE") {
            word = files.emplace_back(Out("file" + std::to_string(files.size())));
        }
        args.push_back(word);
    }
    const CommandResult r = RunCommand(args);
    EXPECT_EQ(r.ExitCode, c.exitCode);
    std::string err = c.err;
    if (const size_t job = err.find("JOB"); job != std::string::npos) {
        err.replace(job, 3, Out("job.json"));
    }
    EXPECT_EQ(c.exitCode == 1 ? r.Err : r.Err.substr(0, err.size()), err);
    for (const std::string& file : files) {
        EXPECT_FALSE(fs::exists(file)) << file;
    }
}

const std::string kShape1 = Steps({kShape1Reference});

std::string Step(const std::string& step) {
    return Steps({step});
}

std::string AfterShape1(const std::string& step) {
    return Steps({kShape1Reference, step});
}

const FailureCase kFailureCases[] = {
    {"DataError", Step(R"({"dialog": "Shape 1", "fields": {"PITCH": "0", "Diameter 1": "1"}})"),
     "run JOB --table FILE", 1, "Data error \n"},
    {"EmptyModeA", Steps({}), "run JOB --mode-a FILE", 1, "Mode-A CAF No data !! \n"},
    {"EmptyModeB", kShape1, "run JOB --table FILE --mode-b FILE", 1, "Mode-B CAF No data !! \n"},
    {"FaceCopyBeforeShape", Step(kFaceCopy384), "run JOB", 1, "Please input Mode A data.\n"},
    {"OkDisabled", AfterShape1(R"({"dialog": "Face Copy", "fields": {"Cutting length": "-3"}})"),
     "run JOB --mode-a FILE", 1, "OK is disabled: no accepted cutting length\n"},
    {"TooLongCuttingLength",
     AfterShape1(R"({"dialog": "Face Copy", "fields": {"Max. number of face": "192",
        "Cutting length": "30"}})"),
     "run JOB", 1, "Too long cutting length !!\n"},
    {"TooLongChamferLength", AfterShape1(R"({"dialog": "Face Copy", "fields": {
        "Cutting length": "20", "Enter": "15", "Exit": "15"}})"),
     "run JOB --mode-a FILE", 1, "Too long chamfer length !!\n"},
    {"NoCommand", "", "", 2, "spirolan-cli: a command is needed\nusage:"},
    {"UnknownCommand", "", "draw", 2, "spirolan-cli: unknown command \"draw\""},
    {"MissingJob", "", "run", 2, "spirolan-cli run: the job file is missing"},
    {"UnknownOption", kShape1, "run JOB --mode-c x", 2,
     "spirolan-cli run: unknown option \"--mode-c\""},
    {"OptionWithoutFile", kShape1, "run JOB --table", 2,
     "spirolan-cli run: --table needs a file name"},
    {"UnreadableJob", "", "run /nonexistent/job.json", 2, "cannot read /nonexistent/job.json: "},
    {"NotJson", "{", "run JOB", 2, "JOB: not valid JSON at offset 1: unterminated object"},
    {"TopLevelArray", "[]", "run JOB", 2, "JOB: the top level must be an object with \"steps\""},
    {"UnknownTopKey", R"({"steps": [], "x": 1})", "run JOB", 2, "JOB: unknown top-level key \"x\""},
    {"StepsNotArray", R"({"steps": {}})", "run JOB", 2, "JOB: \"steps\" must be an array"},
    {"NotesNotText", R"({"steps": [], "notes": ["a"]})", "run JOB", 2,
     "JOB: \"notes\" must be a string"},
    {"StepNotObject", R"({"steps": [1]})", "run JOB", 2,
     "JOB: step 1: must be an object with \"dialog\" and \"fields\""},
    {"DialogMissing", Step(R"({"fields": {}})"), "run JOB", 2,
     "JOB: step 1: \"dialog\" must be a string"},
    {"UnknownStepKey", Step(R"({"dialog": "Shape 1", "ok": true})"), "run JOB", 2,
     "JOB: step 1: unknown key \"ok\""},
    {"FieldsNotObject", Step(R"({"dialog": "Shape 1", "fields": []})"), "run JOB", 2,
     "JOB: step 1: \"fields\" must be an object"},
    {"NumberValue", AfterShape1(R"({"dialog": "Shape 1", "fields": {"PITCH": 3.6}})"), "run JOB", 2,
     "JOB: step 2: field \"PITCH\" must be a string (or null)"},
    {"UnknownDialog", Step(R"({"dialog": "Shape 4"})"), "run JOB", 2,
     "JOB: step 1: unknown dialog \"Shape 4\""},
    {"UnknownCaption", Step(R"({"dialog": "Shape 2", "fields": {"WIDTH": "1"}})"), "run JOB", 2,
     "JOB: step 1 (Shape 2): the dialog has no field \"WIDTH\""},
    {"NoSuchLead", Step(R"({"dialog": "Shape 3", "fields": {"Number of Lead": "3"}})"), "run JOB",
     2, "JOB: step 1 (Shape 3): field \"Number of Lead\" has no entry \"3\""},
    {"BadCutPosition", Step(R"({"dialog": "Shape 1", "fields": {"Cutting Position": "Outside"}})"),
     "run JOB", 2,
     "JOB: step 1 (Shape 1): field \"Cutting Position\" must be \"External\" or \"Internal\""},
    {"NullShapeField", Step(R"({"dialog": "Shape 1", "fields": {"PITCH": null}})"), "run JOB", 2,
     "JOB: step 1 (Shape 1): field \"PITCH\" must be a string"},
    {"BadMaxFace", Step(R"({"dialog": "Face Copy", "fields": {"Max. number of face": "100"}})"),
     "run JOB", 2, "JOB: step 1 (Face Copy): field \"Max. number of face\" must be"},
    {"BadRepeat", Step(R"({"dialog": "Face Copy", "fields": {"Repeat function": "on"}})"),
     "run JOB", 2, "JOB: step 1 (Face Copy): field \"Repeat function\" must be \"ON\" or \"OFF\""},
    {"ZeroSpeedLimit", kShape1, "run JOB --csv FILE --max-speed 0", 2,
     "spirolan-cli run: --max-speed: The maximum speed must be a number from 0.001"},
    {"TextAccelLimit", kShape1, "run JOB --max-accel fast", 2,
     "spirolan-cli run: --max-accel: The maximum acceleration must be a number from 0.001"},
    {"LimitWithoutNumber", kShape1, "run JOB --max-accel", 2,
     "spirolan-cli run: --max-accel needs a number"},
    {"FeedArguments", "", "feed 2", 2, "spirolan-cli feed: PITCH and FEED are needed"},
    {"OptionTwice", kShape1, "run JOB --table FILE --mode-a FILE --table FILE", 2,
     "spirolan-cli run: --table is given twice\nusage:"},
    {"UnwritableOutput", kShape1, "run JOB --table FILE --mode-a JOB/a.caf", 2,
     "cannot write JOB/a.caf: "},
    {"JobIsADevice", "", "run /dev/zero --table FILE", 2,
     "cannot read /dev/zero: not a regular file\n"},
};

INSTANTIATE_TEST_SUITE_P(Messages, FailureTest, testing::ValuesIn(kFailureCases),
                         [](const auto& info) { return std::string(info.param.name); });

// Outputs that would overwrite each other or the job: refused before the job is read.
TEST_F(CommandTest, OutputsNamingOneFileAreRefused) {
    const std::string job = Job(kShape1);
    fs::create_symlink("later.csv", Out("link.csv"));
    const struct {
        std::vector<std::string> options;
        std::string problem;
    } cases[] = {
        {{"--table", Out("t.csv"), "--svg-a", dir_.string() + "/./t.csv"},
         "--table and --svg-a name the same file"},
        {{"--mode-a", Out("link.csv"), "--table", Out("later.csv")},
         "--mode-a and --table name the same file"},
        {{"--mode-b", Out("x") + "/../job.json"}, "--mode-b names the job file"},
    };
    for (const auto& c : cases) {
        std::vector<std::string> args{"run", job};
        args.insert(args.end(), c.options.begin(), c.options.end());
        const CommandResult r = RunCommand(args);
        EXPECT_EQ(r.ExitCode, 2);
        EXPECT_TRUE(r.Err.starts_with("spirolan-cli run: " + c.problem + "\n")) << r.Err;
    }
    EXPECT_EQ(Read(job), kShape1);
    EXPECT_FALSE(fs::exists(Out("t.csv")) || fs::exists(Out("later.csv")));
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

TEST(FeedCommand, PrintsTheTableWithCrLf) {
    CommandResult r = RunCommand({"feed", "1.5", "0.5"});
    EXPECT_EQ(r.ExitCode, 0);
    EXPECT_EQ(r.Out, "PITCH    FEED     No.\r\n1.497  \t0.499  \t3\r\n1.5  \t0.5  \t3\r\n"
                     "1.503  \t0.501  \t3\r\n");
}

// The program in a process whose files may not grow beyond 64 KiB, as on a full disk: the
// Mode-A file fits, the Mode-B file does not, and both old files stay.
TEST_F(CommandTest, FullDiskKeepsEveryExistingOutput) {
    std::ofstream(Out("a.caf")) << "old a";
    std::ofstream(Out("b.caf")) << "old b";
    QProcess process;
    process.setChildProcessModifier([] {
        std::signal(SIGXFSZ, SIG_IGN);
        const rlimit size{64 * 1024, 64 * 1024};
        setrlimit(RLIMIT_FSIZE, &size);
    });
    process.start(SPIROLAN_CLI_PATH,
                  {"run", QString::fromStdString(Job(Steps({kShape1Reference, kFaceCopy384}))),
                   "--mode-a", QString::fromStdString(Out("a.caf")), "--mode-b",
                   QString::fromStdString(Out("b.caf"))});
    ASSERT_TRUE(process.waitForFinished(60000));
    EXPECT_EQ(process.exitCode(), 2);
    EXPECT_EQ(process.readAllStandardError().toStdString(),
              "cannot write " + Out("b.caf") + ": " + std::strerror(EFBIG) + "\n");
    EXPECT_EQ(Read(Out("a.caf")), "old a");
    EXPECT_EQ(Read(Out("b.caf")), "old b");
    EXPECT_EQ(std::distance(fs::directory_iterator(dir_), {}), 3); // and the job, no temporaries
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

// Before any command, --help prints the usage and the rest of the help, --version the version.
TEST(HelpCommand, HelpAndVersionAnswerOnStandardOutput) {
    const struct {
        const char* name;
        std::vector<std::string> args;
        std::string outStart;
    } rows[] = {
        {"Help", {"--help"}, "usage: spirolan-cli run JOB.json [--mode-a FILE]"},
        {"ShortHelpBeforeACommand", {"-h", "feed", "1", "2"}, "usage: spirolan-cli run JOB.json"},
        {"Version", {"--version"}, "spirolan-cli 2.2.0.3\n"},
    };
    for (const auto& row : rows) {
        SCOPED_TRACE(row.name);
        const CommandResult r = RunCommand(row.args);
        EXPECT_EQ(r.ExitCode, 0);
        EXPECT_EQ(r.Err, "");
        EXPECT_TRUE(r.Out.starts_with(row.outStart)) << r.Out;
    }
}

} // namespace
} // namespace spirolan::batch
