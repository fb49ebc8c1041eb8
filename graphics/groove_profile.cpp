// SPDX-License-Identifier: GPL-3.0-or-later
// The groove profile to scale: its geometry from the job and its drawing on a GraphSurface.
#include "graphics/groove_profile.h"

#include "core/failure_causes.h"
#include "core/profile_walk.h"
#include "graphics/graph_style.h"
#include "graphics/text_placer.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <limits>

namespace spirolan {
namespace {

constexpr float kProfileFontPoints = 9.0f;
constexpr float kLegendSamplePixels = 24;
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

// The line through `points`, in dashes of `dash` segments with gaps as long when `dash` > 0.
void DrawPolyline(GraphSurface& surface, const std::vector<ProfilePoint>& points, Rgb color,
                  int dash = 0) {
    for (size_t i = 1; i < points.size(); ++i) {
        if (dash > 0 && ((i - 1) / static_cast<size_t>(dash)) % 2 == 1) {
            continue;
        }
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

// The legend under the heading line. With samples, a short piece of each line (a bar for the
// departures) and its name in the label colour; otherwise each name in its line's colour.
// The heading stands at (left, top), the entries follow one a line.
void DrawLegend(TextPlacer& placer, const ProfileLook& look, float left, float top,
                float mmPerPixel, std::optional<Rgb> box) {
    GraphSurface& surface = placer.Surface();
    if (!look.LegendSamples) {
        for (const auto& [color, text] : std::array<std::pair<Rgb, const char*>, 4>{{
                 {look.Typed, "Groove as typed"},
                 {look.Path, "Nose-centre path (cam table)"},
                 {look.Cut, "Groove the nose cuts"},
                 {look.Departure, "Cut leaves the typed groove"},
             }}) {
            surface.SetForeColor(color);
            placer.PrintBelow(text);
        }
        return;
    }
    const std::array<std::pair<Rgb, const char*>, 5> entries{{
        {look.Typed, "Groove as typed"},
        {look.Path, "Nose-centre path (cam table)"},
        {look.Circle, "Nose circles along the path"},
        {look.Cut, "Groove the nose cuts"},
        {look.Departure, "Cut leaves the typed groove"},
    }};
    const float sample = kLegendSamplePixels * mmPerPixel;
    float y = top;
    for (const auto& [color, text] : entries) {
        y += surface.TextHeight();
        if (!placer.Print(left + sample * 1.25f, y, text, box)) {
            continue;
        }
        placer.Reserve({left, y, sample * 1.25f, surface.TextHeight()});
        const float middle = y + surface.TextHeight() / 2;
        const bool bar = color == look.Departure;
        for (const float dy : {-1.0f, 0.0f, 1.0f}) {
            if (bar || dy == 0) {
                surface.DrawLine(left, middle + dy * mmPerPixel, left + sample,
                                 middle + dy * mmPerPixel, color);
            }
        }
    }
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

void DrawGrooveProfile(const CamJob& job, GraphSurface& surface, int pixelWidth, int pixelHeight,
                       const GraphStyle& style) {
    const GrooveProfile profile = ComputeGrooveProfile(job);
    const ProfileLook& look = style.Profile;
    surface.SetBackColor(style.Background);
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
    // Texts kept apart get a band of their own above the groove for the heading and the legend
    // (at most half the view), so that no line of the groove runs through them.
    int band = 0;
    if (style.KeepTextsApart) {
        surface.SetScale(0, 0, static_cast<float>(std::max(pixelWidth, 1)),
                         static_cast<float>(std::max(pixelHeight, 1)));
        surface.SetFontSize(kProfileFontPoints);
        const int lines = look.LegendSamples ? 6 : 5;
        band = std::min(static_cast<int>(std::ceil(surface.TextHeight() * lines)) + 4,
                        pixelHeight / 2);
    }
    // Equal millimetres per pixel on both axes, with room for the labels around the groove.
    const double mmPerPixel = std::max(width * 1.15 / std::max(pixelWidth, 1),
                                       height * 1.5 / std::max(pixelHeight - band, 1));
    const double viewWidth = mmPerPixel * std::max(pixelWidth, 1);
    const double viewHeight = mmPerPixel * std::max(pixelHeight, 1);
    const double bandHeight = mmPerPixel * band;
    const double left = width / 2 - viewWidth / 2;
    const double top =
        -(low + high) / 2 - (viewHeight - bandHeight) / 2 - bandHeight - height * 0.08;
    surface.SetScale(static_cast<float>(left), static_cast<float>(top),
                     static_cast<float>(viewWidth), static_cast<float>(viewHeight));

    const double step = GridStep(std::max(viewWidth, viewHeight));
    surface.SetFontSize(kProfileFontPoints);
    surface.SetForeColor(style.Label);
    TextPlacer placer(surface, style.KeepTextsApart,
                      {static_cast<float>(left), static_cast<float>(top),
                       static_cast<float>(viewWidth), static_cast<float>(viewHeight)});
    // Texts kept apart are asked for in the order of their weight: the heading and the legend
    // first, then the grid's labels where they still find room. Otherwise each label follows
    // its grid line, as the batch's pictures always had them.
    const std::optional<Rgb> labelBox =
        style.KeepTextsApart ? std::optional<Rgb>(style.Background) : std::nullopt;
    const auto grid = [&](bool lines, bool labels) {
        for (double z = std::ceil(left / step) * step; z <= left + viewWidth; z += step) {
            if (lines) {
                surface.DrawLine(static_cast<float>(z), static_cast<float>(top),
                                 static_cast<float>(z), static_cast<float>(top + viewHeight),
                                 style.Grid);
            }
            if (labels) {
                placer.Print(static_cast<float>(z), static_cast<float>(-low + height * 0.05),
                             MessageNumber(z), labelBox);
            }
        }
        for (double y = std::ceil(top / step) * step; y <= top + viewHeight; y += step) {
            if (lines) {
                surface.DrawLine(static_cast<float>(left), static_cast<float>(y),
                                 static_cast<float>(left + viewWidth), static_cast<float>(y),
                                 style.Grid);
            }
            if (labels) {
                placer.Print(static_cast<float>(left), static_cast<float>(y), MessageNumber(-y),
                             labelBox);
            }
        }
    };
    grid(true, !style.KeepTextsApart);
    if (profile.Path.empty()) {
        placer.Print(static_cast<float>(left), static_cast<float>(top), "No groove generated",
                     labelBox);
        grid(false, style.KeepTextsApart);
        return;
    }
    placer.Print(static_cast<float>(left), static_cast<float>(top),
                 "Z, XS in mm; one lead pitch = " + MessageNumber(profile.LeadPitch) +
                     " mm; Nose-R " + MessageNumber(profile.NoseR),
                 labelBox);
    DrawLegend(placer, look, static_cast<float>(left), static_cast<float>(top),
               static_cast<float>(mmPerPixel), labelBox);
    surface.SetForeColor(style.Label);
    grid(false, style.KeepTextsApart);

    for (size_t i = 0; i < profile.Path.size(); i += kCircleEvery) {
        DrawCircle(surface, profile.Path[i], profile.NoseR, look.Circle);
    }
    DrawPolyline(surface, profile.Typed, look.Typed);
    DrawPolyline(surface, profile.Path, look.Path, look.PathDash);
    DrawPolyline(surface, profile.Cut, look.Cut);
    // The departures: the cut redrawn in their colour and a bar under the groove for each.
    const double bar = -low + height * 0.02;
    for (const ZRange& range : profile.Departures) {
        std::vector<ProfilePoint> stretch;
        for (const ProfilePoint& p : profile.Cut) {
            if (p.Z >= range.From && p.Z <= range.To) {
                stretch.push_back(p);
            }
        }
        DrawPolyline(surface, stretch, look.Departure);
        if (look.MarkPixels > 1) {
            surface.FillRect(static_cast<float>(range.From), static_cast<float>(bar),
                             static_cast<float>(range.To - range.From),
                             static_cast<float>(mmPerPixel * look.MarkPixels), look.Departure);
        } else {
            surface.DrawLine(static_cast<float>(range.From), static_cast<float>(bar),
                             static_cast<float>(range.To), static_cast<float>(bar), look.Departure);
        }
    }
}

std::string GrooveProfileSvg(const CamJob& job, int width, int height) {
    SvgSurface surface({.Width = width, .Height = height, .BackColor = kGraphBackground});
    DrawGrooveProfile(job, surface, surface.Width(), surface.Height(), kBatchStyle);
    return surface.Document();
}

} // namespace spirolan
