// SPDX-License-Identifier: GPL-3.0-or-later
// The job's table as CSV: XS per degree and, with a spindle speed, the slide's speed and
// acceleration.
#pragma once

#include "core/cam_job.h"

#include <string>

namespace spirolan {

/// The CSV text of `job.XSTable`: the header "C_deg,XS_mm", then one row for each C = 0..360
/// with XS in mm (an empty entry as an empty field). When `job.SpindleSpeed` is above 0 two more
/// columns, "speed_mm_s" (the slide speed over the step from C to C + 1, rows 0..359) and
/// "accel_G" (the acceleration the Mode-A graph draws at C, rows 0..358); the rows without a
/// value leave the field empty. Numbers are plain decimals with a point and the fewest digits
/// that read back as the same double; lines end in LF.
std::string TableCsv(const CamJob& job);

} // namespace spirolan
