// SPDX-License-Identifier: GPL-3.0-or-later
// Face Copy steps: the dialog driven through its model, then OK.
#include "core/shape_common.h"
#include "facecopy/face_copy_model.h"
#include "facecopy/face_copy_texts.h"
#include "io/job_replay.h"

#include <span>
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

// "\"A\", \"B\" or \"C\"".
std::string ChoiceList(std::span<const std::string_view> choices) {
    std::string list;
    for (size_t i = 0; i < choices.size(); ++i) {
        list += (i == 0 ? "" : i + 1 == choices.size() ? " or " : ", ") + Quoted(choices[i]);
    }
    return list;
}

const FaceCopyInput* InputOf(std::string_view caption) {
    for (const FaceCopyInput& input : kFaceCopyInputs) {
        if (input.Caption == caption) {
            return &input;
        }
    }
    return nullptr;
}

// Why the step's fields do not fit the dialog (every field one of its inputs, a text unless it
// is a check box, a choice one of its group's), or empty.
std::string CheckFields(const JobStep& step) {
    for (const JobField& field : step.Fields) {
        const FaceCopyInput* input = InputOf(field.Caption);
        if (input == nullptr) {
            return "the dialog has no field " + Quoted(field.Caption);
        }
        if (!field.Value && input->Kind != FaceCopyInputKind::CheckedText) {
            return "field " + Quoted(field.Caption) + " must be a string";
        }
    }
    for (const FaceCopyInput& input : kFaceCopyInputs) {
        const JobField* field = FindField(step, input.Caption);
        if (field && input.Kind == FaceCopyInputKind::Choice &&
            ChoiceIndex(input.Choices, *field->Value) < 0) {
            return "field " + Quoted(input.Caption) + " must be " + ChoiceList(input.Choices);
        }
    }
    return {};
}

// Chooses, types or ticks one input as a user would; an absent check box field is unticked.
void ApplyInput(FaceCopyModel& dialog, const FaceCopyInput& input, const JobField* field) {
    if (input.Kind == FaceCopyInputKind::CheckedText) {
        const bool ticked = field && field->Value;
        const bool enter = input.Caption == kEnterCaption;
        enter ? dialog.Check1_Click(ticked) : dialog.Check2_Click(ticked);
        if (ticked) {
            enter ? dialog.TypeText1(*field->Value) : dialog.TypeText2(*field->Value);
        }
    } else if (field && input.Kind == FaceCopyInputKind::Text) {
        dialog.TypeCutLength(*field->Value);
    } else if (field) {
        const int index = ChoiceIndex(input.Choices, *field->Value);
        if (input.Caption == kMaxFaceCaption) {
            dialog.MaxFace_Click(index);
        } else if (input.Caption == kRepeatCaption) {
            dialog.swRepeat_Click(index);
        } else {
            dialog.swThreadDir_Click(index);
        }
    }
}

// The step's report: the conditions as the dialog showed them before OK.
std::string ConditionLines(const FaceCopyView& shown, int facesWritten) {
    return "Face Copy: OK\nShift angle=" + shown.AnglePitch +
           "\nCopy number=" + shown.txtCopyNumber + "\nZ-axis pitch=" + shown.txtZaxisPitch +
           "\nFaces written=" + std::to_string(facesWritten) + "\n";
}

} // namespace

StepOutcome RunFaceCopyStep(JobSession& session, const JobStep& step, const std::string& where) {
    if (std::string problem = CheckFields(step); !problem.empty()) {
        return BadStep(where, problem);
    }
    std::optional<FaceCopyMessage> message;
    FaceCopyModel dialog(session.Job, [&message](const FaceCopyMessage& shown) {
        if (!message) {
            message = shown;
        }
    });
    auto refused = [&message]() {
        return StepOutcome{StepStatus::Refused, {}, message->text, message->title, {}};
    };
    if (!dialog.Open() || message) {
        return refused();
    }
    for (const FaceCopyInput& input : kFaceCopyInputs) {
        if (message) {
            return refused();
        }
        ApplyInput(dialog, input, FindField(step, input.Caption));
    }
    if (message) {
        return refused();
    }
    if (!dialog.View().OkEnabled) {
        return {StepStatus::Refused,
                {},
                "OK is disabled: no accepted cutting length",
                std::string(kFaceCopyErrorTitle),
                {}};
    }
    const FaceCopyView shown = dialog.View();
    std::optional<ModeBResult> result = dialog.Command1_Click();
    if (message) {
        return refused();
    }
    if (!result || result->refusal) {
        return {StepStatus::Refused,
                {},
                result ? result->refusal->text : std::string(kDataError),
                std::string(kFaceCopyErrorTitle),
                {}};
    }
    session.ModeBText = std::move(result->text);
    return {StepStatus::Ok, ConditionLines(shown, result->facesWritten), {}, {}, {}};
}

} // namespace spirolan
