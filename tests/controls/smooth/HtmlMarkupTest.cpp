// The text side of the markup: preparation, tag recognition, attributes,
// colours and the plain text of StripHtmlText.
#include <gtest/gtest.h>

#include <string>

#include "controls/smooth/HtmlMarkup.h"
#include "controls/smooth/HtmlText.h"

namespace sk::smooth {
namespace {

using html::Tag;

struct TextCase {
    const char* input;
    const char* expected;
};

TEST(HtmlMarkup, PreparationReplacesEntitiesMovesHashTagsAndTurnsLineEndsIntoBreaks) {
    const TextCase cases[] = {
        {"a &amp; b", "a & b"},
        {"&AMP;&Quot;", "&\""},
        {"&amp;amp;amp;", "&"},  // replaced again until none is left
        {"&amp;quot;", "\""},    // an ampersand that makes a new entity
        {"&amp;lt;", "&lt;"},    // "&lt;" waits for the run
        {"&sect;&permil;&reg;&copy;&para;&trade;&euro;", "§‰®©¶™€"},
        {"&nbsp;&lt;&gt;", "&nbsp;&lt;&gt;"},
        {"&unknown; &", "&unknown; &"},
        {"<#FF0000> and <#00FF00>", "#FF0000 and <#00FF00>"},
        {"x<#y", "x#y"},
        {"one\r\ntwo\nthree", "one<BR>twothree"},
        {"bad \xFF byte", "bad \xEF\xBF\xBD byte"},
        {"cut \xD0", "cut \xEF\xBF\xBD"},
        {"nul\0x", "nul"},
    };
    for (const TextCase& c : cases) EXPECT_EQ(html::prepareMarkup(c.input), c.expected) << c.input;
    EXPECT_EQ(html::prepareMarkup(std::string("a\0b", 3)), "ab");
}

TEST(HtmlMarkup, RunEntitiesGiveSpacesAndAngleBrackets) {
    EXPECT_EQ(html::replaceRunEntities("a&nbsp;b &LT;B&gt;"), "a b <B>");
    EXPECT_EQ(html::replaceRunEntities("&lt"), "&lt");
}

TEST(HtmlMarkup, TagsAreRecognisedByTheirFirstLettersOnly) {
    struct Case {
        const char* text;
        Tag tag;
        bool closing;
    };
    const Case cases[] = {
        {"<B>", Tag::Bold, false},
        {"</b>", Tag::Bold, true},
        {"<BLINK>", Tag::Bold, false},
        {"<BR>", Tag::LineBreak, false},
        {"<BODY bgcolor=\"clRed\">", Tag::Body, false},
        {"<I>", Tag::Italic, false},
        {"<IMG src=\"x\">", Tag::Image, false},
        {"<IND x=\"4\">", Tag::Indent, false},
        {"<U>", Tag::Underline, false},
        {"<UL>", Tag::List, false},
        {"</UL>", Tag::List, true},
        {"<S>", Tag::StrikeOut, false},
        {"<SHAD>", Tag::Shadow, false},
        {"<SUB>", Tag::Subscript, false},
        {"<sup>", Tag::Superscript, false},
        {"</SUB>", Tag::Subscript, true},
        {"<SUBX>", Tag::StrikeOut, false},
        {"<SPAN>", Tag::StrikeOut, false},
        {"<HR>", Tag::Rule, false},
        {"<HI>", Tag::Highlight, false},
        {"<HX>", Tag::Unknown, false},
        {"<FONT face=\"x\">", Tag::Font, false},
        {"<P align=\"right\">", Tag::Paragraph, false},
        {"<LI>", Tag::ListItem, false},
        {"<LX>", Tag::Unknown, false},
        {"<OF x=\"5\">", Tag::Offset, false},
        {"<O>", Tag::Unknown, false},
        {"<A href=\"u\">", Tag::Anchor, false},
        {"<R a=\"90\">", Tag::Rotate, false},
        {"<Z>", Tag::Hidden, false},
        {"<E>", Tag::ErrorMark, false},
        {"<Q>", Tag::Unknown, false},
        {"<>", Tag::Unknown, false},
        {"</>", Tag::Unknown, true},
    };
    for (const Case& c : cases) {
        const html::TagKind kind = html::classifyTag(c.text);
        EXPECT_EQ(kind.tag, c.tag) << c.text;
        EXPECT_EQ(kind.closing, c.closing) << c.text;
    }
}

TEST(HtmlMarkup, AttributesAreFoundInTheUpperCasedTextAndReadBetweenQuotes) {
    const html::TagAttributes font("<FONT face=\"Tahoma\" bgcolor=\"clRed\" color=\"#800080\" size=\"3\">");
    EXPECT_EQ(font.value("FACE"), "Tahoma");  // original case kept
    EXPECT_EQ(font.value(" COLOR"), "#800080");
    EXPECT_EQ(font.value("BGCOLOR"), "clRed");
    EXPECT_EQ(font.intValue("SIZE"), 3);
    EXPECT_FALSE(font.value("ALIGN").has_value());

    const html::TagAttributes unquoted("<P align=right>");
    EXPECT_EQ(unquoted.value("ALIGN"), "");
    EXPECT_FALSE(unquoted.intValue("ALIGN").has_value());

    // "BGCOLOR" is not the start of "BGCOLORTO".
    const html::TagAttributes body("<BODY bgcolorto=\"clBlue\" bgcolor=\"clRed\">");
    EXPECT_EQ(body.value("BGCOLOR"), "clRed");
    EXPECT_EQ(body.value("BGCOLORTO"), "clBlue");
    // " COLOR" with its space does not match "BGCOLOR".
    EXPECT_FALSE(html::TagAttributes("<FONT bgcolor=\"clRed\">").value(" COLOR").has_value());
    EXPECT_EQ(html::TagAttributes("<P indent=\"-12\">").intValue("INDENT"), -12);
    EXPECT_EQ(html::TagAttributes("<P indent=\"x\">").intValue("INDENT"), std::nullopt);
}

TEST(HtmlMarkup, ColoursAreNamesOrHexTriples) {
    struct Case {
        const char* text;
        drawing::TColor color;
    };
    const Case cases[] = {
        {"clNavy", 0x800000},         {"CLRED", 0x0000FF},          {"clblue", 0xFF0000},
        {"clAqua", 0xFFFF00},         {"clYellow", 0x00FFFF},       {"clFuchsia", 0xFF00FF},
        {"clLime", 0x00FF00},         {"clTeal", 0x808000},         {"clMaroon", 0x000080},
        {"clOlive", 0x008080},        {"clSilver", 0xC0C0C0},       {"clGray", 0x808080},
        {"clWhite", 0xFFFFFF},        {"clGreen", 0x008000},        {"clPurple", 0x800080},
        {"clBtnFace", 0xFF00000F},    {"clHighlight", 0xFF00000D},  {"clInfoBk", 0xFF000018},
        {"cl3DDkShadow", 0xFF000015}, {"clWindowText", 0xFF000008}, {"#800080", 0x800080},
        {"#FF8000", 0x0080FF},        {"#ff8000", 0x0080FF},        {"#12", 0x000012},
        {"#GG0000", 0x000000},        {"clNoSuchColour", 0},        {"", 0},
    };
    for (const Case& c : cases) EXPECT_EQ(html::parseColor(c.text), c.color) << c.text;
}

TEST(StripHtmlText, RemovesTagsHiddenTextAndBreaksLines) {
    const TextCase cases[] = {
        {"<B>bold</B> text", "bold text"},
        {"one<BR>two<br>three", "one\r\ntwo\r\nthree"},
        {"above<HR>below", "above\r\nbelow"},
        {"shown<Z>hidden</Z> too", "shown too"},
        {"shown<z>hidden</z>", "shown"},
        {"shown<Z>never closed", "shown"},
        {"<FONT color=\"clRed\">red</FONT>", "red"},
        {"cut <B", "cut "},
        {"&amp; stays", "&amp; stays"},
        {"", ""},
        {"\xFF", "\xEF\xBF\xBD"},
    };
    for (const TextCase& c : cases) EXPECT_EQ(StripHtmlText(c.input), c.expected) << c.input;
}

}  // namespace
}  // namespace sk::smooth
