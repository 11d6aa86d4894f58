#include <gtest/gtest.h>

#include <cmath>

#include "drawing/Color.h"

namespace sk::drawing {
namespace {

TEST(Color, SystemColorsResolveThroughTheClassicTable) {
    EXPECT_EQ(ColorToRGB(clBtnFace), RGB(212, 208, 200));
    EXPECT_EQ(ColorToRGB(clWindow), RGB(255, 255, 255));
    EXPECT_EQ(ColorToRGB(clWindowText), RGB(0, 0, 0));
    EXPECT_EQ(ColorToRGB(clBtnHighlight), RGB(255, 255, 255));
    EXPECT_EQ(ColorToRGB(clBtnShadow), RGB(128, 128, 128));
    EXPECT_EQ(ColorToRGB(0xFF0000FF), clBlack);  // no such system colour
    EXPECT_EQ(ColorToRGB(clTeal), 0x808000u);
}

TEST(Color, ColorToARGBSwapsToRgbOrderAndAddsOpacity) {
    EXPECT_EQ(ColorToARGB(255, clRed), 0xFFFF0000u);
    EXPECT_EQ(ColorToARGB(172, clWhite), 0xACFFFFFFu);
    EXPECT_EQ(ColorToARGB(128, 0x00F2E9C4), 0x80C4E9F2u);
    EXPECT_EQ(ColorToARGB(255, clBtnFace), 0xFFD4D0C8u);
}

TEST(Color, BlendPercentRoundsHalvesToEven) {
    struct Case {
        TColor c1, c2;
        int p;
        TColor expected;
    };
    const Case cases[] = {
        {clWhite, clBlack, 100, clWhite},
        {clWhite, clBlack, 150, clWhite},
        {clWhite, clBlack, 0, clBlack},
        {clWhite, clBlack, -5, clBlack},
        {clWhite, clBlack, 50, RGB(128, 128, 128)},      // 127.5 -> 128 (even)
        {RGB(1, 3, 5), RGB(0, 0, 0), 50, RGB(0, 2, 2)},  // 0.5 -> 0, 1.5 -> 2, 2.5 -> 2
        {clMaroon, clWhite, 10, RGB(242, 230, 230)},     // the track bar's 10% tint
        {clBtnFace, clBlack, 100, RGB(212, 208, 200)},   // system colours resolved
    };
    for (const Case& c : cases) EXPECT_EQ(blendPercent(c.c1, c.c2, c.p), c.expected) << c.p;
}

TEST(Color, InstrumentScaleBlendAndShade) {
    EXPECT_EQ(scaleColor(0xFFD3D3D3, 0.65), 0xFF898989u);
    EXPECT_EQ(scaleColor(0x80FFFFFF, 2.0), 0x80FFFFFFu);  // capped, alpha kept
    EXPECT_EQ(blendColor(0xFF000000, 0xFFFFFFFF, 0), 0xFF000000u);
    EXPECT_EQ(blendColor(0xFF000000, 0xFFFFFFFF, 1), 0xFFFFFFFFu);
    EXPECT_EQ(blendColor(0x00000000, 0xFFC8C8C8, 0.5), 0x80646464u);  // plain midpoint, alpha too
    // The eased curve: t = 0.25 -> 0.25 - 0.095 = 0.155 of the way.
    EXPECT_EQ(blendColor(0xFF000000, 0xFFC8C8C8, 0.25), 0xFF1F1F1Fu);  // 200 * 0.155 = 31
    // Shade: a at the upper left, b at the lower right, top side at t = 0.146...
    EXPECT_EQ(shadeColor(0xFF000000, 0xFFFFFFFF, 225), 0xFF000000u);
    EXPECT_EQ(shadeColor(0xFF000000, 0xFFFFFFFF, 45), 0xFFFFFFFFu);
    const double t = 0.5 - std::sqrt(0.5) / 2;  // sin(315 deg)/2 + 0.5
    const double eased = t - 0.095 * std::sin(2 * 3.141592653589793 * t);
    const int expected = static_cast<int>(std::nearbyint(255 * eased));
    EXPECT_EQ(argbRed(shadeColor(0xFF000000, 0xFFFFFFFF, 270)), expected);
    EXPECT_EQ(shadeColor(0xFF000000, 0xFFFFFFFF, 270), shadeColor(0xFF000000, 0xFFFFFFFF, 180));
}

TEST(Color, RoundHalfEven) {
    EXPECT_EQ(roundHalfEven(2.5), 2);
    EXPECT_EQ(roundHalfEven(3.5), 4);
    EXPECT_EQ(roundHalfEven(-2.5), -2);
    EXPECT_EQ(roundHalfEven(2.4999), 2);
}

}  // namespace
}  // namespace sk::drawing
