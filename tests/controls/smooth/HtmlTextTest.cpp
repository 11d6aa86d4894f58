// The mini-HTML renderer in both variants: the window's markups, wrapping and
// alignment, measuring, hit testing and pixel probes of drawn cases.
#include <gtest/gtest.h>

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

}  // namespace
}  // namespace sk::smooth
