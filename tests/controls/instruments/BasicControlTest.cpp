// The instrument base: the window-colour background, the transparent mode with
// its snapshot of what lies behind, and drawing into a caller's pixel buffer.
#include <gtest/gtest.h>

#include <vector>

#include "InstrumentTestSupport.h"
#include "support/PixelAssertions.h"
#include "ui/Label.h"

namespace sk::instruments::test {
namespace {

class BasicControlTest : public InstrumentTest {
protected:
    BasicControlTest() {
        load(kFormDial);
        dial = field<TILAngularGauge>("ILAngularGauge4");
        // Something behind the dial's corner that only a transparent dial shows.
        behind = new ui::TLabel(&form());
        behind->SetParent(&form());
        behind->SetBounds(0, 0, 60, 60);
        behind->SetColor(0x000000FF);  // red
        behind->SendToBack();
        dial->Background()->SetUseParentColor(false);
        dial->Background()->SetColor(0x00FF0000);  // blue
        showForm();
    }
    std::uint32_t corner() { return screen().pixel(20 + 3, 10 + 3); }
    TILAngularGauge* dial = nullptr;
    ui::TLabel* behind = nullptr;
};

TEST_F(BasicControlTest, OpaqueInstrumentsFillTheirBackgroundWithTheWindowColour) {
    EXPECT_EQ(corner(), 0xFF0000FFu) << sk::test::saveImage(screen(), "basic-opaque");
}

TEST_F(BasicControlTest, TransparentInstrumentsShowWhatLiesBehindThem) {
    dial->SetTransparent(true);
    paint();
    EXPECT_EQ(corner(), 0xFFFF0000u) << "the label behind "
                                     << sk::test::saveImage(screen(), "basic-transparent");
    dial->SetTransparent(false);
    paint();
    EXPECT_EQ(corner(), 0xFF0000FFu);
}

TEST_F(BasicControlTest, ASnapshotWithHiddenProbePointsIsTheWindowColour) {
    dial->SetTransparent(true);
    dial->SetBounds(form().Width() - 100, 10, 160, 160);  // the right probes lie outside the form
    paint();
    EXPECT_EQ(screen().pixel(form().Width() - 97, 13), 0xFF0000FFu);
}

TEST_F(BasicControlTest, DrawToBitmapFillsOnePixelMoreThanTheDrawnArea) {
    std::vector<std::uint32_t> pixels(161 * 161, 0x12345678);
    dial->DrawToBitmap(pixels, 160, 160);
    EXPECT_EQ(pixels[0] >> 24, 0u) << "no background: transparent outside the dial";
    EXPECT_EQ(pixels[80 * 161 + 80] >> 24, 0xFFu) << "the hub";
    EXPECT_NE(pixels.back(), 0x12345678u) << "the last row written";
    std::vector<std::uint32_t> small(10, 0x12345678);
    dial->DrawToBitmap(small, 160, 160);  // a smaller buffer takes what fits
    EXPECT_EQ(small[0] >> 24, 0u);
}

}  // namespace
}  // namespace sk::instruments::test
