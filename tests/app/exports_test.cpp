// SPDX-License-Identifier: GPL-3.0-or-later
// Results that leave the window: table and graph exports, the printed setup sheet and the
// machine limits dialog, by the window's commands. SPIROLAN_UPDATE_GOLDEN=1 rewrites the PNG and
// the PDF's text under tests/app/golden/.
#include "app/shell/settings_store.h"
#include "app/shell/setup_sheet_print.h"
#include "app/windows/machine_limits_dialog.h"
#include "facecopy/face_copy_model.h"
#include "graphics/graph_style.h"
#include "tests/app/test_support.h"
#include "tests/support/golden_file.h"
#include "tests/support/shape_fixtures.h"

#include <QDir>
#include <QFile>
#include <QImage>
#include <QPrintPreviewDialog>
#include <QPrintPreviewWidget>
#include <QPrinter>
#include <QProcess>
#include <QPushButton>
#include <QRegularExpression>
#include <QScreen>
#include <QTemporaryDir>
#include <QTest>

#include <gtest/gtest.h>

#include <algorithm>
#include <array>
#include <csignal>
#include <cstdlib>
#include <optional>
#include <sys/resource.h>
#include <sys/stat.h>

namespace spirolan {
namespace {

using test::PrintTo;
using test::ReadBytes;

bool UpdatingGolden() {
    const char* update = std::getenv("SPIROLAN_UPDATE_GOLDEN");
    return update != nullptr && std::string(update) == "1";
}

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
    if (UpdatingGolden()) {
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
        DialogHooks hooks;
        hooks.MachineLimits = DefaultDialogHooks().MachineLimits;
        window_ = test::OpenWindow(job_, dir_.filePath("s.ini"), hooks);
        window_->SetExportFileChooser([this](QWidget*, const QString& title, const QString& folder,
                                             const QStringList& filters,
                                             std::optional<bool> screenStyle) {
            offered_.push_back(title + " " + folder + " " + filters.join(',') +
                               (screenStyle ? (*screenStyle ? " screen" : " print") : ""));
            return choice_;
        });
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
        window_->SetModeBText(dialog.Command1_Click().value().text);
        window_->ReGraphic_Click();
    }

    QTemporaryDir dir_;
    CamJob job_;
    std::unique_ptr<frmMain> window_;
    ExportChoice choice_;
    QStringList offered_;
};

TEST_F(ExportsTest, WithoutModeADataEachCommandRefusesBeforeAnyDialog) {
    test::MessageBoxWatcher boxes;
    window_->findChild<QAction*>("mnuExportTable")->trigger();
    window_->findChild<QAction*>("mnuExportGraphs")->trigger();
    window_->findChild<QAction*>("mnuPrint")->trigger();
    const std::string hint = ": enter a shape first (File > Data input).|2";
    EXPECT_EQ(boxes.log, (std::vector<std::string>{
                             "Export error|There is no table to export yet" + hint,
                             "Export error|There are no graphs to export yet" + hint,
                             "Print error|There is no setup sheet to print yet" + hint}));
    EXPECT_TRUE(offered_.isEmpty());
}

// The table and the three picture formats, each as the filter chosen says; the folder of one
// export is where the next starts.
TEST_F(ExportsTest, TableAndGraphsInTheChosenFormatFromTheRememberedFolder) {
    GenerateReferenceGroove();
    choice_ = {dir_.filePath("table.csv"), 0};
    window_->findChild<QAction*>("mnuExportTable")->trigger();
    // The same bytes as the batch command's --csv of this groove.
    EXPECT_EQ(testing_support::CheckGolden("cases/motion_figures_csv_and_limits/table.csv",
                                           ReadBytes(choice_.Path)),
              "");

    QDir(dir_.path()).mkdir("pictures");
    FaceCopy();
    choice_ = {dir_.filePath("pictures/graphs.png"), 1};
    window_->findChild<QAction*>("mnuExportGraphs")->trigger();
    const QByteArray png = QByteArray::fromStdString(ReadBytes(choice_.Path));
    EXPECT_EQ(ComparePng(QStringLiteral("app/golden/reference_graphs.png"), png), "");
    // Print style: not one pixel of the screen's black graph background.
    EXPECT_EQ(PixelsOf(png, QColor(8, 0, 0)), 0);

    choice_ = {dir_.filePath("pictures/graphs.pdf"), 2};
    window_->mnuExportGraphs_Click();
    EXPECT_EQ(PdfPages(choice_.Path), 1);
    EXPECT_EQ(
        testing_support::CheckGolden("app/golden/reference_graphs_pdf.txt", PdfText(choice_.Path)),
        "");

    choice_ = {dir_.filePath("pictures/graphs.svg"), 0};
    window_->mnuExportGraphs_Click();
    const std::string svg = ReadBytes(choice_.Path);
    EXPECT_NE(svg.find(">Mode-B: XS along Z</text>"), std::string::npos);
    EXPECT_NE(svg.find(">Job Untitled - 20"), std::string::npos);
    EXPECT_EQ(svg.find("#080000"), std::string::npos);

    const QString pictures = QDir::toNativeSeparators(dir_.filePath("pictures"));
    const QString graphFilters = " SVG Files(*.svg),PNG Files(*.png),PDF Files(*.pdf) print";
    const QString graphs = "Export Graphs ";
    EXPECT_EQ(offered_,
              (QStringList{"Export Table / CSV Files(*.csv)",
                           graphs + QDir::toNativeSeparators(dir_.path()) + graphFilters,
                           graphs + pictures + graphFilters, graphs + pictures + graphFilters}));
    EXPECT_EQ(job_.ExportPathName, pictures.toStdString());
}

// The screen's style chosen in the export dialog gives the black graphs, and the next export
// dialog, in this run or the next, offers it again.
TEST_F(ExportsTest, TheScreenStyleChosenIsRemembered) {
    GenerateReferenceGroove();
    choice_ = {dir_.filePath("screen.png"), 1, true};
    window_->mnuExportGraphs_Click();
    EXPECT_GT(PixelsOf(QByteArray::fromStdString(ReadBytes(choice_.Path)), QColor(8, 0, 0)), 10000);
    window_->mnuExportGraphs_Click();
    EXPECT_TRUE(offered_.back().endsWith(" screen"));
    window_->close();
    CamJob next;
    const auto reopened = test::OpenWindow(next, dir_.filePath("s.ini"), {});
    reopened->SetExportFileChooser([this](QWidget*, const QString&, const QString&,
                                          const QStringList&, std::optional<bool> screenStyle) {
        offered_.push_back(screenStyle.value_or(false) ? "screen" : "print");
        return ExportChoice{};
    });
    Shape1Input input = testing_support::ReferenceGroove();
    reopened->SetModeAText(GenerateShape1(input, next).ModeAText);
    reopened->mnuExportGraphs_Click();
    EXPECT_EQ(offered_.back(), "screen");
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
        fitted = widget->zoomMode() == QPrintPreviewWidget::FitToWidth;
        const QSize screen = preview->screen()->availableGeometry().size();
        large = preview->width() * 10 >= screen.width() * 8;
        preview->reject();
    });
    window_->findChild<QAction*>("mnuPrint")->trigger();
    EXPECT_EQ(pages, 1);
    EXPECT_TRUE(fitted);
    EXPECT_TRUE(large);
}

