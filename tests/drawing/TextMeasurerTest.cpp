// The text measurer: its sizes agree with what Canvas and Graphics draw, caret
// offsets follow the text, and the caches tell fonts and texts apart.
#include <gtest/gtest.h>

#include <string>

#include "drawing/Canvas.h"
#include "drawing/Graphics.h"
#include "drawing/TextMeasurer.h"

#include "drawing/WindowFontSupport.h"

namespace sk::drawing {
namespace {

constexpr std::uint32_t kWhite = 0xFFFFFFFF;

// The columns holding ink (not white), as [first, last + 1); {0, 0} when none.
std::pair<int, int> inkColumns(const Bitmap& b) {
    int first = b.width(), last = -1;
    for (int y = 0; y < b.height(); ++y)
        for (int x = 0; x < b.width(); ++x)
            if (b.pixel(x, y) != kWhite) first = std::min(first, x), last = std::max(last, x);
    return last < 0 ? std::pair{0, 0} : std::pair{first, last + 1};
}

// The byte offset after each character of a UTF-8 text.
std::vector<std::size_t> characterEnds(const std::string& text) {
    std::vector<std::size_t> ends;
    for (std::size_t i = 1; i <= text.size(); ++i)
        if (i == text.size() || (static_cast<unsigned char>(text[i]) & 0xC0) != 0x80) ends.push_back(i);
    return ends;
}

struct Sample {
    const char* face;
    int height;
    bool bold;
    const char* text;
};
const Sample kSamples[] = {
    {"Tahoma", -13, true, "/root/presentation.exe"},
    {"Tahoma", -13, false, "Компиляция презентации"},
    {"MS Sans Serif", -11, false, "Compile the presentation"},
    {"Arial", 16, false, "Тест test 0123"},
};

TEST(TextMeasurer, ExtentsAreWhatTheCanvasDraws) {
    for (const Sample& sample : kSamples) {
        SCOPED_TRACE(std::string(sample.face) + " " + sample.text);
        const CanvasFont font = windowFont(sample.face, sample.height, sample.bold);
        const Size size = TextMeasurer::shared().textExtent(font, sample.text);
        Bitmap b(size.width + 40, size.height + 20);
        b.fill(kWhite);
        Canvas canvas(b);
        canvas.font() = font;
        canvas.brush().style = CanvasBrush::Style::Clear;
        canvas.textOut(10, 10, sample.text);
        const auto [first, last] = inkColumns(b);
        // The ink lies inside the measured cell and fills it but for the side bearings.
        EXPECT_GE(first, 10);
        EXPECT_LE(last, 10 + size.width + 1);
        EXPECT_GE(last, 10 + size.width - 3);
        EXPECT_EQ(canvas.textExtent(sample.text), size);
    }
}

TEST(TextMeasurer, CaretOffsetsRunFromZeroToTheWidthThroughEveryPrefix) {
    TextMeasurer& measurer = TextMeasurer::shared();
    for (const Sample& sample : kSamples) {
        SCOPED_TRACE(std::string(sample.face) + " " + sample.text);
        const CanvasFont font = windowFont(sample.face, sample.height, sample.bold);
        const std::string text = sample.text;
        const std::vector<int> offsets = measurer.caretOffsets(font, text);
        const std::vector<std::size_t> ends = characterEnds(text);
        ASSERT_EQ(offsets.size(), ends.size() + 1);
        EXPECT_EQ(offsets.front(), 0);
        EXPECT_EQ(offsets.back(), measurer.textWidth(font, text));
        std::size_t characters = 0;
        for (const std::size_t end : ends) {
            ++characters;
            const std::string prefix = text.substr(0, end);
            EXPECT_GT(offsets[characters], offsets[characters - 1]) << prefix;
            // A prefix laid out alone may differ by the kerning at its end.
            EXPECT_NEAR(offsets[characters], measurer.textWidth(font, prefix), 1) << prefix;
        }
    }
    EXPECT_EQ(measurer.caretOffsets(windowFont("Tahoma", -13), ""), std::vector<int>{0});
}

TEST(TextMeasurer, CachesTellFontsAndTextsApart) {
    TextMeasurer& measurer = TextMeasurer::shared();
    const std::string text = "Установки Settings";
    const CanvasFont regular = windowFont("Tahoma", -13);
    const CanvasFont bold = windowFont("Tahoma", -13, true);
    const int regularWidth = measurer.textWidth(regular, text);
    EXPECT_GT(measurer.textWidth(bold, text), regularWidth);
    EXPECT_EQ(measurer.textWidth(regular, text), regularWidth);  // asked again, from the cache
    EXPECT_GT(measurer.textWidth(windowFont("Tahoma", -20), text), regularWidth);
    EXPECT_GT(measurer.textWidth(regular, text + "s"), regularWidth);
    CanvasFont coloured = regular;
    coloured.color = clRed;
    EXPECT_EQ(measurer.textWidth(coloured, text), regularWidth);
    // A positive height is the cell height: one line of the font is that tall.
    EXPECT_NEAR(measurer.lineHeight(windowFont("Arial", 20)), 20, 1);
    // Invalid bytes are measured as replacement characters, not refused.
    EXPECT_GT(measurer.textWidth(regular, "ab\xFF\xFE"), measurer.textWidth(regular, "ab"));
}

TEST(TextMeasurer, DrawTextExtentsAreTheCanvasCalculatedRectangles) {
    const CanvasFont font = windowFont("Tahoma", -11);
    const std::string text = "Компилировать презентацию в один &исполняемый файл\tсейчас";
    const struct {
        int width;
        unsigned flags;
    } cases[] = {
        {1 << 16, 0},
        {120, DT_WORDBREAK},
        {120, DT_WORDBREAK | DT_NOPREFIX},
        {80, DT_SINGLELINE | DT_END_ELLIPSIS},
        {1 << 16, DT_EXPANDTABS},
        {1 << 16, DT_SINGLELINE | DT_CENTER},
    };
    Bitmap b(10, 10);
    Canvas canvas(b);
    canvas.font() = font;
    for (const auto& c : cases) {
        SCOPED_TRACE(c.flags);
        Rect r{0, 0, c.width, 0};
        canvas.drawText(text, r, c.flags | DT_CALCRECT);
        const Size size = TextMeasurer::shared().drawTextExtent(font, text, c.width, c.flags);
        EXPECT_EQ(size, (Size{r.width, r.height}));
    }
    const int line = TextMeasurer::shared().lineHeight(font);
    EXPECT_GE(TextMeasurer::shared().drawTextExtent(font, text, 120, DT_WORDBREAK).height, 3 * line);
    EXPECT_LE(TextMeasurer::shared().drawTextExtent(font, text, 80, DT_SINGLELINE | DT_END_ELLIPSIS).width, 80);
}

TEST(TextMeasurer, MeasuresStringsAsGraphicsDoes) {
    Bitmap b(10, 10);
    Graphics g(b);
    const Font font("Tahoma", 13, FontStyleBold, FontUnit::Pixel);
    const std::string text = "Тест test";
    EXPECT_EQ(TextMeasurer::shared().measureString(text, font, PointF{3, 4}),
              g.measureString(text, font, PointF{3, 4}, StringFormat()));
    const RectF box{0, 0, 40, 100};
    const TextMeasure measured = TextMeasurer::shared().measureString(text, font, box, StringFormat());
    const TextMeasure expected = g.measureString(text, font, box, StringFormat());
    EXPECT_EQ(measured.box, expected.box);
    EXPECT_EQ(measured.linesFilled, expected.linesFilled);
    EXPECT_EQ(measured.linesFilled, 2);
    EXPECT_EQ(measured.codepointsFitted, expected.codepointsFitted);
}

}  // namespace
}  // namespace sk::drawing
