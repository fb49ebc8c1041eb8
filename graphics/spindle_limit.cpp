// SPDX-License-Identifier: GPL-3.0-or-later
// Machine limits: the highest spindle speed within the slide's limits, found with the figures.
#include "graphics/spindle_limit.h"

#include "graphics/graph_style.h"
#include "graphics/motion_figures.h"
#include "graphics/text_placer.h"

#include <algorithm>
#include <charconv>
#include <cmath>

namespace spirolan {
namespace {

// Where the line starts on the Mode-A graph: in the band above the grid, right of "mm".
constexpr float kLineLeft = 120;
constexpr float kLineTop = -3.5f;

// The candidate from one spindle turn a minute: speed grows with S, acceleration with S^2.
double Candidate(const std::array<OptionalNumber, kTableSize>& xs, const MachineLimits& limits) {
    const MotionFigures atOne = ComputeMotionFigures(xs, 1);
    double candidate = INFINITY;
    if (limits.MaxSpeed && atOne.MaxSpeed > 0) {
        candidate = std::min(candidate, *limits.MaxSpeed / atOne.MaxSpeed);
    }
    if (limits.MaxAccel && atOne.MaxGravity > 0) {
        candidate = std::min(candidate, std::sqrt(*limits.MaxAccel / atOne.MaxGravity));
    }
    return std::floor(candidate);
}

std::string_view Trimmed(std::string_view text) {
    const auto first = text.find_first_not_of(" \t");
    if (first == std::string_view::npos) {
        return {};
    }
    return text.substr(first, text.find_last_not_of(" \t") - first + 1);
}

LimitReading ReadLimit(std::string_view text, double largest, const std::string& message) {
    const std::string_view number = Trimmed(text);
    if (number.empty()) {
        return {};
    }
    double value = 0;
    const char* end = number.data() + number.size();
    const auto [last, error] = std::from_chars(number.data(), end, value);
    if (error != std::errc() || last != end || !(value >= kSmallestLimit) || !(value <= largest)) {
        return {std::nullopt, message};
    }
    return {value, {}};
}

} // namespace

MachineLimits LimitsOf(const CamJob& job) {
    return {job.SlideSpeedLimit, job.SlideAccelLimit};
}

bool WithinLimits(const std::array<OptionalNumber, kTableSize>& xs, double spindleSpeed,
                  const MachineLimits& limits) {
    const MotionFigures figures = ComputeMotionFigures(xs, spindleSpeed);
    return (!limits.MaxSpeed || figures.MaxSpeed <= *limits.MaxSpeed) &&
           (!limits.MaxAccel || figures.MaxGravity <= *limits.MaxAccel);
}

std::optional<double> HighestWithin(const std::function<bool(double)>& within, double guess,
                                    double largest) {
    // Bracket the boundary, lo within and hi not, then halve. At 0 the slide stands, so 0 is
    // within.
    double lo = std::max(guess, 0.0);
    double hi = lo + 1;
    double step = 1;
    if (within(lo)) {
        while (within(hi)) {
            lo = hi;
            step *= 2;
            hi = lo + step;
            if (hi > largest) {
                return std::nullopt;
            }
        }
    } else {
        hi = lo;
        while (true) {
            lo = std::max(hi - step, 0.0);
            // A limit not above 0 (never typed, only stored by hand) holds nowhere: 0 then.
            if (lo == 0 || within(lo)) {
                break;
            }
            hi = lo;
            step *= 2;
        }
    }
    while (hi - lo > 1) {
        const double middle = std::floor(lo + (hi - lo) / 2);
        (within(middle) ? lo : hi) = middle;
    }
    return lo;
}

std::optional<double> MaxSpindleSpeed(const std::array<OptionalNumber, kTableSize>& xs,
                                      const MachineLimits& limits) {
    const double candidate = Candidate(xs, limits);
    if (!(candidate < kLargestSpindleSpeed)) {
        return std::nullopt;
    }
    // Rounding in the figures can put the candidate a step or two off either way.
    return HighestWithin([&](double speed) { return WithinLimits(xs, speed, limits); }, candidate,
                         kLargestSpindleSpeed);
}

std::string WholeSpeedText(double whole) {
    char digits[32];
    char* end =
        std::to_chars(digits, digits + sizeof digits, whole, std::chars_format::fixed, 0).ptr;
    return std::string(digits, end);
}

std::optional<SpindleLimitLine> SpindleLimitLineOf(const CamJob& job) {
    const MachineLimits limits = LimitsOf(job);
    if (!(job.SpindleSpeed > 0) || (!limits.MaxSpeed && !limits.MaxAccel)) {
        return std::nullopt;
    }
    const std::optional<double> highest = MaxSpindleSpeed(job.XSTable, limits);
    if (!highest) {
        return SpindleLimitLine{"Max. spindle speed = no limit", false};
    }
    return SpindleLimitLine{"Max. spindle speed = " + WholeSpeedText(*highest) + " min-1",
                            job.SpindleSpeed > *highest};
}

void DrawSpindleLimit(const CamJob& job, GraphSurface& picture1, const GraphStyle& style) {
    const std::optional<SpindleLimitLine> line = SpindleLimitLineOf(job);
    if (!line) {
        return;
    }
    picture1.SetFontSize(kGraphFontPoints);
    picture1.SetForeColor(line->Exceeded ? style.Acceleration : style.Label);
    const std::string text = line->Exceeded ? line->Text + " (exceeded)" : line->Text;
    if (!style.KeepTextsApart) {
        picture1.SetCurrentPosition(kLineLeft, kLineTop);
        picture1.PrintLine(text);
        return;
    }
    // The Mode-A graph's visible area; "mm" stands at x = 0 and the XS labels at x = -13.
    TextPlacer texts(picture1, true, {-20, kLineTop, 400, 7});
    const float clearOf = std::max(picture1.TextWidth("mm"), -13 + picture1.TextWidth(" 3"));
    for (const float points : {kGraphFontPoints, kFigureFontPoints, 8.0f}) {
        picture1.SetFontSize(points);
        const float rightAligned = 380 - picture1.TextWidth(text);
        for (const float left : {std::max(kLineLeft, clearOf), rightAligned}) {
            if (left >= clearOf && texts.Print(left, kLineTop, text, style.Background)) {
                picture1.SetFontSize(kGraphFontPoints);
                return;
            }
        }
    }
    picture1.SetFontSize(kGraphFontPoints);
}

LimitReading ReadSpeedLimit(std::string_view text) {
    return ReadLimit(text, kLargestSpeedLimit,
                     "The maximum speed must be a number from 0.001 to 100000 mm/s, or empty for "
                     "no limit.");
}

LimitReading ReadAccelLimit(std::string_view text) {
    return ReadLimit(text, kLargestAccelLimit,
                     "The maximum acceleration must be a number from 0.001 to 1000 G, or empty for "
                     "no limit.");
}

} // namespace spirolan
