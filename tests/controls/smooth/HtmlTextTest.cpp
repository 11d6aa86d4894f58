// The mini-HTML renderer in both variants: the window's markups, wrapping and
// alignment, measuring, hit testing and pixel probes of drawn cases.
#include <gtest/gtest.h>

#include <cmath>

#include "controls/smooth/CanvasHtmlTarget.h"
#include "controls/smooth/GraphicsHtmlTarget.h"
#include "controls/smooth/HtmlTextTestSupport.h"
#include "support/PixelAssertions.h"

namespace sk::smooth {
namespace {

using namespace testing;
using drawing::Rect;

TEST(HtmlTextCanvas, SettingsTitleIsOneBoldNavyCentredLine) {
    HtmlTextOptions options;
    options.rect = {0, 0, 433, 49};
    const Rendered r = renderCanvas(kSettingsTitle, options, tahoma(-24, true), 433, 49);
    sk::test::saveImage(r.bitmap, "html-settings-title");
    const Rect ink = inkBounds(r.bitmap);
    ASSERT_FALSE(ink.empty());
    EXPECT_NEAR(ink.left + ink.width / 2, 433 / 2, 3) << "centred";
    EXPECT_LT(ink.height, 30) << "one line";
    EXPECT_EQ(darkestPixel(r.bitmap, ink), 0xFF000080u) << "navy";
    EXPECT_EQ(r.result.plainText, "НАСТРОЙКИ КОМПИЛЯТОРА");
    options.measureOnly = true;
    const int regular =
        renderCanvas("<FONT face=\"Tahoma\">НАСТРОЙКИ КОМПИЛЯТОРА</FONT>", options, tahoma(-24), 433, 49)
            .result.width;
    EXPECT_GT(r.result.width, regular + 10) << "bold";
    EXPECT_GT(r.result.width, 200);
    EXPECT_LT(r.result.height, 35);
}

TEST(HtmlTextGraphics, AboutParagraphWrapsInPurpleCentredLines) {
    HtmlTextOptions options;
    options.rect = {60, 0, 690, 10000};
    options.extraSpacing = 2;
    const Rendered r = renderGraphics(kAboutText, options, tahoma(-11, true, drawing::clWhite), 752, 200);
    sk::test::saveImage(r.bitmap, "html-about-paragraph");
    const Rect ink = inkBounds(r.bitmap);
    ASSERT_FALSE(ink.empty());
    EXPECT_GT(r.result.height, 40) << "several lines";
    EXPECT_LE(ink.right(), 750);
    EXPECT_GE(ink.left, 60);
    EXPECT_EQ(darkestPixel(r.bitmap, ink), 0xFF800080u) << "purple";
}

TEST(HtmlTextVariants, RunMeasuringFollowsEachVariantsRule) {
    drawing::Bitmap bitmap(10, 10);
    drawing::Graphics graphics(bitmap);
    GraphicsHtmlTarget g(graphics);
    const drawing::RectF layout{0, 0, 10000, 10000};
    const struct {
        int height;  // -11 is 8 points, -16 is 12 points
        int correction;
    } fonts[] = {{-11, 2}, {-16, 2 + 3}, {-21, 2 + 5}};
    for (const auto& f : fonts) {
        const drawing::CanvasFont font = tahoma(f.height);
        const drawing::Font gdi("Tahoma", static_cast<float>(font.sizeInPoints()));
        const drawing::RectF box = graphics.measureString("word", gdi, layout, drawing::StringFormat()).box;
        const drawing::RectF withI =
            graphics.measureString("wordi", gdi, layout, drawing::StringFormat()).box;
        EXPECT_EQ(g.measureRun(font, "word").width,
                  static_cast<int>(std::nearbyint(box.width)) - f.correction)
            << f.height;
        EXPECT_EQ(g.measureRun(font, "word ").width,
                  static_cast<int>(std::nearbyint(withI.width)) - f.correction)
            << "a trailing space is measured as an i";
        EXPECT_EQ(g.measureRun(font, "word").height, static_cast<int>(std::nearbyint(box.height)));
    }

    drawing::Canvas canvas(bitmap);
    canvas.font() = tahoma(-11);
    CanvasHtmlTarget dc(canvas, false);
    const drawing::CanvasFont font = tahoma(-11);
    canvas.font() = font;
    const drawing::Size extent = canvas.textExtent("word ");
    EXPECT_EQ(dc.measureRun(font, "word "), extent) << "the text extent, trailing space included";
    EXPECT_EQ(dc.measureRun(font, "a&b").width, canvas.textExtent("ab").width) << "& is a prefix";
    CanvasHtmlTarget literal(canvas, true);
    EXPECT_EQ(literal.measureRun(font, "a&b").width, canvas.textExtent("a&b").width);
}

TEST(HtmlTextVariants, ScriptExtentsAndWrapFitDifferAsSpecified) {
    drawing::Bitmap bitmap(10, 10);
    drawing::Graphics graphics(bitmap);
    drawing::Canvas canvas(bitmap);
    GraphicsHtmlTarget g(graphics);
    CanvasHtmlTarget dc(canvas, false);
    EXPECT_EQ(dc.scriptExtent(20, 0), 5);
    EXPECT_EQ(dc.scriptExtent(20, 7), 7);
    EXPECT_EQ(g.scriptExtent(20, 0), 10);
    EXPECT_EQ(g.scriptExtent(20, 4), 10);
    EXPECT_EQ(g.scriptExtent(20, 5), 5) << "applied only below a quarter";
    EXPECT_TRUE(dc.wrapsBefore(100, 100, true));
    EXPECT_FALSE(dc.wrapsBefore(99, 100, true));
    EXPECT_TRUE(dc.wrapsBefore(101, 100, false));
    EXPECT_FALSE(g.wrapsBefore(100, 100, true));
    EXPECT_TRUE(g.wrapsBefore(101, 100, true));
    EXPECT_FALSE(g.wrapsBefore(101, 100, false));
    EXPECT_TRUE(g.joinsLinkWords());
    EXPECT_FALSE(dc.joinsLinkWords());
}

TEST(HtmlTextVariants, ZigzagsHaveEachVariantsGeometry) {
    drawing::Bitmap dcBitmap(20, 20);
    dcBitmap.fill(kWhite);
    {
        drawing::Canvas canvas(dcBitmap);
        CanvasHtmlTarget dc(canvas, false);
        dc.drawZigzag(3, 12, 10);
    }
    // From x 2 (3 rounded down to even): 2-pixel steps between rows 9 and 11.
    EXPECT_TRUE(sk::test::pixelIs(dcBitmap, 2, 9, 0xFFFF0000, "zigzag-dc"));
    EXPECT_TRUE(sk::test::pixelIs(dcBitmap, 4, 11, 0xFFFF0000, "zigzag-dc"));
    EXPECT_TRUE(sk::test::pixelIs(dcBitmap, 6, 9, 0xFFFF0000, "zigzag-dc"));
    EXPECT_TRUE(sk::test::pixelIs(dcBitmap, 2, 11, kWhite, "zigzag-dc"));
    EXPECT_EQ(inkBounds(dcBitmap), (Rect{2, 9, 10, 3})) << "up to the run's right edge";

    drawing::Bitmap gBitmap(20, 20);
    gBitmap.fill(kWhite);
    {
        drawing::Graphics graphics(gBitmap);
        GraphicsHtmlTarget g(graphics);
        g.drawZigzag(3, 11, 10);
    }
    // Rows bottom - 2 and bottom - 4, opaque red.
    EXPECT_TRUE(sk::test::pixelIs(gBitmap, 2, 8, 0xFFFF0000, "zigzag-2d"));
    EXPECT_TRUE(sk::test::pixelIs(gBitmap, 4, 6, 0xFFFF0000, "zigzag-2d"));
    EXPECT_TRUE(sk::test::pixelIs(gBitmap, 6, 8, 0xFFFF0000, "zigzag-2d"));
    const Rect ink = inkBounds(gBitmap);
    EXPECT_EQ(ink.top, 6);
    EXPECT_EQ(ink.bottom(), 9);
}

TEST(HtmlTextCanvas, AmpersandsFollowThePrefixRuleUnlessTheTextHasASpacedAmpersand) {
    HtmlTextOptions options;
    options.rect = {0, 0, 300, 30};
    options.measureOnly = true;
    const drawing::CanvasFont font = tahoma(-13);
    const int prefixed = renderCanvas("Save &amp;As", options, font, 300, 30).result.width;
    const int plain = renderCanvas("Save As", options, font, 300, 30).result.width;
    EXPECT_EQ(prefixed, plain) << "\"&A\" underlines A";
    const int literal = renderCanvas("Save &amp; As", options, font, 300, 30).result.width;
    const int literalWithout = renderCanvas("Save  As", options, font, 300, 30).result.width;
    EXPECT_GT(literal, literalWithout) << "\" & \" shows the ampersand";
    const int graphics = renderGraphics("Save &amp;As", options, font, 300, 30).result.width;
    const int graphicsPlain = renderGraphics("Save As", options, font, 300, 30).result.width;
    EXPECT_GT(graphics, graphicsPlain) << "the 2-D variant shows one ampersand";
}

TEST(HtmlTextCanvas, LeavesTheCanvasAsItFoundIt) {
    drawing::Bitmap bitmap(100, 30);
    drawing::Canvas canvas(bitmap);
    canvas.font() = tahoma(-13, false, drawing::clMaroon);
    canvas.brush() = {drawing::clYellow, drawing::CanvasBrush::Style::Solid};
    canvas.setClipRect({5, 5, 50, 20});
    const drawing::CanvasFont font = canvas.font();
    HtmlTextOptions options;
    options.rect = {0, 0, 100, 30};
    DrawHtmlText(canvas, "<B><FONT color=\"clRed\" size=\"5\">x</FONT> <P bgcolor=\"clBlue\">y", options);
    EXPECT_EQ(canvas.font(), font);
    EXPECT_EQ(canvas.brush().color, drawing::clYellow);
    EXPECT_EQ(canvas.brush().style, drawing::CanvasBrush::Style::Solid);
    EXPECT_EQ(canvas.clipRect(), (Rect{5, 5, 50, 20}));
}

TEST(HtmlTextCanvas, UnderlinedLinkIsDrawnInTheLinkColour) {
    HtmlTextOptions options;
    options.rect = {0, 0, 200, 30};
    options.linkColor = drawing::clRed;
    const Rendered r = renderCanvas("see <A href=\"http://x\">the site</A>", options, tahoma(-13), 200, 30);
    sk::test::saveImage(r.bitmap, "html-link-dc");
    // The underline is a row of the link colour under the link's words.
    int longest = 0;
    for (int y = 0; y < 30; ++y)
        longest = std::max(longest, countTinted(r.bitmap, {0, y, 200, 1}, 0xFFFF0000));
    EXPECT_GT(longest, 35);
    EXPECT_EQ(countTinted(r.bitmap, {0, 0, 20, 30}, 0xFFFF0000), 0) << "text before the link stays black";
    EXPECT_GT(countTinted(r.bitmap, {0, 0, 20, 30}, 0xFF000000), 10);
    options.hitPoint = {r.result.width - 10, 8};
    options.measureOnly = true;
    EXPECT_EQ(
        renderCanvas("see <A href=\"http://x\">the site</A>", options, tahoma(-13), 200, 30).result.anchor,
        "http://x");
}

TEST(HtmlTextGraphics, UnderlinedLinkRunsOnThroughTheSpaceInTheLinkColour) {
    HtmlTextOptions options;
    options.rect = {0, 0, 200, 30};
    options.linkColor = drawing::clBlue;
    const Rendered r = renderGraphics("<A href=\"x\">the site</A>", options, tahoma(-13), 200, 30);
    sk::test::saveImage(r.bitmap, "html-link-2d");
    int longest = 0, row = -1;
    for (int y = 0; y < 30; ++y) {
        const int n = countTinted(r.bitmap, {0, y, 200, 1}, 0xFF0000FF);
        if (n > longest) longest = n, row = y;
    }
    ASSERT_GE(row, 0);
    const Rect ink = inkBounds(r.bitmap, {0, row, 200, 1});
    EXPECT_EQ(countPixels(r.bitmap, ink, kWhite), 0) << "one unbroken underline, through the space";
    EXPECT_GE(countTinted(r.bitmap, ink, 0xFF0000FF) * 10, ink.width * 8) << "in the link colour";
    EXPECT_GT(ink.width, 35);
}

TEST(HtmlTextCanvas, WideWordWithoutWrapEndsInAnEllipsisInsideTheRectangle) {
    HtmlTextOptions options;
    options.rect = {0, 0, 80, 20};
    options.wordWrap = false;
    const Rendered r = renderCanvas("Extraordinarily", options, tahoma(-13), 120, 20);
    sk::test::saveImage(r.bitmap, "html-ellipsis-dc");
    const Rect ink = inkBounds(r.bitmap);
    EXPECT_LE(ink.right(), 80);
    EXPECT_GT(ink.right(), 70);
    options.wordWrap = true;
    const Rendered clipped = renderCanvas("Extraordinarily", options, tahoma(-13), 120, 20);
    EXPECT_LE(inkBounds(clipped.bitmap).right(), 80);
    EXPECT_GT(clipped.result.width, 80) << "its width is still the word's";
}

TEST(HtmlTextCanvas, MarkedAndBackgroundedTextPaintsWhereTheTableSays) {
    HtmlTextOptions options;
    options.rect = {0, 0, 200, 80};
    const Rendered r = renderCanvas(
        "<P bgcolor=\"clLime\">green band</P><E>wrong</E><HR>"
        "<UL><LI type=\"square\" color=\"clRed\">item",
        options, tahoma(-13), 200, 80);
    sk::test::saveImage(r.bitmap, "html-marks-dc");
    EXPECT_TRUE(sk::test::pixelIs(r.bitmap, 0, 2, 0xFF00FF00, "html-marks-dc")) << "band from the left edge";
    EXPECT_TRUE(sk::test::pixelIs(r.bitmap, 199, 2, 0xFF00FF00, "html-marks-dc")) << "to the right edge";
    EXPECT_GT(countPixels(r.bitmap, {0, 16, 60, 20}, 0xFFFF0000), 10) << "red zigzag under the marked word";
    int blackRow = -1;
    for (int y = 20; y < 60 && blackRow < 0; ++y)
        if (countPixels(r.bitmap, {0, y, 200, 1}, 0xFF000000) == 200) blackRow = y;
    EXPECT_GT(blackRow, 0) << "a black rule across the rectangle";
    EXPECT_GE(countPixels(r.bitmap, {0, blackRow, 200, 30}, 0xFFFF0000), 40) << "the 8 x 8 red square bullet";
}

TEST(HtmlTextGraphics, TextAfterTheLastFittingLineIsCountedOnlyWhenMeasuring) {
    HtmlTextOptions options;
    options.rect = {0, 0, 200, 30};
    const char* markup = "one<BR>two<BR>three<BR>four";
    const Rendered drawn = renderGraphics(markup, options, tahoma(-11), 200, 80);
    options.measureOnly = true;
    const Rendered measured = renderGraphics(markup, options, tahoma(-11), 200, 80);
    EXPECT_GT(measured.result.height, drawn.result.height);
    EXPECT_EQ(inkBounds(measured.bitmap), Rect{}) << "measuring draws nothing";
    EXPECT_LE(inkBounds(drawn.bitmap).bottom(), 30);
}

}  // namespace
}  // namespace sk::smooth
