// The smooth panel: its geometry rules, the cached rendering and what makes it
// stale, the about page's panel facts probed on the cache, the paragraph's
// placement and links, and the rules for tiny panels and tall paragraphs.
#include <gtest/gtest.h>

#include <functional>
#include <string>
#include <vector>

#include "SmoothTestSupport.h"
#include "controls/smooth/AdvSmoothPanel.h"
#include "controls/smooth/CaptionFont.h"
#include "controls/smooth/SmoothPanelLayout.h"
#include "drawing/Graphics.h"
#include "support/PixelAssertions.h"

namespace sk::smooth::test {
namespace {

using drawing::Point;
using drawing::Rect;
using drawing::RectF;
using drawing::Size;

// ---- Geometry ---------------------------------------------------------------

TEST(SmoothPanelLayout, BlocksArePlacedByLocationWithTruncatedHalves) {
    const RectF area{0, 0, 751, 418};
    struct Case {
        TAdvSmoothPanelLocation location;
        Point expected;
    };
    const Case cases[] = {
        {plTopLeft, {0, 0}},      {plTopCenter, {200, 0}},      {plTopRight, {401, 0}},
        {plCenterLeft, {0, 184}}, {plCenterCenter, {200, 184}}, {plCenterRight, {401, 184}},
        {plBottomLeft, {0, 368}}, {plBottomCenter, {200, 368}}, {plBottomRight, {401, 368}},
        {plCustom, {7, 9}},
    };
    for (const Case& c : cases) {
        const Point p = placeBlock(c.location, area, {350, 50}, {7, 9});
        EXPECT_EQ(p.x, c.expected.x) << c.location;
        EXPECT_EQ(p.y, c.expected.y) << c.location;
    }
    // Right placement never goes left of the area's left edge; a block taller
    // than the area sits above it when centred.
    EXPECT_EQ(placeBlock(plTopRight, RectF{20, 5, 100, 40}, {300, 10}, {}).x, 20);
    EXPECT_EQ(placeBlock(plTopCenter, RectF{20, 5, 100, 40}, {300, 10}, {}).x, 10);
    EXPECT_EQ(placeBlock(plTopCenter, RectF{20, 5, 100, 40}, {300, 10}, {}).y, 5);
    EXPECT_EQ(placeBlock(plCenterLeft, RectF{0, 0, 100, 40}, {10, 51}, {}).y, -5);
}

TEST(SmoothPanelLayout, FillPictureTakesRoomBesideCaptionsOfItsRow) {
    TGDIPFill fill;
    const RectF content{0, 0, 400, 200};
    EXPECT_EQ(captionArea(content, fill, plTopLeft).pictureRoom, 0) << "no picture, no room";
    fill.Picture()->loadFromBytes(pngBytes(solidBitmap(30, 20, 0xFFFF0000)));
    struct Case {
        TFillPicturePosition picture;
        TAdvSmoothPanelLocation caption;
        float left, width;
    };
    const Case cases[] = {
        {ppTopLeft, plTopLeft, 30, 370},        {ppTopLeft, plTopRight, 30, 370},
        {ppBottomLeft, plBottomRight, 30, 370}, {ppTopRight, plTopLeft, 0, 370},
        {ppBottomRight, plBottomLeft, 0, 370},  {ppTopLeft, plTopCenter, 0, 400},
        {ppTopLeft, plBottomLeft, 0, 400},      {ppBottomCenter, plBottomLeft, 0, 400},
        {ppBottomRight, plTopRight, 0, 400},
    };
    for (const Case& c : cases) {
        fill.SetPicturePosition(c.picture);
        const PanelCaptionArea area = captionArea(content, fill, c.caption);
        EXPECT_FLOAT_EQ(area.rect.x, c.left) << c.picture << "/" << c.caption;
        EXPECT_FLOAT_EQ(area.rect.width, c.width) << c.picture << "/" << c.caption;
    }
    fill.SetPicturePosition(ppTopLeft);
    fill.SetPictureSize(psCustom);
    fill.SetPictureWidth(90);
    EXPECT_EQ(captionArea(content, fill, plTopLeft).pictureRoom, 90) << "a custom size counts its own width";
}

TEST(SmoothPanelLayout, RuleRunsUnderTopCaptionsAndOverBottomOnes) {
    const RectF area{10, 0, 300, 100};
    const PanelRule top = captionRule(plTopCenter, area, 4, 20);
    EXPECT_EQ(top.x0, 12);
    EXPECT_EQ(top.x1, 298);
    EXPECT_EQ(top.y, 24);
    EXPECT_EQ(captionRule(plCenterLeft, area, 40, 20).y, 60);
    EXPECT_EQ(captionRule(plBottomRight, area, 80, 20).y, 78);
}

// ---- The panel --------------------------------------------------------------

constexpr std::uint32_t kEmblemRed = 0xFFE01010;

class SmoothPanelTest : public SmoothFormTest {
protected:
    SmoothPanelTest() {
        panel = new TAdvSmoothPanel(&form());
        panel->SetParent(&form());
        panel->OnDraw = [this](ui::Component*, drawing::Canvas&, Rect rect) {
            ++draws;
            drawRect = rect;
        };
    }

