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
#include <QTemporaryDir>
#include <QTest>

#include <gtest/gtest.h>

#include <algorithm>
#include <csignal>
#include <cstdlib>
#include <sys/resource.h>

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

std::string PdfText(const QString& pdf) {
    return Poppler(QStringLiteral("pdftotext"), {QStringLiteral("-layout"), pdf, "-"});
}

// pdftotext ends every page with a form feed.
long PdfPages(const QString& pdf) {
    return std::ranges::count(PdfText(pdf), '\f');
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
        window_->SetExportFileChooser(
            [this](QWidget*, const QString& folder, const QStringList& filters) {
                offered_.push_back(folder + " " + filters.join(','));
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
    EXPECT_EQ(boxes.log, (std::vector<std::string>{"Export error|Mode-A CAF No data !! |2",
                                                   "Export error|Mode-A CAF No data !! |2",
                                                   "Print error|Mode-A CAF No data !! |2"}));
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

    choice_ = {dir_.filePath("pictures/graphs.pdf"), 2};
    window_->mnuExportGraphs_Click();
    EXPECT_EQ(PdfPages(choice_.Path), 1);
    EXPECT_EQ(
        testing_support::CheckGolden("app/golden/reference_graphs_pdf.txt", PdfText(choice_.Path)),
        "");

    choice_ = {dir_.filePath("pictures/graphs.svg"), 0};
    window_->mnuExportGraphs_Click();
    const std::string svg = ReadBytes(choice_.Path);
    EXPECT_TRUE(svg.starts_with("<?xml") && svg.find("</svg>") != std::string::npos) << svg;

    const QString pictures = QDir::toNativeSeparators(dir_.filePath("pictures"));
    const QString graphFilters = " SVG Files(*.svg),PNG Files(*.png),PDF Files(*.pdf)";
    EXPECT_EQ(offered_, (QStringList{"/ CSV Files(*.csv)",
                                     QDir::toNativeSeparators(dir_.path()) + graphFilters,
                                     pictures + graphFilters, pictures + graphFilters}));
    EXPECT_EQ(job_.ExportPathName, pictures.toStdString());
}

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
    EXPECT_TRUE(boxes.log[0].starts_with("Export error|" +
                                         QDir::toNativeSeparators(choice_.Path).toStdString() +
                                         "\n\nThe file could not be exported: "))
        << boxes.log[0];
    EXPECT_EQ(ReadBytes(choice_.Path), "old");
    EXPECT_TRUE(job_.ExportPathName.empty());
}

TEST_F(ExportsTest, SetupSheetPrintedToPdfOnOnePage) {
    GenerateReferenceGroove();
    job_.SlideSpeedLimit = 50;
    FaceCopy();
    QPrinter printer;
    printer.setResolution(96);
    printer.setOutputFormat(QPrinter::PdfFormat);
    printer.setOutputFileName(dir_.filePath("sheet.pdf"));
    const SheetContext context{"Spirolan Ver. 2.2.3", "2026-12-06 21:30", "groove.job", true};
    PaintSetupSheet(printer, job_, context, window_->CurrentGraphsView());
    EXPECT_EQ(PdfPages(printer.outputFileName()), 1);
    const std::string text =
        QString::fromStdString(PdfText(printer.outputFileName())).remove(' ').toStdString();
    // Each section's first and last row as the sheet's library test pins them.
    for (const char* row :
         {"SpirolanVer.2.2.3-Setupsheet", "Jobgroove.job", "Nose-R0.2", "CuttingPositionExternal",
          "SpindleSpeed=1000min-1", "Max.spindlespeed=481min-1(exceeded)", "Max.numberofface384",
          "ChamferExitnone"}) {
        EXPECT_NE(text.find(row), std::string::npos) << row;
    }
    // The graphs' own texts: the figure boxes and the axis labels.
    EXPECT_NE(text.find("Max.Gravity="), std::string::npos);
    EXPECT_NE(text.find("deg"), std::string::npos);
}

TEST_F(ExportsTest, PrintShowsAPreviewOfOnePage) {
    GenerateReferenceGroove();
    int pages = -1;
    QTimer::singleShot(0, [&pages] {
        auto* preview = test::FindDialog<QPrintPreviewDialog>();
        ASSERT_NE(preview, nullptr);
        QApplication::processEvents();
        pages = preview->findChild<QPrintPreviewWidget*>()->pageCount();
        preview->reject();
    });
    window_->findChild<QAction*>("mnuPrint")->trigger();
    EXPECT_EQ(pages, 1);
}

struct HostileLimit {
    const char* name;
    const char* speed;
    const char* accel;
    const char* message;
};

class HostileLimitTest : public ExportsTest, public testing::WithParamInterface<HostileLimit> {};

TEST_P(HostileLimitTest, RefusedWithAMessageAndTheDialogStaysOpen) {
    job_.SlideSpeedLimit = 80;
    window_->findChild<QAction*>("mnuMachineLimits")->trigger();
    auto* dialog = test::FindDialog<MachineLimitsDialog>();
    ASSERT_NE(dialog, nullptr);
    EXPECT_EQ(dialog->findChild<QLineEdit*>("Text1")->text(), "80");
    test::Retype(dialog->findChild<QLineEdit*>("Text1"), GetParam().speed);
    test::Retype(dialog->findChild<QLineEdit*>("Text2"), GetParam().accel);
    test::MessageBoxWatcher boxes;
    QTest::mouseClick(dialog->findChild<QPushButton*>("Command1"), Qt::LeftButton);
    EXPECT_EQ(boxes.log,
              std::vector<std::string>{std::string("Machine limits|") + GetParam().message + "|2"});
    EXPECT_TRUE(dialog->isVisible());
    EXPECT_EQ(job_.SlideSpeedLimit, 80);
    EXPECT_FALSE(job_.SlideAccelLimit.has_value());
    dialog->close();
}

constexpr const char* kSpeedMessage =
    "The maximum speed must be a number above 0 and at most 100000 mm/s, or empty for no limit.";
constexpr const char* kAccelMessage =
    "The maximum acceleration must be a number above 0 and at most 1000 G, or empty for no limit.";

INSTANTIATE_TEST_SUITE_P(Limits, HostileLimitTest,
                         testing::Values(HostileLimit{"ZeroSpeed", "0", "", kSpeedMessage},
                                         HostileLimit{"HugeAccel", "100", "1e300", kAccelMessage}),
                         test::kRowName);

// A limit set in the dialog redraws the Mode-A graph with the highest spindle speed; the settings
// keep it.
TEST_F(ExportsTest, LimitsFromTheDialogShowTheHighestSpindleSpeedAndAreKept) {
    GenerateReferenceGroove();
    const QImage before = window_->Picture1().Picture().copy();
    window_->findChild<QAction*>("mnuMachineLimits")->trigger();
    auto* dialog = test::FindDialog<MachineLimitsDialog>();
    ASSERT_NE(dialog, nullptr);
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
