// The glass panel with the main window's values: its client inset and window
// shape, the overlay over its children (rendered once per refresh, following
// moves, hidden with its page) and the frame rules.
#include <gtest/gtest.h>

#include "InstrumentTestSupport.h"
#include "support/PixelAssertions.h"

namespace sk::instruments::test {
namespace {

constexpr int kLeft = 8, kTop = 216;

class GlassPanelTest : public InstrumentTest {
protected:
    GlassPanelTest() {
        load(kFormPanel);
        panel = field<TILGlassPanel>("ILGlassPanel1");
        gauge = field<TILSegmentGauge>("ILSegmentGauge5");
        showForm();
    }
    TILGlassPanel* panel = nullptr;
    TILSegmentGauge* gauge = nullptr;
};

TEST_F(GlassPanelTest, ClientAreaIsInsetByTheRoundedFrameThickness) {
    EXPECT_NEAR(panel->frameThickness(), 4.8, 1e-4);
    EXPECT_EQ(panel->alignRect(), (drawing::Rect{5, 5, 135, 39}));
    EXPECT_EQ(gauge->BoundsRect(), (drawing::Rect{5, 5, 135, 39})) << "the gauge fills the client area";
    panel->SetBounds(kLeft, kTop, 205, 69);
    EXPECT_EQ(gauge->BoundsRect(), (drawing::Rect{7, 7, 191, 55})) << "D = 0.1 x 68 = 6.8, rounded to 7";
}

TEST_F(GlassPanelTest, WindowShapeIsTheRoundedRegionOfTheFramesCentreLine) {
    ASSERT_TRUE(panel->windowRegion().has_value());
    EXPECT_EQ(*panel->windowRegion(), ui::Region::roundRect(2, 2, 143, 47, 14, 14));
    EXPECT_FALSE(panel->hitTest({0, 0}));
    EXPECT_FALSE(panel->hitTest({3, 3})) << "outside the rounded corner";
    EXPECT_TRUE(panel->hitTest({72, 24}));
    EXPECT_TRUE(sk::test::pixelIs(screen(), kLeft + 1, kTop + 1, kPageArgb, "panel-corner"))
        << "the page shows outside the shape";
}

TEST_F(GlassPanelTest, OverlayLiesOverTheChildrenWithASheenBrightestAtTheUpperLeft) {
    // Black display with the sheen over it: the upper left inside is lighter than the lower right.
    const std::uint32_t upperLeft = screen().pixel(kLeft + 12, kTop + 9);
    const std::uint32_t lowerRight = screen().pixel(kLeft + 132, kTop + 40);
    EXPECT_GT(drawing::argbRed(upperLeft), drawing::argbRed(lowerRight) + 20)
        << sk::test::hexColor(upperLeft) << " " << sk::test::hexColor(lowerRight) << " "
        << sk::test::saveImage(screen(), "glass-panel");
    EXPECT_GT(drawing::argbRed(upperLeft), 30) << "the gauge's black lies under the sheen";
    // The inner bevel's top side: the dark shade, lightening towards white.
    EXPECT_NEAR(drawing::argbRed(screen().pixel(kLeft + 72, kTop + 3)), 0x91, 24);
    EXPECT_GT(drawing::argbRed(screen().pixel(kLeft + 72, kTop + 1)), 200)
        << "the raised outer bevel's top is light";
    EXPECT_LT(panel->overlayPicture().pixel(130, 40) >> 24, 0x30u)
        << "the sheen fades out at the lower right";
}

TEST_F(GlassPanelTest, OverlayIsRenderedOncePerRefresh) {
    const int renders = panel->overlayRenders();
    EXPECT_GE(renders, 1);
    for (double v : {10.0, 20.0, 30.0}) {
        gauge->SetValue(v);
        paint();
    }
    EXPECT_EQ(panel->overlayRenders(), renders) << "a child's repaint re-sends the picture";
    panel->Glass()->SetLightColor(0x90FFFFFF);
    paint();
    EXPECT_EQ(panel->overlayRenders(), renders + 1);
}

TEST_F(GlassPanelTest, OverlayFollowsMoves) {
    const std::uint32_t bevel = screen().pixel(kLeft + 72, kTop + 1);
    panel->SetLeft(kLeft + 100);
    paint();
    EXPECT_EQ(screen().pixel(kLeft + 172, kTop + 1), bevel);
    EXPECT_TRUE(sk::test::pixelIs(screen(), kLeft + 72, kTop + 1, kPageArgb, "panel-moved"));
}

TEST_F(GlassPanelTest, HidingTheContainerHidesTheOverlay) {
    // The panel on a page of its own that is hidden and shown again.
    auto* page = new ui::CustomControl(&form());
    page->SetParent(&form());
    page->SetBounds(0, 0, 300, 300);
    page->SetColor(0x00F2E9C4);
    panel->SetParent(page);
    paint();
    EXPECT_NE(screen().pixel(kLeft + 72, kTop + 1), kPageArgb);
    page->Hide();
    paint();
    EXPECT_TRUE(sk::test::pixelIs(screen(), kLeft + 72, kTop + 1, kPageArgb, "panel-hidden"));
    EXPECT_TRUE(sk::test::pixelIs(screen(), kLeft + 12, kTop + 9, kPageArgb, "panel-hidden"));
    page->Show();
    paint();
    EXPECT_NE(screen().pixel(kLeft + 72, kTop + 1), kPageArgb);
}

TEST_F(GlassPanelTest, WithoutBevelStylesNoBorderStrokeIsDrawn) {
    panel->Glass()->SetVisible(false);
    panel->Border()->Width()->SetValue(0.05f);
    const drawing::Bitmap& framed = panel->overlayPicture();
    EXPECT_GT(framed.pixel(72, 3) >> 24, 0u);
    panel->Border()->BevelOuter()->SetStyle(bvsNone);
    panel->Border()->BevelInner()->SetStyle(bvsNone);
    const drawing::Bitmap& bare = panel->overlayPicture();
    for (int y = 0; y < bare.height(); ++y)
        for (int x = 0; x < bare.width(); ++x) ASSERT_EQ(bare.pixel(x, y) >> 24, 0u) << x << "," << y;
}

}  // namespace
}  // namespace sk::instruments::test
