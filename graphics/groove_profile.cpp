// SPDX-License-Identifier: GPL-3.0-or-later
// The groove profile to scale: its geometry from the job and its drawing on a GraphSurface.
#include "graphics/groove_profile.h"

#include "core/failure_causes.h"
#include "core/profile_walk.h"
#include "graphics/graph_style.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <limits>

namespace spirolan {
namespace {

constexpr Rgb kTypedWhite{255, 255, 255};
constexpr Rgb kNoseCircleBlue{40, 70, 140};
constexpr Rgb kCutCyan{0, 200, 255};
constexpr float kProfileFontPoints = 9.0f;
// Samples of the typed groove and of the cut over one lead pitch.
constexpr int kSamples = 1440;
// Every how many path points a nose circle is drawn.
constexpr size_t kCircleEvery = 6;

// The direction of XS that goes deeper into the part: Shapes 1 and 2 store External as CP 1 and
// Shape 3 as -1, and External grooves deepen towards negative XS.
double Inward(const CamJob& job) {
    const double cp = job.CutPosition;
    return job.LastShape == 3 ? cp : -cp;
}

// The nose centre over one lead pitch as the cam moves it: table entry j is spindle angle j
// degrees, where the thread has advanced j / 360 of the pitch (one lead pitch per 360 / N
// degrees). Shape 2 walked its groove with a longer step, so its cam runs it compressed.
std::vector<ProfilePoint> NoseCentrePath(const CamJob& job, double leadPitch) {
    const int leads = std::max(static_cast<int>(ValueOf(job.LeadCount)), 1);
    const int last = 360 / leads;
    const double step = leadPitch / last;
    std::vector<ProfilePoint> path;
    for (int j = 0; j < last; ++j) {
        path.push_back({j * step, ValueOf(job.XSTable[static_cast<size_t>(j)])});
    }
    path.push_back({leadPitch, ValueOf(job.XSTable[static_cast<size_t>(last)])});
    return path;
}

// The inner edge of the nose circles around the path, the path repeated one period either side.
std::optional<double> CutAt(const std::vector<ProfilePoint>& path, double z, double noseR,
                            double inward, double leadPitch) {
    std::optional<double> deepest;
    for (const double shift : {-leadPitch, 0.0, leadPitch}) {
        // The path runs forward along Z: only the points within one nose radius can reach z.
        auto p =
            std::lower_bound(path.begin(), path.end(), z - shift - noseR,
                             [](const ProfilePoint& point, double from) { return point.Z < from; });
        for (; p != path.end() && p->Z <= z - shift + noseR; ++p) {
            const double dz = z - (p->Z + shift);
            if (std::abs(dz) > noseR) {
                continue;
            }
            const double edge = p->XS + inward * std::sqrt(noseR * noseR - dz * dz);
            if (!deepest || edge * inward > *deepest * inward) {
                deepest = edge;
            }
        }
    }
    return deepest;
}

void DrawPolyline(GraphSurface& surface, const std::vector<ProfilePoint>& points, Rgb color) {
    for (size_t i = 1; i < points.size(); ++i) {
        surface.DrawLine(static_cast<float>(points[i - 1].Z), static_cast<float>(-points[i - 1].XS),
                         static_cast<float>(points[i].Z), static_cast<float>(-points[i].XS), color);
    }
}

void DrawCircle(GraphSurface& surface, ProfilePoint centre, double radius, Rgb color) {
    constexpr int kSides = 36;
    for (int i = 0; i < kSides; ++i) {
        const double a0 = 2 * 3.141592653589793 * i / kSides;
        const double a1 = 2 * 3.141592653589793 * (i + 1) / kSides;
        surface.DrawLine(static_cast<float>(centre.Z + radius * std::cos(a0)),
                         static_cast<float>(-centre.XS - radius * std::sin(a0)),
                         static_cast<float>(centre.Z + radius * std::cos(a1)),
                         static_cast<float>(-centre.XS - radius * std::sin(a1)), color);
    }
}

// The smallest grid step of 1, 2 or 5 times a power of ten that gives at most 12 lines.
double GridStep(double span) {
    double step = 0.001;
    for (int i = 0; span / step > 12; ++i) {
        step *= (i % 3 == 1) ? 2.5 : 2;
    }
    return step;
}

} // namespace

GrooveProfile ComputeGrooveProfile(const CamJob& job) {
    GrooveProfile profile;
    const std::optional<ProfileWalk> typedWalk = JobWalk(job, 0);
    const double leadPitch = ValueOf(job.LeadPitch);
    if (!typedWalk || !(leadPitch > 0)) {
        return profile;
    }
    profile.LeadPitch = leadPitch;
    profile.NoseR = std::abs(ValueOf(job.NoseR));
    const double inward = Inward(job);
    const double start = job.LastShape == 1 ? static_cast<double>(job.StartXS) : 0.0;
    profile.Path = NoseCentrePath(job, leadPitch);

    const SegmentEnds ends = WalkSegmentEnds(typedWalk->geometry);
    bool departing = false;
    double departFrom = 0;
    for (int i = 0; i <= kSamples; ++i) {
        const double z = leadPitch * i / kSamples;
        const std::optional<double> typed = ProfileValueAt(*typedWalk, ends, z);
        const std::optional<double> cut = CutAt(profile.Path, z, profile.NoseR, inward, leadPitch);
        if (typed) {
            profile.Typed.push_back({z, *typed + inward * profile.NoseR + start});
        }
        if (cut) {
            profile.Cut.push_back({z, *cut});
        }
        const bool departs =
            typed && cut &&
            std::abs(*cut - (*typed + inward * profile.NoseR + start)) > kProfileTolerance;
        if (departs && !departing) {
            departFrom = z;
        } else if (!departs && departing) {
            profile.Departures.push_back({departFrom, z});
        }
        departing = departs;
    }
    if (departing) {
        profile.Departures.push_back({departFrom, leadPitch});
    }
    return profile;
}

void DrawGrooveProfile(const CamJob& job, GraphSurface& surface, int pixelWidth, int pixelHeight) {
    const GrooveProfile profile = ComputeGrooveProfile(job);
    surface.SetBackColor(kGraphBackground);
    surface.Clear();
    double low = std::numeric_limits<double>::infinity();
    double high = -low;
    for (const auto* points : {&profile.Typed, &profile.Path, &profile.Cut}) {
        for (const ProfilePoint& p : *points) {
            low = std::min(low, p.XS);
            high = std::max(high, p.XS);
        }
    }
    if (profile.Path.empty()) {
        low = -1;
        high = 0;
    }
    const double width = profile.Path.empty() ? 1 : profile.LeadPitch;
    const double height = std::max(high - low, 1e-3);
    // Equal millimetres per pixel on both axes, with room for the labels around the groove.
    const double mmPerPixel =
        std::max(width * 1.15 / std::max(pixelWidth, 1), height * 1.5 / std::max(pixelHeight, 1));
    const double viewWidth = mmPerPixel * std::max(pixelWidth, 1);
    const double viewHeight = mmPerPixel * std::max(pixelHeight, 1);
    const double left = width / 2 - viewWidth / 2;
    const double top = -(low + high) / 2 - viewHeight / 2 - height * 0.08;
    surface.SetScale(static_cast<float>(left), static_cast<float>(top),
                     static_cast<float>(viewWidth), static_cast<float>(viewHeight));

    const double step = GridStep(std::max(viewWidth, viewHeight));
    surface.SetFontSize(kProfileFontPoints);
    surface.SetForeColor(kLabelGrey);
    for (double z = std::ceil(left / step) * step; z <= left + viewWidth; z += step) {
        surface.DrawLine(static_cast<float>(z), static_cast<float>(top), static_cast<float>(z),
                         static_cast<float>(top + viewHeight), kGridGreen);
        surface.SetCurrentPosition(static_cast<float>(z), static_cast<float>(-low + height * 0.05));
        surface.PrintLine(MessageNumber(z));
    }
    for (double y = std::ceil(top / step) * step; y <= top + viewHeight; y += step) {
        surface.DrawLine(static_cast<float>(left), static_cast<float>(y),
                         static_cast<float>(left + viewWidth), static_cast<float>(y), kGridGreen);
        surface.SetCurrentPosition(static_cast<float>(left), static_cast<float>(y));
        surface.PrintLine(MessageNumber(-y));
    }
    surface.SetCurrentPosition(static_cast<float>(left), static_cast<float>(top));
    if (profile.Path.empty()) {
        surface.PrintLine("No groove generated");
        return;
    }
    surface.PrintLine("Z, XS in mm; one lead pitch = " + MessageNumber(profile.LeadPitch) +
                      " mm; Nose-R " + MessageNumber(profile.NoseR));
    const std::array<std::pair<Rgb, const char*>, 4> legend{{
        {kTypedWhite, "Groove as typed"},
        {kCurveYellow, "Nose-centre path (cam table)"},
        {kCutCyan, "Groove the nose cuts"},
        {kAccelerationRed, "Cut leaves the typed groove"},
    }};
    for (const auto& [color, text] : legend) {
        surface.SetForeColor(color);
        surface.PrintLine(text);
    }

    for (size_t i = 0; i < profile.Path.size(); i += kCircleEvery) {
        DrawCircle(surface, profile.Path[i], profile.NoseR, kNoseCircleBlue);
    }
    DrawPolyline(surface, profile.Typed, kTypedWhite);
    DrawPolyline(surface, profile.Path, kCurveYellow);
    DrawPolyline(surface, profile.Cut, kCutCyan);
    // The departures: the cut redrawn in red and a bar under the groove for each stretch.
    const auto bar = static_cast<float>(-low + height * 0.02);
    for (const ZRange& range : profile.Departures) {
        std::vector<ProfilePoint> stretch;
        for (const ProfilePoint& p : profile.Cut) {
            if (p.Z >= range.From && p.Z <= range.To) {
                stretch.push_back(p);
            }
        }
        DrawPolyline(surface, stretch, kAccelerationRed);
        surface.DrawLine(static_cast<float>(range.From), bar, static_cast<float>(range.To), bar,
                         kAccelerationRed);
    }
}

std::string GrooveProfileSvg(const CamJob& job, int width, int height) {
    SvgSurface surface({.Width = width, .Height = height, .BackColor = kGraphBackground});
    DrawGrooveProfile(job, surface, surface.Width(), surface.Height());
    return surface.Document();
}

} // namespace spirolan
