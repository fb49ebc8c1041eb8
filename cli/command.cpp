// SPDX-License-Identifier: GPL-3.0-or-later
// The spirolan-cli command line: run a job file or print a feed table.
#include "cli/command.h"

#include "cli/help.h"
#include "core/caf_text.h"
#include "core/lenient_number.h"
#include "feed/feed_table.h"
#include "graphics/groove_profile.h"
#include "graphics/spindle_limit.h"
#include "graphics/svg_export.h"
#include "graphics/table_csv.h"
#include "io/atomic_write.h"
#include "io/job_document.h"
#include "io/job_file.h"
#include "io/job_replay.h"
#include "io/native_file.h"

#include <QString>

#include <algorithm>
#include <charconv>
#include <cstdint>
#include <filesystem>
#include <map>
#include <optional>
#include <system_error>
#include <utility>

namespace spirolan::batch {
namespace {

namespace fs = std::filesystem;

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

// Writes every file, or none of them when any cannot be written. Paths are the command line's
// own bytes, used as given. `beforeReplacing` runs when every file is ready.
std::string WriteAll(const std::vector<OutputFile>& files,
                     const std::function<QString()>& beforeReplacing) {
    std::vector<PendingFile> pending;
    for (const OutputFile& file : files) {
        pending.push_back({fs::path(file.Path), QByteArray::fromStdString(file.Bytes)});
    }
    // The batch command may wait for a FIFO's reader, as a shell's redirection does.
    const FileWriteResult written = WriteFilesAtomically(pending, {true, beforeReplacing});
    return written.Ok ? std::string() : "cannot write " + written.Reason.toStdString();
}

// `path` with its links followed (a link to a file not yet made included), then made absolute
// and free of "." and "..".
fs::path Resolved(const std::string& path) {
    std::error_code error;
    const fs::path resolved = FollowLinks(fs::absolute(path, error), error);
    const fs::path canonical = fs::weakly_canonical(resolved, error);
    return error ? resolved.lexically_normal() : canonical;
}

// Whether two paths name one file: the same file on the disk, or the same resolved path.
bool SameFile(const std::string& a, const std::string& b) {
    std::error_code error;
    if (fs::equivalent(a, b, error) && !error) {
        return true;
    }
    return Resolved(a) == Resolved(b);
}

// Whether `path` is the file that the standard output writes to (by device and inode, not by
// name). Such an output goes out after the step lines through the stream itself: opening it
// again would truncate a file the shell appends to.
bool IsStandardOutput(const std::string& path) {
    return StandardStreamOf(fs::path(path)) == StandardOutput();
}

// A usage problem of the output options (option and file, in the order given): the same option
// twice, or two of them, or one and the job file, naming the same file.
std::optional<std::string>
OutputProblem(const std::string& jobPath,
              const std::vector<std::pair<std::string, std::string>>& outputs) {
    for (size_t i = 0; i < outputs.size(); ++i) {
        const auto& [option, path] = outputs[i];
        for (size_t j = 0; j < i; ++j) {
            if (outputs[j].first == option) {
                return option + " is given twice";
            }
            if (SameFile(outputs[j].second, path)) {
                return outputs[j].first + " and " + option + " name the same file";
            }
        }
        if (SameFile(jobPath, path)) {
            return option + " names the job file";
        }
    }
    return std::nullopt;
}

// The design checks of the steps run, one "Warning: " line each.
std::string WarningLines(const std::vector<std::string>& warnings) {
    std::string lines;
    for (const std::string& warning : warnings) {
        lines += "Warning: " + warning + "\n";
    }
    return lines;
}

CommandResult Run(const std::vector<std::string>& args, const PrintOut& printOut) {
    if (args.size() < 2) {
        return Usage("spirolan-cli run: the job file is missing");
    }
    const std::string jobPath = args[1];
    std::map<std::string, std::string> outputs;
    std::vector<std::pair<std::string, std::string>> given;
    MachineLimits limits;
    std::vector<std::string> limitsGiven;
    bool check = false;
    const std::vector<std::string> known{"--mode-a",    "--mode-b",    "--table",
                                         "--svg-a",     "--svg-b",     "--csv",
                                         "--max-speed", "--max-accel", "--svg-profile"};
    for (size_t i = 2; i < args.size(); i += 2) {
        // The one option without a value.
        if (args[i] == "--check") {
            check = true;
            --i;
            continue;
        }
        if (std::find(known.begin(), known.end(), args[i]) == known.end()) {
            return Usage("spirolan-cli run: unknown option \"" + args[i] + "\"");
        }
        const bool isLimit = args[i] == "--max-speed" || args[i] == "--max-accel";
        if (i + 1 >= args.size() || args[i + 1].empty()) {
            return Usage("spirolan-cli run: " + args[i] +
                         (isLimit ? " needs a number" : " needs a file name"));
        }
        if (isLimit) {
            if (std::find(limitsGiven.begin(), limitsGiven.end(), args[i]) != limitsGiven.end()) {
                return Usage("spirolan-cli run: " + args[i] + " is given twice");
            }
            limitsGiven.push_back(args[i]);
            const LimitReading limit = args[i] == "--max-speed" ? ReadSpeedLimit(args[i + 1])
                                                                : ReadAccelLimit(args[i + 1]);
            if (!limit.Error.empty()) {
                return Usage("spirolan-cli run: " + args[i] + ": " + limit.Error);
            }
            (args[i] == "--max-speed" ? limits.MaxSpeed : limits.MaxAccel) = limit.Value;
            continue;
        }
        outputs[args[i]] = args[i + 1];
        given.emplace_back(args[i], args[i + 1]);
    }
    if (std::optional<std::string> problem = OutputProblem(jobPath, given)) {
        return Usage("spirolan-cli run: " + *problem);
    }

    std::string problem;
    const std::optional<std::string> json = ReadJobFileBytes(fs::path(jobPath), problem);
    if (!json) {
        return {kExitBadInput, {}, "cannot read " + jobPath + ": " + problem + "\n"};
    }
    JobFileResult parsed = ParseJobFile(*json, jobPath);
    if (!parsed.Job) {
        return {kExitBadInput, {}, parsed.Error + "\n"};
    }

    JobSession start;
    start.Job.SlideSpeedLimit = limits.MaxSpeed;
    start.Job.SlideAccelLimit = limits.MaxAccel;
    ReplayResult replay = ReplayJob(*parsed.Job, jobPath, std::move(start));
    JobSession& session = replay.Session;
    CommandResult result{kExitOk, replay.Output,
                         check ? WarningLines(replay.Session.Warnings) : ""};
    if (replay.Failure.Status != StepStatus::Ok) {
        result.ExitCode =
            replay.Failure.Status == StepStatus::Refused ? kExitRefused : kExitBadInput;
        result.Err += replay.Failure.Error + "\n";
        if (check && !replay.Failure.Cause.empty()) {
            result.Err += replay.Failure.Cause + "\n";
        }
        return result;
    }

    std::vector<OutputFile> files;
    std::string printed;
    for (const auto& [option, path] : outputs) {
        const bool modeA = option == "--mode-a" || option == "--svg-a" || option == "--csv" ||
                           option == "--svg-profile";
        const bool modeB = option == "--mode-b" || option == "--svg-b";
        if ((modeA && session.ModeAText.empty()) || (modeB && session.ModeBText.empty())) {
            result.ExitCode = kExitRefused;
            result.Err += std::string(modeA ? caf::kModeANoData : caf::kModeBNoData) + "\n";
            return result;
        }
        std::string bytes;
        if (option == "--mode-a") {
            bytes = caf::CafFileBytes(session.ModeAText);
        } else if (option == "--mode-b") {
            bytes = caf::CafFileBytes(session.ModeBText);
        } else if (option == "--svg-a") {
            bytes = ModeAGraphSvg(session.Job).Document;
        } else if (option == "--svg-b") {
            bytes = ModeBGraphSvg(session.Job);
        } else if (option == "--csv") {
            bytes = TableCsv(session.Job);
        } else if (option == "--svg-profile") {
            bytes = GrooveProfileSvg(session.Job);
        } else {
            bytes = XsTableLines(session.Job);
        }
        if (IsStandardOutput(path)) {
            printed += bytes;
        } else {
            files.push_back({option, path, std::move(bytes)});
        }
    }
    // With a printer, the standard output must be written before any file replaces an old one.
    std::string outProblem;
    const auto print = [&]() -> QString {
        if (!printOut) {
            return {};
        }
        outProblem = printOut(result.Out + printed);
        return QString::fromStdString(outProblem);
    };
    if (std::string error = WriteAll(files, print); !outProblem.empty()) {
        result.ExitCode = kExitRefused;
        result.Out.clear();
        result.Err = StandardOutputProblem(outProblem);
        return result;
    } else if (!error.empty()) {
        result.ExitCode = kExitBadInput;
        result.Err += error + "\n";
        return result;
    }
    result.Out = printOut ? std::string() : result.Out + printed;
    return result;
}

CommandResult Feed(const std::vector<std::string>& args) {
    if (args.size() != 3) {
        return Usage("spirolan-cli feed: PITCH and FEED are needed");
    }
    return {kExitOk, FeedTable(ReadLenientOrInfinity(args[1]), ReadLenientOrInfinity(args[2])), {}};
}

} // namespace

std::string StandardOutputProblem(const std::string& reason) {
    return "spirolan-cli: cannot write the standard output: " + reason + "\n";
}

CommandResult RunCommand(const std::vector<std::string>& args, const PrintOut& printOut) {
    if (std::optional<CommandResult> answer = HelpOrVersion(args, kUsage)) {
        return *answer;
    }
    if (!args.empty() && args[0] == "run") {
        return Run(args, printOut);
    }
    if (!args.empty() && args[0] == "feed") {
        return Feed(args);
    }
    return Usage(args.empty() ? "spirolan-cli: a command is needed"
                              : "spirolan-cli: unknown command \"" + args[0] + "\"");
}

} // namespace spirolan::batch
