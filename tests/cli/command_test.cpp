// spirolan-cli: job replay, output files and exit statuses, through RunCommand and the program.
#include "command.h"
#include "golden_file.h"

#include <gtest/gtest.h>

#include <QProcess>
#include <QString>
#include <QStringList>

#include <filesystem>
#include <fstream>
#include <sstream>
#include <vector>

namespace spirolan::batch {
namespace {

namespace fs = std::filesystem;

constexpr const char* kShape1Reference = R"({"dialog": "Shape 1", "fields": {
    "Nose-R": "0.2", "PITCH": "3.6", "WIDTH": "0.5", "Diameter 1": "10", "Diameter 2": "8.8",
    "Angle 1": "60", "Angle 2": "60", "R 1": "0.3", "R 2": "0.4", "R 3": "0.4", "R 4": "0.3",
    "Number of Lead": "1", "Start XS vale": "0", "Cutting Position": "External"}})";

constexpr const char* kFaceCopy384 = R"({"dialog": "Face Copy", "fields": {
    "Max. number of face": "384", "Repeat function": "OFF", "Thread direction": "Right hand",
    "Cutting length": "20"}})";

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

    // Writes a job file of the given steps and returns its path.
    std::string Job(const std::vector<std::string>& steps) {
        std::string json = "{\"steps\": [";
        for (size_t i = 0; i < steps.size(); ++i) {
            json += (i ? ", " : "") + steps[i];
        }
        json += "]}";
        return WriteFile("job.json", json);
    }
    std::string WriteFile(const std::string& name, const std::string& text) {
        std::ofstream(dir_ / name, std::ios::binary) << text;
        return (dir_ / name).string();
    }
    std::string Out(const std::string& name) const { return (dir_ / name).string(); }
    static std::string Read(const std::string& path) {
        std::ifstream in(path, std::ios::binary);
        std::stringstream s;
        s << in.rdbuf();
        return s.str();
    }
    static std::vector<std::string> Lines(const std::string& text) {
        std::vector<std::string> lines;
        size_t start = 0;
        for (size_t end; (end = text.find("\r\n", start)) != std::string::npos; start = end + 2) {
            lines.push_back(text.substr(start, end - start));
        }
        return lines;
    }

    fs::path dir_;
};

TEST_F(CommandTest, Shape1ReferenceGrooveModeAFile) {
    CommandResult r = RunCommand({"run", Job({kShape1Reference}), "--mode-a", Out("a.caf")});
    ASSERT_EQ(r.ExitCode, 0) << r.Err;
    EXPECT_EQ(r.Out, "Shape 1: OK\n");
    const std::string bytes = Read(Out("a.caf"));
    std::vector<std::string> lines = Lines(bytes);
    ASSERT_EQ(lines.size(), 369u);
    EXPECT_EQ(bytes.substr(0, 31), "CAM4\r\nU\r\n0\r\nM\r\n1\r\nE1\r\n360/0/0\r\n");
    EXPECT_EQ(lines[7], " 0");
    EXPECT_EQ(lines[8], "-1");
    EXPECT_EQ(lines[9], "-4");
    for (int c = 76; c <= 125; ++c) {
        EXPECT_EQ(lines[7 + c], "-6000") << "C = " << c;
    }
    for (int c = 201; c <= 359; ++c) {
        EXPECT_EQ(lines[7 + c], " 0") << "C = " << c;
    }
    ASSERT_TRUE(bytes.ends_with("END\r\n\r\n"));
    // The pane's text is the reviewed reference text; the save adds one CR LF.
    EXPECT_EQ(testing_support::CheckGolden("core/golden/shape1_reference.caf",
                                           bytes.substr(0, bytes.size() - 2)),
              "");
}

