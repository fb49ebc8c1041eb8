// Face Copy steps: the dialog driven through its model, then OK.
#include "facecopy/face_copy_model.h"
#include "io/job_replay.h"
#include "io/job_steps.h"

#include <array>
#include <string_view>

namespace spirolan {
namespace {

const JobField* FindField(const JobStep& step, std::string_view caption) {
    for (const JobField& field : step.Fields) {
        if (field.Caption == caption) {
            return &field;
        }
    }
    return nullptr;
}

std::string Quoted(std::string_view text) {
    return "\"" + std::string(text) + "\"";
}

// Index of `value` among `choices`, or -1.
template <size_t N>
int ChoiceIndex(const std::array<std::string_view, N>& choices, const std::string& value) {
    for (size_t i = 0; i < N; ++i) {
        if (choices[i] == value) {
            return static_cast<int>(i);
        }
    }
    return -1;
}

} // namespace

StepOutcome RunFaceCopyStep(JobSession& session, const JobStep& step, const std::string& where) {
    for (const JobField& field : step.Fields) {
        if (ChoiceIndex(kFaceCopyCaptions, field.Caption) < 0) {
            return BadStep(where, "the dialog has no field " + Quoted(field.Caption));
        }
        const bool checkBox = field.Caption == kEnterCaption || field.Caption == kExitCaption;
        if (!field.Value && !checkBox) {
            return BadStep(where, "field " + Quoted(field.Caption) + " must be a string");
        }
    }
    const JobField* maxFace = FindField(step, kMaxFaceCaption);
    const JobField* repeat = FindField(step, kRepeatCaption);
    const JobField* threadDir = FindField(step, kThreadDirCaption);
    const int maxFaceIndex = maxFace ? ChoiceIndex(kMaxFaceTexts, *maxFace->Value) : -1;
    if (maxFace && maxFaceIndex < 0) {
        return BadStep(where, "field " + Quoted(kMaxFaceCaption) +
                                  " must be \"192\", \"384\", \"768\" or \"2828\"");
    }
    if (repeat && *repeat->Value != "ON" && *repeat->Value != "OFF") {
        return BadStep(where, "field " + Quoted(kRepeatCaption) + " must be \"ON\" or \"OFF\"");
    }
    if (threadDir && *threadDir->Value != "Left hand" && *threadDir->Value != "Right hand") {
        return BadStep(where, "field " + Quoted(kThreadDirCaption) +
                                  " must be \"Left hand\" or \"Right hand\"");
    }

    std::optional<FaceCopyMessage> message;
    FaceCopyModel dialog(session.Job, [&message](const FaceCopyMessage& shown) {
        if (!message) {
            message = shown;
        }
    });
    auto refused = [&message]() {
        return StepOutcome{StepStatus::Refused, {}, message->text, message->title};
    };
    if (!dialog.Open() || message) {
        return refused();
    }
    if (maxFace) {
        dialog.MaxFace_Click(maxFaceIndex);
    }
    if (!message && repeat) {
        dialog.swRepeat_Click(*repeat->Value == "ON" ? kRepeatOn : kRepeatOff);
    }
    if (!message && threadDir) {
        dialog.swThreadDir_Click(*threadDir->Value == "Right hand" ? kRightHand : kLeftHand);
    }
    if (const JobField* length = FindField(step, kCutLengthCaption); !message && length) {
        dialog.TypeCutLength(*length->Value);
    }
    const JobField* enter = FindField(step, kEnterCaption);
    const JobField* exit = FindField(step, kExitCaption);
    if (!message) {
        dialog.Check1_Click(enter && enter->Value);
        if (enter && enter->Value) {
            dialog.TypeText1(*enter->Value);
        }
        dialog.Check2_Click(exit && exit->Value);
        if (exit && exit->Value) {
            dialog.TypeText2(*exit->Value);
        }
    }
    if (message) {
        return refused();
    }
    if (!dialog.View().OkEnabled) {
        return {StepStatus::Refused,
                {},
                "OK is disabled: no accepted cutting length",
                kFaceCopyErrorTitle};
    }
    const FaceCopyView shown = dialog.View();
    std::optional<ModeBResult> result = dialog.Command1_Click();
    if (message) {
        return refused();
    }
    if (!result || result->refusal) {
        return {StepStatus::Refused,
                {},
                result ? result->refusal->text : std::string(kFaceCopyDataError),
                kFaceCopyErrorTitle};
    }
    session.ModeBText = std::move(result->text);
    return {StepStatus::Ok,
            "Face Copy: OK\nShift angle=" + shown.AnglePitch +
                "\nCopy number=" + shown.txtCopyNumber + "\nZ-axis pitch=" + shown.txtZaxisPitch +
                "\nFaces written=" + std::to_string(result->facesWritten) + "\n",
            {},
            {}};
}

} // namespace spirolan
