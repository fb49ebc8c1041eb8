// SPDX-License-Identifier: GPL-3.0-or-later
// Mode-B text: the one-turn table copied into many faces along Z, with entry and exit chamfers.
#pragma once

#include "core/cam_job.h"
#include "facecopy/face_copy_message.h"

#include <functional>
#include <optional>
#include <string>

namespace spirolan {

/// The Face Copy dialog's choices that the Mode-B text depends on.
struct ModeBChoices {
    int ShiftAngle = 0;      // degrees from face to face, negative for a left-hand thread
    bool RightHand = false;  // "Right hand" chosen
    bool RepeatOn = false;   // "ON" chosen: one pitch copied, chamfers ignored
    bool Enter = false;      // "Enter" ticked
    std::string EnterLength; // its length box, read leniently (mm)
    bool Exit = false;       // "Exit" ticked
    std::string ExitLength;  // its length box, read leniently (mm)
};

/// Progress of a build, for the dialog's progress bar: called once with position 0 and the
/// maximum (the copy number), then with the face number after each face, except after the
/// constant first face of an entry chamfer and the closing face of an exit chamfer.
using ModeBProgress = std::function<void(int position, int maximum)>;

/// What a build produced: the text, or the refusal to show when nothing was built.
struct ModeBResult {
    std::string text;                       // the Mode-B CAF text, empty when refused
    int facesWritten = 0;                   // faces in `text`; always the count line's number
    std::optional<FaceCopyMessage> refusal; // set when nothing was built and nothing changed
};

/// Builds the Mode-B text of `job`'s `XSTable` (degrees 0..359) with `CopyNumber` faces spaced
/// `ZAxisPitch` mm apart, each rotated by `choices.ShiftAngle` degrees against the one before,
/// and on success sets `job.ThreadDir` (1 right hand, -1 left hand) and `job.SavedCutLength`.
///
/// A chamfer is written when its box is ticked, "ON" is not chosen and its length covers at least
/// one Z-axis pitch (an empty, shorter or negative length writes no chamfer faces), so the count
/// line always matches the faces written.
/// Refusals, which leave `job` unchanged: entry plus exit chamfer faces more than the copy number
/// ("Too long chamfer length !!"); a copy number below 1, a Z-axis pitch not above 0 or with
/// face positions beyond a double, a lead count other than 1, 2 or 3, or a table value beyond
/// single precision ("Data error ").
ModeBResult MakeModeBText(CamJob& job, const ModeBChoices& choices,
                          const ModeBProgress& progress = {});

} // namespace spirolan
