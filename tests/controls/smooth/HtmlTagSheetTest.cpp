// A sheet of every tag's effect in both variants, written to test-output for
// the eye, with a check that every cell drew something. What each tag does is
// checked by the layout and pixel tests of HtmlTextTest and HtmlLayoutTest.
#include <gtest/gtest.h>

#include "controls/smooth/HtmlTextTestSupport.h"
#include "support/PixelAssertions.h"

namespace sk::smooth {
namespace {

using namespace testing;
using drawing::Rect;

class SheetPictures final : public HtmlImageList, public HtmlPictureContainer {
public:
    SheetPictures() : m_picture(24, 16) {
        for (int y = 0; y < 16; ++y)
            for (int x = 0; x < 24; ++x)
                m_picture.setPixel(x, y,
                                   0xFF000000u | static_cast<std::uint32_t>(x * 10) << 16 | 0x80u << 8 |
                                       static_cast<std::uint32_t>(y * 15));
    }
    const drawing::Bitmap* imageAt(int index) const override { return index == 0 ? &m_picture : nullptr; }
    const drawing::Bitmap* pictureNamed(std::string_view) const override { return &m_picture; }

private:
    drawing::Bitmap m_picture;
};

struct SheetRow {
    const char* markup;
};

const SheetRow kRows[] = {
    {"plain <B>bold</B> <I>italic</I> <U>underline</U> <S>strike-out</S>"},
    {"H<SUB>2</SUB>O and x<SUP>2</SUP> then back"},
    {"<SHAD>shadowed text</SHAD> and <E>misspelt wrods</E>"},
    {"hidden:<Z> NOT SHOWN </Z>done; <HI>highlighted</HI> text"},
    {"<FONT face=\"Verdana\" color=\"clRed\" size=\"4\">Verdana red 14</FONT> <FONT color=\"#800080\" "
     "bgcolor=\"clYellow\">purple on yellow</FONT>"},
    {"<P align=\"center\">centred paragraph</P>"},
    {"<P align=\"right\" bgcolor=\"clAqua\" bgcolorto=\"clWhite\">right, gradient band</P>"},
    {"<UL><LI>first item<LI type=\"square\" color=\"clRed\">square item</UL>"},
    {"a<IND x=\"120\">indented to 120 <OF x=\"300\">offset</OF> back"},
    {"<A href=\"http://example.org\">a link of two words</A> and text"},
    {"picture <IMG src=\"IDX:0\"> and stretched <IMG src=\"IDX:0\" width=\"48\" height=\"8\">"},
    {"above the rule<HR>below the rule"},
    {"<R a=\"20\">rotated</R> normal"},
    {"<BODY bgcolor=\"clLime\" bgcolorto=\"clWhite\" dir=\"h\">body gradient &copy; &euro; &trade; "
     "&lt;B&gt;"},
};

TEST(HtmlTagSheet, EveryTagDrawsInBothVariants) {
    constexpr int kRowHeight = 62, kLabelWidth = 0, kColumnWidth = 460;
    const int rows = static_cast<int>(std::size(kRows));
    drawing::Bitmap sheet(2 * kColumnWidth + 10, rows * kRowHeight);
    sheet.fill(kWhite);
    SheetPictures pictures;
    for (int i = 0; i < rows; ++i) {
        HtmlTextOptions options;
        options.images = &pictures;
        options.pictures = &pictures;
        options.shadowColor = drawing::clSilver;
        options.shadowOffset = 2;
        options.focusLink = 0;
        const int top = i * kRowHeight;
        options.rect = {kLabelWidth + 4, top + 2, kColumnWidth - 8, kRowHeight - 4};
        {
            drawing::Canvas canvas(sheet);
            canvas.font() = tahoma(-13);
            DrawHtmlText(canvas, kRows[i].markup, options);
        }
        options.rect.left += kColumnWidth + 10;
        {
            drawing::Graphics graphics(sheet);
            graphics.setTextRenderingHint(drawing::TextRenderingHint::AntiAliasGridFit);
            DrawHtmlText(graphics, tahoma(-13), kRows[i].markup, options);
        }
        for (int column = 0; column < 2; ++column) {
            const Rect cell{column * (kColumnWidth + 10), top, kColumnWidth, kRowHeight};
            EXPECT_FALSE(inkBounds(sheet, cell).empty()) << kRows[i].markup << " column " << column;
        }
    }
    for (int i = 1; i < rows; ++i) sheet.fillRect({0, i * kRowHeight - 1, sheet.width(), 1}, 0xFFE0E0E0);
    sheet.fillRect({kColumnWidth + 4, 0, 1, sheet.height()}, 0xFFE0E0E0);
    sk::test::saveImage(sheet, "html-tag-sheet");
}

}  // namespace
}  // namespace sk::smooth
