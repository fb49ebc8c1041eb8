// Fuzzes the job-file reader and the replay of whatever steps it accepts: no input may crash,
// hang or leave a step without a clear outcome.
#include "batch_session.h"
#include "job_file.h"

#include <cstdint>
#include <cstdlib>
#include <string_view>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    std::string_view json(reinterpret_cast<const char*>(data), size);
    spirolan::batch::JobFileResult parsed = spirolan::batch::ParseJobFile(json, "fuzz.json");
    if (!parsed.Job) {
        if (parsed.Error.empty()) {
            std::abort();
        }
        return 0;
    }
    spirolan::batch::BatchSession session;
    int number = 0;
    for (const spirolan::batch::JobStep& step : parsed.Job->Steps) {
        spirolan::batch::StepOutcome outcome =
            spirolan::batch::RunStep(session, step, ++number, "fuzz.json");
        if (outcome.ExitCode != spirolan::batch::kExitOk) {
            if (outcome.Error.empty()) {
                std::abort();
            }
            break;
        }
    }
    return 0;
}
