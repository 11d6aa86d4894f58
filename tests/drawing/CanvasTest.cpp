// Device-context drawing: exact pixels for lines, rectangles, frames, focus
// rectangles and colour-keyed copies; text placement and extents.
#include <gtest/gtest.h>

#include "drawing/Canvas.h"
#include "support/PixelAssertions.h"

namespace sk::drawing {
namespace {

constexpr std::uint32_t W = 0xFFFFFFFF, K = 0xFF000000;

Bitmap white(int w, int h) {
    Bitmap b(w, h);
    b.fill(W);
    return b;
}

// The pixels that are not white, as a picture of rows ('#' drawn, '.' not).
std::vector<std::string> picture(const Bitmap& b) {
    std::vector<std::string> rows;
    for (int y = 0; y < b.height(); ++y) {
        std::string row;
        for (int x = 0; x < b.width(); ++x) row += b.pixel(x, y) == W ? '.' : '#';
        rows.push_back(row);
    }
    return rows;
}

TEST(Canvas, LinesLeaveOutTheirEndPoint) {
    Bitmap b = white(8, 5);
    Canvas c(b);
    c.moveTo(0, 0);
    c.lineTo(5, 0);
    c.moveTo(0, 2);
    c.lineTo(4, 4);  // a shallow diagonal
    c.moveTo(7, 4);
    c.lineTo(7, 1);  // upwards
    EXPECT_EQ(picture(b),
              (std::vector<std::string>{"#####...", "........", "##.....#", "..##...#", ".......#"}));
    EXPECT_EQ(c.penPosition(), (Point{7, 1}));
}

TEST(Canvas, DottedPenAndClearPen) {
    Bitmap b = white(12, 2);
    Canvas c(b);
    c.pen().style = CanvasPen::Style::Dot;  // 3 on, 3 off
    c.moveTo(0, 0);
    c.lineTo(12, 0);
    c.pen().style = CanvasPen::Style::Clear;
    c.moveTo(0, 1);
    c.lineTo(12, 1);
    EXPECT_EQ(picture(b), (std::vector<std::string>{"###...###...", "............"}));
}

TEST(Canvas, RectangleFillRectFrameRect) {
    Bitmap b = white(7, 6);
    Canvas c(b);
    c.pen().color = clRed;
    c.brush().color = clBlue;
    c.rectangle(1, 1, 6, 5);
    EXPECT_TRUE(test::pixelIs(b, 1, 1, 0xFFFF0000, "rect"));
    EXPECT_TRUE(test::pixelIs(b, 5, 4, 0xFFFF0000, "rect"));
    EXPECT_TRUE(test::pixelIs(b, 2, 2, 0xFF0000FF, "rect"));
    EXPECT_TRUE(test::pixelIs(b, 4, 3, 0xFF0000FF, "rect"));
    EXPECT_TRUE(test::pixelIs(b, 6, 5, W, "rect"));

    Bitmap f = white(6, 5);
    Canvas cf(f);
    cf.brush().color = clBlack;
    cf.frameRect({1, 1, 4, 3});
    EXPECT_EQ(picture(f), (std::vector<std::string>{"......", ".####.", ".#..#.", ".####.", "......"}));
    cf.fillRect({0, 0, 2, 1});
    EXPECT_EQ(picture(f)[0], "##....");
    cf.brush().style = CanvasBrush::Style::Clear;
    cf.fillRect({0, 4, 6, 1});
    EXPECT_EQ(picture(f)[4], "......");
    // The brush colour of a system colour is resolved.
    cf.brush() = {clBtnFace, CanvasBrush::Style::Solid};
    cf.fillRect({5, 4, 1, 1});
    EXPECT_TRUE(test::pixelIs(f, 5, 4, 0xFFD4D0C8, "system"));
}

TEST(Canvas, Frame3DPaintsTopLeftAndBottomRightAndShrinks) {
    Bitmap b = white(5, 4);
    Canvas c(b);
    Rect r{0, 0, 5, 4};
    c.frame3D(r, clWhite, clBlack, 1);
    // Top and left in the first colour (white, invisible here), bottom and right black.
    EXPECT_EQ(picture(b), (std::vector<std::string>{"....#", "....#", "....#", "#####"}));
    EXPECT_EQ(r, (Rect{1, 1, 3, 2}));
    Bitmap d = white(5, 4);
    Canvas cd(d);
    Rect r2{0, 0, 5, 4};
    cd.frame3D(r2, clBlack, clWhite, 1);
    EXPECT_EQ(picture(d), (std::vector<std::string>{"####.", "#....", "#....", "....."}));
}

TEST(Canvas, FocusRectIsDottedAndUndoesItself) {
    Bitmap b = white(6, 4);
    Canvas c(b);
    c.drawFocusRect({0, 0, 6, 4});
    EXPECT_EQ(picture(b), (std::vector<std::string>{"#.#.#.", ".....#", "#.....", ".#.#.#"}));
    EXPECT_EQ(b.pixel(0, 0), K);
    c.drawFocusRect({0, 0, 6, 4});
    EXPECT_EQ(picture(b), (std::vector<std::string>{"......", "......", "......", "......"}));
}

TEST(Canvas, ClipRectAndOrigin) {
    Bitmap b = white(6, 3);
    Canvas c(b);
    c.setClipRect({1, 0, 3, 3});
    c.brush().color = clBlack;
    c.fillRect({0, 0, 6, 1});
    c.setOrigin({2, 1});
    c.resetClip();
    c.fillRect({0, 0, 1, 1});  // lands at (2, 1)
    EXPECT_EQ(picture(b), (std::vector<std::string>{".###..", "..#...", "......"}));
}

TEST(Canvas, EllipseRoundRectAndPolygonStayInsideTheirBoxes) {
    Bitmap b = white(12, 10);
    Canvas c(b);
    c.brush().color = clBlack;
    c.ellipse(1, 1, 11, 9);
    const auto rows = picture(b);
    EXPECT_EQ(rows[0], "............");
    EXPECT_EQ(rows[9], "............");
    EXPECT_EQ(rows[4][0], '.');
    EXPECT_EQ(rows[4][1], '#');
    EXPECT_EQ(rows[4][10], '#');
    EXPECT_EQ(rows[4][11], '.');
    EXPECT_EQ(rows[1][1], '.');  // corner outside the ellipse
    for (int y = 0; y < 10; ++y)
        for (int x = 0; x < 12; ++x) {
            const std::uint32_t p = b.pixel(x, y);
            EXPECT_TRUE(p == W || p == K) << "no smoothing at " << x << "," << y;
        }
    Bitmap p = white(6, 6);
    Canvas cp(p);
    cp.brush().color = clBlack;
    const Point triangle[] = {{0, 0}, {5, 0}, {0, 5}};
    cp.polygon(triangle);
    EXPECT_EQ(picture(p)[0], "######");
    EXPECT_EQ(picture(p)[5], "#.....");
    EXPECT_EQ(picture(p)[3][4], '.');
}

TEST(Canvas, ColorKeyedCopyLeavesTheKeyOut) {
    Bitmap source(4, 2);
    source.fill(0xFFFF00FF);  // magenta ground
    source.setPixel(1, 0, 0xFF00FF00);
    source.setPixel(2, 1, 0xFF0000FF);
    Bitmap b = white(6, 4);
    Canvas c(b);
    c.drawTransparent({1, 1, 4, 2}, source, {0, 0, 4, 2}, RGB(255, 0, 255));
    EXPECT_TRUE(test::pixelIs(b, 2, 1, 0xFF00FF00, "keyed"));
    EXPECT_TRUE(test::pixelIs(b, 3, 2, 0xFF0000FF, "keyed"));
    EXPECT_TRUE(test::pixelIs(b, 1, 1, W, "keyed"));
    EXPECT_TRUE(test::pixelIs(b, 4, 2, W, "keyed"));
    // Stretched to double size: each source pixel covers 2 x 2.
    Bitmap s = white(8, 4);
    Canvas cs(s);
    cs.drawTransparent({0, 0, 8, 4}, source, {0, 0, 4, 2}, RGB(255, 0, 255));
    EXPECT_TRUE(test::pixelIs(s, 3, 1, 0xFF00FF00, "keyed-stretched"));
    EXPECT_TRUE(test::pixelIs(s, 4, 1, W, "keyed-stretched"));
}

TEST(Canvas, FontHeightsAndTextExtent) {
    Bitmap b = white(300, 80);
    Canvas c(b);
    c.font().name = "Tahoma";
    c.font().height = -11;
    const Size small = c.textExtent("Установки");
    EXPECT_GT(small.width, 40);
    EXPECT_GE(small.height, 12);
    EXPECT_LE(small.height, 15);
    c.font().height = -21;
    const Size large = c.textExtent("Установки");
    EXPECT_GT(large.width, small.width * 17 / 10);
    // A positive height is the cell height: ascent + descent.
    c.font().height = 20;
    EXPECT_NEAR(c.textExtent("Установки").height, 20, 1);
    c.font().bold = true;
    EXPECT_GT(c.textExtent("Установки").width, c.textExtent("Установки").width - 1);
    EXPECT_EQ(CanvasFont{}.sizeInPoints(), 8);
    EXPECT_TRUE(CanvasFont{}.isTrueType());  // "MS Sans Serif" resolves to an outline face
    CanvasFont missing;
    missing.name = "No Such Face";
    EXPECT_FALSE(missing.isTrueType());
}

Rect ink(const Bitmap& b) {
    int l = b.width(), t = b.height(), r = -1, bo = -1;
    for (int y = 0; y < b.height(); ++y)
        for (int x = 0; x < b.width(); ++x)
            if (b.pixel(x, y) != W)
                l = std::min(l, x), t = std::min(t, y), r = std::max(r, x), bo = std::max(bo, y);
    return r < 0 ? Rect{} : Rect::fromEdges(l, t, r + 1, bo + 1);
}

TEST(Canvas, TextOutTransparentOpaqueAndRotated) {
    Bitmap b = white(200, 100);
    Canvas c(b);
    c.font().name = "Arial";
    c.font().height = -16;
    c.font().color = clRed;
    c.brush().style = CanvasBrush::Style::Clear;
    c.textOut(10, 10, "Текст");
    const Size extent = c.textExtent("Текст");
    Rect drawn = ink(b);
    EXPECT_GE(drawn.left, 10);
    EXPECT_GE(drawn.top, 10);
    EXPECT_LE(drawn.right(), 10 + extent.width + 1);
    EXPECT_LE(drawn.bottom(), 10 + extent.height);
    EXPECT_EQ(b.pixel(drawn.left - 1 + 1, 10 + extent.height - 1) == W, true);  // background untouched

    Bitmap o = white(200, 100);
    Canvas co(o);
    co.font() = c.font();
    co.brush().color = clYellow;
    co.textOut(10, 10, "Текст");
    EXPECT_TRUE(test::pixelIs(o, 10, 10, 0xFFFFFF00, "opaque-text"));
    EXPECT_TRUE(test::pixelIs(o, 10 + extent.width - 1, 10 + extent.height - 1, 0xFFFFFF00, "opaque-text"));

    Bitmap r = white(200, 200);
    Canvas cr(r);
    cr.font() = c.font();
    cr.font().escapement = 900;  // 90 degrees counter-clockwise: the text runs upwards
    cr.brush().style = CanvasBrush::Style::Clear;
    cr.textOut(100, 150, "Текст");
    const Rect up = ink(r);
    EXPECT_GT(up.height, up.width);
    EXPECT_LE(up.bottom(), 151);
    EXPECT_GE(up.left, 99);
}

TEST(Canvas, DrawTextFlags) {
    Bitmap b = white(200, 60);
    Canvas c(b);
    c.font().name = "Arial";
    c.font().height = -13;
    c.font().color = clBlack;
    c.brush().style = CanvasBrush::Style::Clear;
    Rect calc{0, 0, 0, 0};
    const int height = c.drawText("Центр", calc, DT_CALCRECT | DT_SINGLELINE);
    EXPECT_EQ(calc.width, c.textExtent("Центр").width);
    EXPECT_EQ(calc.height, height);
    EXPECT_EQ(picture(b)[5], std::string(200, '.'));  // measuring draws nothing

    c.drawText("Центр", Rect{0, 0, 200, 60}, DT_CENTER | DT_VCENTER | DT_SINGLELINE);
    const Rect centred = ink(b);
    EXPECT_NEAR(centred.left + centred.width / 2.0, 100, 2);
    EXPECT_NEAR(centred.top + centred.height / 2.0, 30, 4);

    Bitmap w = white(80, 100);
    Canvas cw(w);
    cw.font() = c.font();
    cw.brush().style = CanvasBrush::Style::Clear;
    Rect wrapped{0, 0, 80, 100};
    const int wrappedHeight = cw.drawText("Один два три четыре пять", wrapped, DT_WORDBREAK | DT_CALCRECT);
    EXPECT_GE(wrappedHeight, 3 * height - 1);
    EXPECT_LE(wrapped.width, 80);

    Bitmap e = white(60, 20);
    Canvas ce(e);
    ce.font() = c.font();
    ce.brush().style = CanvasBrush::Style::Clear;
    ce.drawText("Очень длинный текст", Rect{0, 0, 60, 20}, DT_SINGLELINE | DT_END_ELLIPSIS);
    EXPECT_LE(ink(e).right(), 60);
    // "&" underlines unless DT_NOPREFIX; "&&" is one ampersand.
    Rect prefixed{0, 0, 0, 0}, literal{0, 0, 0, 0};
    c.drawText("&Файл", prefixed, DT_CALCRECT | DT_SINGLELINE);
    c.drawText("&Файл", literal, DT_CALCRECT | DT_SINGLELINE | DT_NOPREFIX);
    EXPECT_LT(prefixed.width, literal.width);
}

}  // namespace
}  // namespace sk::drawing

