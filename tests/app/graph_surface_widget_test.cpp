// Qt graph surface: user coordinates both ways, the kept picture, clipping, text lines, pointer.
#include "graph_surface_widget.h"

#include <QApplication>
#include <QTest>

#include <gtest/gtest.h>

#include <cmath>
#include <limits>
#include <ostream>

namespace spirolan {
namespace {

constexpr Rgb kBlack{8, 0, 0};
constexpr Rgb kYellow{255, 255, 15};

class GraphSurfaceTest : public testing::Test {
protected:
    void SetUp() override {
        surface_.resize(400, 70);
        surface_.show();
        QApplication::processEvents();
        // The Mode-A graph's system: x = -20..380, y = -3.5..3.5.
        surface_.SetBackColor(kBlack);
        surface_.SetScale(-20, -3.5f, 400, 7);
    }
    QColor PixelAt(int x, int y) { return surface_.Picture().pixelColor(x, y); }
    GraphSurfaceWidget surface_{12, QColor(192, 192, 192)};
};

struct MappingCase {
    const char* name;
    QPointF pixels;
    QPointF user;
};

void PrintTo(const MappingCase& c, std::ostream* os) {
    *os << c.name;
}

const MappingCase kMappings[] = {
    {"TopLeft", {0, 0}, {-20, -3.5}},
    {"Origin", {20, 35}, {0, 0}},
    {"BottomRight", {400, 70}, {380, 3.5}},
    {"Fraction", {110.5, 10}, {90.5, -2.5}},
};

class MappingTest : public GraphSurfaceTest, public testing::WithParamInterface<MappingCase> {};

TEST_P(MappingTest, PixelsAndUserCoordinatesBothWays) {
    EXPECT_EQ(surface_.ToUser(GetParam().pixels), GetParam().user);
    EXPECT_EQ(surface_.ToPixels(static_cast<float>(GetParam().user.x()),
                                static_cast<float>(GetParam().user.y())),
              GetParam().pixels);
}

INSTANTIATE_TEST_SUITE_P(Points, MappingTest, testing::ValuesIn(kMappings),
                         [](const auto& info) { return std::string(info.param.name); });

TEST_F(GraphSurfaceTest, PointerMovesReportUserCoordinates) {
    std::vector<QPointF> seen;
    surface_.onPointerMove = [&](float x, float y) { seen.emplace_back(x, y); };
    QTest::mouseMove(&surface_, QPoint(120, 35));
    ASSERT_FALSE(seen.empty());
    EXPECT_EQ(seen.back(), QPointF(100, 0));
}

TEST_F(GraphSurfaceTest, FrameIsOutsideTheUserCoordinates) {
    surface_.setFrameStyle(QFrame::Panel | QFrame::Sunken);
    surface_.resize(402, 72); // one pixel of frame on each side
    QApplication::processEvents();
    EXPECT_EQ(surface_.contentsRect().size(), QSize(400, 70));
    std::vector<QPointF> seen;
    surface_.onPointerMove = [&](float x, float y) { seen.emplace_back(x, y); };
    QTest::mouseMove(&surface_, QPoint(121, 36));
    ASSERT_FALSE(seen.empty());
    EXPECT_EQ(seen.back(), QPointF(100, 0));
    surface_.Clear();
    EXPECT_EQ(surface_.Picture().size(), QSize(400, 70) * surface_.devicePixelRatioF());
}

TEST_F(GraphSurfaceTest, KeepsItsPictureAtTheDevicePixelRatio) {
    const QImage& picture = surface_.Picture();
    EXPECT_EQ(picture.devicePixelRatio(), surface_.devicePixelRatioF());
    EXPECT_EQ(picture.size(), surface_.size() * surface_.devicePixelRatioF());
    surface_.DrawLine(0, 0, 360, 0, kYellow);
    EXPECT_EQ(PixelAt(100, 35), QColor(255, 255, 15));
    EXPECT_EQ(PixelAt(100, 30), QColor(8, 0, 0));
    // A bigger surface keeps what it showed; the new area takes the background.
    surface_.resize(500, 100);
    QApplication::processEvents();
    EXPECT_EQ(PixelAt(100, 35), QColor(255, 255, 15));
    EXPECT_EQ(PixelAt(450, 90), QColor(8, 0, 0));
    EXPECT_FALSE(surface_.grab().isNull());
}

TEST_F(GraphSurfaceTest, FarAndBrokenCoordinatesAreClippedOrSkipped) {
    const float huge = 3e38f;
    const float nan = std::numeric_limits<float>::quiet_NaN();
    surface_.DrawLine(-huge, 0, huge, 0, kYellow);
    EXPECT_EQ(PixelAt(5, 35), QColor(255, 255, 15));
    EXPECT_EQ(PixelAt(395, 35), QColor(255, 255, 15));
    surface_.DrawLine(nan, 1, 100, 1, Rgb{255, 0, 0});
    surface_.DrawLine(0, 1e30f, 100, 2e30f, Rgb{255, 0, 0});
    surface_.SetScale(0, 0, 0, 0);
    surface_.DrawLine(0, 0, 1, 1, Rgb{255, 0, 0});
    surface_.PrintLine("no scale");
    for (int x = 0; x < 400; ++x) {
        for (int y = 0; y < 70; ++y) {
            ASSERT_NE(PixelAt(x, y), QColor(255, 0, 0)) << x << "," << y;
        }
    }
}

TEST_F(GraphSurfaceTest, PrintLineStepsDownOneTextLineAndClearGoesBackToTheOrigin) {
    surface_.SetCurrentPosition(0, -3.5f);
    surface_.PrintLine("mm");
    const QPointF next = surface_.ToPixels(0, -3.5f);
    surface_.SetForeColor(Rgb{255, 0, 0});
    surface_.PrintLine("G");
    // "G" stands one text line under "mm", in red, at the same x.
    bool red = false;
    const int lineHeight = QFontMetrics(QFont(QStringLiteral("Arial"), 12)).height();
    for (int y = lineHeight; y < 2 * lineHeight && !red; ++y) {
        for (int x = 20; x < 40 && !red; ++x) {
            red = PixelAt(x, y) == QColor(255, 0, 0);
        }
    }
    EXPECT_TRUE(red);
    EXPECT_EQ(next, QPointF(20, 0));
    surface_.Clear();
    EXPECT_EQ(PixelAt(25, lineHeight + 5), QColor(8, 0, 0));
}

TEST_F(GraphSurfaceTest, PointerShapesAndShow) {
    surface_.SetPointer(PointerShape::CrossHair);
    EXPECT_EQ(surface_.cursor().shape(), Qt::CrossCursor);
    surface_.SetPointer(PointerShape::Normal);
    EXPECT_EQ(surface_.cursor().shape(), Qt::ArrowCursor);
    surface_.hide();
    surface_.Show();
    EXPECT_TRUE(surface_.isVisible());
}

TEST(FontTest, ArialIsAMetricCompatibleFace) {
    EXPECT_EQ(QFontInfo(QFont(QStringLiteral("Arial"))).family(),
              QStringLiteral("Liberation Sans"));
}

TEST(GraphSurfaceWithoutAreaTest, DrawsNothingAndDoesNotFail) {
    GraphSurfaceWidget surface(9.75f, Qt::black);
    surface.resize(0, 0);
    surface.SetBackColor(kBlack);
    surface.DrawLine(0, 0, 10, 10, kYellow);
    surface.PrintLine("text");
    EXPECT_TRUE(surface.Picture().isNull());
}

} // namespace
} // namespace spirolan