TEST_F(CommandTest, FaceCopyModeBFileStartsAndEndsAsBuilt) {
    CommandResult r =
        RunCommand({"run", Job({kShape1Reference, kFaceCopy384}), "--mode-b", Out("b.caf")});
    ASSERT_EQ(r.ExitCode, 0) << r.Err;
    EXPECT_EQ(r.Out, "Shape 1: OK\nFace Copy: OK\nShift angle= 6\nCopy number=333\n"
                     "Z-axis pitch=0.06\nFaces written=333\n");
    const std::string bytes = Read(Out("b.caf"));
    std::vector<std::string> lines = Lines(bytes);
    ASSERT_EQ(lines.size(), 5u + 333u * 362u + 2u);
    EXPECT_TRUE(bytes.starts_with("CAM4\r\nU\r\n0\r\nM\r\n 333\r\nE 1\r\n360/ 0/0\r\n"));
    EXPECT_EQ(lines[7], " 0");
    EXPECT_EQ(lines[8], "-1");
    const size_t face2 = 5 + 362;
    EXPECT_EQ(lines[face2], "E 2");
    EXPECT_EQ(lines[face2 + 1], "360/ 600/0");
    EXPECT_EQ(lines[face2 + 2], "-36"); // degree 6 first
    EXPECT_EQ(lines[face2 + 362 + 1], "360/ 1201/0");
    EXPECT_EQ(lines[5 + 332 * 362], "E 333");
    EXPECT_EQ(bytes.substr(bytes.size() - 7), "END\r\n\r\n");
}

TEST_F(CommandTest, TableAndMotionFigures) {
    std::string shape = kShape1Reference;
    shape.replace(shape.find("\"Number of Lead\""), 0, "\"Spindle speed for G\": \"1000\", ");
    CommandResult r = RunCommand({"run", Job({shape}), "--table", Out("t.csv")});
    ASSERT_EQ(r.ExitCode, 0) << r.Err;
    EXPECT_EQ(r.Out, "Shape 1: OK\nSpindle Speed  =  1000 min-1\nMax.Speed  = 103.92 mm/s\n"
                     "Max.Gravity = 9.423 G\n");
    const std::string table = Read(Out("t.csv"));
    EXPECT_TRUE(table.starts_with("C,XS\n0,0\n1,-0.000100010002")) << table.substr(0, 40);
    EXPECT_NE(table.find("\n76,-0.59999999999999998\n"), std::string::npos);
    EXPECT_TRUE(table.ends_with("\n360,0\n"));
}

TEST_F(CommandTest, EmptyTableEntriesAreEmptyFields) {
    CommandResult r = RunCommand({"run", Job({}), "--table", Out("t.csv")});
    ASSERT_EQ(r.ExitCode, 0) << r.Err;
    EXPECT_TRUE(Read(Out("t.csv")).starts_with("C,XS\n0,\n1,\n2,\n"));
}

TEST_F(CommandTest, WdIsTypedAfterWidth) {
    // WD rewrites WIDTH to 0.500 (the corners take 0.4 tan 30 each); a WIDTH of 9 would not fit.
    std::string shape = kShape1Reference;
    shape.replace(shape.find("\"WIDTH\": \"0.5\""), 14,
                  "\"WIDTH\": \"9\", \"Calculate for width. WD\": \"0.9618802153517\"");
    CommandResult r = RunCommand({"run", Job({shape}), "--mode-a", Out("wd.caf")});
    ASSERT_EQ(r.ExitCode, 0) << r.Err;
    RunCommand({"run", Job({kShape1Reference}), "--mode-a", Out("ref.caf")});
    EXPECT_EQ(Read(Out("wd.caf")), Read(Out("ref.caf")));
}

struct RefusalCase {
    const char* name;
    std::vector<std::string> steps;
    std::vector<std::string> options;
    const char* err;
};

void PrintTo(const RefusalCase& c, std::ostream* os) {
    *os << c.name;
}

class RefusalTest : public CommandTest, public testing::WithParamInterface<RefusalCase> {};

