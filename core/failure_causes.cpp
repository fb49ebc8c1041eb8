// SPDX-License-Identifier: GPL-3.0-or-later
// The causes of failed shape generations: one table from failure site to message.
#include "core/failure_causes.h"

#include <array>
#include <charconv>
#include <cmath>
#include <utility>

namespace spirolan {
namespace {

// One cause. `shape` 0 serves every shape that has no row of its own for the site. In `text`,
// {name} stands for a value: {field} the field that could not be read, {length} the groove's
// length, {pitch} one lead pitch, {depth} the depth between the typed diameters, {leads} the
// lead count, and a field's caption for its stored value.
struct CauseRow {
    int shape;
    FailureSite site;
    std::string_view text;
};

// Shape 2 stores R 3 = R 2 and R 4 = R 1; Shape 3 shows R4 as "R 2" and derives R2 and R3.
constexpr std::array kCauses = std::to_array<CauseRow>({
    {0, FailureSite::FieldTooLarge, "{field} is too large a number: type a smaller one."},
    {1, FailureSite::StartXSTooLarge, "Start XS vale is too large for the cam text."},
    {0, FailureSite::NoLeadEntry, "No entry of Number of Lead is chosen: choose one."},
    {0, FailureSite::Overflow,
     "A value grows too large to compute: look for a very large or very small number among the "
     "fields."},
    {1, FailureSite::FlankAngle1Zero, "Angle 1 is 0: the flank never reaches the bottom."},
    {1, FailureSite::FlankAngle2Zero, "Angle 2 is 0: the flank never reaches the bottom."},
    {2, FailureSite::FlankAngle1Zero,
     "PITCH is 0: the flank angle derived from it is 0 and the flank never reaches the bottom."},
    {3, FailureSite::FlankAngle1Zero, "Angle 1 is 0: the flank never reaches the crest."},
    {3, FailureSite::FlankAngle2Zero,
     "The depth (Diameter 1 - Diameter 2) / 2 is {depth} mm, 0 or twice R 2 ({R 4}): the second "
     "side rises at no angle. Change R 2 or a diameter."},
    {2, FailureSite::RadiiSumZero, "R 1 + R 2 is 0: the flank angle cannot be derived."},
    {3, FailureSite::SideEqualsDepth,
     "R 2 ({R 4}) equals the depth (Diameter 1 - Diameter 2) / 2: the angle of the second side "
     "cannot be derived. Change R 2 or a diameter."},
    {3, FailureSite::SideTooShallow,
     "The depth (Diameter 1 - Diameter 2) / 2 is {depth} mm, negative or more than twice R 2 "
     "({R 4}): an arc of R 2 cannot rise that far."},
    {3, FailureSite::NoCrest,
     "Angle 1 ({Angle 1}) and the angle of the second side leave no crest: change Angle 1, R 2 or "
     "the diameters."},
    {1, FailureSite::PastTableEnd,
     "The groove is {length} mm long but one lead pitch is {pitch} mm: reduce WIDTH, the radii or "
     "the depth, or raise PITCH."},
    {2, FailureSite::PastTableEnd,
     "The groove is {length} mm long but one lead pitch is {pitch} mm: reduce the radii or the "
     "depth, or raise PITCH."},
    {3, FailureSite::PastTableEnd,
     "The groove is {length} mm long but one lead pitch is {pitch} mm: reduce WIDTH, R 1, R 2 or "
     "the depth, or raise PITCH."},
    {1, FailureSite::Corner1Root,
     "R 1 ({R 1}) with Nose-R ({Nose-R}) leaves no room for the first top corner: raise R 1."},
    {1, FailureSite::Corner2Root,
     "R 2 ({R 2}) leaves the tool nose (Nose-R {Nose-R}) no room in the bottom corner: make R 2 "
     "larger than Nose-R."},
    {1, FailureSite::Corner3Root,
     "R 3 ({R 3}) leaves the tool nose (Nose-R {Nose-R}) no room in the bottom corner: make R 3 "
     "larger than Nose-R."},
    {1, FailureSite::Corner4Root,
     "R 4 ({R 4}) with Nose-R ({Nose-R}) leaves no room for the second top corner: raise R 4."},
    {2, FailureSite::Corner1Root,
     "R 1 ({R 1}) with Nose-R ({Nose-R}) leaves no room for the top corners: raise R 1."},
    {2, FailureSite::Corner2Root,
     "R 2 ({R 2}) leaves the tool nose (Nose-R {Nose-R}) no room in the bottom: make R 2 larger "
     "than Nose-R."},
    {2, FailureSite::Corner3Root,
     "R 2 ({R 2}) leaves the tool nose (Nose-R {Nose-R}) no room in the bottom: make R 2 larger "
     "than Nose-R."},
    {2, FailureSite::Corner4Root,
     "R 1 ({R 1}) with Nose-R ({Nose-R}) leaves no room for the top corners: raise R 1."},
    {3, FailureSite::Corner1Root,
     "R 1 ({R 1}) leaves the tool nose (Nose-R {Nose-R}) no room in the first corner: make R 1 "
     "larger than Nose-R."},
    {3, FailureSite::Corner2Root,
     "The crest radius derived from WIDTH and the angles ({R 2}) is too small to walk: change "
     "WIDTH or Angle 1."},
    {3, FailureSite::Corner3Root,
     "The crest radius derived from WIDTH and the angles ({R 2}) is too small to walk: change "
     "WIDTH or Angle 1."},
    {3, FailureSite::Corner4Root,
     "R 2 ({R 4}) leaves the tool nose (Nose-R {Nose-R}) no room in the last corner: make R 2 "
     "larger than Nose-R."},
    {0, FailureSite::EmptyEntry,
     "Number of Lead ({leads}) cannot be laid around the turn: choose an entry of the list."},
});

std::string_view CauseTemplate(int shape, FailureSite site) {
    std::string_view common;
    for (const CauseRow& row : kCauses) {
        if (row.site == site && row.shape == shape) {
            return row.text;
        }
        if (row.site == site && row.shape == 0) {
            common = row.text;
        }
    }
    return common;
}

// The text of placeholder `name`, or nothing for a name the table does not use.
std::string Placeholder(std::string_view name, const FailurePlace& place, const CamJob& job) {
    const std::array<std::pair<std::string_view, OptionalNumber>, 8> fields{{
        {"Nose-R", job.NoseR},
        {"R 1", job.R1},
        {"R 2", job.R2},
        {"R 3", job.R3},
        {"R 4", job.R4},
        {"Angle 1", job.Angle1},
        {"pitch", job.LeadPitch},
        {"leads", job.LeadCount},
    }};
    for (const auto& [caption, value] : fields) {
        if (caption == name) {
            return MessageNumber(ValueOf(value));
        }
    }
    if (name == "field") {
        return place.Field;
    }
    if (name == "length") {
        return MessageNumber(place.GrooveLength);
    }
    if (name == "depth") {
        return MessageNumber((ValueOf(job.Shape3Diameter1) - ValueOf(job.Diameter2)) / 2);
    }
    return {};
}

} // namespace

std::string MessageNumber(double value) {
    if (!std::isfinite(value)) {
        return value > 0 ? "a huge number" : value < 0 ? "a huge negative number" : "no number";
    }
    // Fixed notation of the largest double: 309 digits, a sign, the point and three decimals.
    char buf[400];
    char* end = std::to_chars(buf, buf + sizeof buf, value, std::chars_format::fixed, 3).ptr;
    std::string text(buf, end);
    while (text.back() == '0') {
        text.pop_back();
    }
    if (text.back() == '.') {
        text.pop_back();
    }
    return text == "-0" ? "0" : text;
}

std::string FailureCause(int shape, const FailurePlace& place, const CamJob& job) {
    const std::string_view pattern = CauseTemplate(shape, place.Site);
    std::string cause;
    size_t at = 0;
    while (at < pattern.size()) {
        const size_t open = pattern.find('{', at);
        if (open == std::string_view::npos) {
            break;
        }
        const size_t close = pattern.find('}', open);
        cause += pattern.substr(at, open - at);
        cause += Placeholder(pattern.substr(open + 1, close - open - 1), place, job);
        at = close + 1;
    }
    cause += pattern.substr(std::min(at, pattern.size()));
    return cause;
}

} // namespace spirolan
