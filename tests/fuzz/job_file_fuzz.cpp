// Fuzzes the job-file reader and the replay of whatever steps it accepts: no input may crash,
// hang or leave a step without a clear outcome.
#include "cli/batch_session.h"
#include "cli/job_file.h"

#include <cstdint>
#include <cstdlib>
#include <string_view>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    using namespace spirolan::batch;
    const std::string_view json(reinterpret_cast<const char*>(data), size);
    const JobFileResult parsed = ParseJobFile(json, "fuzz.json");
    if (!parsed.Job) {
        if (parsed.Error.empty()) {
            std::abort();
        }
        return 0;
    }
    BatchSession session;
    int number = 0;
    for (const JobStep& step : parsed.Job->Steps) {
        const StepOutcome outcome = RunStep(session, step, ++number, "fuzz.json");
        if (outcome.ExitCode != kExitOk) {
            if (outcome.Error.empty()) {
                std::abort();
            }
            break;
        }
    }
    return 0;
}
