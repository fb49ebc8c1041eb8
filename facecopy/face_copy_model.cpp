// SPDX-License-Identifier: GPL-3.0-or-later
// The Face Copy dialog's behaviour, without a toolkit: its fields, handlers and messages.
#include "facecopy/face_copy_model.h"

#include "core/lenient_number.h"
#include "core/number_text.h"
#include "facecopy/copy_condition.h"

#include <cmath>
#include <utility>

namespace spirolan {

FaceCopyModel::FaceCopyModel(CamJob& job, MessageHandler onMessage)
    : job_(job), onMessage_(std::move(onMessage)) {}

bool FaceCopyModel::Open() {
    if (!(ValueOf(job_.LeadPitch) > 0)) {
        Report(kNoModeAData);
        return false;
    }
    const double maxFaces = job_.MaxFaceNumber;
    for (int i = 0; i < static_cast<int>(kMaxFaceChoices.size()); ++i) {
        if (kMaxFaceChoices[i] != maxFaces) {
            continue;
        }
        // With the repeat function on, "ON" derives from one pitch right below; deriving here
        // from a length kept from another pitch could only refuse a length that is not used.
        if (job_.Repeat) {
            view_.MaxFace = i;
        } else {
            MaxFace_Click(i);
        }
    }
    swRepeat_Click(job_.Repeat ? kRepeatOn : kRepeatOff);
    swThreadDir_Click(job_.ThreadDir == 1 ? kRightHand : kLeftHand);
    view_.LabelPitch = SignedColumnText(ValueOf(job_.Pitch));
    // With the repeat function on, choosing "ON" above has stored one pitch as the cutting
    // length and shows it in the locked box: a length kept from a job of another pitch would
    // copy more or less than the one pitch that the function copies.
    if (!job_.Repeat) {
        SetCutLengthText(PlainText(job_.CutLength));
    }
    return true;
}

void FaceCopyModel::MaxFace_Click(int index) {
    if (index < 0 || index >= static_cast<int>(kMaxFaceChoices.size())) {
        return;
    }
    view_.MaxFace = index;
    CalcCopyCondition();
}

void FaceCopyModel::swThreadDir_Click(int index) {
    if (index != kLeftHand && index != kRightHand) {
        return;
    }
    view_.swThreadDir = index;
    CalcCopyCondition();
}

void FaceCopyModel::swRepeat_Click(int index) {
    if (index != kRepeatOn && index != kRepeatOff) {
        return;
    }
    view_.swRepeat = index;
    const bool on = index == kRepeatOn;
    job_.Repeat = on;
    view_.CutLengthReadOnly = on;
    view_.CutLengthGreyed = on;
    // One pitch makes the faces cover exactly one turn.
    SetCutLengthText(on ? SignedColumnText(ValueOf(job_.Pitch)) : std::string());
    view_.ChamferEnabled = !on;
    if (on) {
        view_.Text1Greyed = true;
        view_.Text2Greyed = true;
    } else {
        ApplyCheck1();
        ApplyCheck2();
    }
}

FaceCopyFocus FaceCopyModel::swRepeat_MouseUp() const {
    return view_.swRepeat == kRepeatOff ? FaceCopyFocus::txtCutLength : FaceCopyFocus::Command1;
}

void FaceCopyModel::TypeCutLength(const std::string& text) {
    if (!view_.CutLengthReadOnly) {
        SetCutLengthText(text);
    }
}

void FaceCopyModel::txtCutLength_Change() {
    if (!(ReadLenientOrInfinity(view_.txtCutLength) > 0)) {
        view_.OkEnabled = false;
        return;
    }
    view_.OkEnabled = CalcCopyCondition();
}

std::optional<FaceCopyFocus> FaceCopyModel::txtCutLength_KeyPress(int keyAscii) const {
    if (keyAscii == 13) {
        return FaceCopyFocus::Command1;
    }
    return std::nullopt;
}

void FaceCopyModel::Check1_Click(bool ticked) {
    if (view_.ChamferEnabled) {
        view_.Check1 = ticked;
        ApplyCheck1();
    }
}

void FaceCopyModel::Check2_Click(bool ticked) {
    if (view_.ChamferEnabled) {
        view_.Check2 = ticked;
        ApplyCheck2();
    }
}

void FaceCopyModel::TypeText1(const std::string& text) {
    if (view_.ChamferEnabled && view_.Text1Enabled) {
        view_.Text1 = text;
    }
}

void FaceCopyModel::TypeText2(const std::string& text) {
    if (view_.ChamferEnabled && view_.Text2Enabled) {
        view_.Text2 = text;
    }
}

bool FaceCopyModel::CalcCopyCondition() {
    if (view_.MaxFace) {
        job_.MaxFaceNumber = kMaxFaceChoices[*view_.MaxFace];
    }
    double cutLength = ValueOf(job_.CutLength);
    if (!view_.txtCutLength.empty()) {
        cutLength = ReadLenientOrInfinity(view_.txtCutLength);
        if (!(cutLength >= 0)) {
            return false; // a negative length is neither kept nor derived from
        }
        if (std::isfinite(cutLength)) {
            job_.CutLength = cutLength;
        }
    }
    const CopyCondition condition = DeriveCopyCondition(
        cutLength, ValueOf(job_.Pitch), job_.MaxFaceNumber, view_.swThreadDir == kLeftHand);
    switch (condition.outcome) {
    case CopyOutcome::TooLong:
        Report(kTooLongCuttingLength);
        SetCutLengthText(std::string());
        return false;
    case CopyOutcome::Unusable:
        return false;
    case CopyOutcome::Accepted:
    case CopyOutcome::DerivedForZero:
        break;
    }
    shiftAngle_ = condition.ShiftAngle;
    view_.AnglePitch = SignedColumnText(shiftAngle_);
    job_.CopyNumber = condition.CopyNumber;
    view_.txtCopyNumber = PlainText(static_cast<double>(condition.CopyNumber));
    if (condition.ZAxisPitch) {
        job_.ZAxisPitch = *condition.ZAxisPitch;
        view_.txtZaxisPitch = PlainText(ZAxisPitchShown(*condition.ZAxisPitch));
    }
    return condition.outcome == CopyOutcome::Accepted;
}

void FaceCopyModel::Command2_Click() {
    job_.CutLength = job_.SavedCutLength;
}

std::optional<ModeBResult> FaceCopyModel::Command1_Click(const ModeBProgress& progress) {
    if (!view_.OkEnabled) {
        return std::nullopt;
    }
    ModeBChoices choices;
    choices.ShiftAngle = shiftAngle_;
    choices.RightHand = view_.swThreadDir == kRightHand;
    choices.RepeatOn = view_.swRepeat == kRepeatOn;
    choices.Enter = view_.Check1;
    choices.EnterLength = view_.Text1;
    choices.Exit = view_.Check2;
    choices.ExitLength = view_.Text2;
    ModeBResult result = MakeModeBText(job_, choices, progress);
    if (result.refusal && onMessage_) {
        onMessage_(*result.refusal);
    }
    return result;
}

void FaceCopyModel::Report(std::string_view text) {
    if (onMessage_) {
        onMessage_(FaceCopyRefusal(text));
    }
}

void FaceCopyModel::SetCutLengthText(const std::string& text) {
    if (text != view_.txtCutLength) {
        view_.txtCutLength = text;
        txtCutLength_Change();
    }
}

void FaceCopyModel::ApplyCheck1() {
    view_.Text1Enabled = view_.Check1;
    view_.Text1Greyed = !view_.Check1;
}

void FaceCopyModel::ApplyCheck2() {
    view_.Text2Enabled = view_.Check2;
    view_.Text2Greyed = !view_.Check2;
}

} // namespace spirolan
