// SPDX-License-Identifier: GPL-3.0-or-later
// The job's table as CSV, with the motion columns computed as the Mode-A graph computes them.
#include "graphics/table_csv.h"

#include "graphics/motion_figures.h"

#include <charconv>
#include <optional>

namespace spirolan {
namespace {

// Every double, 1e308 included, fits in fixed notation with room to spare.
constexpr int kNumberRoom = 400;

void AppendNumber(std::string& out, const std::optional<double>& value) {
    if (!value) {
        return;
    }
    char buf[kNumberRoom];
    out.append(buf, std::to_chars(buf, buf + sizeof buf, *value, std::chars_format::fixed).ptr);
}

} // namespace

std::string TableCsv(const CamJob& job) {
    const bool withMotion = job.SpindleSpeed > 0;
    const MotionFigures figures = ComputeMotionFigures(job.XSTable, job.SpindleSpeed);
    const double dt = DegreeTime(job.SpindleSpeed);
    const int steps = static_cast<int>(figures.Steps.size());

    std::string csv = withMotion ? "C_deg,XS_mm,speed_mm_s,accel_G\n" : "C_deg,XS_mm\n";
    for (int c = 0; c < kTableSize; ++c) {
        csv += std::to_string(c);
        csv += ',';
        AppendNumber(csv, job.XSTable[static_cast<size_t>(c)]);
        if (withMotion) {
            csv += ',';
            AppendNumber(csv, c < kTableSize - 1 ? std::optional(StepSpeed(job.XSTable, c, dt))
                                                 : std::nullopt);
            csv += ',';
            // The red curve: A0 of step c, and the last step's A1 at its far end.
            std::optional<double> accel;
            if (c < steps) {
                accel = figures.Steps[static_cast<size_t>(c)].A0;
            } else if (c == steps && steps > 0) {
                accel = figures.Steps.back().A1;
            }
            AppendNumber(csv, accel);
        }
        csv += '\n';
    }
    return csv;
}

} // namespace spirolan
