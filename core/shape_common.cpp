// SPDX-License-Identifier: GPL-3.0-or-later
// What the three shape dialogs and generators share: the result, the lead lists, field storing.
#include "core/shape_common.h"

#include "core/conversions.h"
#include "core/lenient_number.h"

namespace spirolan {
namespace {

template <typename Field> bool StoreRead(Field& field, std::string_view text) {
    const std::optional<double> value = ReadLenient(text);
    if (!value) {
        return false;
    }
    field = *value;
    return true;
}

} // namespace

ShapeResult ShapeFailure(FailureSite site, const std::array<int, kSegmentCount>& segmentStarts) {
    ShapeResult result;
    result.Error = kDataError;
    result.Place.Site = site;
    result.SegmentStarts = segmentStarts;
    return result;
}

ShapeResult Generated(CamJob& job, int shape, ShapeResult result) {
    if (result.Ok()) {
        job.LastShape = shape;
    } else {
        result.Cause = FailureCause(shape, result.Place, job);
    }
    return result;
}

bool Readable(std::string_view text) {
    return ReadLenient(text).has_value();
}

int LeadListIndex(const OptionalNumber& leadCount, int entryCount) {
    const double index = entryCount - ValueOf(leadCount);
    if (index >= 0 && index < entryCount && index == Fix(index)) {
        return static_cast<int>(index);
    }
    return -1;
}

bool StoreTyped(OptionalNumber& field, std::string_view text) {
    return StoreRead(field, text);
}

bool StoreTyped(double& field, std::string_view text) {
    return StoreRead(field, text);
}

bool StoreTypedSingle(float& field, std::string_view text) {
    const std::optional<double> value = ReadLenient(text);
    const std::optional<float> single = value ? ToSingle(*value) : std::nullopt;
    if (!single) {
        return false;
    }
    field = *single;
    return true;
}

bool StoreLeadEntry(OptionalNumber& field, std::span<const std::string_view> entries, int index) {
    if (index < 0 || static_cast<size_t>(index) >= entries.size()) {
        return false;
    }
    return StoreTyped(field, entries[static_cast<size_t>(index)]);
}

} // namespace spirolan
