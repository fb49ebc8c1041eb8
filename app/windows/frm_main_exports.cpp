// SPDX-License-Identifier: GPL-3.0-or-later
// frmMain's exports, print and machine limits: the window gathers the job and the files; the
// libraries compute, the shell writes.
#include "app/windows/frm_main.h"

#include "app/shell/caf_saving.h"
#include "app/shell/setup_sheet_print.h"
#include "app/windows/frm_about.h"
#include "app/windows/messages.h"
#include "core/caf_text.h"
#include "graphics/svg_surface.h"
#include "graphics/table_csv.h"

#include <QDateTime>
#include <QDir>
#include <QFileInfo>
#include <QPrintPreviewDialog>
#include <QPrintPreviewWidget>
#include <QPrinter>
#include <QScreen>

namespace spirolan {

namespace {

// The graph formats in the order of the export dialog's filters.
enum GraphFormat { kSvg, kPng, kPdf };

const QString kDateFormat = QStringLiteral("yyyy-MM-dd HH:mm");

} // namespace

GraphsView frmMain::CurrentGraphsView(const GraphStyle& style, const QString& date) const {
    // A graph the layout left without area (a tiny window) is pictured at the export size.
    const auto sized = [](QSize size) {
        return size.isEmpty() ? QSize(kSvgGraphWidth, kSvgGraphHeight) : size;
    };
    QString heading;
    if (!date.isEmpty()) {
        heading = QStringLiteral("Job %1%2")
                      .arg(JobName(), JobUnsaved() ? QStringLiteral("  (Not saved)") : QString());
        if (!jobPart_.empty()) {
            heading += QStringLiteral(" - Part number %1").arg(QString::fromStdString(jobPart_));
        }
        heading += QStringLiteral(" - ") + date;
    }
    return {sized(Picture1_->contentsRect().size()), sized(Picture2_->contentsRect().size()),
            !txtDataB_->IsEmpty(), style, heading.toStdString()};
}

bool frmMain::HasModeAData(const QString& caption) {
    if (txtDataA_->IsEmpty()) {
        ShowMessage(this, QMessageBox::Warning, caption, ToQString(caf::kModeANoData));
        return false;
    }
    return true;
}

void frmMain::Export(const QStringList& filters, std::optional<bool> screenStyle,
                     const std::function<QByteArray(const ExportChoice& choice)>& bytes) {
    const QString folder =
        SaveDialogFolder(job_.ExportPathName.empty() ? job_.OpenPathName : job_.ExportPathName);
    const ExportChoice choice = chooseExportFile_(this, folder, filters, screenStyle);
    if (choice.Path.isEmpty()) {
        return;
    }
    if (screenStyle) {
        exportScreenStyle_ = choice.ScreenStyle;
    }
    const QString failure = WriteExportFile(choice.Path, bytes(choice));
    if (!failure.isEmpty()) {
        ShowMessage(this, QMessageBox::Warning, QStringLiteral("Export error"), failure);
        return;
    }
    job_.ExportPathName =
        QDir::toNativeSeparators(QFileInfo(choice.Path).absolutePath()).toStdString();
}

void frmMain::mnuExportTable_Click() {
    if (!HasModeAData(QStringLiteral("Export error"))) {
        return;
    }
    Export({QStringLiteral("CSV Files(*.csv)")}, std::nullopt,
           [this](const ExportChoice&) { return QByteArray::fromStdString(TableCsv(job_)); });
}

void frmMain::mnuExportGraphs_Click() {
    if (!HasModeAData(QStringLiteral("Export error"))) {
        return;
    }
    const QString date = QDateTime::currentDateTime().toString(kDateFormat);
    Export({QStringLiteral("SVG Files(*.svg)"), QStringLiteral("PNG Files(*.png)"),
            QStringLiteral("PDF Files(*.pdf)")},
           exportScreenStyle_, [this, &date](const ExportChoice& choice) {
               const GraphsView view =
                   CurrentGraphsView(choice.ScreenStyle ? kScreenStyle : kPrintStyle, date);
               switch (choice.Filter) {
               case kPng:
                   return GraphsPngBytes(job_, view);
               case kPdf:
                   return GraphsPdfBytes(job_, view);
               default:
                   return GraphsSvgBytes(job_, view);
               }
           });
}

SheetContext frmMain::CurrentSheetContext(const std::string& printed) const {
    return {"Spirolan " + VersionText().toStdString(),
            printed,
            jobPath_.isEmpty() ? std::string() : JobName().toStdString(),
            !txtDataB_->IsEmpty(),
            JobUnsaved(),
            jobPart_,
            jobNotes_,
            savedCafFiles_};
}

void frmMain::mnuPrint_Click() {
    if (!HasModeAData(QStringLiteral("Print error"))) {
        return;
    }
    QPrinter printer;
    printer.setResolution(96);
    printer.setDocName(QStringLiteral("Spirolan setup sheet"));
    const SheetContext context =
        CurrentSheetContext(QDateTime::currentDateTime().toString(kDateFormat).toStdString());
    const GraphsView view = CurrentGraphsView();
    QPrintPreviewDialog preview(&printer, this);
    preview.setObjectName(QStringLiteral("PrintPreview"));
    // The page is read at its width, in a window as large as the screen allows.
    preview.resize(screen()->availableGeometry().size() * 0.9);
    if (auto* pages = preview.findChild<QPrintPreviewWidget*>()) {
        pages->setZoomMode(QPrintPreviewWidget::FitToWidth);
    }
    connect(&preview, &QPrintPreviewDialog::paintRequested, this,
            [this, &context, &view](QPrinter* target) {
                PaintSetupSheet(*target, job_, context, view);
            });
    preview.exec();
}

void frmMain::mnuMachineLimits_Click() {
    OpenDialog(hooks_.MachineLimits);
}

} // namespace spirolan
