// The fill model: defaults and stored names, change notification, and the
// painting rules probed on small bitmaps.
#include <gtest/gtest.h>

#include "SmoothTestSupport.h"
#include "controls/smooth/GDIPFill.h"
#include "drawing/Graphics.h"
#include "support/PixelAssertions.h"

namespace sk::smooth::test {
namespace {

using drawing::RectF;
using sk::test::pixelIs;
using sk::test::pixelNear;

constexpr std::uint32_t kWhite = 0xFFFFFFFF;

// ---- Properties ---------------------------------------------------------------

TEST(GDIPFill, PublishesEveryPropertyInStreamingOrderWithItsDefault) {
    struct Expected {
        const char* name;
        ui::PropertyDefault value;
    };
    const std::vector<Expected> expected = {
        {"Color", 0xC0C0C0LL},
        {"ColorTo", 0x808080LL},
        {"ColorMirror", 0x1FFFFFFFLL},
        {"ColorMirrorTo", 0x1FFFFFFFLL},
        {"GradientType", static_cast<long long>(gtVertical)},
        {"GradientMirrorType", static_cast<long long>(gtSolid)},
        {"HatchStyle", 0LL},
        {"HatchStyleMirror", 0LL},
        {"BackGroundPictureMode", static_cast<long long>(pmOutsideFill)},
        {"BackGroundPicture", std::monostate{}},
        {"BackGroundPicturePosition", static_cast<long long>(ppTopLeft)},
        {"BackGroundPictureLeft", 0LL},
        {"BackGroundPictureTop", 0LL},
        {"Picture", std::monostate{}},
        {"PicturePosition", static_cast<long long>(ppTopLeft)},
        {"PictureLeft", 0LL},
        {"PictureTop", 0LL},
        {"PictureSize", static_cast<long long>(psOriginal)},
        {"PictureWidth", 50LL},
        {"PictureHeight", 50LL},
        {"Opacity", 255LL},
        {"OpacityTo", 255LL},
        {"OpacityMirror", 255LL},
        {"OpacityMirrorTo", 255LL},
        {"BorderColor", 0x1FFFFFFFLL},
        {"BorderOpacity", 255LL},
        {"BorderWidth", 1LL},
        {"Rounding", 0LL},
        {"RoundingType", static_cast<long long>(rtBoth)},
        {"ShadowColor", 0x808080LL},
        {"ShadowOffset", 0LL},
        {"Angle", 0LL},
        {"OnChange", std::monostate{}},
        {"Glow", static_cast<long long>(gmNone)},
        {"GlowGradientColor", 0xFFFFFFLL},
        {"GlowRadialColor", 0xFFFFFFLL},
    };
    const auto properties = TGDIPFill::staticClassInfo().properties();
    ASSERT_EQ(properties.size(), expected.size());
    TGDIPFill fill;
    for (std::size_t i = 0; i < expected.size(); ++i) {
        SCOPED_TRACE(expected[i].name);
        EXPECT_EQ(properties[i]->name, expected[i].name);
        EXPECT_EQ(properties[i]->defaultValue, expected[i].value);
        // A fresh fill holds the registered default.
        if (const long long* value = std::get_if<long long>(&expected[i].value)) {
            EXPECT_EQ(properties[i]->getInt(fill), *value);
        }
    }
}

TEST(GDIPFill, EnumerationsKeepTheirStoredNamesAndOrder) {
    EXPECT_EQ(gradientTypeNames().names,
              (std::vector<std::string>{"gtSolid", "gtRadial", "gtVertical", "gtHorizontal",
                                        "gtForwardDiagonal", "gtBackwardDiagonal", "gtAngle", "gtHatch",
                                        "gtPath", "gtTexture", "gtNone"}));
    EXPECT_EQ(picturePositionNames().names,
              (std::vector<std::string>{"ppTopLeft", "ppTopCenter", "ppTopRight", "ppBottomLeft",
                                        "ppBottomCenter", "ppBottomRight", "ppTiled", "ppStretched",
                                        "ppCenterLeft", "ppCenterCenter", "ppCenterRight", "ppCustom"}));
    EXPECT_EQ(roundingTypeNames().names,
              (std::vector<std::string>{"rtNone", "rtTop", "rtBottom", "rtBoth", "rtLeft", "rtRight"}));
    EXPECT_EQ(pictureModeNames().names, (std::vector<std::string>{"pmInsideFill", "pmOutsideFill"}));
    EXPECT_EQ(pictureSizeNames().names, (std::vector<std::string>{"psOriginal", "psCustom"}));
    EXPECT_EQ(glowModeNames().names,
              (std::vector<std::string>{"gmNone", "gmGradient", "gmRadial", "gmRadialGradient"}));
    ASSERT_EQ(hatchStyleNames().names.size(), 54u);
    EXPECT_EQ(hatchStyleNames().names[0], "HatchStyleHorizontal");
    EXPECT_EQ(hatchStyleNames().names[52], "HatchStyleSolidDiamond");
    EXPECT_EQ(hatchStyleNames().names[53], "HatchStyleTotal");
}

TEST(GDIPFill, SettersRaiseOnChangeOnlyForNewValuesAndAssignRaisesItOnce) {
    TGDIPFill fill;
    int changes = 0;
    ui::Persistent* sender = nullptr;
    fill.OnChange = [&](ui::Persistent* s) {
        ++changes;
        sender = s;
    };
    fill.SetColor(drawing::clSilver);
    fill.SetRounding(0);
    fill.SetGradientType(gtVertical);
    EXPECT_EQ(changes, 0);
    fill.SetRounding(6);
    EXPECT_EQ(changes, 1);
    EXPECT_EQ(sender, &fill);
    fill.Picture()->loadFromBytes(pngBytes(solidBitmap(2, 2, 0xFF00FF00)));
    EXPECT_EQ(changes, 2);  // a picture's change is the fill's change

    TGDIPFill source;
    source.SetColor(drawing::clTeal);
    source.SetOpacity(172);
    source.SetShadowOffset(5);
    source.BackGroundPicture()->loadFromBytes(pngBytes(solidBitmap(3, 1, 0xFFFF0000)));
    changes = 0;
    fill.assign(source);
    EXPECT_EQ(changes, 1);
    EXPECT_EQ(fill.Color(), drawing::clTeal);
    EXPECT_EQ(fill.Opacity(), 172);
    EXPECT_EQ(fill.ShadowOffset(), 5);
    EXPECT_EQ(fill.Rounding(), 0);
    EXPECT_EQ(fill.BackGroundPicture()->Data().bytes, source.BackGroundPicture()->Data().bytes);
    EXPECT_NE(fill.BackGroundPicture(), source.BackGroundPicture());  // by content
    EXPECT_TRUE(fill.Picture()->Empty());
}

// ---- Painting -----------------------------------------------------------------

TEST(GDIPFillPaint, DefaultFillIsAVerticalSilverToGreyGradientWithoutBorderOrShadow) {
    TGDIPFill fill;
    RectF content;
    const auto image = paintFill(fill, 50, 50, {0, 0, 39, 39}, kWhite, &content);
    EXPECT_EQ(content, (RectF{0, 0, 39, 39}));
    EXPECT_TRUE(pixelNear(image, 20, 0, 0xFFC0C0C0, 6, "default-fill"));
    EXPECT_TRUE(pixelNear(image, 20, 37, 0xFF808080, 10, "default-fill"));
    // Gamma-corrected: the middle is lighter than the plain average (0xA0).
    EXPECT_GT(drawing::argbRed(image.pixel(20, 19)), 0xA4);
    // The same colour across a row: no border, no corner rounding.
    EXPECT_EQ(image.pixel(0, 19), image.pixel(20, 19));
    EXPECT_EQ(image.pixel(0, 0), image.pixel(20, 0));
    // Nothing beyond the rectangle: no shadow.
    EXPECT_TRUE(pixelIs(image, 45, 45, kWhite, "default-fill"));
    EXPECT_TRUE(pixelIs(image, 41, 20, kWhite, "default-fill"));
}

TEST(GDIPFillPaint, NoneColoursSettleTheHalfsKind) {
    struct Case {
        const char* name;
        TColor color, colorTo;
        std::uint32_t top, bottom;
    };
    const Case cases[] = {
        {"end none: solid start colour", drawing::clRed, drawing::clNone, 0xFFFF0000, 0xFFFF0000},
        {"start none: nothing", drawing::clNone, drawing::clRed, kWhite, kWhite},
        {"both none: nothing", drawing::clNone, drawing::clNone, kWhite, kWhite},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        for (TAdvGradientType kind : {gtVertical, gtHorizontal, gtHatch, gtAngle}) {
            TGDIPFill fill;
            fill.SetGradientType(kind);
            fill.SetColor(c.color);
            fill.SetColorTo(c.colorTo);
            const auto image = paintFill(fill, 30, 30, {0, 0, 29, 29});
            EXPECT_TRUE(pixelIs(image, 15, 2, c.top, "none-colours"));
            EXPECT_TRUE(pixelIs(image, 3, 26, c.bottom, "none-colours"));
        }
    }
}

TEST(GDIPFillPaint, ShadowNeedsAColourAndAnOffsetAndShrinksTheBody) {
    TGDIPFill fill;
    fill.SetColor(drawing::clWhite);
    fill.SetColorTo(drawing::clWhite);
    fill.SetShadowOffset(10);
    fill.SetShadowColor(drawing::clNone);
    RectF content;
    auto image = paintFill(fill, 60, 60, {0, 0, 49, 49}, 0xFF0000FF, &content);
    EXPECT_EQ(content, (RectF{0, 0, 49, 49}));
    EXPECT_TRUE(pixelIs(image, 45, 45, kWhite, "no-shadow"));

    fill.SetShadowColor(drawing::clBlack);
    image = paintFill(fill, 60, 60, {0, 0, 49, 49}, 0xFF0000FF, &content);
    EXPECT_EQ(content, (RectF{0, 0, 39, 39}));
    // The body keeps its corner; the shadow shows right and below it, dark inside
    // its rim and fading to nothing at the outer edge.
    EXPECT_TRUE(pixelIs(image, 20, 20, kWhite, "shadow"));
    EXPECT_LT(drawing::argbBlue(image.pixel(44, 30)), 0x80);
    EXPECT_LT(drawing::argbRed(image.pixel(30, 44)), 0x30);
    EXPECT_GT(drawing::argbBlue(image.pixel(48, 30)), drawing::argbBlue(image.pixel(44, 30)));
    EXPECT_TRUE(pixelIs(image, 55, 30, 0xFF0000FF, "shadow"));
}

TEST(GDIPFillPaint, SplitBodyPaintsTwoHalvesThatOverlapByTwoPixels) {
    TGDIPFill fill;
    fill.SetColor(drawing::clRed);
    fill.SetColorTo(drawing::clRed);
    fill.SetColorMirror(drawing::clBlue);
    fill.SetColorMirrorTo(drawing::clLime);
    fill.SetGradientMirrorType(gtVertical);
    const auto image = paintFill(fill, 40, 41, {0, 0, 40, 40});
    EXPECT_TRUE(pixelIs(image, 20, 5, 0xFFFF0000, "split"));
    // The mirror half starts at 40/2 - 1 = 19 with one row of its start colour.
    EXPECT_TRUE(pixelIs(image, 20, 19, 0xFF0000FF, "split"));
    // Down to lime, gamma-corrected.
    EXPECT_GT(drawing::argbGreen(image.pixel(20, 38)), 0xD0);
    EXPECT_LT(drawing::argbBlue(image.pixel(20, 38)), 0x80);
    EXPECT_TRUE(pixelIs(image, 20, 17, 0xFFFF0000, "split"));
}

TEST(GDIPFillPaint, HatchAndTextureStayInOnePieceWhateverTheMirrorColour) {
    TGDIPFill hatch;
    hatch.SetGradientType(gtHatch);
    hatch.SetColor(drawing::clBlack);
    hatch.SetColorTo(drawing::clWhite);
    hatch.SetColorMirror(drawing::clRed);
    hatch.SetColorMirrorTo(drawing::clRed);
    auto image = paintFill(hatch, 40, 40, {0, 0, 39, 39});
    for (int y = 0; y < 39; ++y)
        for (int x = 0; x < 39; ++x) ASSERT_NE(image.pixel(x, y), 0xFFFF0000u) << x << "," << y;
    // Horizontal hatch: line rows every 8 pixels in the lower half as in the upper.
    EXPECT_EQ(image.pixel(10, 0), image.pixel(10, 32));
    EXPECT_EQ(image.pixel(10, 0), 0xFF000000u);
    EXPECT_EQ(image.pixel(10, 3), 0xFFFFFFFFu);

    TGDIPFill texture;
    texture.SetGradientType(gtTexture);
    texture.SetColorMirror(drawing::clRed);
    texture.SetBackGroundPicturePosition(ppTiled);
    drawing::Bitmap tile = solidBitmap(4, 4, 0xFF00FF00);
    tile.setPixel(0, 0, 0xFF000000);
    texture.BackGroundPicture()->loadFromBytes(pngBytes(tile));
    image = paintFill(texture, 40, 40, {0, 0, 39, 39});
    // Tiled from the surface origin, through both halves.
    EXPECT_TRUE(pixelIs(image, 4, 4, 0xFF000000, "texture"));
    EXPECT_TRUE(pixelIs(image, 8, 32, 0xFF000000, "texture"));
    EXPECT_TRUE(pixelIs(image, 9, 33, 0xFF00FF00, "texture"));
}

TEST(GDIPFillPaint, TextureNeedsATiledBackgroundPicture) {
    TGDIPFill fill;
    fill.SetGradientType(gtTexture);
    fill.BackGroundPicture()->loadFromBytes(pngBytes(solidBitmap(4, 4, 0xFF00FF00)));
    fill.SetBackGroundPictureMode(pmInsideFill);
    fill.SetBackGroundPicturePosition(ppCenterCenter);
    // Not tiled: the body is not filled, but the picture is drawn once, centred.
    const auto image = paintFill(fill, 40, 40, {0, 0, 40, 40});
    EXPECT_TRUE(pixelIs(image, 5, 5, kWhite, "texture-centred"));
    EXPECT_TRUE(pixelIs(image, 19, 19, 0xFF00FF00, "texture-centred"));
    EXPECT_TRUE(pixelIs(image, 23, 23, kWhite, "texture-centred"));
}

TEST(GDIPFillPaint, ThinRectanglesAreALineInTheBorderColourOrNothing) {
    for (RectF rect : {RectF{5, 10, 20, 1}, RectF{10, 5, 1, 20}}) {
        TGDIPFill fill;
        fill.SetShadowOffset(4);
        auto image = paintFill(fill, 30, 30, rect);
        for (int y = 0; y < 30; ++y)
            for (int x = 0; x < 30; ++x) ASSERT_EQ(image.pixel(x, y), kWhite) << x << "," << y;

        fill.SetBorderColor(drawing::clRed);
        image = paintFill(fill, 30, 30, rect);
        // The line runs from (x, y) to (x + w, y + h): through the middle of the
        // rectangle's long side, one pixel across.
        const bool horizontal = rect.height == 1;
        int red = 0;
        for (int across = 0; across < 30; ++across) {
            const std::uint32_t p = horizontal ? image.pixel(15, across) : image.pixel(across, 15);
            if (p == 0xFFFF0000) ++red;
        }
        EXPECT_EQ(red, 1);
    }
}

TEST(GDIPFillPaint, RoundedCornersFollowTheRoundingTypeAndTheSplitHalves) {
    struct Case {
        TFillRoundingType rounding;
        bool split;
        bool topLeft, topRight, bottomLeft, bottomRight;  // rounded (corner pixel not painted)
    };
    const Case cases[] = {
        {rtBoth, false, true, true, true, true},     {rtTop, false, true, true, false, false},
        {rtBottom, false, false, false, true, true}, {rtLeft, false, true, false, true, false},
        {rtRight, false, false, true, false, true},  {rtNone, false, false, false, false, false},
        {rtBoth, true, true, true, true, true},      {rtTop, true, true, true, false, false},
        {rtBottom, true, false, false, true, true},  {rtLeft, true, true, false, true, false},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(testing::Message() << "rounding " << c.rounding << (c.split ? " split" : ""));
        TGDIPFill fill;
        fill.SetColor(drawing::clBlack);
        fill.SetColorTo(drawing::clBlack);
        if (c.split) {
            fill.SetColorMirror(drawing::clBlack);
            fill.SetColorMirrorTo(drawing::clBlack);
        }
        fill.SetRounding(8);
        fill.SetRoundingType(c.rounding);
        const auto image = paintFill(fill, 40, 40, {0, 0, 39, 39});
        auto rounded = [&](int x, int y) { return image.pixel(x, y) == kWhite; };
        EXPECT_EQ(rounded(0, 0), c.topLeft);
        EXPECT_EQ(rounded(38, 0), c.topRight);
        EXPECT_EQ(rounded(0, 38), c.bottomLeft);
        EXPECT_EQ(rounded(38, 38), c.bottomRight);
        EXPECT_TRUE(pixelIs(image, 20, 20, 0xFF000000, "rounding"));
    }
}

TEST(GDIPFillPaint, RadialHalfGlowsFromTheMiddleOfItsTopEdge) {
    TGDIPFill fill;
    fill.SetGradientType(gtRadial);
    fill.SetColor(drawing::clBlue);
    fill.SetColorTo(drawing::clWhite);
    const auto image = paintFill(fill, 60, 40, {0, 0, 59, 39});
    EXPECT_TRUE(pixelNear(image, 29, 1, 0xFFFFFFFF, 12, "radial"));
    EXPECT_TRUE(pixelNear(image, 29, 20, 0xFF9090FF, 30, "radial"));
    EXPECT_TRUE(pixelNear(image, 1, 38, 0xFF0000FF, 10, "radial"));
    // A radial half without a start colour paints nothing.
    fill.SetColor(drawing::clNone);
    const auto nothing = paintFill(fill, 60, 40, {0, 0, 59, 39});
    EXPECT_TRUE(pixelIs(nothing, 29, 2, kWhite, "radial-none"));
}

TEST(GDIPFillPaint, BorderOutlinesTheShapeInItsWidthAndOpacity) {
    TGDIPFill fill;
    fill.SetColor(drawing::clWhite);
    fill.SetColorTo(drawing::clWhite);
    fill.SetBorderColor(drawing::clBlack);
    auto image = paintFill(fill, 30, 30, {0, 0, 29, 29}, 0xFF0000FF);
    EXPECT_TRUE(pixelIs(image, 15, 0, 0xFF000000, "border"));
    EXPECT_TRUE(pixelIs(image, 0, 15, 0xFF000000, "border"));
    EXPECT_TRUE(pixelIs(image, 15, 1, kWhite, "border"));
    fill.SetBorderWidth(0);
    image = paintFill(fill, 30, 30, {0, 0, 29, 29}, 0xFF0000FF);
    EXPECT_TRUE(pixelIs(image, 15, 0, kWhite, "no-border"));
}

// ---- Pictures -------------------------------------------------------------------

TEST(FillPicturePlacement, FollowsThePlacementTable) {
    const RectF rect{10.4f, 20.6f, 100.2f, 50.5f};  // rounds to 10, 21, 100 x 50 (half to even)
    const drawing::Size size{20, 10};
    struct Case {
        TFillPicturePosition position;
        drawing::Rect expected;
    };
    const Case cases[] = {
        {ppTopLeft, {10, 21, 20, 10}},      {ppTopCenter, {50, 21, 20, 10}},
        {ppTopRight, {90, 21, 20, 10}},     {ppBottomLeft, {10, 61, 20, 10}},
        {ppBottomCenter, {50, 61, 20, 10}}, {ppBottomRight, {90, 61, 20, 10}},
        {ppCenterLeft, {10, 41, 20, 10}},   {ppCenterCenter, {50, 41, 20, 10}},
        {ppCenterRight, {90, 41, 20, 10}},  {ppStretched, {10, 21, 100, 50}},
        {ppCustom, {-3, 7, 20, 10}},        {ppTiled, {}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(picturePositionNames().nameOf(c.position));
        EXPECT_EQ(placePicture(rect, size, c.position, {-3, 7}), c.expected);
    }
    // Larger than the room: the half is negative and truncated toward zero, so the
    // picture overhangs by 5 on the left and 6 on the right.
    EXPECT_EQ(placePicture({0, 0, 10, 10}, {21, 4}, ppBottomCenter, {}), (drawing::Rect{-5, 6, 21, 4}));
}

TEST(GDIPFillPaint, ForegroundPictureIsPlacedLastAndIgnoresItsCustomPositionUnlessAsked) {
    TGDIPFill fill;
    fill.SetColor(drawing::clWhite);
    fill.SetColorTo(drawing::clWhite);
    fill.Picture()->loadFromBytes(pngBytes(solidBitmap(4, 2, 0xFFFF0000)));
    fill.SetPicturePosition(ppBottomRight);
    fill.SetPictureLeft(3);
    fill.SetPictureTop(3);
    auto image = paintFill(fill, 40, 40, {0, 0, 30, 30}, 0xFF000000);
    EXPECT_TRUE(pixelIs(image, 27, 29, 0xFFFF0000, "picture"));
    EXPECT_TRUE(pixelIs(image, 3, 3, kWhite, "picture"));

    fill.SetPicturePosition(ppCustom);
    fill.SetPictureSize(psCustom);
    fill.SetPictureWidth(8);
    fill.SetPictureHeight(6);
    image = paintFill(fill, 40, 40, {0, 0, 30, 30}, 0xFF000000);
    EXPECT_TRUE(pixelIs(image, 3, 3, 0xFFFF0000, "picture-custom"));
    EXPECT_TRUE(pixelIs(image, 10, 8, 0xFFFF0000, "picture-custom"));
    EXPECT_TRUE(pixelIs(image, 11, 9, kWhite, "picture-custom"));
}

}  // namespace
}  // namespace sk::smooth::test

namespace sk::smooth::test {
namespace {

TEST(GDIPFillPaint, BackgroundPictureInsideIsClippedToTheShapeAndOutsideIsNot) {
    TGDIPFill fill;
    fill.SetGradientType(gtTexture);
    fill.SetRounding(8);
    fill.BackGroundPicture()->loadFromBytes(pngBytes(solidBitmap(12, 12, 0xFFFF0000)));
    fill.SetBackGroundPictureMode(pmInsideFill);
    auto image = paintFill(fill, 40, 40, {0, 0, 39, 39});
    EXPECT_TRUE(pixelIs(image, 0, 0, kWhite, "picture-inside"));
    EXPECT_TRUE(pixelIs(image, 8, 8, 0xFFFF0000, "picture-inside"));
    fill.SetBackGroundPictureMode(pmOutsideFill);
    image = paintFill(fill, 40, 40, {0, 0, 39, 39});
    EXPECT_TRUE(pixelIs(image, 0, 0, 0xFFFF0000, "picture-outside"));
    EXPECT_TRUE(pixelIs(image, 13, 13, kWhite, "picture-outside"));
    // Not a texture fill: no background picture at all.
    fill.SetGradientType(gtSolid);
    image = paintFill(fill, 40, 40, {0, 0, 39, 39});
    EXPECT_EQ(image.pixel(0, 0), kWhite);
    EXPECT_EQ(image.pixel(8, 8), 0xFFC0C0C0u);
}

TEST(GDIPFillPaint, OpacityOverridesStandInForThePropertiesAndTwoHundredFiftyFiveTakesThem) {
    TGDIPFill fill;
    fill.SetColor(drawing::clBlack);
    fill.SetColorTo(drawing::clBlack);
    fill.SetOpacity(255);
    fill.SetBorderColor(drawing::clRed);
    fill.SetBorderOpacity(255);
    drawing::Bitmap image = solidBitmap(30, 30, kWhite);
    {
        drawing::Graphics g(image);
        FillOpacityOverrides overrides;
        overrides.opacity = 0;
        overrides.opacityTo = 0;
        overrides.borderOpacity = 128;
        fill.PaintFill(g, {0, 0, 29, 29}, overrides);
    }
    EXPECT_TRUE(pixelIs(image, 15, 15, kWhite, "opacity-override"));
    EXPECT_TRUE(pixelNear(image, 15, 0, 0xFFFF7F7F, 2, "opacity-override"));
    fill.SetOpacity(0);
    fill.SetOpacityTo(0);
    image = paintFill(fill, 30, 30, {0, 0, 29, 29});  // all overrides 255: the properties
    EXPECT_TRUE(pixelIs(image, 15, 15, kWhite, "opacity-properties"));
    EXPECT_TRUE(pixelIs(image, 15, 0, 0xFFFF0000, "opacity-properties"));
}

TEST(GDIPFillPaint, AngleGradientAndTheMirrorHalfsRadialGlow) {
    TGDIPFill angle;
    angle.SetGradientType(gtAngle);
    angle.SetColor(drawing::clWhite);
    angle.SetColorTo(drawing::clBlack);
    angle.SetAngle(0);  // left to right
    auto image = paintFill(angle, 40, 20, {0, 0, 39, 19});
    EXPECT_GT(drawing::argbRed(image.pixel(2, 10)), 230);
    EXPECT_LT(drawing::argbRed(image.pixel(37, 10)), 80);  // gamma-corrected, over the enlarged rectangle
    EXPECT_EQ(image.pixel(20, 2), image.pixel(20, 17));

    TGDIPFill mirror;
    mirror.SetColor(drawing::clBlack);
    mirror.SetColorTo(drawing::clBlack);
    mirror.SetColorMirror(drawing::clBlue);
    mirror.SetColorMirrorTo(drawing::clWhite);
    mirror.SetGradientMirrorType(gtRadial);
    image = paintFill(mirror, 60, 41, {0, 0, 59, 40});
    // The mirror half glows in its start colour from the middle of its bottom edge.
    EXPECT_TRUE(pixelNear(image, 29, 39, 0xFF0000FF, 25, "mirror-radial"));
    EXPECT_TRUE(pixelNear(image, 1, 22, 0xFFFFFFFF, 30, "mirror-radial"));
    EXPECT_TRUE(pixelIs(image, 29, 5, 0xFF000000, "mirror-radial"));
}

TEST(GDIPFillPaint, GlowModesBrightenTheBodyInsideItsShape) {
    for (TGlowMode glow : {gmGradient, gmRadial, gmRadialGradient}) {
        SCOPED_TRACE(glowModeNames().nameOf(glow));
        TGDIPFill fill;
        fill.SetColor(drawing::clNavy);
        fill.SetColorTo(drawing::clNavy);
        fill.SetRounding(8);
        const auto plain = paintFill(fill, 60, 40, {0, 0, 59, 39});
        fill.SetGlow(glow);
        const auto glowing = paintFill(fill, 60, 40, {0, 0, 59, 39});
        const int probeY = glow == gmRadial ? 36 : 3;
        EXPECT_GT(drawing::argbRed(glowing.pixel(30, probeY)),
                  drawing::argbRed(plain.pixel(30, probeY)) + 30);
        EXPECT_EQ(glowing.pixel(0, 0), kWhite);  // not outside the rounded shape
    }
}

}  // namespace
}  // namespace sk::smooth::test
