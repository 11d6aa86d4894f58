// The smooth label: text placement, glyph brushes and the texture anchored at
// the label's corner, the fill behind the text, shadows, the font fallback, and
// the round trip of fill and captions through the form writer.
#include <gtest/gtest.h>

#include <algorithm>

#include "SmoothTestSupport.h"
#include "controls/smooth/AdvSmoothLabel.h"
#include "controls/smooth/CaptionGlyphBrush.h"
#include "drawing/Graphics.h"
#include "drawing/TextureBrush.h"
#include "support/PixelAssertions.h"
#include "ui/FormWriter.h"

namespace sk::smooth::test {
namespace {

using sk::test::pixelIs;

// The pixels of an area that differ from a colour: the ink of what was drawn.
struct Ink {
    int left = 1 << 20, top = 1 << 20, right = -1, bottom = -1, count = 0;
    bool empty() const { return count == 0; }
    int centreX() const { return (left + right) / 2; }
    int centreY() const { return (top + bottom) / 2; }
};
Ink inkIn(const drawing::Bitmap& image, const drawing::Rect& area, std::uint32_t background) {
    Ink ink;
    for (int y = area.top; y < area.bottom(); ++y)
        for (int x = area.left; x < area.right(); ++x)
            if (image.pixel(x, y) != background) {
                ink.left = std::min(ink.left, x);
                ink.right = std::max(ink.right, x);
                ink.top = std::min(ink.top, y);
                ink.bottom = std::max(ink.bottom, y);
                ++ink.count;
            }
    return ink;
}

// The names of a class's own published properties, in stored order.
std::vector<std::string> ownPropertyNames(const ui::ClassInfo& info) {
    std::vector<std::string> names;
    for (const ui::PropertyInfo& p : info.ownProperties()) names.push_back(p.name);
    return names;
}

TEST(SmoothLabelClasses, PublishTheirPropertiesInStoredOrder) {
    EXPECT_EQ(ownPropertyNames(TAdvSmoothLabelCaption::staticClassInfo()),
              (std::vector<std::string>{"Text", "Location", "Font", "Left", "Top", "Picture", "ColorStart",
                                        "ColorEnd", "OpacityStart", "OpacityEnd", "GradientType",
                                        "HatchStyle", "OnChange"}));
    EXPECT_EQ(ownPropertyNames(TAdvSmoothLabel::staticClassInfo()),
              (std::vector<std::string>{"Fill", "Caption", "CaptionShadow", "CaptionShadowVisible",
                                        "CaptionShadowOffsetLeft", "CaptionShadowOffsetTop", "Version",
                                        "Transparent", "WordWrap", "TextRendering", "OnChange"}));
    EXPECT_EQ(labelLocationNames().names,
              (std::vector<std::string>{"plTopLeft", "plTopCenter", "plTopRight", "plCenterLeft",
                                        "plCenterCenter", "plCenterRight", "plBottomLeft", "plBottomCenter",
                                        "plBottomRight", "plCustom"}));
    // The caption's font is stored whole, so that its own defaults (Tahoma, 20
    // points) never stand in for a stored value.
    EXPECT_TRUE(TAdvSmoothLabelCaption::staticClassInfo().findProperty("Font")->storeWhole);
}

class SmoothLabel : public SmoothFormTest {
protected:
    SmoothLabel() {
        label = new TAdvSmoothLabel(&form());
        label->SetParent(&form());
        label->SetBounds(kLeft, kTop, 300, 80);
        label->Caption()->SetGradientType(gtSolid);
        label->Caption()->SetColorStart(drawing::clBlack);
        label->Caption()->Font()->SetHeight(-24);
        label->Caption()->SetText("Банер");
    }
    drawing::Rect labelArea() const { return label->BoundsRect(); }
    Ink ink() { return inkIn(screen(), labelArea(), kPageArgb); }

