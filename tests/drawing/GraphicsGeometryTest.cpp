// Where the 2-D operations put their pixels: pixel-centre coordinates, smoothing,
// clip, transforms, save/restore and sticky statuses.
#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <functional>

#include "drawing/Graphics.h"
#include "support/PixelAssertions.h"

namespace sk::drawing {
namespace {

constexpr ARGB kWhite = 0xFFFFFFFF, kBlack = 0xFF000000, kRed = 0xFFFF0000, kBlue = 0xFF0000FF;

Bitmap whiteBitmap(int w, int h) {
    Bitmap b(w, h);
    b.fill(kWhite);
    return b;
}

TEST(GraphicsGeometry, OnePixelLineAtIntegerXCoversExactlyThatColumn) {
    for (SmoothingMode mode : {SmoothingMode::AntiAlias, SmoothingMode::None}) {
        Bitmap b = whiteBitmap(5, 5);
        Graphics g(b);
        g.setSmoothingMode(mode);
        g.drawLine(Pen(kBlack), 0, 0, 0, 4);
        for (int y = 1; y < 4; ++y) {
            EXPECT_TRUE(test::pixelIs(b, 0, y, kBlack, "line-x0"));
            EXPECT_TRUE(test::pixelIs(b, 1, y, kWhite, "line-x0"));
        }
    }
}

TEST(GraphicsGeometry, RectangleOutlineAtSizeMinusOneLiesOnTheOutermostPixels) {
    Bitmap b = whiteBitmap(8, 6);
    Graphics g(b);
    g.setSmoothingMode(SmoothingMode::AntiAlias);
    g.drawRectangle(Pen(kBlue), RectF{0, 0, 7, 5});
    for (int x = 0; x < 8; ++x) {
        EXPECT_TRUE(test::pixelIs(b, x, 0, kBlue, "outline"));
        EXPECT_TRUE(test::pixelIs(b, x, 5, kBlue, "outline"));
    }
    for (int y = 0; y < 6; ++y) {
        EXPECT_TRUE(test::pixelIs(b, 0, y, kBlue, "outline"));
        EXPECT_TRUE(test::pixelIs(b, 7, y, kBlue, "outline"));
    }
    EXPECT_TRUE(test::pixelIs(b, 1, 1, kWhite, "outline"));
    EXPECT_TRUE(test::pixelIs(b, 6, 4, kWhite, "outline"));
}

TEST(GraphicsGeometry, SmoothedFillOfIntegerRectangleHalfCoversItsFarEdges) {
    Bitmap b = whiteBitmap(6, 6);
    Graphics g(b);
    g.setSmoothingMode(SmoothingMode::AntiAlias);
    g.fillRectangle(SolidBrush(kBlack), 1, 1, 3, 3);  // covers 0.5 .. 3.5 in pixel centres
    EXPECT_TRUE(test::pixelNear(b, 2, 2, kBlack, 0, "half"));
    EXPECT_TRUE(test::pixelNear(b, 0, 2, kWhite, 0, "half"));
    EXPECT_TRUE(test::pixelNear(b, 1, 2, 0xFF808080, 2, "half"));
    EXPECT_TRUE(test::pixelNear(b, 4, 2, 0xFF808080, 2, "half"));
}

TEST(GraphicsGeometry, UnsmoothedFillCoversWholePixels) {
    Bitmap b = whiteBitmap(6, 6);
    Graphics g(b);
    g.setSmoothingMode(SmoothingMode::None);
    g.fillRectangle(SolidBrush(kBlack), 1, 1, 3, 3);
    int black = 0;
    for (int y = 0; y < 6; ++y)
        for (int x = 0; x < 6; ++x) {
            const std::uint32_t p = b.pixel(x, y);
            EXPECT_TRUE(p == kBlack || p == kWhite) << x << "," << y;
            black += p == kBlack;
        }
    EXPECT_EQ(black, 9);
    EXPECT_TRUE(test::pixelIs(b, 1, 1, kBlack, "aliased-fill"));  // the rectangle's own pixels
    EXPECT_TRUE(test::pixelIs(b, 3, 3, kBlack, "aliased-fill"));
    EXPECT_TRUE(test::pixelIs(b, 4, 4, kWhite, "aliased-fill"));
}

TEST(GraphicsGeometry, RectangleClipFollowsTheTransform) {
    Bitmap b = whiteBitmap(10, 10);
    Graphics g(b);
    g.scaleTransform(2, 2);
    g.setClip(RectF{1, 1, 2, 2});  // pixels 2..5
    g.resetTransform();
    g.clear(kBlack);
    EXPECT_TRUE(test::pixelIs(b, 2, 2, kBlack, "scaled-clip"));
    EXPECT_TRUE(test::pixelIs(b, 5, 5, kBlack, "scaled-clip"));
    EXPECT_TRUE(test::pixelIs(b, 6, 5, kWhite, "scaled-clip"));
    EXPECT_TRUE(test::pixelIs(b, 1, 2, kWhite, "scaled-clip"));
}

TEST(GraphicsGeometry, ClipLimitsDrawingAndResetsAndRestores) {
    Bitmap b = whiteBitmap(10, 10);
    Graphics g(b);
    const GraphicsState saved = g.save();
    g.setClip(RectF{2, 2, 3, 3});  // pixels 2..4
    g.fillRectangle(SolidBrush(kRed), -10, -10, 40, 40);
    EXPECT_TRUE(test::pixelIs(b, 2, 2, kRed, "clip"));
    EXPECT_TRUE(test::pixelIs(b, 4, 4, kRed, "clip"));
    EXPECT_TRUE(test::pixelIs(b, 5, 4, kWhite, "clip"));
    EXPECT_TRUE(test::pixelIs(b, 1, 2, kWhite, "clip"));
    g.intersectClip(RectF{3, 3, 10, 10});
    g.clear(kBlue);
    EXPECT_TRUE(test::pixelIs(b, 3, 3, kBlue, "clip"));
    EXPECT_TRUE(test::pixelIs(b, 2, 2, kRed, "clip"));
    g.restore(saved);
    g.fillRectangle(SolidBrush(kBlack), 8, 8, 1, 1);
    EXPECT_NE(b.pixel(8, 8), kWhite);
    EXPECT_TRUE(g.clip().infinite());
}

TEST(GraphicsGeometry, ClipToAnEllipsePath) {
    Bitmap b = whiteBitmap(21, 21);
    Graphics g(b);
    g.setSmoothingMode(SmoothingMode::AntiAlias);
    GraphicsPath circle;
    circle.addEllipse(0, 0, 20, 20);
    g.setClip(circle);
    g.clear(kBlack);
    EXPECT_TRUE(test::pixelIs(b, 10, 10, kBlack, "ellipse-clip"));
    EXPECT_TRUE(test::pixelIs(b, 0, 0, kWhite, "ellipse-clip"));
    EXPECT_TRUE(test::pixelIs(b, 20, 20, kWhite, "ellipse-clip"));
    const Region region = g.clip();
    g.resetClip();
    g.setClip(region);
    g.clear(kRed);
    EXPECT_TRUE(test::pixelIs(b, 10, 10, kRed, "ellipse-clip"));
    EXPECT_TRUE(test::pixelIs(b, 0, 0, kWhite, "ellipse-clip"));
}

TEST(GraphicsGeometry, TransformsTranslateRotateScale) {
    Bitmap b = whiteBitmap(20, 20);
    Graphics g(b);
    g.translateTransform(10, 10);
    g.rotateTransform(90);                                     // clockwise: +x points down
    g.fillRectangle(SolidBrush(kRed), RectF{2, -0.5f, 4, 1});  // along +x in user space
    EXPECT_TRUE(test::pixelIs(b, 10, 14, kRed, "rotate"));
    EXPECT_TRUE(test::pixelIs(b, 14, 10, kWhite, "rotate"));
    g.resetTransform();
    g.scaleTransform(2, 3);
    g.fillRectangle(SolidBrush(kBlue),
                    RectF{0, 0, 2, 2});  // pixel centres 0..3 x 0..5 (edges -1..3, -1.5..4.5)
    EXPECT_TRUE(test::pixelIs(b, 2, 3, kBlue, "scale"));
    EXPECT_TRUE(test::pixelIs(b, 6, 3, kWhite, "scale"));
    Matrix m;
    m.translate(5, 0);
    m.scale(2, 2);
    EXPECT_EQ(m.transform({1, 1}), (PointF{7, 2}));  // scaled first, then moved
}

TEST(GraphicsGeometry, ArcsRunClockwiseFromThreeOClock) {
    GraphicsPath path;
    path.addArc(RectF{0, 0, 100, 50}, 0, 90);
    const auto pts = path.points();
    ASSERT_GE(pts.size(), 2u);
    EXPECT_NEAR(pts.front().x, 100, 1e-3);
    EXPECT_NEAR(pts.front().y, 25, 1e-3);
    EXPECT_NEAR(pts.back().x, 50, 1e-3);  // 90 degrees: straight down
    EXPECT_NEAR(pts.back().y, 50, 1e-3);
    GraphicsPath diagonal;
    diagonal.addArc(RectF{0, 0, 100, 50}, 0, 45);  // true angle: the point on the 45-degree ray
    const PointF end = diagonal.points().back();
    EXPECT_NEAR(end.x - 50, end.y - 25, 1e-2);
}

TEST(GraphicsGeometry, PathBoundsFlattenAndWiden) {
    GraphicsPath path;
    path.addEllipse(10, 20, 40, 30);
    const RectF bounds = path.bounds();
    EXPECT_NEAR(bounds.x, 10, 0.01);
    EXPECT_NEAR(bounds.y, 20, 0.01);
    EXPECT_NEAR(bounds.right(), 50, 0.01);
    EXPECT_NEAR(bounds.bottom(), 50, 0.01);
    GraphicsPath flat = path;
    flat.flatten();
    for (const auto& e : flat.elements()) EXPECT_NE(e.verb, GraphicsPath::Verb::Curve);
    EXPECT_GT(flat.pointCount(), 16);
    GraphicsPath wide;
    wide.addLine(0, 0, 10, 0);
    wide.widen(Pen(kBlack, 4));
    const RectF wb = wide.bounds();
    EXPECT_NEAR(wb.y, -2, 0.01);
    EXPECT_NEAR(wb.bottom(), 2, 0.01);
    EXPECT_NEAR(wb.x, -2, 0.01);
    Bitmap b = whiteBitmap(20, 10);
    Graphics g(b);
    GraphicsPath grown;
    grown.addLine(2, 5, 15, 5);
    grown.widen(Pen(kBlack, 5));
    g.fillPath(SolidBrush(kBlack), grown);
    EXPECT_TRUE(test::pixelIs(b, 8, 3, kBlack, "widen"));  // 2 pixels off the line
    EXPECT_TRUE(test::pixelIs(b, 8, 7, kBlack, "widen"));
    EXPECT_TRUE(test::pixelIs(b, 8, 9, kWhite, "widen"));
}

TEST(GraphicsGeometry, StatusIsStickyAndDrawingGoesOn) {
    Bitmap b = whiteBitmap(4, 4);
    Graphics g(b);
    EXPECT_EQ(g.lastStatus(), Status::Ok);
    const PointF one[] = {{0, 0}};
    EXPECT_EQ(g.fillPolygon(SolidBrush(kBlack), one), Status::InvalidParameter);
    EXPECT_EQ(g.fillRectangle(SolidBrush(kBlack), 0, 0, 4, 4), Status::Ok);
    EXPECT_EQ(g.lastStatus(), Status::InvalidParameter);
    EXPECT_TRUE(test::pixelIs(b, 1, 1, kBlack, "sticky"));
    EXPECT_EQ(g.fillRectangle(SolidBrush(kBlack), RectF{0, 0, std::nanf(""), 1}), Status::InvalidParameter);
}

TEST(GraphicsGeometry, TransformsThatCannotBeInvertedAreRefusedAndDrawingGoesOn) {
    const struct {
        const char* name;
        std::function<Status(Graphics&)> change;
    } refused[] = {
        {"zero scale", [](Graphics& g) { return g.scaleTransform(0, 1); }},
        {"singular matrix", [](Graphics& g) { return g.setTransform(Matrix(1, 2, 2, 4, 0, 0)); }},
        {"infinite shift", [](Graphics& g) { return g.translateTransform(INFINITY, 0); }},
        {"not a number", [](Graphics& g) { return g.rotateTransform(std::nanf("")); }},
    };
    for (const auto& c : refused) {
        SCOPED_TRACE(c.name);
        Bitmap b = whiteBitmap(8, 8);
        Graphics g(b);
        ASSERT_EQ(g.translateTransform(2, 2), Status::Ok);
        EXPECT_EQ(c.change(g), Status::InvalidParameter);
        EXPECT_EQ(g.transform(), Matrix(1, 0, 0, 1, 2, 2));  // the old transform stays
        g.clearLastStatus();
        EXPECT_EQ(g.fillRectangle(SolidBrush(kBlack), 0, 0, 2, 2), Status::Ok);
        EXPECT_EQ(g.lastStatus(), Status::Ok);
        EXPECT_TRUE(test::pixelIs(b, 3, 3, kBlack, "after-refused-transform"));
    }
}

TEST(GraphicsGeometry, SourceCopyReplacesPixelsIncludingAlpha) {
    Bitmap b = whiteBitmap(4, 4);
    Graphics g(b);
    g.setCompositingMode(CompositingMode::SourceCopy);
    g.setSmoothingMode(SmoothingMode::None);
    g.fillRectangle(SolidBrush(0x00000000), 0, 0, 2, 2);
    EXPECT_EQ(b.pixel(0, 0), 0u);
    g.clear(0x80FF0000);
    EXPECT_TRUE(test::pixelNear(b, 3, 3, 0x80FF0000, 1, "copy"));
}

TEST(GraphicsGeometry, DrawingOnAnEmptyBitmapIsHarmless) {
    Bitmap empty;
    Graphics g(empty);
    EXPECT_EQ(g.fillRectangle(SolidBrush(kBlack), 0, 0, 10, 10), Status::Ok);
    g.drawString("x", Font("Arial", 8), PointF{0, 0}, SolidBrush(kBlack));
}

}  // namespace
}  // namespace sk::drawing

