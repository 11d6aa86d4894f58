// The line loop on a recording target with 10-pixel characters: wrapping,
// alignment, line boxes, every tag's effect on what is drawn and where, hit
// testing and the stop rule, in both variants' rules.
#include <gtest/gtest.h>

#include <memory>

#include "controls/smooth/HtmlLayout.h"
#include "controls/smooth/RecordingHtmlTarget.h"
#include "ui/Utf8.h"

namespace sk::smooth {
namespace {

using drawing::Rect;
using testing::RecordingHtmlTarget;
using Variant = RecordingHtmlTarget::Variant;

drawing::CanvasFont baseFont() {
    drawing::CanvasFont font;
    font.name = "Tahoma";
    font.height = -10;
    font.color = drawing::clBlack;
    return font;
}

HtmlTextOptions inRect(int width, int height = 1000) {
    HtmlTextOptions options;
    options.rect = {0, 0, width, height};
    return options;
}

HtmlTextResult lay(RecordingHtmlTarget& target, std::string_view markup, const HtmlTextOptions& options) {
    return HtmlLayout(target, baseFont(), options).run(html::prepareMarkup(markup));
}

// ---- Words, lines and alignment ----------------------------------------------------

TEST(HtmlLayout, WordsCarryTheirSpaceAndWrapByEachVariantsFitRule) {
    RecordingHtmlTarget dc(Variant::DeviceContext);
    const HtmlTextResult d = lay(dc, "aaaa bbbb cccc", inRect(100));
    EXPECT_EQ(dc.runTexts(), "aaaa |bbbb |cccc");
    ASSERT_EQ(dc.runs.size(), 3u);
    EXPECT_EQ(dc.runs[1].rect, (Rect{0, 10, 50, 10})) << "reaching the width wraps";
    EXPECT_EQ(dc.runs[2].rect, (Rect{50, 10, 40, 10}));
    EXPECT_EQ(d.height, 20);
    EXPECT_EQ(d.width, 92);

    RecordingHtmlTarget g(Variant::Graphics);
    const HtmlTextResult r = lay(g, "aaaa bbbb cccc", inRect(100));
    ASSERT_EQ(g.runs.size(), 3u);
    EXPECT_EQ(g.runs[1].rect, (Rect{50, 0, 50, 10})) << "reaching the width stays";
    EXPECT_EQ(g.runs[2].rect, (Rect{0, 10, 40, 10}));
    EXPECT_EQ(r.width, 92) << "the first line's trailing space is taken off";

    // The 2-D variant breaks only where the text before ends with a space.
    RecordingHtmlTarget glued(Variant::Graphics);
    lay(glued, "aaaaaaaa<B>bbbb</B>", inRect(100));
    ASSERT_EQ(glued.runs.size(), 2u);
    EXPECT_EQ(glued.runs[1].rect.top, 0);
    RecordingHtmlTarget split(Variant::DeviceContext);
    lay(split, "aaaaaaaa<B>bbbb</B>", inRect(100));
    ASSERT_EQ(split.runs.size(), 2u);
    EXPECT_EQ(split.runs[1].rect.top, 10);
}

TEST(HtmlLayout, SpacesInARowAreNeverCollapsed) {
    RecordingHtmlTarget wrapped;
    const HtmlTextResult r = lay(wrapped, "a   b", inRect(500));
    EXPECT_EQ(wrapped.runTexts(), "a | | |b");
    EXPECT_EQ(wrapped.runs.back().rect.left, 40);
    EXPECT_EQ(r.plainText, "a   b");

    HtmlTextOptions single = inRect(500);
    single.wordWrap = false;
    RecordingHtmlTarget unwrapped;
    lay(unwrapped, "a   b", single);
    EXPECT_EQ(unwrapped.runTexts(), "a   b");
}

TEST(HtmlLayout, AWordWiderThanTheLineStaysAndIsCutAtTheRectangle) {
    RecordingHtmlTarget wrapped;
    const HtmlTextResult r = lay(wrapped, "xxxxxxxxxxxxxxx", inRect(100));
    ASSERT_EQ(wrapped.runs.size(), 1u);
    EXPECT_EQ(wrapped.runs[0].rect, (Rect{0, 0, 100, 10}));
    EXPECT_FALSE(wrapped.runs[0].ellipsis);
    EXPECT_EQ(r.width, 152);
    EXPECT_EQ(r.height, 10);

    HtmlTextOptions single = inRect(100);
    single.wordWrap = false;
    RecordingHtmlTarget unwrapped;
    lay(unwrapped, "xxxxxxxxxxxxxxx", single);
    ASSERT_EQ(unwrapped.runs.size(), 1u);
    EXPECT_TRUE(unwrapped.runs[0].ellipsis);
    EXPECT_EQ(unwrapped.runs[0].rect.right(), 100);

    // A run at least as wide as the whole line stays where it is.
    RecordingHtmlTarget after;
    EXPECT_EQ(lay(after, "ab xxxxxxxxxxxx", inRect(100)).height, 10);
}

TEST(HtmlLayout, ParagraphAlignmentLastMatchWinsAndStaysWithoutClosingTag) {
    struct Case {
        const char* align;
        int x;  // of a 20-pixel run in 200 pixels
    };
    const Case cases[] = {{"right", 180},       {"left", 0},    {"center", 90}, {"Right Left", 0},
                          {"center right", 90}, {"justify", 0}, {"", 0}};
    for (const Case& c : cases) {
        RecordingHtmlTarget target;
        lay(target, std::string("<P align=\"") + c.align + "\">ab", inRect(200));
        ASSERT_EQ(target.runs.size(), 1u) << c.align;
        EXPECT_EQ(target.runs[0].rect.left, c.x) << c.align;
    }
    RecordingHtmlTarget kept;
    lay(kept, "<P align=\"right\">one<BR>three<BR>five five", inRect(200));
    ASSERT_EQ(kept.runs.size(), 4u);
    EXPECT_EQ(kept.runs[0].rect.left, 170);
    EXPECT_EQ(kept.runs[1].rect.left, 150);
    EXPECT_EQ(kept.runs[2].rect.left, 110) << "the trailing space of a line does not count";

    RecordingHtmlTarget wide;
    lay(wide, "<P align=\"center\">xxxxxxxxxxxxxxxxxxxxxxxxx", inRect(200));
    EXPECT_EQ(wide.runs[0].rect.left, 0) << "a line wider than the rectangle starts at the left";

    RecordingHtmlTarget indented;
    lay(indented, "<P indent=\"15\">aaaaaaaaa bbb", inRect(100));
    ASSERT_EQ(indented.runs.size(), 2u);
    EXPECT_EQ(indented.runs[0].rect.left, 15);
    EXPECT_EQ(indented.runs[1].rect, (Rect{15, 10, 30, 10})) << "the indent narrows the line";
}

TEST(HtmlLayout, DrawingStopsAtTheBottomWhileMeasuringCountsEveryLine) {
    RecordingHtmlTarget drawn;
    const HtmlTextResult d = lay(drawn, "1<BR>2<BR>3<BR>4", inRect(100, 25));
    EXPECT_EQ(drawn.runTexts(), "1|2");
    EXPECT_EQ(d.height, 20);
    EXPECT_EQ(drawn.drawings, 0) << "drawing began and ended";

    HtmlTextOptions measure = inRect(100, 25);
    measure.measureOnly = true;
    RecordingHtmlTarget measured;
    const HtmlTextResult m = lay(measured, "1<BR>2<BR>3<BR>4", measure);
    EXPECT_TRUE(measured.runs.empty());
    EXPECT_EQ(m.height, 40);
    EXPECT_EQ(m.plainText, "1\r2\r3\r4");

    HtmlTextOptions spaced = inRect(100);
    spaced.extraSpacing = 2;
    RecordingHtmlTarget target;
    EXPECT_EQ(lay(target, "1<BR>2", spaced).height, 24);
    EXPECT_EQ(target.runs[1].rect, (Rect{0, 14, 10, 10})) << "text sits at the bottom of its line box";
}

TEST(HtmlLayout, EmptyTextsAndTrailingTagsMakeNoExtraLines) {
    for (const char* markup : {"", "   ", "\r\n"}) {
        RecordingHtmlTarget target;
        const HtmlTextResult r = lay(target, markup, inRect(100));
        EXPECT_EQ(r.height, markup == std::string("\r\n") ? 10 : 10) << markup;
        EXPECT_EQ(r.width, 2) << markup;
    }
    RecordingHtmlTarget closing;
    EXPECT_EQ(lay(closing, "<B><P align=\"center\">x</P></B></FONT>", inRect(100)).height, 10);
    RecordingHtmlTarget band;
    lay(band, "<P bgcolor=\"clRed\">x<BR></B>", inRect(100));
    EXPECT_EQ(band.fills.size(), 1u) << "the trailing tags' line is not painted either";
    RecordingHtmlTarget blank;
    EXPECT_EQ(lay(blank, "a<BR><BR>b", inRect(100)).height, 30) << "an empty line between texts stays";
}

TEST(HtmlLayout, RunsNeverSplitAMultiByteCharacter) {
    for (const bool wrap : {true, false}) {
        HtmlTextOptions options = inRect(60);
        options.wordWrap = wrap;
        RecordingHtmlTarget target;
        lay(target, "Пакет PowerPoint\u00A02003 — €\xE2\x82 <B>ёж</B>ё", options);
        ASSERT_FALSE(target.runs.empty());
        for (const auto& run : target.runs) {
            const std::u32string chars = ui::decodeUtf8(run.text);
            EXPECT_EQ(ui::encodeUtf8(chars), run.text) << run.text;
            EXPECT_NE(run.text.find_first_not_of("\xEF\xBF\xBD"), std::string::npos) << run.text;
        }
    }
}

// ---- Tags --------------------------------------------------------------------------

TEST(HtmlLayout, StyleTagsSwitchTheFontAndFontTagsReturnToTheBase) {
    RecordingHtmlTarget target;
    lay(target,
        "<B>b</B><I>i</I><U>u</U><S>s</S><FONT face=\"Verdana\" color=\"#800080\" size=\"4\">f</FONT>n"
        "<FONT size=\"20\">p</FONT><FONT size=\"100000\">h</FONT><BLINK>x",
        inRect(1000));
    ASSERT_EQ(target.runs.size(), 9u);
    EXPECT_TRUE(target.runs[0].font.bold);
    EXPECT_TRUE(target.runs[1].font.italic && !target.runs[1].font.bold);
    EXPECT_TRUE(target.runs[2].font.underline);
    EXPECT_TRUE(target.runs[3].font.strikeOut);
    const drawing::CanvasFont& f = target.runs[4].font;
    EXPECT_EQ(f.name, "Verdana");
    EXPECT_EQ(f.color, 0x800080u);
    EXPECT_EQ(f.height, -19) << "size 4 is 14 points";
    EXPECT_EQ(target.runs[5].font, baseFont());
    EXPECT_EQ(target.runs[6].font.height, -27) << "20 points";
    EXPECT_EQ(target.runs[7].font.height, -533) << "a huge size is limited";
    EXPECT_TRUE(target.runs[8].font.bold) << "a longer tag acts as its first letter's";

    const int sizes[][2] = {{1, -11}, {2, -13}, {3, -16}, {5, -21}, {8, -11}, {0, -1}};
    for (const auto& [size, height] : sizes) {
        RecordingHtmlTarget sized;
        lay(sized, "<FONT size=\"" + std::to_string(size) + "\">x", inRect(100));
        EXPECT_EQ(sized.runs.at(0).font.height, height) << size;
    }
}

TEST(HtmlLayout, EscapedAngleBracketsShowAndHiddenTextIsSkipped) {
    RecordingHtmlTarget escaped;
    const HtmlTextResult r = lay(escaped, "&lt;B&gt;x&nbsp;y", inRect(500));
    EXPECT_EQ(escaped.runTexts(), "<B>x y") << "&nbsp; joins the words into one run";
    EXPECT_FALSE(escaped.runs[0].font.bold);
    EXPECT_EQ(r.plainText, "<B>x y");

    RecordingHtmlTarget hidden;
    const HtmlTextResult h = lay(hidden, "a<Z>not shown</Z>b", inRect(500));
    EXPECT_EQ(hidden.runTexts(), "a|b");
    EXPECT_EQ(hidden.runs[1].rect.left, 10);
    EXPECT_EQ(h.plainText, "ab");

    RecordingHtmlTarget hash;
    lay(hash, "<#808080>", inRect(500));
    EXPECT_EQ(hash.runTexts(), "#808080");
}

TEST(HtmlLayout, BrokenMarkupDropsOnlyWhatIsBroken) {
    const struct {
        const char* markup;
        const char* runs;
    } cases[] = {
        {"ab<B cd", "ab"},      {"ab<x", "ab"},     {"ab<Q>cd", "ab|cd"}, {"<B>>x", ">x"},
        {"a</A>b", "a|b"},      {"a</HI>b", "a|b"}, {"a</OF>b", "a|b"},   {"a<IMG src=\"nothing\">b", "a|b"},
        {"<A href=\"x>y", "y"}, {"<<<", ""},
    };
    for (const auto& c : cases) {
        RecordingHtmlTarget target;
        lay(target, c.markup, inRect(500));
        EXPECT_EQ(target.runTexts(), c.runs) << c.markup;
    }
}

TEST(HtmlLayout, SubscriptAndSuperscriptMoveTextByEachVariantsExtent) {
    RecordingHtmlTarget dc(Variant::DeviceContext);
    EXPECT_EQ(lay(dc, "a<SUB>b</SUP>c", inRect(500)).height, 12);
    ASSERT_EQ(dc.runs.size(), 3u);
    EXPECT_EQ(dc.runs[0].rect.bottom(), 10);
    EXPECT_EQ(dc.runs[1].rect.bottom(), 12) << "down by a quarter of the run height";
    EXPECT_EQ(dc.runs[2].rect.bottom(), 10) << "either closing tag ends both";

    RecordingHtmlTarget up(Variant::DeviceContext);
    lay(up, "a<SUP>b</SUP>", inRect(500));
    EXPECT_EQ(up.runs[0].rect.bottom(), 12);
    EXPECT_EQ(up.runs[1].rect.bottom(), 10);

    RecordingHtmlTarget g(Variant::Graphics);
    EXPECT_EQ(lay(g, "a<SUB>b</SUB>", inRect(500)).height, 15) << "half of the run height";
    EXPECT_EQ(g.runs[1].rect.bottom(), 15);
}

TEST(HtmlLayout, ShadowErrorMarkAndHighlightDrawAroundTheRun) {
    HtmlTextOptions options = inRect(500);
    options.shadowColor = drawing::clGray;
    options.shadowOffset = 3;
    RecordingHtmlTarget target;
    lay(target, "<SHAD>ab</SHAD><E>cd</E><HI>ef</HI>gh", options);
    ASSERT_EQ(target.runs.size(), 5u);
    EXPECT_EQ(target.runs[0].rect, (Rect{3, 3, 20, 10}));
    EXPECT_EQ(target.runs[0].font.color, drawing::clGray);
    EXPECT_EQ(target.runs[1].rect, (Rect{0, 0, 20, 10}));
    EXPECT_EQ(target.runs[1].font.color, drawing::clBlack);
    ASSERT_EQ(target.zigzags.size(), 1u);
    EXPECT_EQ(target.zigzags[0].left, 20);
    EXPECT_EQ(target.zigzags[0].right, 40);
    EXPECT_EQ(target.zigzags[0].y, 10);
    EXPECT_EQ(target.runs[3].font.color, drawing::clHighlightText);
    EXPECT_EQ(target.runs[3].background, drawing::clHighlight);
    EXPECT_EQ(target.runs[4].font.color, drawing::clBlack);
    EXPECT_EQ(target.runs[4].background, drawing::clNone);
}

TEST(HtmlLayout, FontBackgroundReturnsToTheOneBeforeTheTag) {
    RecordingHtmlTarget target;
    lay(target, "<FONT bgcolor=\"clYellow\">a<FONT bgcolor=\"clRed\">b</FONT>c</FONT>d", inRect(500));
    ASSERT_EQ(target.runs.size(), 4u);
    EXPECT_EQ(target.runs[0].background, drawing::clYellow);
    EXPECT_EQ(target.runs[1].background, drawing::clRed);
    EXPECT_EQ(target.runs[2].background, drawing::clYellow);
}

TEST(HtmlLayout, RulesAndParagraphAndBodyBackgroundsSpanTheRectangle) {
    RecordingHtmlTarget rule;
    const HtmlTextResult r = lay(rule, "a<HR>b", inRect(100));
    ASSERT_EQ(rule.lines.size(), 1u);
    EXPECT_EQ(rule.lines[0].left, 0);
    EXPECT_EQ(rule.lines[0].right, 100);
    EXPECT_EQ(rule.lines[0].y, 10);
    EXPECT_EQ(r.plainText, "a\rb");

    RecordingHtmlTarget paragraph;
    lay(paragraph, "<P bgcolor=\"clRed\">a<BR>b</P>c", inRect(100));
    ASSERT_EQ(paragraph.fills.size(), 2u);
    EXPECT_EQ(paragraph.fills[0].rect, (Rect{0, 0, 100, 10}));
    EXPECT_EQ(paragraph.fills[1].rect, (Rect{0, 10, 100, 10}));
    EXPECT_EQ(paragraph.fills[1].color, drawing::clRed);

    RecordingHtmlTarget gradient;
    lay(gradient, "<P bgcolor=\"clBlack\" bgcolorto=\"clWhite\">a", inRect(128));
    ASSERT_EQ(gradient.fills.size(), 64u);
    EXPECT_EQ(gradient.fills[0].rect, (Rect{0, 0, 2, 10}));
    EXPECT_EQ(gradient.fills[0].color, 0x000000u);
    EXPECT_EQ(gradient.fills[63].color, 0xFFFFFFu);

    HtmlTextOptions box = inRect(64, 128);
    RecordingHtmlTarget body;
    lay(body, "<BODY bgcolor=\"clBlue\" bgcolorto=\"clRed\">x", box);
    ASSERT_EQ(body.fills.size(), 64u);
    EXPECT_EQ(body.fills[0].rect, (Rect{0, 0, 64, 2})) << "vertical bands without DIR";
    RecordingHtmlTarget across;
    lay(across, "<BODY bgcolor=\"clBlue\" bgcolorto=\"clRed\" dir=\"h\">x", box);
    EXPECT_EQ(across.fills.at(0).rect, (Rect{0, 0, 1, 128}));
    RecordingHtmlTarget plain;
    lay(plain, "<BODY bgcolor=\"clBlue\">x", box);
    ASSERT_EQ(plain.fills.size(), 1u);
    EXPECT_EQ(plain.fills[0].rect, box.rect);
}

TEST(HtmlLayout, ListsIndentItemsAndDrawBullets) {
    RecordingHtmlTarget target(Variant::Graphics);
    lay(target, "<UL><LI>a</LI><UL><LI>b<LI>c</UL></UL>", inRect(200));
    // Runs: bullet, "a", bullet, "b", bullet, "c".
    ASSERT_EQ(target.runs.size(), 6u);
    EXPECT_EQ(target.runs[0].text, "\u2022");
    EXPECT_EQ(target.runs[0].font.name, "Symbol");
    EXPECT_EQ(target.runs[0].rect.left, 0);
    EXPECT_EQ(target.runs[1].rect.left, 12);
    EXPECT_EQ(target.runs[2].text, "o") << "even levels";
    EXPECT_EQ(target.runs[3].rect.left, 24);
    EXPECT_GT(target.runs[5].rect.top, target.runs[3].rect.top) << "a second item starts a new line";

    RecordingHtmlTarget shaped(Variant::DeviceContext);
    lay(shaped, "<UL><LI type=\"square\" color=\"clRed\">a<BR><LI type=\"circle\">b", inRect(200));
    ASSERT_EQ(shaped.fills.size(), 1u);
    EXPECT_EQ(shaped.fills[0].color, drawing::clRed);
    EXPECT_EQ(shaped.fills[0].rect.width, 8);
    EXPECT_EQ(shaped.ellipses.size(), 1u);
    RecordingHtmlTarget unshaped(Variant::Graphics);
    lay(unshaped, "<UL><LI type=\"square\" color=\"clRed\">a", inRect(200));
    EXPECT_TRUE(unshaped.fills.empty());

    RecordingHtmlTarget outside;
    lay(outside, "</UL><U>a</UL>b", inRect(200));
    EXPECT_FALSE(outside.runs[1].font.underline) << "</UL> outside a list ends underlining";
}

TEST(HtmlLayout, IndentAndOffsetMoveThePen) {
    RecordingHtmlTarget indent;
    lay(indent, "a<IND x=\"50\">b<BR>aaaaaa<IND x=\"20\">b", inRect(500));
    EXPECT_EQ(indent.runs[1].rect.left, 50);
    EXPECT_EQ(indent.runs[3].rect.left, 60) << "already further right";

    RecordingHtmlTarget offset;
    lay(offset, "a<OF x=\"80\">b</OF>c", inRect(500));
    EXPECT_EQ(offset.runs[1].rect.left, 80);
    EXPECT_EQ(offset.runs[2].rect.left, 10);
}

TEST(HtmlLayout, RotationOnlyInTheDeviceContextVariant) {
    RecordingHtmlTarget dc(Variant::DeviceContext);
    lay(dc, "<R a=\"90\">ab</R>c", inRect(500));
    EXPECT_EQ(dc.runs[0].font.escapement, 900);
    EXPECT_EQ(dc.runs[1].font.escapement, 0);
    RecordingHtmlTarget g(Variant::Graphics);
    lay(g, "<R a=\"90\">ab</R>c", inRect(500));
    EXPECT_EQ(g.runs[0].font.escapement, 0);
}

TEST(HtmlLayout, RunsNearTheRightEdgeAreLeftOutWithoutWrapInTheDeviceContextVariant) {
    HtmlTextOptions single = inRect(100);
    single.wordWrap = false;
    RecordingHtmlTarget dc(Variant::DeviceContext);
    lay(dc, "a<IND x=\"91\">b", single);
    EXPECT_EQ(dc.runTexts(), "a");
    RecordingHtmlTarget g(Variant::Graphics);
    lay(g, "a<IND x=\"91\">b", single);
    EXPECT_EQ(g.runTexts(), "a|b");
}

// ---- Links -------------------------------------------------------------------------

TEST(HtmlLayout, LinksAreCountedColouredAndHitTested) {
    HtmlTextOptions options = inRect(500);
    options.linkColor = drawing::clRed;
    options.hitPoint = {50, 5};
    RecordingHtmlTarget target;
    const HtmlTextResult r =
        lay(target, "go <A href=\"http://example.org/a\">here</A> or <a HREF=\"Second\">there</a>", options);
    EXPECT_EQ(r.linkCount, 2);
    EXPECT_TRUE(r.onLink);
    EXPECT_EQ(r.anchor, "http://example.org/a");
    EXPECT_EQ(r.anchorIndex, 0);
    EXPECT_EQ(r.anchorRect, (Rect{30, 0, 40, 10}));
    ASSERT_GE(target.runs.size(), 3u);
    EXPECT_EQ(target.runs[1].font.color, drawing::clRed);
    EXPECT_TRUE(target.runs[1].font.underline);
    EXPECT_EQ(target.runs[2].font.color, drawing::clBlack);
    EXPECT_FALSE(target.runs[2].font.underline);

    const struct {
        drawing::Point point;
        bool onLink;
        const char* anchor;
    } probes[] = {{{10, 5}, false, ""},       {{69, 9}, true, "http://example.org/a"},
                  {{70, 5}, false, ""},       {{50, 10}, false, ""},
                  {{120, 0}, true, "Second"}, {{-1, -1}, false, ""}};
    for (const auto& probe : probes) {
        HtmlTextOptions measure = inRect(500);
        measure.measureOnly = true;
        measure.hitPoint = probe.point;
        RecordingHtmlTarget t;
        const HtmlTextResult hit =
            lay(t, "go <A href=\"http://example.org/a\">here</A> or <a HREF=\"Second\">there</a>", measure);
        EXPECT_EQ(hit.onLink, probe.onLink) << probe.point.x << "," << probe.point.y;
        EXPECT_EQ(hit.anchor, probe.anchor) << probe.point.x << "," << probe.point.y;
    }
}

TEST(HtmlLayout, ALinkOverTwoLinesIsHitOnEitherWithItsOwnPart) {
    HtmlTextOptions options = inRect(100);
    options.measureOnly = true;
    const char* markup = "aa <A href=\"x\">bbbb cccccc</A>";
    options.hitPoint = {15, 15};
    RecordingHtmlTarget second;
    const HtmlTextResult r = lay(second, markup, options);
    EXPECT_TRUE(r.onLink);
    EXPECT_EQ(r.anchorRect, (Rect{0, 10, 60, 10}));
    options.hitPoint = {50, 5};
    RecordingHtmlTarget first;
    EXPECT_EQ(lay(first, markup, options).anchorRect, (Rect{30, 0, 50, 10}));
}

TEST(HtmlLayout, HoverUnderlinesOnlyTheHoveredLinkAndFocusFramesIt) {
    HtmlTextOptions options = inRect(500);
    options.hover = true;
    options.hoverLink = 1;
    options.hoverColor = drawing::clYellow;
    options.hoverFontColor = drawing::clGreen;
    options.focusLink = 1;
    RecordingHtmlTarget target;
    lay(target, "<A href=\"a\">one</A> <A href=\"b\">two</A>", options);
    ASSERT_EQ(target.runs.size(), 3u);
    EXPECT_FALSE(target.runs[0].font.underline);
    EXPECT_EQ(target.runs[0].background, drawing::clNone);
    EXPECT_TRUE(target.runs[2].font.underline);
    EXPECT_EQ(target.runs[2].font.color, drawing::clGreen);
    EXPECT_EQ(target.runs[2].background, drawing::clYellow);
    ASSERT_EQ(target.focusRects.size(), 1u);
    EXPECT_EQ(target.focusRects[0], (Rect{40, 0, 30, 10}));
}

TEST(HtmlLayout, UnderlinedLinkWordsAreJoinedInTheGraphicsVariantOnly) {
    RecordingHtmlTarget g(Variant::Graphics);
    lay(g, "<A href=\"u\">one two</A> three", inRect(500));
    EXPECT_EQ(g.runTexts(), "one_|two| |three");
    RecordingHtmlTarget dc(Variant::DeviceContext);
    lay(dc, "<A href=\"u\">one two</A> three", inRect(500));
    EXPECT_EQ(dc.runTexts(), "one |two| |three");
}

// ---- Pictures ----------------------------------------------------------------------

class TwoPictures final : public HtmlImageList, public HtmlPictureContainer {
public:
    const drawing::Bitmap* imageAt(int index) const override { return index == 0 ? &m_tall : nullptr; }
    const drawing::Bitmap* pictureNamed(std::string_view name) const override {
        return html::upperAscii(name) == "LOGO" ? &m_wide : nullptr;
    }

private:
    drawing::Bitmap m_tall{20, 30};
    drawing::Bitmap m_wide{50, 5};
};

TEST(HtmlLayout, PicturesTakeRoomAtThePenAndShapeTheLine) {
    TwoPictures pictures;
    const struct {
        const char* markup;
        Rect picture;
        int textBottom;  // of the run after the picture
        int height;
    } cases[] = {
        {"a<IMG src=\"IDX:0\">b", {10, 0, 20, 30}, 30, 30},
        {"a<IMG src=\"idx:0\" align=\"top\">b", {10, 0, 20, 30}, 10, 30},
        {"a<IMG src=\"IDX:0\" align=\"middle\">b", {10, 0, 20, 30}, 20, 30},
        {"a<IMG src=\"IDX:0\" wrap>b", {10, -20, 20, 30}, 10, 10},
        {"a<IMG src=\"IDX:0\" width=\"40\" height=\"5\">b", {10, 5, 40, 5}, 10, 10},
        {"a<IMG src=\"IDX:0\" width=\"40\">b", {10, 0, 20, 30}, 30, 30},
        {"a<IMG src=\"logo\">b", {10, 5, 50, 5}, 10, 10},
    };
    for (const auto& c : cases) {
        HtmlTextOptions options = inRect(500);
        options.images = &pictures;
        options.pictures = &pictures;
        RecordingHtmlTarget target;
        const HtmlTextResult r = lay(target, c.markup, options);
        ASSERT_EQ(target.pictures.size(), 1u) << c.markup;
        EXPECT_EQ(target.pictures[0], c.picture) << c.markup;
        ASSERT_EQ(target.runs.size(), 2u) << c.markup;
        EXPECT_EQ(target.runs[1].rect.left, c.picture.right()) << c.markup;
        EXPECT_EQ(target.runs[1].rect.bottom(), c.textBottom) << c.markup;
        EXPECT_EQ(r.height, c.height) << c.markup;
    }
    for (const char* missing : {"a<IMG src=\"IDX:1\">b", "a<IMG src=\"IDX:x\">b", "a<IMG src=\"other\">b",
                                "a<IMG src=\"C:\\x.png\">b", "a<IMG>b"}) {
        HtmlTextOptions options = inRect(500);
        options.images = &pictures;
        options.pictures = &pictures;
        RecordingHtmlTarget target;
        lay(target, missing, options);
        EXPECT_TRUE(target.pictures.empty()) << missing;
        EXPECT_EQ(target.runs.at(1).rect.left, 10) << missing << ": a missing picture takes no room";
    }
}

TEST(HtmlLayout, APictureThatDoesNotFitStartsTheNextLineAndIsScaled) {
    TwoPictures pictures;
    HtmlTextOptions options = inRect(100);
    options.images = &pictures;
    RecordingHtmlTarget target;
    lay(target, "aaaaaaaaa<IMG src=\"IDX:0\">", options);
    ASSERT_EQ(target.pictures.size(), 1u);
    EXPECT_EQ(target.pictures[0], (Rect{0, 10, 20, 30}));

    options.imageScale = 2.0;
    RecordingHtmlTarget scaled;
    lay(scaled, "<IMG src=\"IDX:0\">", options);
    EXPECT_EQ(scaled.pictures.at(0), (Rect{0, 0, 40, 60}));
}

TEST(HtmlLayout, PicturesInLinksAreHitAndGiveTheirHint) {
    TwoPictures pictures;
    HtmlTextOptions options = inRect(500);
    options.images = &pictures;
    options.measureOnly = true;
    options.hitPoint = {25, 20};
    RecordingHtmlTarget target;
    const HtmlTextResult r =
        lay(target, "a<A href=\"pic\"><IMG src=\"IDX:0\" alt=\"A tall one\"></A>", options);
    EXPECT_TRUE(r.onLink);
    EXPECT_EQ(r.anchor, "pic");
    EXPECT_EQ(r.hint, "A tall one");
}

TEST(HtmlLayout, BodyPicturesAreTiledOrPlacedInACorner) {
    TwoPictures pictures;
    HtmlTextOptions options = inRect(100, 60);
    options.images = &pictures;
    RecordingHtmlTarget tiled;
    lay(tiled, "<BODY background=\"IDX:0\">x", options);
    EXPECT_EQ(tiled.pictures.size(), 10u) << "5 columns by 2 rows";
    RecordingHtmlTarget corners;
    lay(corners, "<BODY bgtopleft=\"IDX:0\" bgtopright=\"IDX:0\">x", options);
    ASSERT_EQ(corners.pictures.size(), 2u);
    EXPECT_EQ(corners.pictures[0], (Rect{0, 0, 20, 30}));
    EXPECT_EQ(corners.pictures[1], (Rect{80, 0, 20, 30}));
}

// ---- Hostile input -----------------------------------------------------------------

TEST(HtmlLayout, HugeAndDeeplyNestedMarkupIsLaidOutInTime) {
    std::string words;
    while (words.size() < 1'000'000) words += "word ";
    std::string nested;
    for (int i = 0; i < 100'000; ++i) nested += "<B><FONT size=\"3\"><UL><A href=\"x\">";
    nested += "end";
    std::string unclosed(200'000, '<');
    for (const std::string* markup : {&words, &nested, &unclosed}) {
        HtmlTextOptions options = inRect(300, 100);
        RecordingHtmlTarget drawn;
        lay(drawn, *markup, options);
        options.measureOnly = true;
        RecordingHtmlTarget measured;
        const HtmlTextResult r = lay(measured, *markup, options);
        EXPECT_GE(r.height, 10);
    }
}

TEST(HtmlLayout, HeightsOfManyHugePicturesDoNotOverflow) {
    TwoPictures pictures;
    std::string markup;
    for (int i = 0; i < 20'000; ++i) markup += "<IMG src=\"IDX:0\" width=\"9\" height=\"2000000000\"><BR>";
    HtmlTextOptions options = inRect(100);
    options.images = &pictures;
    options.measureOnly = true;
    options.imageScale = 100;
    RecordingHtmlTarget target;
    const HtmlTextResult r = lay(target, markup, options);
    EXPECT_GT(r.height, 1'000'000);
    EXPECT_LE(r.height, 1 << 29);
}

}  // namespace
}  // namespace sk::smooth
