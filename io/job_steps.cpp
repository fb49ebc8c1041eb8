// SPDX-License-Identifier: GPL-3.0-or-later
// Job steps from what a dialog showed at OK.
#include "io/job_steps.h"

#include "core/shape1.h"
#include "core/shape2.h"
#include "core/shape3.h"

#include <algorithm>
#include <vector>

namespace spirolan {

namespace {

template <std::size_t N>
void AddChoice(JobStep& step, std::string_view caption,
               const std::array<std::string_view, N>& texts, const std::optional<int>& index) {
    if (index && *index >= 0 && static_cast<std::size_t>(*index) < N) {
        step.Fields.push_back({std::string(caption), std::string(texts[*index])});
    }
}

std::optional<std::string> TickedText(bool ticked, const std::string& text) {
    return ticked ? std::optional<std::string>(text) : std::nullopt;
}

template <typename Input, std::size_t N>
void AddCaptions(std::vector<std::string_view>& order,
                 const std::array<DialogTextField<Input>, N>& textFields) {
    for (const auto& field : textFields) {
        order.push_back(field.Caption);
    }
}

std::vector<std::string_view> CaptionOrder(std::string_view dialog) {
    std::vector<std::string_view> order;
    if (dialog == kFaceCopyDialog) {
        for (const FaceCopyInput& input : kFaceCopyInputs) {
            order.push_back(input.Caption);
        }
        return order;
    }
    if (dialog == kShape1Dialog) {
        AddCaptions(order, kShape1TextFields);
        order.insert(std::find(order.begin(), order.end(), "Spindle speed for G"),
                     kShape1WDCaption);
    } else if (dialog == kShape2Dialog) {
        AddCaptions(order, kShape2TextFields);
    } else if (dialog == kShape3Dialog) {
        AddCaptions(order, kShape3TextFields);
    }
    order.push_back(kLeadCaption);
    order.push_back(kCutPositionCaption);
    return order;
}

} // namespace

JobStep InDialogOrder(JobStep step) {
    const std::vector<std::string_view> order = CaptionOrder(step.Dialog);
    const auto place = [&order](const JobField& field) {
        return std::find(order.begin(), order.end(), field.Caption) - order.begin();
    };
    std::stable_sort(
        step.Fields.begin(), step.Fields.end(),
        [&place](const JobField& a, const JobField& b) { return place(a) < place(b); });
    return step;
}

JobStep FaceCopyStepOf(const FaceCopyView& view) {
    JobStep step{std::string(kFaceCopyDialog), {}};
    AddChoice(step, kMaxFaceCaption, kMaxFaceTexts, view.MaxFace);
    AddChoice(step, kRepeatCaption, kRepeatTexts, view.swRepeat);
    AddChoice(step, kThreadDirCaption, kThreadDirTexts, view.swThreadDir);
    step.Fields.push_back({std::string(kCutLengthCaption), view.txtCutLength});
    step.Fields.push_back({std::string(kEnterCaption), TickedText(view.Check1, view.Text1)});
    step.Fields.push_back({std::string(kExitCaption), TickedText(view.Check2, view.Text2)});
    return step;
}

} // namespace spirolan
