// SPDX-License-Identifier: GPL-3.0-or-later
// What the three shape dialogs and generators share: the result, the lead lists, field storing.
#pragma once

#include "core/cam_job.h"
#include "core/failure_causes.h"

#include <array>
#include <span>
#include <string>
#include <string_view>

namespace spirolan {

/// The one message of a failed generation (with its trailing blank); the message box title.
inline constexpr std::string_view kDataError = "Data error ";
inline constexpr std::string_view kDataErrorTitle = "Error";

/// Captions of the dialog controls that are not text fields of the input records.
inline constexpr std::string_view kLeadCaption = "Number of Lead";
inline constexpr std::string_view kCutPositionCaption = "Cutting Position";
inline constexpr std::string_view kExternalCaption = "External";
inline constexpr std::string_view kInternalCaption = "Internal";

/// A text field of a shape dialog: its label caption and its text in the dialog's input record.
template <typename Input> struct DialogTextField {
    std::string_view Caption;
    std::string Input::*Text;
};

/// Number of segments of the profile walk.
inline constexpr int kSegmentCount = 8;

/// Outcome of a shape generation.
struct ShapeResult {
    /// The Mode-A CAF text on success; empty on failure.
    std::string ModeAText;
    /// Empty on success, kDataError on failure.
    std::string Error;
    /// Where a failure happened, and its cause line for the user (empty on success).
    FailurePlace Place;
    std::string Cause;
    /// Table index at which each segment of the profile walk began; -1 for a segment the walk
    /// did not reach (a failure before or during the walk).
    std::array<int, kSegmentCount> SegmentStarts{-1, -1, -1, -1, -1, -1, -1, -1};
    /// The first table index the walk did not write (361 or 360 for a full walk); -1 when the
    /// walk did not end.
    int WalkEnd = -1;

    bool Ok() const { return Error.empty(); }
};

/// A failed generation at `site`, keeping the segment starts reached so far.
ShapeResult ShapeFailure(FailureSite site, const std::array<int, kSegmentCount>& segmentStarts = {
                                               -1, -1, -1, -1, -1, -1, -1, -1});

/// Whether a typed text reads as a number (it does not overflow).
bool Readable(std::string_view text);

/// A field of `input` could not be read: the failure names the first of `fields` whose text
/// overflows.
template <typename Input, size_t N>
ShapeResult FieldFailure(const Input& input, const std::array<DialogTextField<Input>, N>& fields) {
    ShapeResult result = ShapeFailure(FailureSite::FieldTooLarge);
    for (const DialogTextField<Input>& field : fields) {
        if (!Readable(input.*field.Text)) {
            result.Place.Field = field.Caption;
            break;
        }
    }
    return result;
}

/// The lead list entry that a dialog selects for `leadCount` when its entries read N, N-1, .., 1:
/// entryCount - leadCount, or -1 (no entry selected) when that is not an entry of the list (a job
/// left with three leads opens the two-entry lists with no selection).
int LeadListIndex(const OptionalNumber& leadCount, int entryCount);

/// Notes `shape` (1, 2 or 3) as the job's last shape when `result` succeeded, else gives the
/// failure its cause line; returns `result`.
ShapeResult Generated(CamJob& job, int shape, ShapeResult result);

/// Reads a typed text leniently into `field`. False, storing nothing, when the number overflows
/// (for example "1E400").
bool StoreTyped(OptionalNumber& field, std::string_view text);
bool StoreTyped(double& field, std::string_view text);

/// Reads a typed text and rounds it to single precision into `field`. False, storing nothing,
/// when the number overflows a double or a single.
bool StoreTypedSingle(float& field, std::string_view text);

/// Stores the number shown by entry `index` of a lead list into `field`. False, storing nothing,
/// when no entry is selected (`index` -1) or `index` is not an entry.
bool StoreLeadEntry(OptionalNumber& field, std::span<const std::string_view> entries, int index);

} // namespace spirolan
