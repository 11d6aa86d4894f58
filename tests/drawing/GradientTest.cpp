// Linear and path gradients against their exact formulas, with a small tolerance
// for cairo's colour interpolation.
#include <gtest/gtest.h>

#include <cmath>
#include <string>

#include "drawing/Graphics.h"
#include "drawing/LinearGradientBrush.h"
#include "drawing/PathGradientBrush.h"
#include "support/PixelAssertions.h"

namespace sk::drawing {
namespace {

constexpr ARGB kBlack = 0xFF000000, kWhite = 0xFFFFFFFF;
constexpr int kTolerance = 3;

ARGB grey(double share) {
    const int v = static_cast<int>(std::lround(255 * share));
    return makeARGB(255, v, v, v);
}

Bitmap fillWith(const Brush& brush, int w, int h) {
    Bitmap b(w, h);
    Graphics g(b);
    g.fillRectangle(brush, RectF{-1, -1, static_cast<float>(w + 2), static_cast<float>(h + 2)});
    return b;
}

TEST(LinearGradient, ModesSpanTheRectangle) {
    // Rectangle (0, 0, 100, 50): t = (x / 100) for horizontal, y / 50 vertical, the
    // average of both for the diagonals.
    struct Probe {
        LinearGradientMode mode;
        int x, y;
        double t;
    };
    const Probe probes[] = {
        {LinearGradientMode::Horizontal, 0, 10, 0.0},
        {LinearGradientMode::Horizontal, 50, 10, 0.5},
        {LinearGradientMode::Horizontal, 75, 40, 0.75},
        {LinearGradientMode::Vertical, 30, 0, 0.0},
        {LinearGradientMode::Vertical, 30, 25, 0.5},
        {LinearGradientMode::Vertical, 90, 40, 0.8},
        {LinearGradientMode::ForwardDiagonal, 0, 0, 0.0},
        {LinearGradientMode::ForwardDiagonal, 50, 25, 0.5},
        {LinearGradientMode::ForwardDiagonal, 99, 0, 0.495},
        {LinearGradientMode::ForwardDiagonal, 80, 40, 0.8},
        {LinearGradientMode::BackwardDiagonal, 99, 0, 0.005},
        {LinearGradientMode::BackwardDiagonal, 0, 49, 0.99},
        {LinearGradientMode::BackwardDiagonal, 50, 25, 0.5},
    };
    for (const Probe& p : probes) {
        LinearGradientBrush brush(RectF{0, 0, 100, 50}, kBlack, kWhite, p.mode);
        const Bitmap b = fillWith(brush, 100, 50);
        EXPECT_TRUE(test::pixelNear(b, p.x, p.y, grey(p.t), kTolerance,
                                    "linear-mode-" + std::to_string(static_cast<int>(p.mode))))
            << "mode " << static_cast<int>(p.mode);
        EXPECT_TRUE(test::pixelNear(b, p.x, p.y, brush.colorAt(static_cast<float>(p.t)), kTolerance,
                                    "linear-colorAt"));
    }
}

TEST(LinearGradient, AngleAndPointsAndTiling) {
    LinearGradientBrush byAngle(RectF{0, 0, 100, 100}, kBlack, kWhite, 90.0f);  // top to bottom
    Bitmap b = fillWith(byAngle, 100, 100);
    EXPECT_TRUE(test::pixelNear(b, 10, 25, grey(0.25), kTolerance, "angle"));
    EXPECT_TRUE(test::pixelNear(b, 80, 25, grey(0.25), kTolerance, "angle"));
    LinearGradientBrush scalable(RectF{0, 0, 100, 50}, kBlack, kWhite, 45.0f, true);  // corner to corner
    b = fillWith(scalable, 100, 50);
    EXPECT_TRUE(test::pixelNear(b, 50, 25, grey(0.5), kTolerance, "angle-scalable"));
    EXPECT_TRUE(test::pixelNear(b, 75, 0, grey(0.375), kTolerance, "angle-scalable"));
    LinearGradientBrush points(PointF{10, 0}, PointF{30, 0}, kBlack, kWhite);
    b = fillWith(points, 60, 4);
    EXPECT_TRUE(test::pixelNear(b, 20, 2, grey(0.5), kTolerance, "points"));
    EXPECT_TRUE(test::pixelNear(b, 40, 2, grey(0.5), kTolerance, "points-tiled"));  // next tile
    points.setWrapMode(WrapMode::TileFlipX);
    b = fillWith(points, 60, 4);
    EXPECT_TRUE(test::pixelNear(b, 35, 2, grey(0.75), kTolerance, "points-flipped"));  // mirrored: 1 - 0.25
}

TEST(LinearGradient, BlendFactorsAndPresets) {
    LinearGradientBrush brush(RectF{0, 0, 100, 10}, kBlack, kWhite, LinearGradientMode::Horizontal);
    ASSERT_EQ(brush.setBlend({0.0f, 0.2f, 1.0f}, {0.0f, 0.5f, 1.0f}), Status::Ok);
    Bitmap b = fillWith(brush, 100, 10);
    EXPECT_TRUE(test::pixelNear(b, 25, 5, grey(0.1), kTolerance, "blend"));
    EXPECT_TRUE(test::pixelNear(b, 50, 5, grey(0.2), kTolerance, "blend"));
    EXPECT_TRUE(test::pixelNear(b, 75, 5, grey(0.6), kTolerance, "blend"));
    EXPECT_EQ(brush.setBlend({0.0f, 1.0f}, {0.2f, 1.0f}), Status::InvalidParameter);  // must start at 0
    EXPECT_EQ(brush.setBlend({0.0f}, {0.0f}), Status::InvalidParameter);

    ASSERT_EQ(brush.setInterpolationColors({0xFFFF0000, 0xFF00FF00, 0xFF0000FF}, {0.0f, 0.25f, 1.0f}),
              Status::Ok);
    b = fillWith(brush, 100, 10);
    EXPECT_TRUE(test::pixelNear(b, 25, 5, 0xFF00FF00, kTolerance, "preset"));
    EXPECT_TRUE(test::pixelNear(b, 12, 5, brush.colorAt(0.12f), kTolerance, "preset"));
    EXPECT_TRUE(test::pixelNear(b, 62, 5, makeARGB(255, 0, 128, 127), kTolerance, "preset"));
}

TEST(LinearGradient, BellShapePeaksAtTheFocus) {
    LinearGradientBrush brush(RectF{0, 0, 100, 10}, kBlack, kWhite, LinearGradientMode::Horizontal);
    brush.setBlendBellShape(0.3f, 1.0f);
    const Bitmap b = fillWith(brush, 100, 10);
    EXPECT_TRUE(test::pixelNear(b, 30, 5, kWhite, kTolerance, "bell"));
    EXPECT_TRUE(test::pixelNear(b, 0, 5, kBlack, kTolerance, "bell"));
    EXPECT_TRUE(test::pixelNear(b, 99, 5, kBlack, 4, "bell"));
    // Rising on the left, falling on the right.
    EXPECT_LT(argbRed(b.pixel(10, 5)), argbRed(b.pixel(20, 5)));
    EXPECT_GT(argbRed(b.pixel(50, 5)), argbRed(b.pixel(80, 5)));
    brush.setBlendTriangularShape(0.5f, 0.5f);
    const Bitmap t = fillWith(brush, 100, 10);
    EXPECT_TRUE(test::pixelNear(t, 50, 5, grey(0.5), kTolerance, "triangle"));
    EXPECT_TRUE(test::pixelNear(t, 25, 5, grey(0.25), kTolerance, "triangle"));
}

TEST(LinearGradient, GammaCorrectionBrightensTheMiddle) {
    LinearGradientBrush brush(RectF{0, 0, 100, 4}, kBlack, kWhite, LinearGradientMode::Horizontal);
    brush.setGammaCorrection(true);
    const Bitmap b = fillWith(brush, 100, 4);
    const int expected = static_cast<int>(std::lround(std::pow(0.5, 1 / 2.2) * 255));  // 186
    EXPECT_NEAR(argbRed(b.pixel(50, 2)), expected, 4);
}

// A square path gradient: centre (50, 50), edge 40 pixels out, so that the position
// of (50 + d, 50) is 1 - d / 40 (0 at the edge, 1 at the centre).
PathGradientBrush squareGradient() {
    PathGradientBrush brush(std::vector<PointF>{{10, 10}, {90, 10}, {90, 90}, {10, 90}});
    brush.setCenterColor(kWhite);
    brush.setSurroundColors({kBlack});
    return brush;
}

TEST(PathGradient, ColorFollowsThePositionAlongEachRay) {
    PathGradientBrush brush = squareGradient();
    EXPECT_EQ(brush.centerPoint(), (PointF{50, 50}));
    const Bitmap b = fillWith(brush, 100, 100);
    EXPECT_TRUE(test::pixelNear(b, 50, 50, kWhite, kTolerance, "path-centre"));
    EXPECT_TRUE(test::pixelNear(b, 70, 50, grey(0.5), kTolerance, "path"));
    EXPECT_TRUE(test::pixelNear(b, 50, 80, grey(0.25), kTolerance, "path"));
    // Towards a corner the edge is further away: the ray through (70, 70) meets the
    // edge at (90, 90), position 0.5 there too -- a radial fill would give 0.29.
    EXPECT_TRUE(test::pixelNear(b, 70, 70, grey(0.5), kTolerance, "path-corner-ray"));
    EXPECT_TRUE(test::pixelNear(b, 89, 30, grey(1 - 39.0 / 40), kTolerance, "path-edge"));
    EXPECT_EQ(b.pixel(5, 5), 0u);  // clamp: nothing outside the path
}

TEST(PathGradient, BlendPresetsAndFocusScales) {
    PathGradientBrush brush = squareGradient();
    ASSERT_EQ(brush.setBlend({0.0f, 0.8f, 1.0f}, {0.0f, 0.5f, 1.0f}), Status::Ok);
    Bitmap b = fillWith(brush, 100, 100);
    EXPECT_TRUE(test::pixelNear(b, 70, 50, grey(0.8), kTolerance, "path-blend"));
    EXPECT_TRUE(
        test::pixelNear(b, 80, 50, grey(0.4), kTolerance, "path-blend"));  // position 0.25: half of 0.8
    brush = squareGradient();
    ASSERT_EQ(brush.setInterpolationColors({0x00FFFFFF, 0xB4000000, 0xB4000000}, {0.0f, 0.1f, 1.0f}),
              Status::Ok);
    b = fillWith(brush, 100, 100);
    EXPECT_TRUE(test::pixelNear(b, 50, 50, 0xB4000000, kTolerance, "path-preset"));
    EXPECT_TRUE(test::pixelNear(b, 50, 70, 0xB4000000, kTolerance, "path-preset"));
    EXPECT_LT(alphaOf(b.pixel(50, 88)), 0x80);  // the soft rim (position 0.05)
    brush = squareGradient();
    brush.setFocusScales(0.5f, 0.5f);
    b = fillWith(brush, 100, 100);
    EXPECT_TRUE(
        test::pixelNear(b, 65, 50, kWhite, kTolerance, "path-focus"));  // inside the focus square (20 out)
    EXPECT_TRUE(test::pixelNear(b, 80, 50, grey(0.5), kTolerance, "path-focus"));  // halfway from 70 to 90
}

TEST(PathGradient, SurroundColorPerVertexAndEllipse) {
    PathGradientBrush brush(std::vector<PointF>{{0, 0}, {100, 0}, {100, 100}, {0, 100}});
    ASSERT_EQ(brush.setSurroundColors({0xFFFF0000, 0xFF00FF00, 0xFF0000FF, 0xFFFFFF00}), Status::Ok);
    brush.setCenterColor(kWhite);
    EXPECT_EQ(brush.setSurroundColors(std::vector<ARGB>(5, kBlack)), Status::InvalidParameter);
    const Bitmap b = fillWith(brush, 101, 101);
    EXPECT_TRUE(test::pixelNear(b, 1, 1, brush.colorAt(0.02f, 0xFFFF0000), 6, "per-vertex"));
    EXPECT_TRUE(test::pixelNear(b, 99, 99, brush.colorAt(0.02f, 0xFF0000FF), 6, "per-vertex"));
    EXPECT_TRUE(test::pixelNear(b, 50, 0, 0xFF808000, 6, "per-vertex-mid-edge"));

    GraphicsPath ellipse;
    ellipse.addEllipse(0, 0, 100, 60);
    PathGradientBrush oval(ellipse);
    oval.setCenterPoint({50, 0});  // as the glow button's radial half: centre on the top edge
    oval.setCenterColor(kWhite);
    oval.setSurroundColors({kBlack});
    const Bitmap o = fillWith(oval, 100, 60);
    EXPECT_TRUE(test::pixelNear(o, 50, 1, grey(1 - 1.0 / 60), kTolerance, "oval"));
    EXPECT_TRUE(test::pixelNear(o, 50, 30, grey(0.5), kTolerance, "oval"));
}

}  // namespace
}  // namespace sk::drawing