    static constexpr int kLeft = 13, kTop = 7;
    TAdvSmoothLabel* label;
};

TEST_F(SmoothLabel, StartsWithTheDefaultsOfARunTimeLabel) {
    TAdvSmoothLabel fresh(&form());
    EXPECT_EQ(fresh.Width(), 280);
    EXPECT_EQ(fresh.Height(), 50);
    EXPECT_TRUE(fresh.Transparent());
    EXPECT_FALSE(fresh.WordWrap());
    EXPECT_EQ(fresh.TextRendering(), tAntiAlias);
    EXPECT_FALSE(fresh.CaptionShadowVisible());
    EXPECT_EQ(fresh.CaptionShadowOffsetLeft(), 1);
    EXPECT_EQ(fresh.CaptionShadowOffsetTop(), 1);
    EXPECT_EQ(fresh.Caption()->Text(), "");
    EXPECT_EQ(fresh.CaptionShadow()->Text(), "");
    const TAdvSmoothLabelCaption& caption = *fresh.Caption();
    EXPECT_EQ(caption.Location(), plCenterCenter);
    EXPECT_EQ(caption.Font()->Name(), "Tahoma");
    EXPECT_EQ(caption.Font()->Size(), 20);
    EXPECT_EQ(caption.ColorStart(), 0xFFE09Fu);
    EXPECT_EQ(caption.ColorEnd(), 0x754F00u);
    EXPECT_EQ(caption.GradientType(), gtVertical);
    EXPECT_EQ(fresh.Fill()->Color(), drawing::clSilver);

    fresh.SetVersion("9.9");
    EXPECT_EQ(fresh.Version(), "1.5.0.0");

    fresh.placedInDesigner();
    EXPECT_EQ(fresh.Caption()->Text(), "AdvSmoothLabel");
    EXPECT_EQ(fresh.CaptionShadow()->Text(), "AdvSmoothLabel");
    TAdvSmoothLabel loading(&form());
    loading.setLoading(true);
    loading.placedInDesigner();
    EXPECT_EQ(loading.Caption()->Text(), "");
}

TEST_F(SmoothLabel, PlacesTheTextBlockAtEachLocation) {
    struct Case {
        TAdvSmoothLabelLocation location;
        int column, row;  // -1 left/top, 0 centre, 1 right/bottom
    };
    const Case cases[] = {{plTopLeft, -1, -1},   {plTopCenter, 0, -1},   {plTopRight, 1, -1},
                          {plCenterLeft, -1, 0}, {plCenterCenter, 0, 0}, {plCenterRight, 1, 0},
                          {plBottomLeft, -1, 1}, {plBottomCenter, 0, 1}, {plBottomRight, 1, 1}};
    showForm();
    for (const Case& c : cases) {
        SCOPED_TRACE(labelLocationNames().nameOf(c.location));
        label->Caption()->SetLocation(c.location);
        paintPending();
        const Ink text = ink();
        ASSERT_FALSE(text.empty());
        const drawing::Rect area = labelArea();
        // Content (0, 0, W - 1, H - 1); glyphs sit inside the measured box, a few
        // pixels in from its edges (padding, side bearings, leading).
        const int gapLeft = text.left - area.left, gapRight = area.right() - 1 - text.right;
        const int gapTop = text.top - area.top, gapBottom = area.bottom() - 1 - text.bottom;
        if (c.column < 0) {
            EXPECT_LE(gapLeft, 6);
        }
        if (c.column > 0) {
            EXPECT_LE(gapRight, 8);
        }
        if (c.column == 0) {
            EXPECT_NEAR(gapLeft, gapRight, 4);
        }
        if (c.row < 0) {
            EXPECT_LE(gapTop, 8);
        }
        if (c.row > 0) {
            EXPECT_LE(gapBottom, 10);
        }
        if (c.row == 0) {
            EXPECT_NEAR(gapTop, gapBottom, 6);
        }
        EXPECT_GT(gapLeft + gapRight, 100);  // one line, far narrower than the label
    }
}

TEST_F(SmoothLabel, CustomLocationPlacesBothCaptionsAndTheShadowFollowsWithItsOffsets) {
    label->Caption()->SetLocation(plCustom);
    label->Caption()->SetLeft(40);
    label->Caption()->SetTop(20);
    showForm();
    const Ink alone = ink();
    // The ink starts right of the location by the string's padding (a sixth of the
    // 24-pixel em) and the first letter's side bearing.
    EXPECT_GE(alone.left - kLeft, 40);
    EXPECT_LE(alone.left - kLeft, 40 + 4 + 3);
    EXPECT_NEAR(alone.top - kTop, 20, 8);

    // The shadow text is drawn only when visible, at the caption's place plus its
    // offsets, and under the caption.
    label->CaptionShadow()->SetText("Банер");
    label->CaptionShadow()->Font()->SetHeight(-24);
    label->CaptionShadow()->SetGradientType(gtSolid);
    label->CaptionShadow()->SetColorStart(drawing::clRed);
    paintPending();
    EXPECT_EQ(ink().count, alone.count);
    label->SetCaptionShadowVisible(true);
    label->SetCaptionShadowOffsetLeft(6);
    label->SetCaptionShadowOffsetTop(4);
    paintPending();
    const Ink both = ink();
    EXPECT_EQ(both.left, alone.left);
    EXPECT_EQ(both.right, alone.right + 6);
    EXPECT_EQ(both.bottom, alone.bottom + 4);
}

TEST_F(SmoothLabel, TextWiderThanTheLabelIsCentredWithANegativeOffset) {
    label->SetBounds(kLeft, kTop, 60, 40);
    label->Caption()->SetText("Очень длинная надпись");
    showForm();
    const Ink text = ink();
    // Clipped at both sides of the label: the block overhangs equally.
    EXPECT_EQ(text.left, kLeft);
    EXPECT_GE(text.right, kLeft + 57);
}

TEST(CaptionGlyphBrush, GradientsRunBetweenTheTextBoxsCornersAndRepeat) {
    const drawing::RectF box{10, 20, 40, 20};  // X, Y, tw, th
    struct Case {
        TAdvGradientType kind;
        drawing::PointF white, black;  // where the start and the end colour lie
    };
    const Case cases[] = {{gtVertical, {30, 20}, {30, 40}},
                          {gtHorizontal, {10, 30}, {50, 30}},
                          {gtForwardDiagonal, {10, 20}, {50, 40}},
                          {gtBackwardDiagonal, {50, 20}, {10, 40}}};
    TAdvGDIPPicture noPicture;
    for (const Case& c : cases) {
        SCOPED_TRACE(gradientTypeNames().nameOf(c.kind));
        const auto brush =
            captionGlyphBrush(c.kind, 0xFFFFFFFF, 0xFF000000, drawing::HatchStyleHorizontal, noPicture, box);
        ASSERT_NE(brush, nullptr);
        drawing::Bitmap image(60, 60);
        drawing::Graphics g(image);
        g.fillRectangle(*brush, drawing::RectF{0, 0, 60, 60});
        auto at = [&](drawing::PointF p, float towardX, float towardY) {
            return drawing::argbGreen(
                image.pixel(static_cast<int>(p.x + towardX), static_cast<int>(p.y + towardY)));
        };
        const float inX = c.black.x > c.white.x ? 1.f : c.black.x < c.white.x ? -1.f : 0.f;
        const float inY = c.black.y > c.white.y ? 1.f : c.black.y < c.white.y ? -1.f : 0.f;
        EXPECT_GT(at(c.white, inX, inY), 235);
        EXPECT_LT(at(c.black, -inX, -inY), 25);
    }
    // Kinds without a glyph brush, and a texture without a picture, give none.
    for (TAdvGradientType kind : {gtRadial, gtAngle, gtPath, gtNone, gtTexture})
        EXPECT_EQ(
            captionGlyphBrush(kind, 0xFFFFFFFF, 0xFF000000, drawing::HatchStyleHorizontal, noPicture, box),
            nullptr);
}

TEST(CaptionGlyphBrush, TextureCarriesOnlyThePartOfThePictureThatCanShow) {
    drawing::Bitmap photo(64, 48);
    for (int y = 0; y < 48; ++y)
        for (int x = 0; x < 64; ++x) photo.setPixel(x, y, drawing::makeARGB(255, x * 4, y * 5, 0x20));
    TAdvGDIPPicture picture;
    picture.loadFromBytes(pngBytes(photo));
    const auto cut = captionGlyphBrush(gtTexture, 0, 0, drawing::HatchStyleHorizontal, picture, {}, {20, 10});
    ASSERT_NE(cut, nullptr);
    const auto& texture = dynamic_cast<const drawing::TextureBrush&>(*cut);
    EXPECT_EQ(texture.image().size(), (drawing::Size{20, 10}));
    for (int y = 0; y < 10; ++y)
        for (int x = 0; x < 20; ++x)
            ASSERT_EQ(texture.image().pixel(x, y), photo.pixel(x, y)) << x << "," << y;
    // A visible area larger than the picture, or none given: the whole picture, tiled.
    for (drawing::Size visible : {drawing::Size{100, 100}, drawing::Size{}}) {
        const auto whole =
            captionGlyphBrush(gtTexture, 0, 0, drawing::HatchStyleHorizontal, picture, {}, visible);
        EXPECT_EQ(dynamic_cast<const drawing::TextureBrush&>(*whole).image().size(), (drawing::Size{64, 48}));
    }
}

TEST_F(SmoothLabel, GlyphsTakeTheGradientAndWithoutAnEndColourTheStartColour) {
    label->Caption()->SetText("█████");
    label->Caption()->SetColorStart(drawing::clWhite);
    label->Caption()->SetColorEnd(drawing::clBlack);
    label->Caption()->SetGradientType(gtHorizontal);
    showForm();
    {
        const Ink block = ink();
        ASSERT_FALSE(block.empty());
        auto grey = [&](int x) {
            return static_cast<int>(drawing::argbGreen(screen().pixel(x, block.centreY())));
        };
        EXPECT_GT(grey(block.left + 3), grey(block.right - 3) + 100);
    }
    // Without an end colour every gradient is the start colour.
    label->Caption()->SetColorEnd(drawing::clNone);
    label->Caption()->SetGradientType(gtForwardDiagonal);
    paintPending();
    const Ink block = ink();
    EXPECT_TRUE(pixelIs(screen(), block.left + 3, block.top + 3, 0xFFFFFFFF, "no-end-colour"));
    EXPECT_TRUE(pixelIs(screen(), block.right - 3, block.bottom - 3, 0xFFFFFFFF, "no-end-colour"));
    // Kinds without a glyph brush draw nothing.
    for (TAdvGradientType kind : {gtRadial, gtAngle, gtPath, gtNone, gtTexture}) {
        label->Caption()->SetGradientType(kind);
        paintPending();
        EXPECT_TRUE(ink().empty()) << gradientTypeNames().nameOf(kind);
    }
}

TEST_F(SmoothLabel, TextureGlyphsShowThePicturePixelUnderThemTiledFromTheLabelsCorner) {
    // Every pixel of the 32 x 32 tile has a colour of its own.
    drawing::Bitmap tile(32, 32);
    for (int y = 0; y < 32; ++y)
        for (int x = 0; x < 32; ++x) tile.setPixel(x, y, drawing::makeARGB(255, x * 8, y * 8, 0x40));
    label->Caption()->SetText("ЖЖЖЖЖ");
    label->Caption()->Font()->SetHeight(-40);
    label->Caption()->Font()->SetStyle(ui::fontStyle(ui::fsBold));
    label->Caption()->SetGradientType(gtTexture);
    label->Caption()->Picture()->loadFromBytes(pngBytes(tile));
    showForm();
    int matching = 0, matchingFormAnchored = 0;
    const drawing::Rect area = labelArea();
    for (int y = area.top; y < area.bottom(); ++y)
        for (int x = area.left; x < area.right(); ++x) {
            const std::uint32_t p = screen().pixel(x, y);
            if (p == kPageArgb) continue;
            if (p == tile.pixel((x - kLeft) % 32, (y - kTop) % 32)) ++matching;
            if (p == tile.pixel(x % 32, y % 32)) ++matchingFormAnchored;
        }
    EXPECT_GT(matching, 300);
    EXPECT_LT(matchingFormAnchored, 10);
}

TEST_F(SmoothLabel, HatchedGlyphsShowLinesOnTheEndColour) {
    label->Caption()->SetText("█████");
    label->Caption()->SetGradientType(gtHatch);
    label->Caption()->SetHatchStyle(drawing::HatchStyleVertical);
    label->Caption()->SetColorStart(drawing::clRed);
    label->Caption()->SetColorEnd(drawing::clBlue);
    showForm();
    const Ink block = ink();
    const int y = block.centreY();
    int red = 0, blue = 0;
    for (int x = block.left + 2; x < block.right - 2; ++x) {
        if (screen().pixel(x, y) == 0xFFFF0000) ++red;
        if (screen().pixel(x, y) == 0xFF0000FF) ++blue;
    }
    EXPECT_GT(red, 3);
    EXPECT_NEAR(blue, red * 7, red * 2);  // one line column in eight
}

TEST_F(SmoothLabel, FillIsPaintedOnlyWhenNotTransparentAndTheTextFitsWhatItLeaves) {
    label->Fill()->SetColor(drawing::clTeal);
    label->Fill()->SetColorTo(drawing::clTeal);
    label->Fill()->SetShadowOffset(5);
    label->Fill()->SetShadowColor(drawing::clTeal);
    label->Caption()->SetLocation(plBottomRight);
    showForm();
    EXPECT_TRUE(pixelIs(screen(), kLeft + 4, kTop + 4, kPageArgb, "transparent-label"));

    const Ink atTheEdge = ink();
    label->SetTransparent(false);
    paintPending();
    EXPECT_TRUE(pixelIs(screen(), kLeft + 4, kTop + 4, 0xFF008080, "filled-label"));
    // The text moves in by the shadow: the content rectangle lost 5 pixels.
    const Ink text = inkIn(screen(), {kLeft, kTop, 290, 70}, 0xFF008080);
    EXPECT_NEAR(text.right, atTheEdge.right - 5, 1);
}

TEST_F(SmoothLabel, UnknownFontsDrawInArialAndTinyLabelsDrawNothing) {
    showForm();
    label->Caption()->Font()->SetName("Arial");
    paintPending();
    const drawing::Bitmap arial = screen();
    label->Caption()->Font()->SetName("No Such Face 7");
    paintPending();
    EXPECT_TRUE(sk::test::imagesMatch(screen(), arial, 0, "unknown-font"));

    for (drawing::Size size : {drawing::Size{1, 40}, drawing::Size{200, 1}}) {
        label->SetBounds(kLeft, kTop, size.width, size.height);
        label->Caption()->SetLocation(plTopLeft);
        paintPending();
        EXPECT_TRUE(ink().empty());
    }
}

TEST_F(SmoothLabel, WordWrapBreaksTheTextIntoLines) {
    label->Caption()->SetText("слово слово слово слово слово слово");
    label->SetBounds(kLeft, kTop, 150, 120);
    showForm();
    const int oneLine = ink().bottom - ink().top;
    label->SetWordWrap(true);
    paintPending();
    EXPECT_GT(ink().bottom - ink().top, 2 * oneLine);
}

TEST_F(SmoothLabel, ChangesRepaintAndRaiseOnChangeAndAssignCopiesTheLook) {
    int changes = 0;
    label->OnChange = [&](ui::Component* sender) {
        EXPECT_EQ(sender, label);
        ++changes;
    };
    label->SetTransparent(true);
    label->Caption()->SetText("Банер");
    EXPECT_EQ(changes, 0);
    label->SetWordWrap(true);
    label->Fill()->SetRounding(3);
    label->Caption()->Font()->SetHeight(-30);
    label->CaptionShadow()->Picture()->loadFromBytes(pngBytes(solidBitmap(2, 2, 0xFF0000FF)));
    EXPECT_EQ(changes, 4);

    TAdvSmoothLabel copy(&form());
    int copyChanges = 0;
    copy.OnChange = [&](ui::Component*) { ++copyChanges; };
    copy.Assign(*label);
    EXPECT_EQ(copyChanges, 1);
    EXPECT_TRUE(copy.WordWrap());
    EXPECT_EQ(copy.Fill()->Rounding(), 3);
    EXPECT_EQ(copy.Caption()->Text(), "Банер");
    EXPECT_EQ(copy.Caption()->Font()->Height(), -30);
    EXPECT_EQ(copy.CaptionShadow()->Picture()->Data().bytes, label->CaptionShadow()->Picture()->Data().bytes);
}

TEST_F(SmoothLabel, FillAndCaptionsRoundTripThroughTheFormWriter) {
    ui::registerStandardClasses();
    ui::registerClass<TAdvSmoothLabel>();
    form().SetName("Form1");
    label->SetName("AdvSmoothLabel2");
    label->SetTransparent(false);
    label->SetTextRendering(tClearType);
    TGDIPFill& fill = *label->Fill();
    fill.SetColor(drawing::clTeal);
    fill.SetColorTo(drawing::clGreen);
    fill.SetColorMirror(drawing::clNone);
    fill.SetOpacity(172);
    fill.SetOpacityTo(147);
    fill.SetBorderColor(drawing::clBlack);
    fill.SetRounding(6);
    fill.SetRoundingType(rtLeft);
    fill.SetHatchStyle(drawing::HatchStyleWeave);
    fill.SetShadowColor(drawing::clTeal);
    fill.SetShadowOffset(5);
    fill.SetPicturePosition(ppBottomCenter);
    fill.Picture()->loadFromBytes(pngBytes(solidBitmap(3, 2, 0xFF00FF00)));
    label->Caption()->SetColorEnd(drawing::clWhite);
    label->Caption()->SetLocation(plCustom);
    label->Caption()->Picture()->loadFromBytes(pngBytes(solidBitmap(5, 5, 0xFF0000FF)));
    label->CaptionShadow()->SetText("AdvSmoothLabel");
    label->CaptionShadow()->Font()->SetHeight(-27);
    label->CaptionShadow()->SetOpacityStart(10);

    const std::string written = ui::writeFormDescription(form());
    EXPECT_NE(written.find("Fill.ShadowOffset: 5"), std::string::npos) << written;
    EXPECT_NE(written.find("Fill.Opacity: 172"), std::string::npos);
    EXPECT_NE(written.find("Caption.Location: plCustom"), std::string::npos);
    EXPECT_NE(written.find("TextRendering: tClearType"), std::string::npos);
    EXPECT_EQ(written.find("Version"), std::string::npos);  // never differs from its default

    ui::Form again;
    again.loadDescription(written, "written.yaml");
    EXPECT_EQ(ui::writeFormDescription(again), written);
    auto* read = again.field<TAdvSmoothLabel>("AdvSmoothLabel2");
    EXPECT_FALSE(read->Transparent());
    EXPECT_EQ(read->TextRendering(), tClearType);
    EXPECT_EQ(read->Fill()->Opacity(), 172);
    EXPECT_EQ(read->Fill()->RoundingType(), rtLeft);
    EXPECT_EQ(read->Fill()->HatchStyle(), drawing::HatchStyleWeave);
    EXPECT_EQ(read->Fill()->Picture()->Data().bytes, fill.Picture()->Data().bytes);
    EXPECT_EQ(read->Fill()->Picture()->Width(), 3);
    EXPECT_EQ(read->Caption()->Picture()->Data().bytes, label->Caption()->Picture()->Data().bytes);
    EXPECT_EQ(read->Caption()->Font()->Name(), "Tahoma");
    EXPECT_EQ(read->CaptionShadow()->Text(), "AdvSmoothLabel");
    EXPECT_EQ(read->CaptionShadow()->OpacityStart(), 10);
}

}  // namespace
}  // namespace sk::smooth::test