namespace sk::drawing {
namespace {

TEST(Canvas, TextOutlineMatchesTextOut) {
    Bitmap b = white(200, 60);
    Canvas c(b);
    c.font().name = "Tahoma";
    c.font().height = -30;
    c.font().bold = true;
    c.brush().style = CanvasBrush::Style::Clear;
    c.textOut(10, 10, "Глиф");
    const Rect drawnInk = ink(b);
    const GraphicsPath outline = c.textOutline(10, 10, "Глиф");
    const RectF bounds = outline.bounds();
    // Pixel-centre coordinates: a pixel's ink at column x has its edge at x - 0.5.
    EXPECT_NEAR(bounds.x + 0.5f, drawnInk.left, 1.5f);
    EXPECT_NEAR(bounds.right() + 0.5f, drawnInk.right(), 1.5f);
    EXPECT_NEAR(bounds.y + 0.5f, drawnInk.top, 1.5f);
    EXPECT_NEAR(bounds.bottom() + 0.5f, drawnInk.bottom(), 1.5f);
}

}  // namespace
}  // namespace sk::drawing

namespace sk::drawing {
namespace {

TEST(Canvas, RoundRectPolylineAndBitmapCopies) {
    Bitmap b = white(10, 8);
    Canvas c(b);
    c.brush().color = clBlack;
    c.roundRect(0, 0, 10, 8, 6, 6);
    EXPECT_EQ(b.pixel(0, 0), W);  // rounded corners stay
    EXPECT_EQ(b.pixel(9, 7), W);
    EXPECT_EQ(b.pixel(5, 0), K);  // straight edges on the outermost pixels
    EXPECT_EQ(b.pixel(0, 4), K);
    EXPECT_EQ(b.pixel(9, 4), K);
    EXPECT_EQ(b.pixel(5, 7), K);

    Bitmap p = white(5, 5);
    Canvas cp(p);
    const Point corner[] = {{0, 4}, {0, 0}, {4, 0}};
    cp.polyline(corner);
    EXPECT_EQ(picture(p), (std::vector<std::string>{"####.", "#....", "#....", "#....",
                                                    "#...."}));  // the last end point left out

    Bitmap source(2, 2);
    source.fill(0xFF00FF00);
    source.setPixel(1, 1, 0x00000000);
    Bitmap d = white(6, 6);
    Canvas cd(d);
    cd.draw(1, 1, source);  // blended: the transparent pixel leaves white
    EXPECT_EQ(d.pixel(1, 1), 0xFF00FF00u);
    EXPECT_EQ(d.pixel(2, 2), W);
    cd.copyRect({3, 3, 2, 2}, source, {0, 0, 2, 2});  // replaced: the transparent pixel too
    EXPECT_EQ(d.pixel(4, 4), 0x00000000u);
    cd.stretchDraw({0, 0, 6, 6}, source);
    EXPECT_EQ(d.pixel(0, 0), 0xFF00FF00u);
}

TEST(Canvas, StretchedCopyReplacesPixelsFromTheSourceRectangleOnly) {
    // A 4 x 2 source: columns 0..1 red, 2..3 blue with a transparent pixel at (3, 1).
    Bitmap source(4, 2);
    source.fill(0xFFFF0000);
    for (int y = 0; y < 2; ++y)
        for (int x = 2; x < 4; ++x) source.setPixel(x, y, 0xFF0000FF);
    source.setPixel(3, 1, 0x00000000);
    const struct {
        const char* name;
        Rect destination, sourceRect;
        std::vector<std::uint32_t> rowTwo;  // pixels 0..5 of row 2 afterwards
    } cases[] = {
        // The right half (blue) doubled: the red half never shows.
        {"enlarged", {0, 0, 4, 4}, {2, 0, 2, 2}, {0xFF0000FF, 0xFF0000FF, 0x00000000, 0x00000000, W, W}},
        // The whole source halved: every other pixel.
        {"shrunk", {0, 2, 2, 1}, {0, 0, 4, 2}, {0xFFFF0000, 0xFF0000FF, W, W, W, W}},
        {"same size", {1, 1, 3, 2}, {1, 0, 3, 2}, {W, 0xFFFF0000, 0xFF0000FF, 0x00000000, W, W}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        Bitmap d = white(6, 6);
        Canvas canvas(d);
        canvas.copyRect(c.destination, source, c.sourceRect);
        for (int x = 0; x < 6; ++x) EXPECT_EQ(d.pixel(x, 2), c.rowTwo[static_cast<std::size_t>(x)]) << x;
    }
}

TEST(Canvas, FollowsABitmapThatGrows) {
    Bitmap b(2, 2);
    Canvas c(b);
    b = Bitmap(8, 8);
    c.brush().color = clRed;
    c.fillRect({0, 0, 8, 8});
    EXPECT_EQ(b.pixel(7, 7), 0xFFFF0000u);
    EXPECT_EQ(c.clipRect(), (Rect{0, 0, 8, 8}));
}

}  // namespace
}  // namespace sk::drawing
