// SPDX-License-Identifier: GPL-3.0-or-later
// The Shape 2 dialog: its fields in the dialog's order and the generation.
#include "app/windows/data_input2.h"

#include "app/widgets/groove_drawing.h"
#include "app/windows/dialog_support.h"
#include "core/shape2.h"

namespace spirolan {

DataInput2::DataInput2(CamJob& job, DialogHost& host, QWidget* parent)
    // The Mode-B surface keeps its pointer after a Shape 2 generation.
    : ShapeDialog(QStringLiteral("Shape 2 data input"),
                  new GrooveDrawing(GrooveDrawing::Shape::Two), kShape2LeadEntries, false, host,
                  parent),
      job_(job) {
    SetEnterChain(AddFields(kShape2TextFields));
    ShowInput(PrefillShape2(job_), kShape2TextFields);
}

ShapeResult DataInput2::Generate() {
    return GenerateShape2(ReadInput(kShape2TextFields), job_);
}

JobStep DataInput2::RecordInput() const {
    return ShapeStepOf(kShape2Dialog, ReadInput(kShape2TextFields), kShape2TextFields,
                       kShape2LeadEntries);
}

DataInput2* OpenDataInput2(CamJob& job, DialogHost& host, const QWidget* over) {
    auto* dialog = new DataInput2(job, host);
    ShowModal(dialog, over);
    return dialog;
}

} // namespace spirolan