// A limit out of range is refused with a message and the dialog stays open; one set in the dialog
// redraws the Mode-A graph with the highest spindle speed, and the settings keep it.
TEST_F(ExportsTest, LimitsFromTheDialogShowTheHighestSpindleSpeedAndAreKept) {
    GenerateReferenceGroove();
    const QImage before = window_->Picture1().Picture().copy();
    job_.SlideSpeedLimit = 0.1 + 0.2; // stored as 0.30000000000000004
    window_->findChild<QAction*>("mnuMachineLimits")->trigger();
    auto* dialog = test::FindDialog<MachineLimitsDialog>();
    ASSERT_NE(dialog, nullptr);
    EXPECT_EQ(dialog->findChild<QLineEdit*>("Text1")->text(), "0.3");
    const std::string speed =
        "The maximum speed must be a number from 0.001 to 100000 mm/s, or empty for no limit.";
    const std::string accel =
        "The maximum acceleration must be a number from 0.001 to 1000 G, or empty for no limit.";
    const std::vector<std::array<std::string, 3>> refused{
        {"0", "", speed}, {"1e-300", "", speed}, {"100", "1e300", accel}};
    for (const auto& [typedSpeed, typedAccel, message] : refused) {
        test::Retype(dialog->findChild<QLineEdit*>("Text1"), QString::fromStdString(typedSpeed));
        test::Retype(dialog->findChild<QLineEdit*>("Text2"), QString::fromStdString(typedAccel));
        test::MessageBoxWatcher boxes;
        QTest::mouseClick(dialog->findChild<QPushButton*>("Command1"), Qt::LeftButton);
        EXPECT_EQ(boxes.log, std::vector<std::string>{"Machine limits|" + message + "|2"});
        EXPECT_TRUE(dialog->isVisible()) << typedSpeed;
        EXPECT_EQ(job_.SlideSpeedLimit, 0.1 + 0.2);
        EXPECT_FALSE(job_.SlideAccelLimit.has_value());
    }
    test::Retype(dialog->findChild<QLineEdit*>("Text1"), "120");
    test::Retype(dialog->findChild<QLineEdit*>("Text2"), " 5 ");
    QTest::mouseClick(dialog->findChild<QPushButton*>("Command1"), Qt::LeftButton);
    QApplication::processEvents();
    EXPECT_EQ(test::FindDialog<MachineLimitsDialog>(), nullptr);
    EXPECT_EQ(job_.SlideSpeedLimit, 120);
    EXPECT_EQ(job_.SlideAccelLimit, 5);
    EXPECT_NE(window_->Picture1().Picture(), before); // the line itself is the graph's own test

    job_.ExportPathName = "/exports";
    window_->close();
    CamJob next;
    ReadSettings(dir_.filePath("s.ini"), next);
    EXPECT_EQ(next.SlideAccelLimit, 5);
    EXPECT_EQ(next.SlideSpeedLimit, 120);
    EXPECT_EQ(next.ExportPathName, "/exports");
    // A stored limit the dialog would refuse is no limit.
    ASSERT_TRUE(WriteSetting(dir_.filePath("s.ini"), "MaxSlideSpeed", "-3").Ok);
    ReadSettings(dir_.filePath("s.ini"), next);
    EXPECT_FALSE(next.SlideSpeedLimit.has_value());
}

} // namespace
} // namespace spirolan