    // The about page's panel, with a plain red picture standing in for the emblem.
    void makeAboutPanel() {
        panel->SetBounds(1, 1, 752, 419);
        TAdvSmoothPanelCaption& c = *panel->Caption();
        c.SetText("Студия Горностай");
        c.SetLocation(plTopCenter);
        c.Font()->SetName("Verdana");
        c.Font()->SetHeight(-32);
        c.Font()->SetStyle(ui::fontStyle(ui::fsBold));
        c.SetGradientType(gtHatch);
        c.SetHatchStyle(drawing::HatchStyleHorizontalBrick);
        c.SetColorStart(drawing::clBlack);
        c.SetColorEnd(drawing::clGreen);
        c.SetLineColor(drawing::clNone);
        c.SetHTMLText(paragraph);
        c.SetHTMLLocation(plTopCenter);
        c.SetHTMLLeft(60);
        c.SetHTMLTop(10);
        c.HTMLFont()->SetHeight(-11);
        c.HTMLFont()->SetStyle(ui::fontStyle(ui::fsBold));
        c.HTMLFont()->SetColor(drawing::clWhite);
        TGDIPFill& f = *panel->Fill();
        f.SetColor(drawing::clWhite);
        f.SetColorTo(drawing::clWhite);
        f.SetColorMirror(drawing::clNone);
        f.SetColorMirrorTo(drawing::clNone);
        f.SetGradientType(gtBackwardDiagonal);
        f.SetGradientMirrorType(gtVertical);
        f.SetOpacity(28);
        f.SetOpacityTo(89);
        f.SetBorderColor(drawing::clBlack);
        f.SetRounding(10);
        f.SetShadowColor(drawing::clNone);
        f.SetShadowOffset(10);
        f.Picture()->loadFromBytes(pngBytes(solidBitmap(600, 600, kEmblemRed)));
        f.SetPicturePosition(ppBottomCenter);
        f.SetPictureTop(-50);
        f.SetPictureSize(psCustom);
        f.SetPictureWidth(90);
        f.SetPictureHeight(90);
    }
    platform::HeadlessWindow& window() {
        return *static_cast<platform::HeadlessWindow*>(form().nativeWindow());
    }
    // The bounding box of the cache's pixels that `wanted` picks.
    Rect boundsOf(const std::function<bool(std::uint32_t)>& wanted) const {
        const drawing::Bitmap& cache = panel->cache();
        int x0 = 1 << 20, y0 = 1 << 20, x1 = -1, y1 = -1;
        for (int y = 0; y < cache.height(); ++y)
            for (int x = 0; x < cache.width(); ++x)
                if (wanted(cache.pixel(x, y))) {
                    x0 = std::min(x0, x), y0 = std::min(y0, y), x1 = std::max(x1, x), y1 = std::max(y1, y);
                }
        if (x1 < 0) return {};
        return {x0, y0, x1 - x0 + 1, y1 - y0 + 1};
    }
    // The caption's measured height, as the panel measures it.
    int captionHeight() const {
        drawing::Bitmap scratch(1, 1);
        drawing::Graphics g(scratch);
        const drawing::Font font = captionFont(*panel->Caption()->Font());
        const auto m =
            g.measureString(panel->Caption()->Text(), font, panel->contentRect(), drawing::StringFormat());
        return drawing::roundHalfEven(m.box.height);
    }
    HtmlTextResult measureParagraph(const Rect& rect, int extraSpacing) const {
        drawing::Bitmap scratch(1, 1);
        drawing::Graphics g(scratch);
        HtmlTextOptions options;
        options.rect = rect;
        options.extraSpacing = extraSpacing;
        options.measureOnly = true;
        return DrawHtmlText(g, panel->Caption()->HTMLFont()->canvasFont(), panel->Caption()->HTMLText(),
                            options);
    }

