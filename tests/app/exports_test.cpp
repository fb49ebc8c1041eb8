// SPDX-License-Identifier: GPL-3.0-or-later
// Results that leave the window as pictures and pages: graph exports, failed exports and the
// printed setup sheet, by the window's commands. SPIROLAN_UPDATE_GOLDEN=1 rewrites the PNG and
// the PDF's text under tests/app/golden/.
#include "app/shell/setup_sheet_print.h"
#include "facecopy/face_copy_model.h"
#include "tests/app/test_support.h"
#include "tests/support/golden_file.h"
#include "tests/support/shape_fixtures.h"

#include <QFile>
#include <QImage>
#include <QPrintPreviewDialog>
#include <QPrintPreviewWidget>
#include <QPrinter>
#include <QProcess>
#include <QRegularExpression>
#include <QScreen>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <algorithm>
#include <csignal>
#include <cstdlib>
#include <optional>
#include <sys/resource.h>
#include <sys/stat.h>

namespace spirolan {
namespace {

using test::PrintTo;
using test::ReadBytes;

// Runs a poppler tool on `pdf`; its standard output with runs of blanks made one blank.
std::string Poppler(const QString& tool, const QStringList& args) {
    QProcess process;
    process.start(tool, args);
    if (!process.waitForFinished() || process.exitCode() != 0) {
        ADD_FAILURE() << tool.toStdString() << " failed (poppler-utils installed?)";
        return {};
    }
    return QString::fromUtf8(process.readAllStandardOutput())
        .replace(QRegularExpression(QStringLiteral("[ \\t]+")), QStringLiteral(" "))
        .toStdString();
}

// The text of `pdf`, the date of an exported picture's heading written "DATE".
std::string PdfText(const QString& pdf) {
    return QString::fromStdString(
               Poppler(QStringLiteral("pdftotext"), {QStringLiteral("-layout"), pdf, "-"}))
        .replace(QRegularExpression(QStringLiteral("\\d{4}-\\d\\d-\\d\\d \\d\\d:\\d\\d")),
                 QStringLiteral("DATE"))
        .toStdString();
}

// pdftotext ends every page with a form feed.
long PdfPages(const QString& pdf) {
    return std::ranges::count(PdfText(pdf), '\f');
}

// How many pixels of the PNG `bytes` are exactly `color`.
qsizetype PixelsOf(const QByteArray& bytes, QColor color) {
    const QImage image = QImage::fromData(bytes).convertToFormat(QImage::Format_RGB32);
    qsizetype count = 0;
    for (int y = 0; y < image.height(); ++y) {
        for (int x = 0; x < image.width(); ++x) {
            count += image.pixelColor(x, y) == color ? 1 : 0;
        }
    }
    return count;
}

// Pixels of `actual` that differ from the reference PNG by more than a font's hinting would.
std::string ComparePng(const QString& relative, const QByteArray& actual) {
    const QString path = test::TestData(relative);
    if (qgetenv("SPIROLAN_UPDATE_GOLDEN") == "1") {
        test::WriteBytes(path, actual.toStdString());
        return {};
    }
    const QImage expected(path);
    const QImage got = QImage::fromData(actual);
    if (expected.size() != got.size()) {
        return "size differs from " + path.toStdString();
    }
    qsizetype differing = 0;
    for (int y = 0; y < got.height(); ++y) {
        for (int x = 0; x < got.width(); ++x) {
            const QColor a = expected.pixelColor(x, y);
            const QColor b = got.pixelColor(x, y);
            if (std::abs(a.red() - b.red()) + std::abs(a.green() - b.green()) +
                    std::abs(a.blue() - b.blue()) >
                96) {
                ++differing;
            }
        }
    }
    // Half a percent: a few glyphs, never a curve or a box.
    if (differing * 200 > qsizetype(got.width()) * got.height()) {
        return std::to_string(differing) + " pixels differ from " + path.toStdString();
    }
    return {};
}

class ExportsTest : public testing::Test {
protected:
    void SetUp() override {
        window_ = test::OpenWindow(job_, dir_.filePath("s.ini"), {});
        window_->SetExportFileChooser([this](QWidget*, const QString&, const QString&,
                                             const QStringList&,
                                             std::optional<bool>) { return choice_; });
    }