namespace sk::drawing {
namespace {

TEST(GraphicsPathShapes, PiesBeziersFiguresAndPaths) {
    GraphicsPath pie;
    pie.addPie(RectF{0, 0, 100, 100}, 0, 90);  // the lower-right quarter
    const RectF bounds = pie.bounds();
    EXPECT_NEAR(bounds.x, 50, 0.01);
    EXPECT_NEAR(bounds.y, 50, 0.01);
    EXPECT_NEAR(bounds.right(), 100, 0.01);
    EXPECT_NEAR(bounds.bottom(), 100, 0.01);
    EXPECT_EQ(pie.elements().back().verb, GraphicsPath::Verb::Close);

    GraphicsPath open;
    open.addLine(0, 0, 10, 0);
    open.addBezier({10, 0}, {15, 0}, {20, 5}, {20, 10});  // continues the figure
    open.addLine(20, 10, 0, 10);
    EXPECT_EQ(open.elements().front().verb, GraphicsPath::Verb::Move);
    EXPECT_EQ(std::count_if(open.elements().begin(), open.elements().end(),
                            [](const auto& e) { return e.verb == GraphicsPath::Verb::Move; }),
              1);
    open.startFigure();
    open.addLine(30, 0, 40, 0);
    open.closeAllFigures();
    EXPECT_EQ(std::count_if(open.elements().begin(), open.elements().end(),
                            [](const auto& e) { return e.verb == GraphicsPath::Verb::Close; }),
              2);
    GraphicsPath joined;
    joined.addLine(-10, 0, 0, 0);
    joined.addPath(open, true);
    EXPECT_EQ(std::count_if(joined.elements().begin(), joined.elements().end(),
                            [](const auto& e) { return e.verb == GraphicsPath::Verb::Move; }),
              2);                                    // the first figure of `open` continues the line
    EXPECT_EQ(joined.lastPoint(), (PointF{30, 0}));  // back to the closed figure's start
}

TEST(GraphicsPathShapes, FillModesDecideOverlaps) {
    for (FillMode mode : {FillMode::Alternate, FillMode::Winding}) {
        Bitmap b(20, 20);
        b.fill(0xFFFFFFFF);
        Graphics g(b);
        GraphicsPath path(mode);
        path.addRectangle({2, 2, 16, 16});
        path.addRectangle({6, 6, 8, 8});
        g.fillPath(SolidBrush(0xFF000000), path);
        EXPECT_EQ(b.pixel(3, 3), 0xFF000000u);
        EXPECT_EQ(b.pixel(10, 10), mode == FillMode::Winding ? 0xFF000000u : 0xFFFFFFFFu);
    }
}

TEST(GraphicsGeometry, DrawImagePartStretched) {
    Bitmap source(4, 4);
    source.fill(0xFF0000FF);
    source.setPixel(2, 2, 0xFFFF0000);
    source.setPixel(3, 2, 0xFFFF0000);
    source.setPixel(2, 3, 0xFFFF0000);
    source.setPixel(3, 3, 0xFFFF0000);
    Bitmap b(8, 8);
    Graphics g(b);
    g.setInterpolationMode(InterpolationMode::NearestNeighbor);
    g.drawImage(source, RectF{0, 0, 8, 8}, RectF{2, 2, 2, 2});  // the red quarter, four times as large
    EXPECT_EQ(b.pixel(0, 0), 0xFFFF0000u);
    EXPECT_EQ(b.pixel(7, 7), 0xFFFF0000u);
}

}  // namespace
}  // namespace sk::drawing