    const std::string paragraph =
        "<FONT color=\"#800080\" face=\"Tahoma\"><B><P align=\"center\">Свободный аналог многих платных "
        "программ, "
        "которые превращают файлы презентаций (*.ppt, *.pptx) в исполняемые файлы.   Программа и её исходный "
        "код "
        "распространяются  бесплатно; версия 2007 преобразует презентации *.pptx, созданные в PowerPoint "
        "2007, "
        "для чего нужен свободно распространяемый конвертер форматов.</P></B></FONT>";
    TAdvSmoothPanel* panel = nullptr;
    int draws = 0;
    Rect drawRect;
};

TEST_F(SmoothPanelTest, AboutPanelHasItsContentRectangleAndTheEmblemAtTheBottomCentre) {
    makeAboutPanel();
    showForm();
    EXPECT_FLOAT_EQ(panel->contentRect().width, 751) << "the border keeps the last column; no shadow";
    EXPECT_FLOAT_EQ(panel->contentRect().height, 418);
    const Rect emblem = boundsOf([](std::uint32_t p) { return p == kEmblemRed; });
    EXPECT_EQ(emblem, (Rect{330, 328, 90, 90})) << "stretched to 90 x 90; PictureTop has no effect";
    // Translucent white body: the page shows through, lightened.
    const std::uint32_t body = screen().pixel(1 + 375, 1 + 300);
    EXPECT_GT(drawing::argbRed(body), 0xC4);
    EXPECT_LT(drawing::argbRed(body), 0xFF);
    EXPECT_EQ(panel->cache().pixel(375, 0), 0xFF000000) << "the black border";
    EXPECT_EQ(panel->cache().pixel(0, 0) >> 24, 0u) << "outside the rounded corner nothing is drawn";
    EXPECT_EQ(screen().pixel(1, 1), kPageArgb) << "and the page shows there";
}

TEST_F(SmoothPanelTest, CaptionIsHatchedBlackOnGreenAtTheTopCentreWithoutARule) {
    makeAboutPanel();
    showForm();
    const Rect green = boundsOf([](std::uint32_t p) { return p == 0xFF008000; });
    const Rect black = boundsOf([](std::uint32_t p) { return p == 0xFF000000; });
    ASSERT_FALSE(green.empty());
    // Both hatch colours inside the letters, which stand centred at the top.
    EXPECT_TRUE(black.contains({green.left + green.width / 2, green.top + green.height / 2}));
    EXPECT_NEAR(green.left + green.width / 2.0, 751 / 2.0, 3);
    EXPECT_LT(green.top, 12);
    EXPECT_LE(green.bottom(), captionHeight() + 1);
    // No rule under it: no row of the default rule colour, and none in LineColor either.
    panel->Caption()->SetLineColor(TAdvSmoothPanelCaption::kDefaultLineColor);
    paintPending();
    const int ruleY = captionHeight();
    const std::uint32_t rule = drawing::ColorToARGB(255, TAdvSmoothPanelCaption::kDefaultLineColor);
    EXPECT_EQ(panel->cache().pixel(375, ruleY), rule) << "a rule once it has a colour";
    // From x 2 to x 749 on pixel centres: the end pixels are half covered.
    EXPECT_EQ(panel->cache().pixel(3, ruleY), rule);
    EXPECT_EQ(panel->cache().pixel(748, ruleY), rule);
    EXPECT_NE(panel->cache().pixel(750, ruleY), rule);
    panel->Caption()->SetLine(false);
    paintPending();
    EXPECT_NE(panel->cache().pixel(375, ruleY), rule) << "Line false draws none";
}

TEST_F(SmoothPanelTest, CustomLocationsPutCaptionAndParagraphAtTheirOwnPoints) {
    panel->SetBounds(20, 20, 400, 200);
    panel->Fill()->SetShadowOffset(0);
    TAdvSmoothPanelCaption& caption = *panel->Caption();
    caption.SetText("Заголовок");
    caption.SetColorStart(drawing::clRed);
    caption.SetColorEnd(drawing::clRed);
    caption.SetLine(false);
    caption.SetLocation(plCustom);
    caption.SetHTMLText("Абзац под заголовком");
    caption.SetHTMLLocation(plCustom);
    caption.SetHTMLLeft(50);
    caption.SetHTMLTop(120);
    showForm();
    const auto red = [](std::uint32_t p) { return p == 0xFFFF0000; };
    const Rect atOrigin = boundsOf(red);
    ASSERT_FALSE(atOrigin.empty());
    caption.SetLeft(40);
    caption.SetTop(30);
    paintPending();
    const Rect moved = boundsOf(red);
    EXPECT_EQ(moved.left - atOrigin.left, 40) << "the caption stands at its Left";
    EXPECT_EQ(moved.top - atOrigin.top, 30) << "and its Top";
    ASSERT_TRUE(panel->htmlBlock());
    const int layoutRight = 400 - 2 * panel->Fill()->BorderWidth();  // no shadow
    EXPECT_EQ(panel->htmlBlock()->left, 50);
    EXPECT_EQ(panel->htmlBlock()->top, 120) << "HTMLTop counts only for a custom paragraph";
    EXPECT_EQ(panel->htmlBlock()->width, layoutRight - 50);
}

TEST_F(SmoothPanelTest, ParagraphIsWrappedFromSixtyCentredAndStartsUnderTheCaption) {
    makeAboutPanel();
    showForm();
    ASSERT_TRUE(panel->htmlBlock());
    const Rect block = *panel->htmlBlock();
    const int th = captionHeight();
    // Laid out in 690 pixels from x 60 (752 less the 1-pixel border on both sides).
    const HtmlTextResult wrapped = measureParagraph({60, th, 690, 10000 - th}, 2);
    EXPECT_EQ(block.width, wrapped.width);
    EXPECT_EQ(block.height, wrapped.height);
    EXPECT_LE(block.width, 692);
    EXPECT_GT(block.height, 3 * 13) << "the prose takes several lines";
    EXPECT_EQ(block.left, (751 - block.width) / 2) << "the block centred in the content";
    EXPECT_EQ(block.top, th) << "directly under the caption text; HTMLTop has no effect";
    // Purple letters inside the block only.
    const Rect purple = boundsOf([](std::uint32_t p) { return p == 0xFF800080; });
    ASSERT_FALSE(purple.empty());
    EXPECT_TRUE(block.contains({purple.left, purple.top}));
    EXPECT_LE(purple.bottom(), block.bottom() + 1);
}

TEST_F(SmoothPanelTest, ParagraphLinesGetTwoPixelsOfExtraSpacing) {
    panel->SetBounds(0, 0, 300, 200);
    panel->Caption()->SetHTMLText("one<BR>two<BR>three");
    panel->Caption()->SetHTMLLocation(plTopLeft);
    showForm();
    ASSERT_TRUE(panel->htmlBlock());
    const HtmlTextResult plain = measureParagraph({0, 0, 298, 10000}, 0);
    EXPECT_EQ(panel->htmlBlock()->height, plain.height + 3 * 2);
    EXPECT_EQ(panel->htmlBlock()->top, 0) << "no caption: the paragraph starts at the top";
}

TEST_F(SmoothPanelTest, ParagraphTallerThanThePanelIsNotDrawnAtAll) {
    panel->SetBounds(0, 0, 300, 60);
    std::string tall = "<FONT color=\"#800080\">";
    for (int i = 0; i < 10; ++i) tall += "line<BR>";
    panel->Caption()->SetHTMLText(tall + "</FONT>");
    panel->Caption()->SetHTMLLocation(plTopLeft);
    showForm();
    EXPECT_FALSE(panel->htmlBlock());
    EXPECT_TRUE(boundsOf([](std::uint32_t p) { return p == 0xFF800080; }).empty())
        << "not even its first lines";
}

TEST_F(SmoothPanelTest, PanelOnePixelHighDrawsNothingButStillRaisesOnDraw) {
    for (const Size size : {Size{300, 1}, Size{1, 80}}) {
        panel->SetBounds(10, 10, size.width, size.height);
        panel->Caption()->SetText("Студия");
        const int before = draws, renders = panel->cacheRenderCount();
        showForm();
        paintPending();
        EXPECT_GT(draws, before) << size.width << "x" << size.height;
        EXPECT_EQ(drawRect, (Rect{0, 0, size.width, size.height}));
        EXPECT_EQ(panel->cacheRenderCount(), renders) << "no content rendered";
        EXPECT_EQ(screen().pixel(10, 10), kPageArgb) << "the page shows";
    }
}

TEST_F(SmoothPanelTest, CacheIsReusedUntilSomethingItShowsChanges) {
    makeAboutPanel();
    showForm();
    ASSERT_EQ(panel->cacheRenderCount(), 1);
    struct Case {
        const char* change;
        std::function<void()> apply;
        bool renders;
    };
    const Case cases[] = {
        {"a repaint", [&] { panel->invalidate(); }, false},
        {"a move", [&] { panel->SetBounds(2, 2, 752, 419); }, false},
        {"a child's change", [&] {}, false},
        {"the fill", [&] { panel->Fill()->SetOpacity(40); }, true},
        {"the caption text", [&] { panel->Caption()->SetText("Горностай"); }, true},
        {"the caption font", [&] { panel->Caption()->Font()->SetHeight(-30); }, true},
        {"the paragraph font", [&] { panel->Caption()->HTMLFont()->SetHeight(-12); }, true},
        {"the fill picture", [&] { panel->Fill()->Picture()->clear(); }, true},
        {"Transparent", [&] { panel->SetTransparent(false); }, true},
        {"a resize", [&] { panel->SetBounds(2, 2, 700, 400); }, true},
        {"Version", [&] { panel->SetVersion("9"); }, false},
        {"the same fill value", [&] { panel->Fill()->SetOpacity(40); }, false},
    };
    for (const Case& c : cases) {
        const int before = panel->cacheRenderCount();
        c.apply();
        panel->invalidate();
        paintPending();
        EXPECT_EQ(panel->cacheRenderCount(), before + (c.renders ? 1 : 0)) << c.change;
    }
    EXPECT_EQ(panel->Version(), "1.0.7.1");
}

TEST_F(SmoothPanelTest, OpaquePanelPaintsItsColorUnderTheTranslucentBody) {
    makeAboutPanel();
    panel->SetTransparent(false);
    panel->SetColor(drawing::clBlack);
    showForm();
    const std::uint32_t body = screen().pixel(1 + 375, 1 + 300);
    EXPECT_LT(drawing::argbRed(body), 0x60) << "white at low opacity over black";
    EXPECT_EQ(screen().pixel(1, 1), 0xFF000000u) << "the corner shows the panel's colour, not the page";
}

TEST_F(SmoothPanelTest, LinkShowsTheHandAndAPressRaisesOnAnchorClick) {
    panel->SetBounds(20, 20, 400, 100);
    panel->Caption()->SetHTMLLocation(plTopLeft);
    panel->Caption()->SetHTMLText("Сайт: <A href=\"https://gornostai.example/\">gornostai.example</A> и всё");
    std::vector<std::string> anchors;
    panel->OnAnchorClick = [&](ui::Component* sender, const std::string& anchor) {
        EXPECT_EQ(sender, panel);
        anchors.push_back(anchor);
        platform::currentPlatform().openUrl(anchor);
    };
    showForm();
    ASSERT_TRUE(panel->htmlBlock());
    // Find a point on the link from the renderer's own hit test.
    const Rect block = *panel->htmlBlock();
    Point onLink{-1, -1};
    for (int x = block.left; x < block.right() && onLink.x < 0; ++x)
        if (panel->anchorAt({x, block.top + block.height / 2}))
            onLink = {x + 3, block.top + block.height / 2};
    ASSERT_GE(onLink.x, 0) << "no link found";
    const Point onWindow{20 + onLink.x, 20 + onLink.y};

    window().mouseMove(onWindow);
    EXPECT_EQ(window().cursor(), platform::CursorShape::Hand);
    EXPECT_EQ(panel->Cursor(), ui::crHandPoint);
    window().mouseMove({20 + block.left + 1, 20 + block.top + block.height / 2});
    EXPECT_EQ(window().cursor(), platform::CursorShape::Arrow) << "off the link the panel's cursor returns";
    EXPECT_EQ(panel->Cursor(), ui::crDefault);

    window().click(onWindow, platform::MouseButton::Right);
    EXPECT_EQ(anchors, std::vector<std::string>{"https://gornostai.example/"}) << "a press of any button";
    EXPECT_EQ(m_platform.openedUrls(), std::vector<std::string>{"https://gornostai.example/"});
    window().click({20 + 380, 20 + 90});
    EXPECT_EQ(anchors.size(), 1u) << "a press elsewhere raises nothing";
}

TEST_F(SmoothPanelTest, ChildControlsLieOverThePanel) {
    makeAboutPanel();
    auto* child = new TAdvSmoothPanel(&form());
    child->SetParent(panel);
    child->SetBounds(100, 100, 40, 40);
    child->SetTransparent(false);
    child->SetColor(drawing::clRed);
    child->Fill()->SetGradientType(gtNone);
    showForm();
    EXPECT_EQ(screen().pixel(1 + 120, 1 + 120), 0xFFFF0000u);
}

TEST_F(SmoothPanelTest, AssigningCopiesCaptionFillAndTransparencyOnce) {
    makeAboutPanel();
    TAdvSmoothPanel other(nullptr);
    other.SetTransparent(false);
    int changes = 0;
    panel->Caption()->OnChange = [&](ui::Persistent*) { ++changes; };
    panel->assign(other);
    EXPECT_FALSE(panel->Transparent());
    EXPECT_EQ(panel->Caption()->Text(), "");
    EXPECT_EQ(panel->Caption()->Font()->Name(), "Tahoma");
    EXPECT_EQ(panel->Caption()->Font()->Size(), 12);
    EXPECT_EQ(panel->Fill()->Color(), drawing::clSilver);
    EXPECT_TRUE(panel->Fill()->Picture()->Empty());
    EXPECT_EQ(changes, 1);
    EXPECT_TRUE(panel->cacheStale());
}

TEST(SmoothPanelCaption, DefaultsAndGlyphColors) {
    TAdvSmoothPanelCaption c;
    EXPECT_EQ(c.Location(), plTopLeft);
    EXPECT_EQ(c.HTMLLocation(), plCenterCenter);
    EXPECT_EQ(c.Font()->Size(), 12);
    EXPECT_EQ(c.HTMLFont()->Size(), 8);
    EXPECT_EQ(c.TextRendering(), TAdvSmoothPanelCaption::tAntiAliasGridFit);
    EXPECT_EQ(c.startARGB(), 0xFFFFFFFFu);
    EXPECT_EQ(c.endARGB(), 0xFFC0C0C0u);
    c.SetColorEnd(drawing::clNone);
    c.SetOpacityStart(128);
    EXPECT_EQ(c.endARGB(), 0x80FFFFFFu) << "no end colour: the start colour";
}

}  // namespace
}  // namespace sk::smooth::test