TEST_P(RefusalTest, ExitsOneWithTheMessageAndWritesNothing) {
    std::vector<std::string> args{"run", Job(GetParam().steps)};
    for (const std::string& option : GetParam().options) {
        args.push_back(option);
        args.push_back(Out(option.substr(2)));
    }
    CommandResult r = RunCommand(args);
    EXPECT_EQ(r.ExitCode, 1);
    EXPECT_EQ(r.Err, std::string(GetParam().err) + "\n");
    for (const std::string& option : GetParam().options) {
        EXPECT_FALSE(fs::exists(Out(option.substr(2)))) << option;
    }
}

const RefusalCase kRefusals[] = {
    {"DataError",
     {R"({"dialog": "Shape 1", "fields": {"PITCH": "0", "Diameter 1": "1"}})"},
     {"--table"},
     "Data error "},
    {"EmptyModeA", {}, {"--mode-a"}, "Mode-A CAF No data !! "},
    {"EmptyModeB", {kShape1Reference}, {"--table", "--mode-b"}, "Mode-B CAF No data !! "},
    {"EmptySvgB", {kShape1Reference}, {"--svg-b"}, "Mode-B CAF No data !! "},
    {"FaceCopyBeforeShape", {kFaceCopy384}, {}, "Please input Mode A data."},
    {"OkDisabled",
     {kShape1Reference, R"({"dialog": "Face Copy", "fields": {"Cutting length": "-3"}})"},
     {"--mode-a"},
     "OK is disabled: no accepted cutting length"},
    {"TooLongCuttingLength",
     {kShape1Reference,
      R"({"dialog": "Face Copy", "fields": {"Max. number of face": "192", "Cutting length": "30"}})"},
     {},
     "Too long cutting length !!"},
    {"TooLongChamferLength",
     {kShape1Reference, R"({"dialog": "Face Copy", "fields": {"Cutting length": "20",
        "Enter": "15", "Exit": "15"}})"},
     {"--mode-a"},
     "Too long chamfer length !!"},
};

INSTANTIATE_TEST_SUITE_P(Messages, RefusalTest, testing::ValuesIn(kRefusals),
                         [](const auto& info) { return std::string(info.param.name); });

struct BadInputCase {
    const char* name;
    std::vector<std::string> args; // "JOB" stands for a job file of `step`
    const char* step;
    const char* errStart;
};

void PrintTo(const BadInputCase& c, std::ostream* os) {
    *os << c.name;
}

class BadInputTest : public CommandTest, public testing::WithParamInterface<BadInputCase> {};

TEST_P(BadInputTest, ExitsTwoAndNamesTheProblem) {
    std::vector<std::string> args = GetParam().args;
    for (std::string& arg : args) {
        if (arg == "JOB") {
            arg = Job({GetParam().step});
        }
    }
    CommandResult r = RunCommand(args);
    EXPECT_EQ(r.ExitCode, 2);
    std::string expected = GetParam().errStart;
    const std::string job = (dir_ / "job.json").string();
    if (expected.rfind("JOB", 0) == 0) {
        expected = job + expected.substr(3);
    }
    EXPECT_EQ(r.Err.substr(0, expected.size()), expected) << r.Err;
}

