// SPDX-License-Identifier: GPL-3.0-or-later
// The printed setup sheet's texts, from the shape dialogs' own captions and pre-fill.
#include "graphics/setup_sheet.h"

#include "core/number_text.h"
#include "core/shape1.h"
#include "core/shape2.h"
#include "core/shape3.h"
#include "facecopy/copy_condition.h"
#include "facecopy/face_copy_texts.h"
#include "graphics/motion_figures.h"
#include "graphics/spindle_limit.h"

#include <algorithm>
#include <span>
#include <string_view>

namespace spirolan {
namespace {

// The dialog's text fields and choices as a freshly opened dialog shows them.
template <typename Input, size_t N>
std::vector<SheetRow> DialogRows(const Input& input,
                                 const std::array<DialogTextField<Input>, N>& fields,
                                 std::span<const std::string_view> leadEntries) {
    std::vector<SheetRow> rows;
    for (const auto& field : fields) {
        rows.push_back({std::string(field.Caption), input.*(field.Text)});
    }
    const bool listed = input.LeadIndex >= 0 && input.LeadIndex < int(leadEntries.size());
    rows.push_back({std::string(kLeadCaption),
                    listed ? std::string(leadEntries[size_t(input.LeadIndex)]) : std::string()});
    rows.push_back({std::string(kCutPositionCaption),
                    std::string(input.External ? kExternalCaption : kInternalCaption)});
    return rows;
}

SheetSection ShapeSection(const CamJob& job) {
    switch (job.LastShape) {
    case 1: {
        std::vector<SheetRow> rows =
            DialogRows(PrefillShape1(job), kShape1TextFields, kShape1LeadEntries);
        // The spindle speed has its own section.
        std::erase_if(rows, [](const SheetRow& row) { return row.Label == "Spindle speed for G"; });
        return {"Shape 1", rows};
    }
    case 2:
        return {"Shape 2", DialogRows(PrefillShape2(job), kShape2TextFields, kShape2LeadEntries)};
    case 3:
        return {"Shape 3", DialogRows(PrefillShape3(job), kShape3TextFields, kShape3LeadEntries)};
    default:
        return {"Shape", {{"Shape", "none generated"}}};
    }
}

std::string LimitsText(const MachineLimits& limits) {
    if (!limits.MaxSpeed && !limits.MaxAccel) {
        return "no limits set";
    }
    const auto limit = [](const OptionalNumber& value, const char* unit) {
        return value ? PlainText(*value) + unit : std::string("none");
    };
    return "speed " + limit(limits.MaxSpeed, " mm/s") + ", acceleration " +
           limit(limits.MaxAccel, " G");
}

SheetSection MotionSection(const CamJob& job) {
    SheetSection section{"Spindle speed and motion", {}};
    if (!(job.SpindleSpeed > 0)) {
        section.Rows.push_back({"Spindle speed", PlainText(job.SpindleSpeed) + " (no figures)"});
        section.Rows.push_back({"Machine limits", LimitsText(LimitsOf(job))});
        return section;
    }
    const MotionFigures figures = ComputeMotionFigures(job.XSTable, job.SpindleSpeed);
    for (const std::string& line :
         {SpindleSpeedLine(job.SpindleSpeed), MaxSpeedLine(figures.MaxSpeed),
          MaxGravityLine(figures.MaxGravity)}) {
        section.Rows.push_back({"", line});
    }
    section.Rows.push_back({"Machine limits", LimitsText(LimitsOf(job))});
    if (const auto limit = SpindleLimitLineOf(job)) {
        section.Rows.push_back({"", limit->Exceeded ? limit->Text + " (exceeded)" : limit->Text});
    }
    return section;
}

SheetSection CafFilesSection(const std::vector<SheetFile>& files) {
    SheetSection section{"CAF files saved", {}, true};
    for (const SheetFile& file : files) {
        section.Rows.push_back({std::to_string(file.Bytes) + " bytes", file.Path});
    }
    if (files.empty()) {
        section.Rows.push_back({"", "none since the program started"});
    }
    return section;
}

SheetSection NotesSection(const std::string& notes) {
    SheetSection section{"Notes", {}, true};
    std::size_t start = 0;
    while (start <= notes.size()) {
        const std::size_t end = std::min(notes.find('\n', start), notes.size());
        std::string line = notes.substr(start, end - start);
        if (!line.empty() && line.back() == '\r') {
            line.pop_back();
        }
        section.Rows.push_back({"", line});
        start = end + 1;
    }
    return section;
}

std::string Chamfer(const std::string& typed) {
    return typed.empty() ? "none" : typed;
}

SheetSection FaceCopySection(const CamJob& job) {
    const auto text = [](std::string_view caption) { return std::string(caption); };
    return {text(kFaceCopyTitle),
            {
                {text(kMaxFaceCaption), PlainText(job.MaxFaceNumber)},
                {text(kRepeatCaption), text(kRepeatTexts[job.Repeat ? kRepeatOn : kRepeatOff])},
                {text(kThreadDirCaption),
                 text(kThreadDirTexts[job.ThreadDir == 1 ? kRightHand : kLeftHand])},
                {text(kCutLengthCaption), PlainText(job.CutLength)},
                {text(kShiftAngleCaption), std::to_string(job.ShiftAngle)},
                {text(kCopyNumberCaption), std::to_string(job.CopyNumber)},
                {text(kZAxisPitchCaption),
                 job.ZAxisPitch ? PlainText(ZAxisPitchShown(*job.ZAxisPitch)) : std::string()},
                {"Chamfer Enter", Chamfer(job.EnterChamfer)},
                {"Chamfer Exit", Chamfer(job.ExitChamfer)},
            }};
}

} // namespace

SetupSheet BuildSetupSheet(const CamJob& job, const SheetContext& context) {
    SetupSheet sheet;
    sheet.Heading.push_back(context.Program + " - Setup sheet");
    sheet.Heading.push_back("Printed " + context.Printed);
    sheet.Heading.push_back("Job " + (context.JobName.empty() ? "Untitled" : context.JobName) +
                            (context.Unsaved ? "  (Not saved)" : ""));
    if (!context.Part.empty()) {
        sheet.Heading.push_back("Part number " + context.Part);
    }
    sheet.Sections.push_back(ShapeSection(job));
    sheet.Sections.push_back(MotionSection(job));
    if (context.WithFaceCopy) {
        sheet.Sections.push_back(FaceCopySection(job));
    }
    sheet.Sections.push_back(CafFilesSection(context.SavedCafFiles));
    if (!context.Notes.empty()) {
        sheet.Sections.push_back(NotesSection(context.Notes));
    }
    return sheet;
}

} // namespace spirolan
