// SVG export of the graphs: the Shape 1 reference groove and its Face Copy compared with golden
// files (SPIROLAN_UPDATE_GOLDEN=1 rewrites tests/graphics/golden/; review the diff like code).
#include "face_copy_model.h"
#include "golden_file.h"
#include "shape1.h"
#include "shape_fixtures.h"
#include "surface_trace.h"
#include "svg_export.h"

#include <gtest/gtest.h>

#include <sstream>
#include <string>

namespace spirolan {
namespace {

// The Shape 1 reference groove with spindle speed 1000, generated as its dialog's OK does.
CamJob ReferenceGrooveJob() {
    CamJob job;
    Shape1Input input = testing_support::ReferenceGroove();
    input.SpindleSpeed = "1000";
    const ShapeResult result = GenerateShape1(input, job);
    EXPECT_TRUE(result.Ok()) << result.Error;
    return job;
}

TEST(SvgGolden, ReferenceGrooveModeA) {
    CamJob job = ReferenceGrooveJob();
    const std::string svg = ModeAGraphSvg(job);
    EXPECT_EQ(testing_support::CheckGolden("graphics/golden/shape1_mode_a.svg", svg), "");
    // The figure boxes show what the window's boxes show.
    EXPECT_NE(svg.find(">Spindle Speed  =  1000 min-1</text>"), std::string::npos);
    EXPECT_NE(svg.find(">Max.Speed  = 103.92 mm/s</text>"), std::string::npos);
    EXPECT_NE(svg.find(">Max.Gravity = 9.423 G</text>"), std::string::npos);
}

TEST(SvgGolden, ReferenceGrooveFaceCopyModeB) {
    CamJob job = ReferenceGrooveJob();
    FaceCopyModel dialog(job, [](const FaceCopyMessage& message) {
        ADD_FAILURE() << "unexpected message " << message.text;
    });
    ASSERT_TRUE(dialog.Open());
    dialog.MaxFace_Click(1); // 384
    dialog.swThreadDir_Click(kRightHand);
    dialog.swRepeat_Click(kRepeatOff);
    dialog.TypeCutLength("20");
    ASSERT_TRUE(dialog.Command1_Click().has_value());
    ASSERT_EQ(job.CopyNumber, 333);

    EXPECT_EQ(testing_support::CheckGolden("graphics/golden/shape1_face_copy_mode_b.svg",
                                           ModeBGraphSvg(job)),
              "");
}

TEST(SvgExport, ModeAWithoutSpindleSpeedHasEmptyFigureBoxes) {
    CamJob job;
    job.XSTable[90] = 0.5;
    const std::string svg = ModeAGraphSvg(job, {.Width = 600, .Height = 210});
    EXPECT_NE(svg.find("width=\"600\" height=\"250\""), std::string::npos);
    // Graph texts only: seven XS labels, "mm", thirteen C labels and "deg"; no "G".
    EXPECT_EQ(Occurrences(svg, "<text"), 22u);
    EXPECT_EQ(svg.find(">G</text>"), std::string::npos);
    EXPECT_EQ(Occurrences(svg, "stroke=\"#ff0000\""), 0u);
    // The flat stretches of the curve are crisp paths, the slopes around degree 90 smooth.
    EXPECT_EQ(Occurrences(svg, "stroke=\"#ffff0f\""), 3u);
}

TEST(SvgExport, ModeBWithoutCuttingLengthIsTheInactiveSurface) {
    CamJob job;
    job.LeadPitch = 3.6;
    const std::string svg = ModeBGraphSvg(job);
    EXPECT_NE(svg.find("<rect width=\"1200\" height=\"420\" fill=\"#f0f0f0\"/>"),
              std::string::npos);
    EXPECT_EQ(Occurrences(svg, "<path"), 0u);
    EXPECT_EQ(Occurrences(svg, "<text"), 0u);
    EXPECT_EQ(svg.find("crosshair"), std::string::npos);
}

} // namespace
} // namespace spirolan