const BadInputCase kBadInputs[] = {
    {"NoCommand", {}, "", "spirolan-cli: a command is needed\nusage:"},
    {"UnknownCommand", {"draw"}, "", "spirolan-cli: unknown command \"draw\""},
    {"MissingJob", {"run"}, "", "spirolan-cli run: the job file is missing"},
    {"UnknownOption",
     {"run", "JOB", "--mode-c", "x"},
     kShape1Reference,
     "spirolan-cli run: unknown option \"--mode-c\""},
    {"OptionWithoutFile",
     {"run", "JOB", "--table"},
     kShape1Reference,
     "spirolan-cli run: --table needs a file name"},
    {"UnreadableJob", {"run", "/nonexistent/job.json"}, "", "cannot read /nonexistent/job.json: "},
    {"UnknownDialog",
     {"run", "JOB"},
     R"({"dialog": "Shape 4"})",
     "JOB: step 1: unknown dialog \"Shape 4\""},
    {"UnknownCaption",
     {"run", "JOB"},
     R"({"dialog": "Shape 2", "fields": {"WIDTH": "1"}})",
     "JOB: step 1 (Shape 2): the dialog has no field \"WIDTH\""},
    {"NoSuchLead",
     {"run", "JOB"},
     R"({"dialog": "Shape 3", "fields": {"Number of Lead": "3"}})",
     "JOB: step 1 (Shape 3): field \"Number of Lead\" has no entry \"3\""},
    {"BadCutPosition",
     {"run", "JOB"},
     R"({"dialog": "Shape 1", "fields": {"Cutting Position": "Outside"}})",
     "JOB: step 1 (Shape 1): field \"Cutting Position\" must be \"External\" or \"Internal\""},
    {"NullShapeField",
     {"run", "JOB"},
     R"({"dialog": "Shape 1", "fields": {"PITCH": null}})",
     "JOB: step 1 (Shape 1): field \"PITCH\" must be a string"},
    {"BadMaxFace",
     {"run", "JOB"},
     R"({"dialog": "Face Copy", "fields": {"Max. number of face": "100"}})",
     "JOB: step 1 (Face Copy): field \"Max. number of face\" must be"},
    {"BadRepeat",
     {"run", "JOB"},
     R"({"dialog": "Face Copy", "fields": {"Repeat function": "on"}})",
     "JOB: step 1 (Face Copy): field \"Repeat function\" must be \"ON\" or \"OFF\""},
    {"FeedArguments", {"feed", "2"}, "", "spirolan-cli feed: PITCH and FEED are needed"},
};

INSTANTIATE_TEST_SUITE_P(Problems, BadInputTest, testing::ValuesIn(kBadInputs),
                         [](const auto& info) { return std::string(info.param.name); });

TEST_F(CommandTest, UnwritableOutputWritesNoFile) {
    WriteFile("plain", "x");
    CommandResult r = RunCommand({"run", Job({kShape1Reference}), "--table", Out("t.csv"),
                                  "--mode-a", Out("plain") + "/a.caf"});
    EXPECT_EQ(r.ExitCode, 2);
    EXPECT_EQ(r.Err.rfind("cannot write " + Out("plain") + "/a.caf: ", 0), 0u) << r.Err;
    EXPECT_FALSE(fs::exists(Out("t.csv")));
}

TEST(FeedCommand, PrintsTheTableWithCrLf) {
    CommandResult r = RunCommand({"feed", "1.5", "0.5"});
    EXPECT_EQ(r.ExitCode, 0);
    EXPECT_EQ(r.Out, "PITCH    FEED     No.\r\n1.497  \t0.499  \t3\r\n1.5  \t0.5  \t3\r\n"
                     "1.503  \t0.501  \t3\r\n");
}

TEST(FeedCommand, NumberTooLargeGivesTheHeaderOnly) {
    EXPECT_EQ(RunCommand({"feed", "1E400", "0.3"}).Out, "PITCH    FEED     No.\r\n");
}

TEST_F(CommandTest, ProgramPrintsAndExitsAsRunCommand) {
    QProcess process;
    process.start(SPIROLAN_CLI_PATH,
                  {"run", QString::fromStdString(Job({R"({"dialog": "Shape 1"})"}))});
    ASSERT_TRUE(process.waitForFinished(60000));
    EXPECT_EQ(process.exitCode(), 1);
    EXPECT_EQ(process.readAllStandardError().toStdString(), "Data error \n");
    EXPECT_EQ(process.readAllStandardOutput().toStdString(), "");
}

} // namespace
} // namespace spirolan::batch
