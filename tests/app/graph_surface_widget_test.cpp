// SPDX-License-Identifier: GPL-3.0-or-later
// Qt graph surface: user coordinates both ways, the kept picture, clipping, fonts.
#include "app/widgets/graph_surface_widget.h"

#include <QApplication>
#include <QTest>

#include <gtest/gtest.h>

#include <limits>

namespace spirolan {
namespace {

constexpr Rgb kBlack{8, 0, 0};
constexpr Rgb kYellow{255, 255, 15};

class GraphSurfaceTest : public testing::Test {
protected:
    // 400 x 70 pixels inside a one-pixel frame, x = -20..380, y = -3.5..3.5 as in Mode-A.
    void SetUp() override {
        surface_.setFrameStyle(QFrame::Panel | QFrame::Sunken);
        surface_.resize(402, 72);
        surface_.show();
        QApplication::processEvents();
        surface_.SetBackColor(kBlack);
        surface_.SetScale(-20, -3.5f, 400, 7);
    }
    QColor PixelAt(int x, int y) { return surface_.Picture().pixelColor(x, y); }
    GraphSurfaceWidget surface_{12, QColor(192, 192, 192)};
};

TEST_F(GraphSurfaceTest, PixelsAndUserCoordinatesBothWaysAndThePointerReadout) {
    const std::pair<QPointF, QPointF> points[] = {
        {{0, 0}, {-20, -3.5}}, {{400, 70}, {380, 3.5}}, {{110.5, 10}, {90.5, -2.5}}};
    for (const auto& [pixels, user] : points) {
        EXPECT_EQ(surface_.ToUser(pixels), user);
        EXPECT_EQ(surface_.ToPixels(static_cast<float>(user.x()), static_cast<float>(user.y())),
                  pixels);
    }
    std::vector<QPointF> seen;
    surface_.onPointerMove = [&](float x, float y) { seen.emplace_back(x, y); };
    QTest::mouseMove(&surface_, QPoint(121, 36)); // the frame lies outside the user system
    EXPECT_EQ(seen, std::vector<QPointF>{QPointF(100, 0)});
}

TEST_F(GraphSurfaceTest, KeepsItsPictureAtTheDevicePixelRatioAndClipsFarLines) {
    EXPECT_EQ(surface_.Picture().devicePixelRatio(), surface_.devicePixelRatioF());
    EXPECT_EQ(surface_.Picture().size(), QSize(400, 70) * surface_.devicePixelRatioF());
    surface_.DrawLine(0, 0, 360, 0, kYellow);
    EXPECT_EQ(PixelAt(100, 35), QColor(255, 255, 15));
    EXPECT_EQ(PixelAt(100, 30), QColor(8, 0, 0));
    // A line from far off keeps its visible part; broken coordinates draw nothing.
    surface_.DrawLine(-3e38f, -1, 3e38f, -1, kYellow);
    EXPECT_EQ(PixelAt(5, 25), QColor(255, 255, 15));
    EXPECT_EQ(PixelAt(395, 25), QColor(255, 255, 15));
    // A bigger surface keeps what it showed; the new area takes the background.
    surface_.resize(502, 102);
    QApplication::processEvents();
    EXPECT_EQ(PixelAt(100, 35), QColor(255, 255, 15));
    EXPECT_EQ(PixelAt(450, 90), QColor(8, 0, 0));
    const QImage before = surface_.Picture().copy();
    surface_.DrawLine(std::numeric_limits<float>::quiet_NaN(), 1, 100, 1, kYellow);
    surface_.DrawLine(0, 1e30f, 100, 2e30f, kYellow);
    EXPECT_EQ(surface_.Picture(), before);
}

TEST(GraphSurfaceWithoutAreaTest, DrawsNothingAndDoesNotFail) {
    GraphSurfaceWidget surface(9.75f, Qt::black);
    surface.resize(0, 0);
    surface.SetBackColor(kBlack);
    surface.DrawLine(0, 0, 10, 10, kYellow);
    surface.PrintLine("text");
    EXPECT_TRUE(surface.Picture().isNull());
}

TEST(FontTest, ArialIsAMetricCompatibleFace) {
    EXPECT_EQ(QFontInfo(QFont(QStringLiteral("Arial"))).family(),
              QStringLiteral("Liberation Sans"));
}

} // namespace
} // namespace spirolan
