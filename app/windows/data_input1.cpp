// SPDX-License-Identifier: GPL-3.0-or-later
// The Shape 1 dialog: its fields in the dialog's order, the WD rewrite and the generation.
#include "app/windows/data_input1.h"

#include "app/widgets/groove_drawing.h"
#include "app/windows/dialog_support.h"
#include "core/shape1.h"

#include <QLineEdit>

namespace spirolan {

DataInput1::DataInput1(CamJob& job, DialogHost& host, QWidget* parent)
    : ShapeDialog(QStringLiteral("Shape 1 data input"),
                  new GrooveDrawing(GrooveDrawing::Shape::One), kShape1LeadEntries, true, host,
                  parent),
      job_(job) {
    std::vector<QLineEdit*> chain;
    QLineEdit* wd = nullptr;
    for (const auto& field : kShape1TextFields) {
        if (field.Text == &Shape1Input::SpindleSpeed) {
            wd = AddField(kShape1WDCaption);
            chain.push_back(wd);
        }
        QLineEdit* edit = AddField(field.Caption);
        if (field.Text != &Shape1Input::StartXS) {
            chain.push_back(edit);
        }
    }
    SetEnterChain(chain);
    ShowInput(PrefillShape1(job_), kShape1TextFields);
    connect(wd, &QLineEdit::textChanged, this, &DataInput1::WD_Change);
}

ShapeResult DataInput1::Generate() {
    return GenerateShape1(ReadInput(kShape1TextFields), job_);
}

JobStep DataInput1::RecordInput() const {
    return ShapeStepOf(kShape1Dialog, ReadInput(kShape1TextFields), kShape1TextFields,
                       kShape1LeadEntries);
}

void DataInput1::WD_Change(const QString& text) {
    if (text.isEmpty()) {
        return;
    }
    const auto width = WidthForWD(ReadInput(kShape1TextFields), text.toStdString(), job_.PI);
    if (width) {
        Field("WIDTH")->setText(QString::fromStdString(*width));
    }
}

DataInput1* OpenDataInput1(CamJob& job, DialogHost& host, const QWidget* over) {
    auto* dialog = new DataInput1(job, host);
    ShowModal(dialog, over);
    return dialog;
}

} // namespace spirolan
