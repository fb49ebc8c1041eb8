// CamJob: the one job state shared by every window for the whole run.
#include "core/cam_job.h"

#include "core/lenient_number.h"

namespace spirolan {

double MaxFaceNumberValue(const CamJob& job) {
    return ReadLenient(job.MaxFaceNumber).value_or(0.0);
}

} // namespace spirolan
