// SPDX-License-Identifier: GPL-3.0-or-later
// Fuzzes the job-file reader and the replay of whatever steps it accepts: no input may crash,
// hang or leave a step without a clear outcome.
#include "io/job_file.h"
#include "io/job_replay.h"

#include <cstdint>
#include <cstdlib>
#include <string_view>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    using namespace spirolan;
    const std::string_view json(reinterpret_cast<const char*>(data), size);
    const JobFileResult parsed = ParseJobFile(json, "fuzz.json");
    if (!parsed.Job) {
        if (parsed.Error.empty()) {
            std::abort();
        }
        return 0;
    }
    const ReplayResult replay = ReplayJob(*parsed.Job, "fuzz.json");
    if (replay.Failure.Status != StepStatus::Ok && replay.Failure.Error.empty()) {
        std::abort();
    }
    return 0;
}
