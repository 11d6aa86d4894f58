// The raised 3-D label in a headless form: the shadow copies of each style and
// orientation, the text origin, the layers of a raised caption and the colour
// left out of a transparent one, probed against ink masks of the same caption,
// the angle rules and what repaints.
#include <gtest/gtest.h>

#include <functional>
#include <optional>

#include "OfficeTestSupport.h"
#include "controls/office/dxfLabel.h"
#include "support/PixelAssertions.h"

namespace sk::office::test {
namespace {

using drawing::Point;
using drawing::Size;

constexpr std::uint32_t kPageArgb = 0xFFC4E9F2;
constexpr std::uint32_t kPurpleArgb = 0xFF800080;
constexpr std::uint32_t kTealArgb = 0xFF008080;
constexpr std::uint32_t kMoneyGreenArgb = 0xFFC0DCC0;
constexpr std::uint32_t kHighlightArgb = 0xFFFFFFFF;
constexpr std::uint32_t kButtonShadowArgb = 0xFF808080;

// ---- The shadow's copies --------------------------------------------------------

TEST(Dxf3DEffect, OffsetFollowsEachOfTheEightOrientations) {
    struct Case {
        TdxfOrientation orientation;
        Point offset;
    };
    const Case cases[] = {{dxfLeft, {-3, 0}},     {dxfRight, {3, 0}},      {dxfTop, {0, -3}},
                          {dxfBottom, {0, 3}},    {dxfLeftTop, {-3, -3}},  {dxfLeftBottom, {-3, 3}},
                          {dxfRightTop, {3, -3}}, {dxfRightBottom, {3, 3}}};
    for (const Case& c : cases) {
        Tdxf3DEffect effect;
        effect.SetDepth(3);
        effect.SetOrientation(c.orientation);
        EXPECT_EQ(effect.offset().x, c.offset.x) << c.orientation;
        EXPECT_EQ(effect.offset().y, c.offset.y) << c.orientation;
        effect.SetStyle(dxfExtrude);
        const auto copies = effect.copies(0xFFFFFF);
        ASSERT_EQ(copies.size(), 3u);
        // The far end first, one pixel nearer each step, all in the shadow colour.
        for (int i = 0; i < 3; ++i) {
            EXPECT_EQ(copies[i].dx, c.offset.x * (3 - i) / 3) << c.orientation << " step " << i;
            EXPECT_EQ(copies[i].dy, c.offset.y * (3 - i) / 3) << c.orientation << " step " << i;
            EXPECT_EQ(copies[i].color, Tdxf3DEffect::kDefaultShadowedColor);
        }
    }
}

TEST(Dxf3DEffect, EachStyleGivesItsCopiesBackToFront) {
    Tdxf3DEffect effect;
    EXPECT_TRUE(effect.copies(0xFFFFFF).empty()) << "depth 0 draws no shadow";
    effect.SetDepth(4);
    effect.SetShadowedColor(drawing::clMoneyGreen);
    EXPECT_EQ(effect.copies(0xFFFFFF), (std::vector<DxfShadowCopy>{{4, 4, drawing::clMoneyGreen}}));

    // Fading from black towards (200, 100, 50): (k - 1) / d of the way, truncated.
    effect.SetStyle(dxfFun);
    effect.SetShadowedColor(drawing::clBlack);
    EXPECT_EQ(effect.copies(drawing::RGB(200, 100, 50)),
              (std::vector<DxfShadowCopy>{{4, 4, drawing::RGB(150, 75, 37)},
                                          {3, 3, drawing::RGB(100, 50, 25)},
                                          {2, 2, drawing::RGB(50, 25, 12)},
                                          {1, 1, drawing::RGB(0, 0, 0)}}));
    // Towards a darker background the steps truncate towards zero too: 255 - 191.25 is 64.
    effect.SetShadowedColor(drawing::clWhite);
    EXPECT_EQ(effect.copies(drawing::clBlack).front().color, drawing::RGB(64, 64, 64));
    // A system colour as the shadow is resolved before fading.
    effect.SetShadowedColor(drawing::clBtnShadow);
    EXPECT_EQ(effect.copies(drawing::clWhite).front().color, drawing::RGB(223, 223, 223));
}

TEST(Dxf3DEffect, DepthIsClampedToSixteenBitsAndEveryChangeIsReported) {
    Tdxf3DEffect effect;
    int changes = 0;
    effect.setChangeHandler([&](ui::Persistent*) { ++changes; });
    effect.SetDepth(70000);
    EXPECT_EQ(effect.Depth(), 65535);
    effect.SetDepth(-4);
    EXPECT_EQ(effect.Depth(), 0);
    effect.SetDepth(0);
    effect.SetStyle(dxfCool);  // unchanged values report nothing
    effect.SetStyle(dxfFun);
    effect.SetOrientation(dxfTop);
    effect.SetShadowedColor(drawing::clRed);
    EXPECT_EQ(changes, 5);
}

// ---- The text origin ------------------------------------------------------------

TEST(DxfLabelTextOrigin, CentresByHalvesRoundedToEven) {
    struct Case {
        Size client, text;
        int angle;
        Point expected;
    };
    const Case cases[] = {
        {{433, 25}, {101, 20}, 0, {166, 2}},     // 50.5 rounds to 50
        {{433, 25}, {103, 20}, 0, {164, 2}},     // 51.5 rounds to 52
        {{433, 25}, {100, 21}, 0, {166, 2}},     // 10.5 rounds to 10
        {{73, 41}, {29, 45}, 0, {22, -2}},       // taller than the label: above the top
        {{60, 25}, {201, 20}, 0, {-70, 2}},      // wider than the label: left of it
        {{41, 200}, {120, 25}, 90, {8, 160}},    // turned up: the cell's top lies at the left
        {{41, 200}, {120, 25}, 180, {80, 112}},  // upside down
        {{41, 200}, {120, 25}, 270, {32, 40}},   // turned down
    };
    for (const Case& c : cases) {
        const Point p = TdxfLabel::textOrigin(c.client, c.text, c.angle);
        EXPECT_EQ(p.x, c.expected.x) << c.text.width << "x" << c.text.height << " at " << c.angle;
        EXPECT_EQ(p.y, c.expected.y) << c.text.width << "x" << c.text.height << " at " << c.angle;
    }
}

// ---- Painting -------------------------------------------------------------------

// Where a caption's ink falls when drawn alone in black on white at (0, 0).
class InkMask {
public:
    InkMask(const drawing::CanvasFont& font, const std::string& text) {
        drawing::Bitmap scratch(1, 1);
        drawing::Canvas measure(scratch);
        measure.font() = font;
        m_size = measure.textExtent(text);
        m_ink = drawing::Bitmap(m_size.width + 2, m_size.height + 2);
        m_ink.fill(0xFFFFFFFF);
        drawing::Canvas canvas(m_ink);
        canvas.font() = font;
        canvas.font().color = drawing::clBlack;
        canvas.brush().style = drawing::CanvasBrush::Style::Clear;
        canvas.textOut(0, 0, text);
    }
    Size size() const { return m_size; }
    // Fully covered by a letter / untouched, at a point relative to the text origin.
    bool solid(Point p) const { return m_ink.pixel(p.x, p.y) == 0xFF000000; }
    bool clear(Point p) const {
        return p.x < 0 || p.y < 0 || p.x >= m_ink.width() || p.y >= m_ink.height() ||
               m_ink.pixel(p.x, p.y) == 0xFFFFFFFF;
    }

private:
    Size m_size;
    drawing::Bitmap m_ink;
};

Point minus(Point a, Point b) {
    return {a.x - b.x, a.y - b.y};
}

class DxfLabelTest : public OfficeTest {
protected:
    DxfLabelTest() {
        form().SetBounds(0, 0, 560, 260);
        label = new TdxfLabel(&form());
        label->SetParent(&form());
    }

