// SPDX-License-Identifier: GPL-3.0-or-later
// Job steps from what a dialog showed at OK, and the Face Copy captions that steps name.
#pragma once

#include "core/shape_common.h"
#include "facecopy/face_copy_model.h"
#include "facecopy/face_copy_texts.h"
#include "io/job_file.h"

#include <array>
#include <cstddef>
#include <span>
#include <string_view>

namespace spirolan {

/// The step of a shape dialog `dialog` that showed `input` at OK: every text field in the
/// dialog's order as typed, then the lead entry (left out when none is chosen) and the cutting
/// position. Shape 1's WD is left out: OK does not read it, WIDTH already holds its result.
template <typename Input, std::size_t N>
JobStep ShapeStepOf(std::string_view dialog, const Input& input,
                    const std::array<DialogTextField<Input>, N>& textFields,
                    std::span<const std::string_view> leadEntries) {
    JobStep step{std::string(dialog), {}};
    for (const auto& field : textFields) {
        step.Fields.push_back({std::string(field.Caption), input.*(field.Text)});
    }
    if (input.LeadIndex >= 0 && static_cast<std::size_t>(input.LeadIndex) < leadEntries.size()) {
        step.Fields.push_back(
            {std::string(kLeadCaption), std::string(leadEntries[input.LeadIndex])});
    }
    step.Fields.push_back({std::string(kCutPositionCaption),
                           std::string(input.External ? kExternalCaption : kInternalCaption)});
    return step;
}

/// `step` with its fields in the order its dialog shows them (for Shape 1, WD before "Spindle
/// speed for G"; the lead entry and the cutting position last); captions the dialog does not
/// have keep their order after them. Job files read back in key order; this puts a document's
/// steps back as the window writes them.
JobStep InDialogOrder(JobStep step);

/// The Face Copy step of a dialog that showed `view` at OK: each choice that is made, the
/// cutting length as shown, and each chamfer length whose box is ticked (null when unticked).
JobStep FaceCopyStepOf(const FaceCopyView& view);

} // namespace spirolan
