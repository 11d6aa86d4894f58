// How the layout's faces come out on pixels: from outlines, smoothed in grey
// levels, bold where bold in Latin and Cyrillic alike, and advancing as measured.
#include <gtest/gtest.h>

#include <algorithm>
#include <string>

#include "drawing/Canvas.h"
#include "drawing/TextMeasurer.h"
#include "drawing/WindowFontSupport.h"
#include "support/PixelAssertions.h"

namespace sk::drawing {
namespace {

constexpr std::uint32_t kWhite = 0xFFFFFFFF;

Bitmap written(const CanvasFont& font, const std::string& text) {
    const Size size = TextMeasurer::shared().textExtent(font, text);
    Bitmap b(size.width + 8, size.height + 8);
    b.fill(kWhite);
    Canvas canvas(b);
    canvas.font() = font;
    canvas.brush().style = CanvasBrush::Style::Clear;
    canvas.textOut(4, 4, text);
    return b;
}

// Darkness of a pixel written black on white: 0 white .. 255 black.
int darkness(std::uint32_t pixel) {
    return 255 - argbGreen(pixel);
}

// The ink of a text: the sum of darkness, and the colours seen.
struct Ink {
    long total = 0;
    int greys = 0;     // pixels strictly between white and black
    int coloured = 0;  // pixels whose red, green and blue differ
};
Ink inkOf(const Bitmap& b) {
    Ink ink;
    for (int y = 0; y < b.height(); ++y)
        for (int x = 0; x < b.width(); ++x) {
            const std::uint32_t p = b.pixel(x, y);
            ink.total += darkness(p);
            if (darkness(p) > 0 && darkness(p) < 255) ++ink.greys;
            if (argbRed(p) != argbGreen(p) || argbGreen(p) != argbBlue(p)) ++ink.coloured;
        }
    return ink;
}

// The widest run of dark (over half) pixels on one row of a single stroke glyph.
int stemWidth(const Bitmap& b) {
    int widest = 0;
    for (int y = 0; y < b.height(); ++y) {
        int run = 0;
        for (int x = 0; x < b.width(); ++x) {
            run = darkness(b.pixel(x, y)) > 127 ? run + 1 : 0;
            widest = std::max(widest, run);
        }
    }
    return widest;
}

struct Face {
    const char* name;
    int height;
    bool hasBold;  // single-weight faces draw one weight whatever is asked
};
const Face kLayoutFaces[] = {
    {"Tahoma", -13, true},        {"Tahoma", -11, true},       {"MS Sans Serif", -11, true},
    {"Microsoft Sans Serif", -11, true}, {"Arial", -13, true}, {"Verdana", -11, true},
    {"Comic Sans MS", -13, true}, {"Impact", -16, false},      {"Arial Black", -16, false},
};

TEST(FontRendering, EveryLayoutFaceIsSmoothedInGreyLevels) {
    for (const Face& face : kLayoutFaces)
        for (const bool bold : {false, true}) {
            SCOPED_TRACE(std::string(face.name) + (bold ? " bold" : ""));
            const Ink ink = inkOf(written(windowFont(face.name, face.height, bold), "Компиляция Compile"));
            EXPECT_GT(ink.greys, 20);
            EXPECT_EQ(ink.coloured, 0);
        }
}

TEST(FontRendering, BoldIsBoldInLatinAndCyrillicAlike) {
    for (const Face& face : kLayoutFaces) {
        if (!face.hasBold) continue;
        SCOPED_TRACE(face.name);
        const auto heavier = [&](const std::string& text) {
            const double regular = static_cast<double>(inkOf(written(windowFont(face.name, face.height, false), text)).total);
            const double bold = static_cast<double>(inkOf(written(windowFont(face.name, face.height, true), text)).total);
            return bold / regular;
        };
        const double latin = heavier("test"), cyrillic = heavier("Тест");
        EXPECT_GT(latin, 1.25);
        EXPECT_GT(cyrillic, 1.25);
        // One field, one weight: both scripts gain alike.
        EXPECT_NEAR(latin / cyrillic, 1.0, 0.25);
    }
    // A bold Latin stem covers at least two pixels at the fields' size.
    EXPECT_GE(stemWidth(written(windowFont("Tahoma", -13, true), "l")), 2);
    EXPECT_GE(stemWidth(written(windowFont("Tahoma", -13, true), "I")), 2);
    EXPECT_LT(stemWidth(written(windowFont("Tahoma", -13, false), "l")), 2);
}

// The rightmost dark column: the right edge of the last glyph's ink.
int lastInkColumn(const Bitmap& b) {
    for (int x = b.width() - 1; x >= 0; --x)
        for (int y = 0; y < b.height(); ++y)
            if (darkness(b.pixel(x, y)) > 127) return x;
    return -1;
}

TEST(FontRendering, TextAdvancesAsMeasured) {
    const std::string texts[] = {"/root/presentation.exe", "Компиляция презентации", "Тест test Тест test"};
    for (const Face& face : kLayoutFaces)
        for (const bool bold : {false, true})
            for (const std::string& text : texts) {
                SCOPED_TRACE(std::string(face.name) + (bold ? " bold: " : ": ") + text);
                const CanvasFont font = windowFont(face.name, face.height, bold);
                // The bar drawn after the text lands where the measured width puts it.
                const int measured = TextMeasurer::shared().textWidth(font, text);
                const int drawnBar = lastInkColumn(written(font, text + "|"));
                const int barInk = lastInkColumn(written(font, "|"));
                ASSERT_GE(drawnBar, 0);
                const int characters = static_cast<int>(
                    std::count_if(text.begin(), text.end(), [](char c) { return (c & 0xC0) != 0x80; }));
                EXPECT_LE(std::abs(drawnBar - (measured + barInk)), 1 + characters / 10);
            }
}

// The longest run of blank columns between the first and the last inked column.
int widestGap(const Bitmap& b) {
    int widest = 0, run = 0;
    bool inked = false;
    for (int x = 0; x < b.width(); ++x) {
        bool dark = false;
        for (int y = 0; y < b.height(); ++y) dark |= darkness(b.pixel(x, y)) > 40;
        if (dark) {
            if (inked) widest = std::max(widest, run);
            inked = true;
            run = 0;
        } else {
            ++run;
        }
    }
    return widest;
}

TEST(FontRendering, OneBoldFieldIsEvenlySpaced) {
    // The pairs where loose spacing showed first: no blank columns open between them.
    const CanvasFont font = windowFont("Tahoma", -13, true);
    for (const char* pair : {"/r", "t/", "ex", "xe", "Те", "ст"}) {
        SCOPED_TRACE(pair);
        EXPECT_LE(widestGap(written(font, pair)), 1);
    }
    sk::test::saveImage(written(font, "/root/presentation.exe Тест test"), "tahoma-13-bold-field");
}

}  // namespace
}  // namespace sk::drawing
