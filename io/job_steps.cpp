// Job steps from what a dialog showed at OK.
#include "io/job_steps.h"

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

} // namespace

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