    void GenerateReferenceGroove() {
        Shape1Input input = testing_support::ReferenceGroove();
        input.SpindleSpeed = "1000";
        window_->SetModeAText(GenerateShape1(input, job_).ModeAText);
        window_->ReGraphic_Click();
    }

    // Face Copy of 20 mm with an entry chamfer, its text in the Mode-B pane.
    void FaceCopy() {
        FaceCopyModel dialog(job_, [](const FaceCopyMessage& m) { ADD_FAILURE() << m.text; });
        ASSERT_TRUE(dialog.Open());
        dialog.TypeCutLength("20");
        dialog.Check1_Click(true);
        dialog.TypeText1("0.5");
        // A length typed for the exit, then unticked: no exit chamfer.
        dialog.Check2_Click(true);
        dialog.TypeText2("0.7");
        dialog.Check2_Click(false);
        window_->SetModeBText(dialog.Command1_Click().value().text);
        window_->ReGraphic_Click();
    }

    QTemporaryDir dir_;
    CamJob job_;
    std::unique_ptr<frmMain> window_;
    ExportChoice choice_;
};

// Each picture format as the filter chosen says, in the style chosen: the print style without
// one pixel of the screen's black graph background. Where the files go and the style offered
// are window flows.
TEST_F(ExportsTest, GraphsInTheChosenFormatAndStyle) {
    GenerateReferenceGroove();
    FaceCopy();
    choice_ = {dir_.filePath("graphs.png"), 1};
    window_->mnuExportGraphs_Click();
    const QByteArray png = QByteArray::fromStdString(ReadBytes(choice_.Path));
    EXPECT_EQ(ComparePng(QStringLiteral("app/golden/reference_graphs.png"), png), "");
    EXPECT_EQ(PixelsOf(png, QColor(8, 0, 0)), 0);

    choice_ = {dir_.filePath("graphs.pdf"), 2};
    window_->mnuExportGraphs_Click();
    EXPECT_EQ(PdfPages(choice_.Path), 1);
    EXPECT_EQ(
        testing_support::CheckGolden("app/golden/reference_graphs_pdf.txt", PdfText(choice_.Path)),
        "");

    choice_ = {dir_.filePath("graphs.svg"), 0};
    window_->mnuExportGraphs_Click();
    EXPECT_NE(ReadBytes(choice_.Path).find(">Job Untitled - 20"), std::string::npos);

    choice_ = {dir_.filePath("screen.png"), 1, true};
    window_->mnuExportGraphs_Click();
    EXPECT_GT(PixelsOf(QByteArray::fromStdString(ReadBytes(choice_.Path)), QColor(8, 0, 0)), 10000);
}

// A full disk and a FIFO that no program reads (refused at once: the window never waits in the
// file's open) each say why; the old file and the folder stay.
TEST_F(ExportsTest, AFailedExportSaysWhyKeepsTheOldFileAndTheFolder) {
    GenerateReferenceGroove();
    test::WriteBytes(dir_.filePath("old.csv"), "old");
    choice_ = {dir_.filePath("old.csv"), 0};
    rlimit saved{};
    getrlimit(RLIMIT_FSIZE, &saved);
    rlimit limit = saved;
    limit.rlim_cur = 4096; // the table is larger: the disk is full
    const auto signal = std::signal(SIGXFSZ, SIG_IGN);
    setrlimit(RLIMIT_FSIZE, &limit);
    test::MessageBoxWatcher boxes;
    window_->mnuExportTable_Click();
    setrlimit(RLIMIT_FSIZE, &saved);
    std::signal(SIGXFSZ, signal);
    ASSERT_EQ(boxes.log.size(), 1u);
    EXPECT_EQ(boxes.log[0],
              "Export error|Cannot export the table to \"old.csv\": file too large.|2");
    EXPECT_EQ(ReadBytes(choice_.Path), "old");

    const QString fifo = dir_.filePath("table.fifo");
    ASSERT_EQ(mkfifo(QFile::encodeName(fifo).constData(), 0600), 0);
    choice_ = {fifo, 0};
    window_->mnuExportTable_Click();
    ASSERT_EQ(boxes.log.size(), 2u);
    EXPECT_EQ(boxes.log[1], "Export error|Cannot export the table to \"table.fifo\": no program "
                            "reads from this pipe.|2");
    EXPECT_TRUE(job_.ExportPathName.empty());
}

struct SheetCase {
    const char* name;
    bool faceCopy;
    const char* golden; // under tests/app/golden/: NAME_pdf.txt and NAME.png
};

class SetupSheetTest : public ExportsTest, public testing::WithParamInterface<SheetCase> {};

// The reference groove at 1000 min-1 under a 50 mm/s limit, with a part number and a two-line
// note: the sheet's text and its page as pdftoppm renders it, against the golden files.
TEST_P(SetupSheetTest, PrintedToPdfOnOnePageAsTheGoldenFiles) {
    GenerateReferenceGroove();
    job_.SlideSpeedLimit = 50;
    if (GetParam().faceCopy) {
        FaceCopy();
    }
    QPrinter printer;
    printer.setResolution(96);
    printer.setOutputFormat(QPrinter::PdfFormat);
    printer.setOutputFileName(dir_.filePath("sheet.pdf"));
    const SheetContext context{"Spirolan Ver. 2.2.3",
                               "2026-12-06 21:30",
                               "groove.spjob",
                               GetParam().faceCopy,
                               true,
                               "SP-4711 rev. B",
                               "Check the insert before the run.\nDeburr the entry.",
                               {{"/jobs/groove-a.caf", 4335}}};
    PaintSetupSheet(printer, job_, context, window_->CurrentGraphsView());
    const QString golden = QStringLiteral("app/golden/") + GetParam().golden;
    EXPECT_EQ(testing_support::CheckGolden((golden + "_pdf.txt").toStdString(),
                                           PdfText(printer.outputFileName())),
              "");
    EXPECT_EQ(PdfPages(printer.outputFileName()), 1);
    const QString page = dir_.filePath("page");
    Poppler(QStringLiteral("pdftoppm"),
            {"-png", "-r", "50", "-singlefile", printer.outputFileName(), page});
    QFile rendered(page + ".png");
    ASSERT_TRUE(rendered.open(QIODevice::ReadOnly));
    EXPECT_EQ(ComparePng(golden + ".png", rendered.readAll()), "");
}

INSTANTIATE_TEST_SUITE_P(Sheets, SetupSheetTest,
                         testing::Values(SheetCase{"ModeAOnly", false, "sheet_mode_a"},
                                         SheetCase{"WithFaceCopy", true, "sheet_face_copy"}),
                         test::kRowName);

TEST_F(ExportsTest, PrintShowsAPreviewOfOnePage) {
    GenerateReferenceGroove();
    int pages = -1;
    bool fitted = false;
    bool large = false;
    QTimer::singleShot(0, [&pages, &fitted, &large] {
        auto* preview = test::FindDialog<QPrintPreviewDialog>();
        ASSERT_NE(preview, nullptr);
        QApplication::processEvents();
        const auto* widget = preview->findChild<QPrintPreviewWidget*>();
        pages = widget->pageCount();
        // The page fitted to its width, and the toolbar's own choice saying so.
        const auto* fitWidth = preview->findChild<QAction*>(QStringLiteral("fitWidthAction"));
        fitted = widget->zoomMode() == QPrintPreviewWidget::FitToWidth && fitWidth != nullptr &&
                 fitWidth->isChecked();
        const QSize screen = preview->screen()->availableGeometry().size();
        large = preview->width() * 10 >= screen.width() * 8;
        preview->reject();
    });
    window_->findChild<QAction*>("mnuPrint")->trigger();
    EXPECT_EQ(pages, 1);
    EXPECT_TRUE(fitted);
    EXPECT_TRUE(large);
}

} // namespace
} // namespace spirolan
