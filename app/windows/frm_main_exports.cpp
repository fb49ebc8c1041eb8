// SPDX-License-Identifier: GPL-3.0-or-later
// frmMain's exports, print and machine limits: the window gathers the job and the files; the
// libraries compute, the shell writes.
#include "app/windows/frm_main.h"

#include "app/shell/caf_saving.h"
#include "app/shell/setup_sheet_print.h"
#include "app/windows/frm_about.h"
#include "app/windows/messages.h"
#include "graphics/svg_surface.h"
#include "graphics/table_csv.h"
#include "io/atomic_write.h"

#include <QAction>
#include <QDateTime>
#include <QDir>
#include <QFileInfo>
#include <QPrintPreviewDialog>
#include <QPrinter>
#include <QScreen>

namespace spirolan {

namespace {

// The graph formats in the order of the export dialog's filters.
enum GraphFormat { kSvg, kPng, kPdf };

const QString kExportError = QStringLiteral("Export error");
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
                      .arg(JobName(), JobChanged() ? QStringLiteral("  (Not saved)") : QString());
        if (!jobPart_.empty()) {
            heading += QStringLiteral(" - Part number %1").arg(QString::fromStdString(jobPart_));
        }
        heading += QStringLiteral(" - ") + date;
    }
    return {sized(Picture1_->contentsRect().size()), sized(Picture2_->contentsRect().size()),
            !txtDataB_->IsEmpty(), style, heading.toStdString()};
}

bool frmMain::HasModeAData(const QString& caption, const QString& nothing) {
    if (txtDataA_->IsEmpty()) {
        ShowMessage(this, QMessageBox::Warning, caption,
                    nothing + QStringLiteral(": enter a shape first (File > Data input)."));
        return false;
    }
    return true;
}

void frmMain::Export(const QString& what, const QStringList& filters,
                     std::optional<bool> screenStyle,
                     const std::function<QByteArray(const ExportChoice& choice)>& bytes) {
    const QString folder =
        SaveDialogFolder(job_.ExportPathName.empty() ? job_.OpenPathName : job_.ExportPathName);
    const ExportChoice choice =
        chooseExportFile_(this, QStringLiteral("Export ") + what, folder, filters, screenStyle);
    if (choice.Path.isEmpty()) {
        return;
    }
    if (screenStyle) {
        exportScreenStyle_ = choice.ScreenStyle;
    }
    const FileWriteResult written = WriteFileAtomically(choice.Path, bytes(choice));
    if (!written.Ok) {
        ShowMessage(this, QMessageBox::Warning, kExportError,
                    CannotMessage(QStringLiteral("export the %1 to").arg(what.toLower()),
                                  choice.Path, written.Reason));
        return;
    }
    job_.ExportPathName =
        QDir::toNativeSeparators(QFileInfo(choice.Path).absolutePath()).toStdString();
}

void frmMain::mnuExportTable_Click() {
    if (!HasModeAData(kExportError, QStringLiteral("There is no table to export yet"))) {
        return;
    }
    Export(QStringLiteral("Table"), {QStringLiteral("CSV Files(*.csv)")}, std::nullopt,
           [this](const ExportChoice&) { return QByteArray::fromStdString(TableCsv(job_)); });
}

void frmMain::mnuExportGraphs_Click() {
    if (!HasModeAData(kExportError, QStringLiteral("There are no graphs to export yet"))) {
        return;
    }
    const QString date = QDateTime::currentDateTime().toString(kDateFormat);
    Export(QStringLiteral("Graphs"),
           {QStringLiteral("SVG Files(*.svg)"), QStringLiteral("PNG Files(*.png)"),
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
            JobChanged(),
            jobPart_,
            jobNotes_,
            savedCafFiles_};
}

void frmMain::mnuPrint_Click() {
    if (!HasModeAData(QStringLiteral("Print error"),
                      QStringLiteral("There is no setup sheet to print yet"))) {
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
    // Through the dialog's own choice, so that its toolbar shows the fit in use.
    if (auto* fitWidth = preview.findChild<QAction*>(QStringLiteral("fitWidthAction"))) {
        fitWidth->trigger();
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