    // The window's raised heading: purple bold Tahoma with a money-green shadow.
    void makeRaised(int height, const std::string& caption = "ТЕКУЩИЕ УСТАНОВКИ КОМПИЛЯТОРА") {
        label->SetBounds(left, top, 433, 41);
        label->SetCaption(caption);
        label->Font()->SetName("Tahoma");
        label->Font()->SetHeight(-height);
        label->Font()->SetStyle(ui::fontStyle(ui::fsBold));
        label->Font()->SetColor(drawing::clPurple);
        label->SetTransparent(true);
        label->SetStyle(dxfRaised);
        label->Effect3D()->SetDepth(4);
        label->Effect3D()->SetShadowedColor(drawing::clMoneyGreen);
    }
    // The window's plain field captions: teal Impact on white, left out.
    void makePlain(const std::string& caption = "ИСХОДНЫЙ ФАЙЛ") {
        label->SetBounds(left, top, 193, 25);
        label->SetCaption(caption);
        label->SetColor(drawing::clWhite);
        label->Font()->SetName("Impact");
        label->Font()->SetHeight(-24);
        label->Font()->SetColor(drawing::clTeal);
        label->SetTransparent(true);
    }

    InkMask mask() const { return InkMask(label->Font()->canvasFont(), label->Caption()); }
    Point origin(const InkMask& ink) const {
        const Point p = TdxfLabel::textOrigin({label->Width(), label->Height()}, ink.size(), label->Angle());
        return {p.x + left, p.y + top};
    }
    // The first screen pixel of the label where `wanted` holds, if any.
    std::optional<Point> find(const std::function<bool(Point)>& wanted) const {
        for (int y = top; y < top + label->Height(); ++y)
            for (int x = left; x < left + label->Width(); ++x)
                if (wanted({x, y})) return Point{x, y};
        return std::nullopt;
    }
    int countPixels(std::uint32_t argb) {
        int n = 0;
        for (int y = top; y < top + label->Height(); ++y)
            for (int x = left; x < left + label->Width(); ++x) n += screen().pixel(x, y) == argb;
        return n;
    }

