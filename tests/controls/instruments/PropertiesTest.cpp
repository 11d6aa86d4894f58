// The instruments' drawing properties: relative sizes and their clamping, the
// colour functions at their stated points, the frame bands of the form's dial,
// and brushes and pens made from properties and cached.
#include <gtest/gtest.h>

#include <cmath>
#include <limits>

#include "controls/instruments/ControlBorder.h"
#include "controls/instruments/DialGeometry.h"
#include "controls/instruments/GPPen.h"
#include "drawing/Color.h"

namespace sk::instruments::test {
namespace {

TEST(ElementSize, SwitchesToPixelsAboveOneHundredAndClampsNegativeValues) {
    TULElementSize size(0.5f);
    EXPECT_FLOAT_EQ(size.resolve(200), 100);
    size.SetValue(150);
    EXPECT_FALSE(size.Proportional());
    EXPECT_FLOAT_EQ(size.resolve(200), 150) << "150 pixels whatever the reference";
    EXPECT_FLOAT_EQ(size.resolve(20), 150);
    size.SetValue(0.5f);
    EXPECT_FALSE(size.Proportional()) << "stays in pixels until Proportional is set again";
    EXPECT_FLOAT_EQ(size.resolve(200), 0.5f);
    size.SetProportional(true);
    EXPECT_FLOAT_EQ(size.resolve(200), 100);

    size.SetValue(-0.3f);
    EXPECT_FLOAT_EQ(size.Value(), 0);
    size.SetValue(std::numeric_limits<float>::quiet_NaN());
    EXPECT_FLOAT_EQ(size.Value(), 0);

    size.SetProportional(false);
    size.SetValue(300);
    size.SetProportional(true);
    EXPECT_FLOAT_EQ(size.Value(), 100) << "turning Proportional on limits the value to 100";
}

TEST(ElementSize, OffsetsKeepTheirSignAndSwitchToPixelsBeyondOneHundred) {
    TULElementOffsetSize offset;
    offset.SetValue(-0.3f);
    EXPECT_FLOAT_EQ(offset.Value(), -0.3f);
    EXPECT_TRUE(offset.Proportional());
    EXPECT_FLOAT_EQ(offset.resolve(100), -30);
    offset.SetValue(-150);
    EXPECT_FALSE(offset.Proportional());
    EXPECT_FLOAT_EQ(offset.resolve(100), -150);
}

TEST(ElementSize, ReportsEachRealChangeOnce) {
    TULElementSize size(0.1f);
    int changes = 0;
    size.setChangeHandler([&](ui::Persistent*) { ++changes; });
    size.SetValue(0.1f);
    EXPECT_EQ(changes, 0);
    size.SetValue(0.2f);
    size.SetProportional(false);
    EXPECT_EQ(changes, 2);
}

TEST(ColourFunctions, ScaleBlendAndShadeAtTheirStatedPoints) {
    EXPECT_EQ(drawing::scaleColor(0xFFD3D3D3, 0.65), 0xFF898989u);
    EXPECT_EQ(drawing::scaleColor(0x40D3D3D3, 0.65) >> 24, 0x40u) << "alpha unchanged";
    EXPECT_EQ(drawing::scaleColor(0xFF4040FF, 0.22), 0xFF0E0E38u) << "the segments' unlit colour";
    EXPECT_EQ(drawing::scaleColor(0xFF808080, 3.0), 0xFFFFFFFFu) << "capped at 255";

    const drawing::ARGB a = 0xFF000000, b = 0xFFFFFFFF;
    EXPECT_EQ(drawing::blendColor(a, b, 0), a);
    EXPECT_EQ(drawing::blendColor(a, b, 1), b);
    EXPECT_EQ(drawing::blendColor(0xFF000000, 0xFFC8C8C8, 0.5), 0xFF646464u) << "the sine term is 0 at 0.5";
    EXPECT_EQ(drawing::blendColor(0x00000000, 0xFF000000, 0.5) >> 24, 0x80u) << "alpha blends too";

    EXPECT_EQ(drawing::shadeColor(a, b, 225), a) << "upper left";
    EXPECT_EQ(drawing::shadeColor(a, b, 45), b) << "lower right";
    const double side = std::sin((270.0 + 45.0) * std::acos(-1.0) / 180) / 2 + 0.5;  // 0.146...
    EXPECT_NEAR(side, 0.146, 0.001);
    EXPECT_EQ(drawing::shadeColor(a, b, 270), drawing::blendColor(a, b, side));
    EXPECT_EQ(drawing::shadeColor(a, b, 180), drawing::shadeColor(a, b, 270)) << "top and left alike";
    EXPECT_EQ(drawing::shadeColor(a, b, 0), drawing::shadeColor(a, b, 90)) << "right and bottom alike";
    EXPECT_EQ(drawing::shadeColor(a, b, 0), drawing::blendColor(a, b, 1 - side));
}

TEST(FrameGeometry, TheFormsDialHasItsStatedBandsAndRadius) {
    TULControlBorder border;
    border.Width()->SetValue(0.05f);
    const DialGeometry d = dialGeometry(160, 160, border);
    EXPECT_FLOAT_EQ(d.side, 159);
    EXPECT_NEAR(d.frame.u, 3.18, 1e-4);
    EXPECT_NEAR(d.frame.v, 3.18, 1e-4);
    EXPECT_NEAR(d.frame.w, 7.95, 1e-4);
    EXPECT_NEAR(d.frame.thickness(), 14.31, 1e-4);
    EXPECT_NEAR(d.radius, 65.19, 1e-4);
    EXPECT_NEAR(d.frame.strokeWidth(), 7.95 + 3.18, 1e-4);
    EXPECT_EQ(border.darkShade(), 0xFF898989u);

    border.BevelOuter()->SetStyle(bvsNone);
    EXPECT_FLOAT_EQ(dialGeometry(160, 160, border).frame.u, 0) << "a bevel without style has no band";
}

TEST(FrameGeometry, AProportionalDialIsACentredSquare) {
    TULControlBorder border;
    const DialGeometry wide = dialGeometry(300, 200, border);
    EXPECT_FLOAT_EQ(wide.side, 199);
    EXPECT_FLOAT_EQ(wide.offsetX, 50);
    EXPECT_FLOAT_EQ(wide.offsetY, 0);
    border.SetProportional(false);
    const DialGeometry stretched = dialGeometry(300, 200, border);
    EXPECT_FLOAT_EQ(stretched.areaWidth, 299);
    EXPECT_FLOAT_EQ(stretched.areaHeight, 199);
    EXPECT_FLOAT_EQ(stretched.offsetX, 0);
}

TEST(Bevel, RaisedRunsFromWhiteToTheDarkShadeAndLoweredTheOtherWay) {
    TULControlBevel raised(bvsRaised, 0.02f), lowered(bvsLowered, 0.02f);
    EXPECT_EQ(raised.firstColor(0xFF898989), 0xFFFFFFFFu);
    EXPECT_EQ(raised.secondColor(0xFF898989), 0xFF898989u);
    EXPECT_EQ(lowered.firstColor(0xFF898989), 0xFF898989u);
    EXPECT_EQ(lowered.secondColor(0xFF898989), 0xFFFFFFFFu);
}

TEST(Brush, MakesTheDrawingBrushOfEachTypeAndKeepsItUntilAPropertyChanges) {
    TLPGPBrush brush(0xFF102030);
    const drawing::RectF target{0, 0, 50, 20};
    struct Case {
        TGPBrushType type;
        drawing::BrushType made;
    };
    const Case cases[] = {
        {BrushTypeSolidColor, drawing::BrushType::SolidColor},
        {BrushTypeHatchFill, drawing::BrushType::HatchFill},
        {BrushTypeTextureFill, drawing::BrushType::SolidColor},   // no picture: the colour
        {BrushTypePathGradient, drawing::BrushType::SolidColor},  // no outline: centre colour
        {BrushTypeLinearGradient, drawing::BrushType::LinearGradient}};
    for (const Case& c : cases) {
        brush.SetBrushType(c.type);
        EXPECT_EQ(brush.brushFor(target).type(), c.made) << static_cast<int>(c.type);
    }

    brush.SetBrushType(BrushTypePathGradient);
    for (auto [x, y] : {std::pair{0.0f, 0.0f}, {10.0f, 0.0f}, {5.0f, 10.0f}}) {
        auto* point = brush.Gradient()->Path()->addItem();
        point->SetX(x);
        point->SetY(y);
    }
    EXPECT_EQ(brush.brushFor(target).type(), drawing::BrushType::PathGradient);
    const int made = brush.brushesMade();
    brush.brushFor(target);
    brush.brushFor(target);
    EXPECT_EQ(brush.brushesMade(), made) << "cached for the same rectangle";
    brush.Gradient()->CenterColor()->SetColor(0xFF00FF00);  // a nested property
    brush.brushFor(target);
    EXPECT_EQ(brush.brushesMade(), made + 1) << "made again after a change";
}

TEST(Pen, WidthIsScaledByTheCallerAndTheBrushsFirstFactor) {
    TLPGPPen plain;
    EXPECT_EQ(plain.brush().Color(), 0xFFFF0000u);
    EXPECT_FLOAT_EQ(plain.makePen(2.0f, {0, 0, 10, 10}).width(), 2.0f);
    TLPGPPen fontPen(0xFF000000, 1.98f, 2.162f);
    fontPen.SetWidth(3);
    EXPECT_FLOAT_EQ(fontPen.makePen(0.1f, {0, 0, 10, 10}).width(), 3 * 0.1f * 1.98f);
    fontPen.DashStyle()->SetStyle(drawing::DashStyle::Custom);
    fontPen.DashStyle()->CustomDash()->addItem()->SetValue(2);
    fontPen.DashStyle()->CustomDash()->addItem()->SetValue(1);
    EXPECT_EQ(fontPen.makePen(1, {0, 0, 10, 10}).dashPattern(), (std::vector<float>{2, 1}));
}

}  // namespace
}  // namespace sk::instruments::test
