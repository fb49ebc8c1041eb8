// SPDX-License-Identifier: GPL-3.0-or-later
// The eight-segment profile walk, the lead replication and the final Mode-A values of the shapes.
#include "core/profile_walk.h"

#include "core/caf_text.h"
#include "core/conversions.h"
#include "core/number_text.h"
#include "core/shape_guard.h"

#include <cmath>

namespace spirolan {
namespace {

enum Segment {
    TopCorner1,
    Flank1,
    BottomCorner2,
    FlatBottom,
    BottomCorner3,
    Flank2,
    TopCorner4,
    FlatTop,
};

double Square(double value) {
    return std::pow(value, 2);
}

double FlatTopValue(const ProfileWalk& walk) {
    return walk.level == ProfileLevel::Top ? 0.0 : walk.rootOffset;
}

// Places a segment formula's value on the walk's level and sign.
double Place(const ProfileWalk& walk, double formula, ShapeGuard& guard) {
    if (walk.level == ProfileLevel::Top) {
        return guard.Finite(walk.cutPosition * formula);
    }
    return guard.Finite(formula * walk.cutPosition + walk.rootOffset);
}

// A bottom (or crest) corner of walking radius `radius`; `root` is its square-root term.
double BottomCorner(const ProfileWalk& walk, double radius, double root) {
    const double depth = walk.geometry.depth;
    if (walk.level == ProfileLevel::Top) {
        return (radius - root) - depth;
    }
    return (-depth - root) + radius;
}

double SegmentValue(Segment segment, double z, const ProfileWalk& walk, const SegmentEnds& e,
                    ShapeGuard& guard) {
    const WalkGeometry& g = walk.geometry;
    switch (segment) {
    case TopCorner1:
        return Place(walk, guard.Sqrt(Square(g.C1) - Square(z), FailureSite::Corner1Root) - g.C1,
                     guard);
    case Flank1:
        return Place(walk, -std::tan(g.a1) * (z - g.C1 * std::tan(g.a1 / 2)), guard);
    case BottomCorner2:
        return Place(
            walk,
            BottomCorner(walk, g.C2,
                         guard.Sqrt(Square(g.C2) - Square(e.W1 - z), FailureSite::Corner2Root)),
            guard);
    case FlatBottom:
        return Place(walk, -g.depth, guard);
    case BottomCorner3:
        return Place(
            walk,
            BottomCorner(walk, g.C3,
                         guard.Sqrt(Square(g.C3) - Square(z - e.Z3), FailureSite::Corner3Root)),
            guard);
    case Flank2:
        return Place(walk, -std::tan(g.a2) * ((e.Z6 - z) - g.C4 * std::tan(g.a2 / 2)), guard);
    case TopCorner4:
        return Place(walk,
                     guard.Sqrt(Square(g.C4) - Square(e.Z6 - z), FailureSite::Corner4Root) - g.C4,
                     guard);
    case FlatTop:
        break;
    }
    return FlatTopValue(walk);
}

// A table value as it reads back from its 15-digit text (which never shows a negative zero).
std::optional<double> ThroughText(const OptionalNumber& entry) {
    if (!entry) {
        return std::nullopt;
    }
    const double value = RoundTo15Digits(*entry);
    return value == 0 ? 0.0 : value;
}

// A flank angle whose tangent is 0 is a division by zero.
SegmentEnds ComputeSegmentEnds(const WalkGeometry& g, ShapeGuard& guard) {
    const double halfTan1 = std::tan(g.a1 / 2);
    const double halfTan2 = std::tan(g.a2 / 2);
    SegmentEnds e;
    e.Z1 = guard.Finite(std::sin(g.a1) * g.C1);
    e.W1 = guard.Finite(
        (halfTan1 * g.C2 + guard.Divide(g.depth, std::tan(g.a1), FailureSite::FlankAngle1Zero)) +
        halfTan1 * g.C1);
    e.Z2 = guard.Finite(e.W1 - std::sin(g.a1) * g.C2);
    e.Z3 = guard.Finite(e.W1 + g.width);
    e.Z4 = guard.Finite(e.Z3 + std::sin(g.a2) * g.C3);
    e.Z6 = guard.Finite(((e.Z3 + halfTan2 * g.C3) +
                         guard.Divide(g.depth, std::tan(g.a2), FailureSite::FlankAngle2Zero)) +
                        halfTan2 * g.C4);
    e.Z5 = guard.Finite(e.Z6 - std::sin(g.a2) * g.C4);
    return e;
}

using WorkList = std::array<std::optional<double>, 360>;

// Thins the single-lead table to every leads-th entry and lays it `leads` times around the turn;
// other lead counts copy nothing.
void ReplicateLeads(const CamTable& table, double leadCount, WorkList& list) {
    if (leadCount != 1 && leadCount != 2 && leadCount != 3) {
        return;
    }
    const int leads = static_cast<int>(leadCount);
    const int span = 360 / leads;
    for (int pass = 0; pass < leads; ++pass) {
        for (int i = 0; i < 360; i += leads) {
            list[static_cast<size_t>(pass * span + i / leads)] = ThroughText(table[i]);
        }
    }
}

} // namespace

ShapeResult WalkToModeA(const ProfileWalk& walk, double leadCount, std::optional<float> startXS,
                        CamTable& table) {
    std::array<int, kSegmentCount> starts{-1, -1, -1, -1, -1, -1, -1, -1};
    ShapeGuard guard;
    const SegmentEnds e = ComputeSegmentEnds(walk.geometry, guard);
    if (guard.Failed()) {
        return ShapeFailure(guard.Site(), starts);
    }
    const std::array<double, kSegmentCount> segmentEnds{e.Z1, e.Z2, e.W1, e.Z3,
                                                        e.Z4, e.Z5, e.Z6, walk.leadPitch};
    const double flatTop = FlatTopValue(walk);
    table[360] = flatTop;

    double z = 0;
    int k = 0;
    for (int s = 0; s < kSegmentCount; ++s) {
        starts[static_cast<size_t>(s)] = k;
        // Every pass writes one entry and k only grows, so the index test ends every walk.
        do {
            if (k > 360) {
                ShapeResult failure = ShapeFailure(FailureSite::PastTableEnd, starts);
                failure.Place.GrooveLength = e.Z6;
                return failure;
            }
            const double value = SegmentValue(static_cast<Segment>(s), z, walk, e, guard);
            if (guard.Failed()) {
                return ShapeFailure(guard.Site(), starts);
            }
            table[static_cast<size_t>(k)] = value;
            ++k;
            z = guard.Finite(z + walk.zPerDegree);
            if (guard.Failed()) {
                return ShapeFailure(guard.Site(), starts);
            }
        } while (z < segmentEnds[static_cast<size_t>(s)]);
    }
    const int walkEnd = k;
    // The walk can end before 359 (a longer step, or no step): what it would have written had it
    // gone on is the flat top, never what an earlier job left there.
    for (; k < 360; ++k) {
        table[static_cast<size_t>(k)] = flatTop;
    }

    std::optional<std::string> text = FinishModeA(table, leadCount, startXS);
    // A lead count the replication does not know leaves every entry empty; otherwise only a
    // value too large for the text fails.
    const bool knownLeads = leadCount == 1 || leadCount == 2 || leadCount == 3;
    ShapeResult result =
        text ? ShapeResult{}
             : ShapeFailure(knownLeads ? FailureSite::Overflow : FailureSite::EmptyEntry, starts);
    if (text) {
        result.ModeAText = std::move(*text);
    }
    result.SegmentStarts = starts;
    result.WalkEnd = walkEnd;
    return result;
}

ShapeResult WalkTopGroove(CamJob& job, double leadPitch, double zPerDegree,
                          std::optional<float> startXS) {
    ShapeGuard guard;
    const ProfileWalk walk =
        TopGrooveWalk(job, ValueOf(job.NoseR), leadPitch, zPerDegree, guard, &job.ZPerDegree);
    if (guard.Failed()) {
        return ShapeFailure(guard.Site());
    }
    return WalkToModeA(walk, ValueOf(job.LeadCount), startXS, job.XSTable);
}

ProfileWalk TopGrooveWalk(const CamJob& job, double noseR, double leadPitch, double zPerDegree,
                          ShapeGuard& guard, OptionalNumber* stepField) {
    const double pi = job.PI;
    ProfileWalk walk;
    WalkGeometry& g = walk.geometry;
    g.a1 = guard.Finite(ValueOf(job.Angle1) * pi / 180);
    g.a2 = guard.Finite(ValueOf(job.Angle2) * pi / 180);
    g.C1 = guard.Finite(ValueOf(job.R1) + noseR);
    g.C2 = guard.Finite(ValueOf(job.R2) - noseR);
    g.C3 = guard.Finite(ValueOf(job.R3) - noseR);
    g.C4 = guard.Finite(ValueOf(job.R4) + noseR);
    if (stepField != nullptr) {
        guard.Store(*stepField, zPerDegree);
    }
    g.depth = guard.Finite((ValueOf(job.Diameter1) - ValueOf(job.Diameter2)) / 2);
    g.width = ValueOf(job.Width);
    walk.leadPitch = leadPitch;
    walk.zPerDegree = zPerDegree;
    walk.cutPosition = job.CutPosition;
    walk.level = ProfileLevel::Top;
    return walk;
}

ProfileWalk RootGrooveWalk(const CamJob& job, double noseR, double zPerDegree, ShapeGuard& guard,
                           OptionalNumber* stepField) {
    const double pi = job.PI;
    const double cp = job.CutPosition;
    ProfileWalk walk;
    WalkGeometry& g = walk.geometry;
    g.a1 = guard.Finite(ValueOf(job.Angle1) * pi / 180);
    g.a2 = guard.Finite(ValueOf(job.Angle2) * pi / 180);
    g.C1 = guard.Finite(ValueOf(job.R1) - noseR);
    g.C2 = guard.Finite(ValueOf(job.R2) + noseR);
    g.C3 = guard.Finite(ValueOf(job.R3) + noseR);
    g.C4 = guard.Finite(ValueOf(job.R4) - noseR);
    if (stepField != nullptr) {
        guard.Store(*stepField, zPerDegree);
    }
    g.depth = guard.Finite((ValueOf(job.Diameter1) - ValueOf(job.Diameter2)) / 2);
    g.width = ValueOf(job.Width);
    walk.leadPitch = ValueOf(job.LeadPitch);
    walk.zPerDegree = zPerDegree;
    walk.cutPosition = cp;
    walk.level = ProfileLevel::Root;
    walk.rootOffset = guard.Finite(
        guard.Finite((ValueOf(job.Shape3Diameter1) - ValueOf(job.Diameter2)) / 2) * cp);
    return walk;
}

std::optional<ProfileWalk> JobWalk(const CamJob& job, double noseR) {
    ShapeGuard guard;
    ProfileWalk walk;
    if (job.LastShape == 1 || job.LastShape == 2) {
        walk = TopGrooveWalk(job, noseR, ValueOf(job.LeadPitch), ValueOf(job.ZPerDegree), guard,
                             nullptr);
    } else if (job.LastShape == 3) {
        walk = RootGrooveWalk(job, noseR, ValueOf(job.ZPerDegree), guard, nullptr);
    } else {
        return std::nullopt;
    }
    if (guard.Failed()) {
        return std::nullopt;
    }
    return walk;
}

SegmentEnds WalkSegmentEnds(const WalkGeometry& geometry) {
    ShapeGuard guard;
    return ComputeSegmentEnds(geometry, guard);
}

std::optional<double> ProfileValueAt(const ProfileWalk& walk, const SegmentEnds& ends, double z) {
    const std::array<double, kSegmentCount> segmentEnds{ends.Z1, ends.Z2, ends.W1, ends.Z3,
                                                        ends.Z4, ends.Z5, ends.Z6, walk.leadPitch};
    int segment = kSegmentCount - 1;
    for (int s = 0; s < kSegmentCount; ++s) {
        if (z < segmentEnds[static_cast<size_t>(s)]) {
            segment = s;
            break;
        }
    }
    ShapeGuard guard;
    const double value = SegmentValue(static_cast<Segment>(segment), z, walk, ends, guard);
    if (guard.Failed()) {
        return std::nullopt;
    }
    return value;
}

std::optional<std::string> FinishModeA(CamTable& table, double leadCount,
                                       std::optional<float> startXS) {
    WorkList list{};
    ReplicateLeads(table, leadCount, list);
    std::array<double, 360> values{};
    for (size_t i = 0; i < 360; ++i) {
        if (!list[i]) {
            return std::nullopt;
        }
        const double xs = startXS ? *list[i] + static_cast<double>(*startXS) : *list[i];
        if (!std::isfinite(xs)) {
            return std::nullopt;
        }
        table[i] = xs;
        values[i] = Fix(xs * 10000);
        if (!std::isfinite(values[i])) {
            return std::nullopt;
        }
    }
    if (startXS) {
        table[360] = static_cast<double>(*startXS);
    }
    return caf::BuildModeAText(values);
}

} // namespace spirolan
