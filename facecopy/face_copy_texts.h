// SPDX-License-Identifier: GPL-3.0-or-later
// The Face Copy dialog's texts in one table: captions, choices and messages, shared by the window
// and spirolan-cli.
#pragma once

#include <array>
#include <cstddef>
#include <span>
#include <string_view>

namespace spirolan {

/// The dialog's caption.
inline constexpr std::string_view kFaceCopyTitle = "Face Copy";

/// Group and label captions.
inline constexpr std::string_view kMaxFaceCaption = "Max. number of face";
inline constexpr std::string_view kMaxFaceNote = "Spec. of Orvl";
inline constexpr std::string_view kThreadDirCaption = "Thread direction";
inline constexpr std::string_view kRepeatCaption = "Repeat function";
inline constexpr std::string_view kChamferCaption = "Chamfer";
inline constexpr std::string_view kChamferLengthCaption = "Length";
inline constexpr std::string_view kEnterCaption = "Enter"; // Check1
inline constexpr std::string_view kExitCaption = "Exit";   // Check2
inline constexpr std::string_view kPitchCaption = "Thread Pitch";
inline constexpr std::string_view kCutLengthCaption = "Cutting length";
inline constexpr std::string_view kCopyConditionCaption = "Copy Condition";
inline constexpr std::string_view kZAxisPitchCaption = "Z-axis pitch";
inline constexpr std::string_view kShiftAngleCaption = "Shift angle";
inline constexpr std::string_view kCopyNumberCaption = "Copy number";
inline constexpr std::string_view kFaceCopyOkCaption = "O  K";
inline constexpr std::string_view kFaceCopyCancelCaption = "Cancel";

/// The choices of each group of exclusive choices, by index.
inline constexpr std::array<std::string_view, 4> kMaxFaceTexts = {"192", "384", "768", "2828"};
inline constexpr std::array<std::string_view, 2> kThreadDirTexts = {"Left hand", "Right hand"};
inline constexpr std::array<std::string_view, 2> kRepeatTexts = {"ON", "OFF"};

/// Indexes of the exclusive choices.
inline constexpr int kLeftHand = 0;  // swThreadDir
inline constexpr int kRightHand = 1; // swThreadDir
inline constexpr int kRepeatOn = 0;  // swRepeat
inline constexpr int kRepeatOff = 1; // swRepeat

/// The numbers of the "Max. number of face" choices, by `MaxFace` index, read from their texts.
inline constexpr std::array<int, kMaxFaceTexts.size()> kMaxFaceChoices = [] {
    std::array<int, kMaxFaceTexts.size()> numbers{};
    for (std::size_t i = 0; i < numbers.size(); ++i) {
        for (const char digit : kMaxFaceTexts[i]) {
            numbers[i] = numbers[i] * 10 + (digit - '0');
        }
    }
    return numbers;
}();

/// The fields a user sets, in the order in which they are applied: a group of exclusive
/// choices (its choice texts), a text box, or a check box with its length box.
enum class FaceCopyInputKind { Choice, Text, CheckedText };
struct FaceCopyInput {
    std::string_view Caption;
    FaceCopyInputKind Kind;
    std::span<const std::string_view> Choices{}; // Choice only
};
inline constexpr std::array<FaceCopyInput, 6> kFaceCopyInputs{{
    {kMaxFaceCaption, FaceCopyInputKind::Choice, kMaxFaceTexts},
    {kRepeatCaption, FaceCopyInputKind::Choice, kRepeatTexts},
    {kThreadDirCaption, FaceCopyInputKind::Choice, kThreadDirTexts},
    {kCutLengthCaption, FaceCopyInputKind::Text},
    {kEnterCaption, FaceCopyInputKind::CheckedText},
    {kExitCaption, FaceCopyInputKind::CheckedText},
}};

/// Messages and their title.
inline constexpr std::string_view kFaceCopyErrorTitle = "Face copy error";
inline constexpr std::string_view kNoModeAData = "Please input Mode A data.";
inline constexpr std::string_view kTooLongCuttingLength = "Too long cutting length !!";
inline constexpr std::string_view kTooLongChamferLength = "Too long chamfer length !!";

} // namespace spirolan
