// SPDX-License-Identifier: GPL-3.0-or-later
// The Shape 3 dialog: its fields in the dialog's order and the generation.
#include "app/windows/data_input3.h"

#include "app/widgets/groove_drawing.h"
#include "app/windows/dialog_support.h"
#include "core/shape3.h"

namespace spirolan {

DataInput3::DataInput3(CamJob& job, DialogHost& host, QWidget* parent)
    : ShapeDialog(QStringLiteral("Shape 3 data input"),
                  new GrooveDrawing(GrooveDrawing::Shape::Three), kShape3LeadEntries, true, host,
                  parent),
      job_(job) {
    SetEnterChain(AddFields(kShape3TextFields));
    ShowInput(PrefillShape3(job_), kShape3TextFields);
}

ShapeResult DataInput3::Generate() {
    return GenerateShape3(ReadInput(kShape3TextFields), job_);
}

JobStep DataInput3::RecordInput() const {
    return ShapeStepOf(kShape3Dialog, ReadInput(kShape3TextFields), kShape3TextFields,
                       kShape3LeadEntries);
}

DataInput3* OpenDataInput3(CamJob& job, DialogHost& host, const QWidget* over) {
    auto* dialog = new DataInput3(job, host);
    ShowModal(dialog, over);
    return dialog;
}

} // namespace spirolan
