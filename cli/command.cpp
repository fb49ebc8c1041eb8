// The spirolan-cli command line: run a job file or print a feed table.
#include "cli/command.h"

#include "io/atomic_write.h"

#include "cli/batch_session.h"
#include "cli/help.h"
#include "cli/job_file.h"
#include "core/lenient_number.h"
#include "feed/feed_table.h"
#include "graphics/spindle_limit.h"
#include "graphics/svg_export.h"
#include "graphics/table_csv.h"

#include <QFile>
#include <QString>

#include <algorithm>
#include <charconv>
#include <map>
#include <memory>

namespace spirolan::batch {
namespace {

constexpr const char* kUsage =
    "usage: spirolan-cli run JOB.json [--mode-a FILE] [--mode-b FILE] [--table FILE]\n"
    "                        [--svg-a FILE] [--svg-b FILE] [--csv FILE]\n"
    "                        [--max-speed MM_PER_S] [--max-accel G]\n"
    "       spirolan-cli feed PITCH FEED";

CommandResult Usage(const std::string& problem) {
    return {kExitBadInput, {}, problem + "\n" + kUsage + "\n"};
}

// The job table after the run: "C,XS", then C = 0..360 with XS to 17 significant digits.
std::string XsTableLines(const CamJob& job) {
    std::string csv = "C,XS\n";
    for (int c = 0; c < kTableSize; ++c) {
        csv += std::to_string(c) + ",";
        if (const auto& xs = job.XSTable[static_cast<size_t>(c)]) {
            char buf[64];
            csv.append(
                buf, std::to_chars(buf, buf + sizeof buf, *xs, std::chars_format::general, 17).ptr);
        }
        csv += "\n";
    }
    return csv;
}

// A file the run writes: as the save command writes a pane, or a table or picture.
struct OutputFile {
    std::string Option;
    std::string Path;
    std::string Bytes;
};

// Writes every file, or none of them when any cannot be written.
std::string WriteAll(const std::vector<OutputFile>& files) {
    std::vector<PendingFile> pending;
    for (const OutputFile& file : files) {
        pending.push_back(
            {QString::fromStdString(file.Path), QByteArray::fromStdString(file.Bytes)});
    }
    const FileWriteResult written = WriteFilesAtomically(pending);
    return written.Ok ? std::string() : "cannot write " + written.Reason.toStdString();
}

CommandResult Run(const std::vector<std::string>& args) {
    if (args.size() < 2) {
        return Usage("spirolan-cli run: the job file is missing");
    }
    const std::string jobPath = args[1];
    std::map<std::string, std::string> outputs;
    MachineLimits limits;
    const std::vector<std::string> known{"--mode-a", "--mode-b", "--table",     "--svg-a",
                                         "--svg-b",  "--csv",    "--max-speed", "--max-accel"};
    for (size_t i = 2; i < args.size(); i += 2) {
        if (std::find(known.begin(), known.end(), args[i]) == known.end()) {
            return Usage("spirolan-cli run: unknown option \"" + args[i] + "\"");
        }
        const bool isLimit = args[i] == "--max-speed" || args[i] == "--max-accel";
        if (i + 1 >= args.size() || args[i + 1].empty()) {
            return Usage("spirolan-cli run: " + args[i] +
                         (isLimit ? " needs a number" : " needs a file name"));
        }
        if (isLimit) {
            const LimitReading limit = args[i] == "--max-speed" ? ReadSpeedLimit(args[i + 1])
                                                                : ReadAccelLimit(args[i + 1]);
            if (!limit.Error.empty()) {
                return Usage("spirolan-cli run: " + args[i] + ": " + limit.Error);
            }
            (args[i] == "--max-speed" ? limits.MaxSpeed : limits.MaxAccel) = limit.Value;
            continue;
        }
        outputs[args[i]] = args[i + 1];
    }

    QFile file(QString::fromStdString(jobPath));
    if (!file.open(QIODevice::ReadOnly)) {
        return {kExitBadInput,
                {},
                "cannot read " + jobPath + ": " + file.errorString().toStdString() + "\n"};
    }
    const QByteArray json = file.readAll();
    JobFileResult parsed = ParseJobFile(std::string_view(json.constData(), json.size()), jobPath);
    if (!parsed.Job) {
        return {kExitBadInput, {}, parsed.Error + "\n"};
    }

    BatchSession session;
    session.Job.SlideSpeedLimit = limits.MaxSpeed;
    session.Job.SlideAccelLimit = limits.MaxAccel;
    CommandResult result;
    int stepNumber = 0;
    for (const JobStep& step : parsed.Job->Steps) {
        StepOutcome outcome = RunStep(session, step, ++stepNumber, jobPath);
        result.Out += outcome.Output;
        if (outcome.ExitCode != kExitOk) {
            result.ExitCode = outcome.ExitCode;
            result.Err = outcome.Error + "\n";
            return result;
        }
    }

    std::vector<OutputFile> files;
    for (const auto& [option, path] : outputs) {
        const bool modeA = option == "--mode-a" || option == "--svg-a" || option == "--csv";
        const bool modeB = option == "--mode-b" || option == "--svg-b";
        if ((modeA && session.ModeAText.empty()) || (modeB && session.ModeBText.empty())) {
            result.ExitCode = kExitRefused;
            result.Err = modeA ? "Mode-A CAF No data !! \n" : "Mode-B CAF No data !! \n";
            return result;
        }
        std::string bytes;
        if (option == "--mode-a") {
            bytes = session.ModeAText + "\r\n";
        } else if (option == "--mode-b") {
            bytes = session.ModeBText + "\r\n";
        } else if (option == "--svg-a") {
            bytes = ModeAGraphSvg(session.Job);
        } else if (option == "--svg-b") {
            bytes = ModeBGraphSvg(session.Job);
        } else if (option == "--csv") {
            bytes = TableCsv(session.Job);
        } else {
            bytes = XsTableLines(session.Job);
        }
        files.push_back({option, path, std::move(bytes)});
    }
    if (std::string error = WriteAll(files); !error.empty()) {
        result.ExitCode = kExitBadInput;
        result.Err = error + "\n";
    }
    return result;
}

CommandResult Feed(const std::vector<std::string>& args) {
    if (args.size() != 3) {
        return Usage("spirolan-cli feed: PITCH and FEED are needed");
    }
    return {kExitOk, FeedTable(ReadLenientOrInfinity(args[1]), ReadLenientOrInfinity(args[2])), {}};
}

} // namespace

CommandResult RunCommand(const std::vector<std::string>& args) {
    if (std::optional<CommandResult> answer = HelpOrVersion(args, kUsage)) {
        return *answer;
    }
    if (!args.empty() && args[0] == "run") {
        return Run(args);
    }
    if (!args.empty() && args[0] == "feed") {
        return Feed(args);
    }
    return Usage(args.empty() ? "spirolan-cli: a command is needed"
                              : "spirolan-cli: unknown command \"" + args[0] + "\"");
}

} // namespace spirolan::batch
