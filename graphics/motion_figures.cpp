// SPDX-License-Identifier: GPL-3.0-or-later
// Motion figures: slide speed and acceleration of the XS table at a spindle speed.
#include "graphics/motion_figures.h"

#include "core/number_text.h"

#include <algorithm>
#include <charconv>
#include <cmath>

namespace spirolan {
namespace {

// The acceleration of gravity in m/s^2 the figures are given in; 9.8 on purpose, not 9.80665.
constexpr double kGravity = 9.8;

// |value| in fixed notation with `places` decimals, rounded half away from zero on the exact
// binary value.
std::string RoundedMagnitude(double magnitude, int places) {
    // A decimal half at `places` decimals is an odd multiple of 10^-places / 2, which a double
    // can only hold when its binary fraction ends by the bit 2^-(places + 1). Such a value prints
    // exactly with one more decimal, and that decimal is then 5 exactly when it is a half. Its
    // last two digits are then 25 or 75 (odd multiples of 5^(places + 1)), so rounding up never
    // carries: the last kept digit just goes from 2 to 3 or from 7 to 8.
    char buf[400];
    constexpr double kAllWhole = 0x1p52; // from here on every double is a whole number
    if (magnitude < kAllWhole) {
        double scaled = std::ldexp(magnitude, places + 1);
        if (scaled == std::floor(scaled)) {
            auto end = std::to_chars(buf, buf + sizeof buf, magnitude, std::chars_format::fixed,
                                     places + 1)
                           .ptr;
            if (end[-1] == '5') {
                std::string text(buf, end - 1);
                ++text.back();
                return text;
            }
        }
    }
    auto end =
        std::to_chars(buf, buf + sizeof buf, magnitude, std::chars_format::fixed, places).ptr;
    return std::string(buf, end);
}

} // namespace

double DegreeTime(double spindleSpeed) {
    return 60 / spindleSpeed / 360;
}

double StepSpeed(const std::array<OptionalNumber, kTableSize>& xs, int i, double dt) {
    return (ValueOf(xs[i + 1]) - ValueOf(xs[i])) / dt;
}

double StepAcceleration(double from, double to, double dt) {
    return (to - from) / dt / kGravity / 1000;
}

MotionFigures ComputeMotionFigures(const std::array<OptionalNumber, kTableSize>& xs,
                                   double spindleSpeed) {
    MotionFigures figures;
    if (!(spindleSpeed > 0)) {
        return figures;
    }
    const double dt = DegreeTime(spindleSpeed);
    figures.Steps.reserve(kMotionStepCount);
    for (int i = 0; i < kMotionStepCount; ++i) {
        const double v0 = StepSpeed(xs, i, dt);
        const double v1 = StepSpeed(xs, i + 1, dt);
        const double v2 = StepSpeed(xs, i + 2, dt);
        const MotionStep step{StepAcceleration(v0, v1, dt), StepAcceleration(v1, v2, dt)};
        figures.Steps.push_back(step);
        if (figures.MaxSpeed < std::fabs(v0)) {
            figures.MaxSpeed = std::fabs(v0);
        }
        if (figures.MaxGravity < std::fabs(step.A0)) {
            figures.MaxGravity = std::fabs(step.A0);
        }
    }
    return figures;
}

std::string FigureNumberText(double value, int places) {
    if (!std::isfinite(value)) {
        return "-";
    }
    places = std::clamp(places, 1, kMaxFigurePlaces);
    std::string text = RoundedMagnitude(std::fabs(value), places);
    while (text.back() == '0') {
        text.pop_back();
    }
    if (value < 0 && text != "0.") {
        text.insert(text.begin(), '-');
    }
    return text;
}

std::string SpindleSpeedLine(double spindleSpeed) {
    return "Spindle Speed  = " + SignedColumnText(spindleSpeed) + " min-1";
}

std::string MaxSpeedLine(double maxSpeed) {
    return "Max.Speed  = " + FigureNumberText(maxSpeed, 2) + " mm/s";
}

std::string MaxGravityLine(double maxGravity) {
    return "Max.Gravity = " + FigureNumberText(maxGravity, 3) + " G";
}

} // namespace spirolan