    static constexpr int left = 40, top = 30;
    TdxfLabel* label = nullptr;
};

TEST_F(DxfLabelTest, RaisedCaptionIsLayeredBackToFront) {
    makeRaised(21);
    showForm();
    const InkMask ink = mask();
    const Point at = origin(ink);
    auto onlyIn = [&](int layer, std::initializer_list<int> clearOf) {
        return find([&, layer, clearOf](Point p) {
            if (!ink.solid(minus(p, {at.x + layer, at.y + layer}))) return false;
            for (int other : clearOf)
                if (!ink.clear(minus(p, {at.x + other, at.y + other}))) return false;
            return true;
        });
    };
    // Front: the purple letters 1 pixel right and down cover everything beneath.
    const auto front = onlyIn(1, {});
    ASSERT_TRUE(front);
    EXPECT_TRUE(sk::test::pixelIs(screen(), front->x, front->y, kPurpleArgb, "dxf-raised"));
    // Where only the button-shadow copy (+2) lies over the shadow, it shows.
    const auto buttonShadow = onlyIn(2, {1});
    ASSERT_TRUE(buttonShadow);
    EXPECT_TRUE(
        sk::test::pixelIs(screen(), buttonShadow->x, buttonShadow->y, kButtonShadowArgb, "dxf-raised"));
    // The highlight copy at the centred position, where no later copy covers it.
    const auto highlight = onlyIn(0, {1, 2});
    ASSERT_TRUE(highlight);
    EXPECT_TRUE(sk::test::pixelIs(screen(), highlight->x, highlight->y, kHighlightArgb, "dxf-raised"));
    // The money-green shadow 4 pixels right and down, at the back.
    const auto shadow = onlyIn(4, {0, 1, 2});
    ASSERT_TRUE(shadow);
    EXPECT_TRUE(sk::test::pixelIs(screen(), shadow->x, shadow->y, kMoneyGreenArgb, "dxf-raised"));
    // Between the letters the page shows through.
    const auto between = find([&](Point p) {
        for (int layer : {0, 1, 2, 4})
            if (!ink.clear(minus(p, {at.x + layer, at.y + layer}))) return false;
        return true;
    });
    ASSERT_TRUE(between);
    EXPECT_TRUE(sk::test::pixelIs(screen(), between->x, between->y, kPageArgb, "dxf-raised"));
}

TEST_F(DxfLabelTest, ButtonShadowCopyNeedsTwelvePoints) {
    struct Case {
        int height;  // pixels; 15 is 11 points, 16 is 12
        bool shadowCopy;
    };
    for (const Case c : {Case{15, false}, Case{16, true}, Case{37, true}}) {
        makeRaised(c.height);
        showForm();
        ui::Application::instance().paintPending();
        const InkMask ink = mask();
        const Point at = origin(ink);
        const auto onlyAtTwo = find([&](Point p) {
            return ink.solid(minus(p, {at.x + 2, at.y + 2})) && ink.clear(minus(p, {at.x + 1, at.y + 1})) &&
                   ink.clear(minus(p, at));
        });
        ASSERT_TRUE(onlyAtTwo) << c.height;
        const std::uint32_t seen = screen().pixel(onlyAtTwo->x, onlyAtTwo->y);
        EXPECT_EQ(seen == kButtonShadowArgb, c.shadowCopy) << c.height << " px: " << sk::test::hexColor(seen);
        EXPECT_EQ(countPixels(kButtonShadowArgb) > 0, c.shadowCopy) << c.height;
    }
}

TEST_F(DxfLabelTest, PlainCaptionLeavesItsWhiteOutSoThePageShowsBetweenTheLetters) {
    makePlain();
    showForm();
    const InkMask ink = mask();
    const Point at = origin(ink);
    const auto letter = find([&](Point p) { return ink.solid(minus(p, at)); });
    const auto gap = find([&](Point p) { return ink.clear(minus(p, at)); });
    ASSERT_TRUE(letter && gap);
    EXPECT_TRUE(sk::test::pixelIs(screen(), letter->x, letter->y, kTealArgb, "dxf-plain"));
    EXPECT_TRUE(sk::test::pixelIs(screen(), gap->x, gap->y, kPageArgb, "dxf-plain"));
    EXPECT_EQ(countPixels(0xFFFFFFFF), 0) << "no white of the label's own colour is copied";

    // Not transparent: the label's white is copied whole.
    label->SetTransparent(false);
    ui::Application::instance().paintPending();
    EXPECT_TRUE(sk::test::pixelIs(screen(), gap->x, gap->y, 0xFFFFFFFF, "dxf-plain-opaque"));
    EXPECT_TRUE(sk::test::pixelIs(screen(), letter->x, letter->y, kTealArgb, "dxf-plain-opaque"));
}

TEST_F(DxfLabelTest, OddTextWidthIsPlacedByHalvesToEven) {
    // Find a caption of odd width, so that half of it ends in .5.
    makePlain();
    for (const char* caption : {"I", "A", "Ф", "ФА", "ИСХ", "ФАЙЛ", "exe", "*.exe", "Ы", "Щ", "ИСХОДНЫЙ"}) {
        label->SetCaption(caption);
        if (mask().size().width % 2 == 1) break;
    }
    const InkMask ink = mask();
    ASSERT_EQ(ink.size().width % 2, 1) << "no odd-width caption found";
    showForm();
    const int half = ink.size().width / 2;  // w.5, rounded to the even of w and w + 1
    const int expectedX = left + label->Width() / 2 - (half % 2 == 0 ? half : half + 1);
    EXPECT_EQ(origin(ink).x, expectedX);
    // The drawn ink lies exactly where the mask at that origin has it: at a letter's
    // left edge (solid after a partly covered pixel), a shift by one either way shows.
    const Point at{expectedX, origin(ink).y};
    const auto edge = find([&](Point p) {
        return ink.solid(minus(p, at)) && !ink.solid(minus({p.x - 1, p.y}, at));
    });
    ASSERT_TRUE(edge);
    EXPECT_TRUE(sk::test::pixelIs(screen(), edge->x, edge->y, kTealArgb, "dxf-odd"));
    EXPECT_NE(screen().pixel(edge->x - 1, edge->y), kTealArgb);
}

TEST_F(DxfLabelTest, CaptionWiderThanTheLabelStaysCentredAndIsClipped) {
    makeRaised(21);
    label->SetBounds(left, top, 120, 41);
    showForm();
    const InkMask ink = mask();
    ASSERT_GT(ink.size().width, 120);
    const Point at = origin(ink);
    EXPECT_LT(at.x, left);
    EXPECT_EQ(at.x - left, 60 - drawing::roundHalfEven(ink.size().width / 2.0));
    // Ink reaches both edges of the label and nothing beyond them.
    auto inkInColumn = [&](int x) {
        for (int y = top; y < top + 41; ++y)
            if (screen().pixel(x, y) != kPageArgb) return true;
        return false;
    };
    EXPECT_TRUE(inkInColumn(left));
    EXPECT_TRUE(inkInColumn(left + 119));
    EXPECT_FALSE(inkInColumn(left - 1));
    EXPECT_FALSE(inkInColumn(left + 120));
    const auto letter = find([&](Point p) { return ink.solid(minus(p, {at.x + 1, at.y + 1})); });
    ASSERT_TRUE(letter);
    EXPECT_TRUE(sk::test::pixelIs(screen(), letter->x, letter->y, kPurpleArgb, "dxf-wide"));
}

TEST_F(DxfLabelTest, NinetyDegreesTurnsTheCaptionUpAboutTheCentre) {
    makePlain("ФАЙЛ");
    label->SetBounds(left, top, 41, 200);
    label->SetAngle(90);
    ASSERT_EQ(label->Angle(), 90);
    showForm();
    const InkMask ink = mask();
    int minX = 1 << 20, maxX = -1, minY = 1 << 20, maxY = -1;
    for (int y = top; y < top + 200; ++y)
        for (int x = left; x < left + 41; ++x)
            if (screen().pixel(x, y) == kTealArgb) {
                minX = std::min(minX, x), maxX = std::max(maxX, x);
                minY = std::min(minY, y), maxY = std::max(maxY, y);
            }
    ASSERT_GE(maxX, 0) << "no teal ink";
    // The letters run upwards: the ink is tall and narrow, centred on the label.
    EXPECT_GT(maxY - minY, 2 * (maxX - minX));
    EXPECT_LE(maxY - minY, ink.size().width);
    EXPECT_NEAR((minY + maxY) / 2.0, top + 100, 4);
    EXPECT_NEAR((minX + maxX) / 2.0, left + 20, 4);
    sk::test::saveImage(screen(), "dxf-rotated");
}

TEST_F(DxfLabelTest, AngleNeedsAnOutlineFontAndAStaysInRange) {
    makePlain();
    showForm();
    label->SetAngle(400);
    label->SetAngle(-90);
    EXPECT_EQ(label->Angle(), 0) << "outside 0..360 is ignored";
    EXPECT_EQ(headless().beepCount(), 0);
    EXPECT_TRUE(headless().messageBoxes().empty());
    label->SetAngle(360);
    EXPECT_EQ(label->Angle(), 360);
    label->SetAngle(45);
    EXPECT_EQ(label->Angle(), 45);

    label->Font()->SetName("No Such Face");  // not an outline font
    label->SetAngle(90);
    EXPECT_EQ(label->Angle(), 45) << "the old angle stays";
    EXPECT_EQ(headless().beepCount(), 1);
    ASSERT_EQ(headless().messageBoxes().size(), 1u);
    EXPECT_EQ(headless().messageBoxes()[0].text,
              "The Angle property is applicable for the TrueType fonts only");
    EXPECT_EQ(headless().messageBoxes()[0].caption, "Slidekiln 3.1");
    EXPECT_EQ(headless().messageBoxes()[0].owner, form().nativeWindow());
    label->SetAngle(0);  // back to no turn needs no outline font
    EXPECT_EQ(label->Angle(), 0);
    EXPECT_EQ(headless().beepCount(), 1);
}

TEST_F(DxfLabelTest, WhatRepaintsOnWhichChange) {
    makeRaised(21);
    showForm();
    struct Case {
        const char* change;
        std::function<void()> apply;
        bool repaints;
    };
    const Case cases[] = {
        {"Style", [&] { label->SetStyle(dxfLowered); }, true},
        {"same Style", [&] { label->SetStyle(dxfLowered); }, false},
        {"PenWidth while not outlined", [&] { label->SetPenWidth(3); }, false},
        {"Style outline", [&] { label->SetStyle(dxfOutLine); }, true},
        {"PenWidth while outlined", [&] { label->SetPenWidth(2); }, true},
        {"Effect3D.Style", [&] { label->Effect3D()->SetStyle(dxfExtrude); }, true},
        {"Effect3D.Orientation", [&] { label->Effect3D()->SetOrientation(dxfLeftTop); }, true},
        {"Effect3D.Depth", [&] { label->Effect3D()->SetDepth(2); }, true},
        {"Effect3D.ShadowedColor", [&] { label->Effect3D()->SetShadowedColor(drawing::clRed); }, true},
        {"size", [&] { label->SetBounds(left, top, 300, 41); }, true},
        {"Angle", [&] { label->SetAngle(10); }, true},
        {"Angle out of range", [&] { label->SetAngle(361); }, false},
        {"Glyph", [&] { label->Glyph()->loadFromResource("pictures/box-ticked.png"); }, true},
    };
    for (const Case& c : cases) {
        ui::Application::instance().paintPending();
        ASSERT_FALSE(form().hasDirtyAreas());
        c.apply();
        EXPECT_EQ(form().hasDirtyAreas(), c.repaints) << c.change;
    }
    EXPECT_EQ(label->PenWidth(), 2) << "the width is kept even while it does not show";
}

TEST_F(DxfLabelTest, DefaultsDifferFromThePlainLabelAndTheClassOffersNoAlignment) {
    EXPECT_FALSE(label->AutoSize());
    EXPECT_FALSE(label->ParentFont());
    EXPECT_TRUE(label->ParentColor());
    EXPECT_EQ(label->PenWidth(), 1);
    EXPECT_EQ(label->Effect3D()->ShadowedColor(), 0x808080u);
    const ui::ClassInfo& info = TdxfLabel::staticClassInfo();
    for (const char* hidden : {"Alignment", "Layout", "WordWrap"})
        EXPECT_EQ(info.findProperty(hidden), nullptr) << hidden;
    for (const char* published : {"Angle", "AutoSize", "Caption", "Effect3D", "Glyph", "PenWidth", "Style",
                                  "Transparent", "Font", "ParentColor"})
        EXPECT_NE(info.findProperty(published), nullptr) << published;
}

TEST_F(DxfLabelTest, LoweredCaptionTakesItsParentsColor) {
    makeRaised(21);
    label->SetColor(drawing::clWhite);
    label->SetTransparent(false);
    label->SetStyle(dxfLowered);
    EXPECT_FALSE(label->ParentColor());
    showForm();
    ui::Application::instance().paintPending();
    EXPECT_TRUE(label->ParentColor());
    EXPECT_EQ(label->Color(), static_cast<ui::TColor>(kPageColor));
    // Repainted with the page colour as its own: the corner shows the page.
    EXPECT_TRUE(sk::test::pixelIs(screen(), left, top, kPageArgb, "dxf-lowered"));
    // The letters in the page colour darkened by a third, at +1.
    const InkMask ink = mask();
    const Point at = origin(ink);
    const auto letter = find([&](Point p) { return ink.solid(minus(p, {at.x + 1, at.y + 1})); });
    ASSERT_TRUE(letter);
    EXPECT_TRUE(sk::test::pixelIs(screen(), letter->x, letter->y,
                                  drawing::makeARGB(255, 0xC4 * 2 / 3, 0xE9 * 2 / 3, 0xF2 * 2 / 3),
                                  "dxf-lowered"));
}

TEST_F(DxfLabelTest, GlyphFillsTheLettersTiledFromTheTopLeft) {
    makePlain("ФАЙЛ");
    label->Glyph()->loadFromResource("pictures/box-ticked.png");
    ASSERT_FALSE(label->Glyph()->empty());
    showForm();
    const InkMask ink = mask();
    const Point at = origin(ink);
    const drawing::Image& image = *label->Glyph()->image();
    // Inside the letters: the picture's pixel at the same place in its tile; no teal.
    const auto letter = find([&](Point p) {
        if (!ink.solid(minus(p, at))) return false;
        const int tx = (p.x - left) % image.width(), ty = (p.y - top) % image.height();
        return (image.bitmap().pixel(tx, ty) >> 24) == 0xFF;
    });
    ASSERT_TRUE(letter);
    const int tx = (letter->x - left) % image.width(), ty = (letter->y - top) % image.height();
    EXPECT_TRUE(
        sk::test::pixelNear(screen(), letter->x, letter->y, image.bitmap().pixel(tx, ty), 2, "dxf-glyph"));
    EXPECT_EQ(countPixels(kTealArgb), 0) << "the font colour is not drawn under a glyph fill";
    const auto gap = find([&](Point p) { return ink.clear(minus(p, at)); });
    ASSERT_TRUE(gap);
    EXPECT_TRUE(sk::test::pixelIs(screen(), gap->x, gap->y, kPageArgb, "dxf-glyph"));
}

TEST_F(DxfLabelTest, OutlinedCaptionStrokesTheLettersWithPenWidth) {
    makeRaised(37, "ФАЙЛ");
    label->Effect3D()->SetDepth(0);
    label->SetStyle(dxfOutLine);
    showForm();
    const InkMask ink = mask();
    const Point at = origin(ink);
    const int thin = countPixels(kPurpleArgb);
    ASSERT_GT(thin, 0) << "the outline in the font colour";
    // Deep inside a stem nothing is drawn: only the outline is stroked.
    const auto inside = find([&](Point p) {
        for (int dx = -2; dx <= 2; ++dx)
            for (int dy = -2; dy <= 2; ++dy)
                if (!ink.solid(minus({p.x + dx, p.y + dy}, at))) return false;
        return true;
    });
    ASSERT_TRUE(inside);
    EXPECT_TRUE(sk::test::pixelIs(screen(), inside->x, inside->y, kPageArgb, "dxf-outline"));
    label->SetPenWidth(3);
    ui::Application::instance().paintPending();
    EXPECT_GT(countPixels(kPurpleArgb), thin + thin / 2) << "a wider pen covers more";
}

TEST_F(DxfLabelTest, FunShadowFadesFromTheLettersIntoTheBackground) {
    makeRaised(37, "Ф");
    label->SetStyle(dxfNormal);
    label->SetColor(drawing::clWhite);
    label->Effect3D()->SetStyle(dxfFun);
    label->Effect3D()->SetDepth(4);
    label->Effect3D()->SetShadowedColor(drawing::clBlack);
    showForm();
    const InkMask ink = mask();
    const Point at = origin(ink);
    // Where only the far end (k = 4) lies, it is 3/4 of the way to white: 191.
    const auto farEnd = find([&](Point p) {
        if (!ink.solid(minus(p, {at.x + 4, at.y + 4}))) return false;
        for (int k = 0; k <= 3; ++k)
            if (!ink.clear(minus(p, {at.x + k, at.y + k}))) return false;
        return true;
    });
    ASSERT_TRUE(farEnd);
    EXPECT_TRUE(sk::test::pixelIs(screen(), farEnd->x, farEnd->y, 0xFFBFBFBF, "dxf-fun"));
    // Next to the letters (k = 1) the full shadow colour.
    const auto nearEnd = find([&](Point p) {
        return ink.solid(minus(p, {at.x + 1, at.y + 1})) && ink.clear(minus(p, at));
    });
    ASSERT_TRUE(nearEnd);
    EXPECT_TRUE(sk::test::pixelIs(screen(), nearEnd->x, nearEnd->y, 0xFF000000, "dxf-fun"));
}

TEST_F(DxfLabelTest, SharedBitmapOnlyGrows) {
    makeRaised(21);
    label->SetBounds(left, top, 500, 90);
    showForm();
    const Size grown = TdxfLabel::sharedBitmap().size();
    EXPECT_GE(grown.width, 500);
    EXPECT_GE(grown.height, 90);
    label->SetBounds(left, top, 50, 20);
    ui::Application::instance().paintPending();
    EXPECT_EQ(TdxfLabel::sharedBitmap().size().width, grown.width);
    EXPECT_EQ(TdxfLabel::sharedBitmap().size().height, grown.height);
}

}  // namespace
}  // namespace sk::office::test
