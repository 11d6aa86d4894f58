// Text of the 2-D API and the font configuration: faces of the layout, fallback
// statuses, measuring, alignment, wrapping, trimming, prefixes and hints.
#include <gtest/gtest.h>

#include <cstdio>
#include <memory>
#include <set>
#include <sstream>
#include <string>

#include "drawing/FontConfiguration.h"
#include "drawing/Graphics.h"
#include "support/PixelAssertions.h"

namespace sk::drawing {
namespace {

constexpr ARGB kBlack = 0xFF000000, kWhite = 0xFFFFFFFF;

// The bounding box of pixels that are not white.
Rect inkBounds(const Bitmap& b) {
    int l = b.width(), t = b.height(), r = -1, bo = -1;
    for (int y = 0; y < b.height(); ++y)
        for (int x = 0; x < b.width(); ++x)
            if (b.pixel(x, y) != kWhite)
                l = std::min(l, x), t = std::min(t, y), r = std::max(r, x), bo = std::max(bo, y);
    return r < 0 ? Rect{} : Rect::fromEdges(l, t, r + 1, bo + 1);
}

Bitmap drawn(std::string_view text, const Font& font, const RectF& layout, const StringFormat& format,
             int w = 200, int h = 60) {
    Bitmap b(w, h);
    b.fill(kWhite);
    Graphics g(b);
    g.setTextRenderingHint(TextRenderingHint::AntiAlias);
    g.drawString(text, font, layout, format, SolidBrush(kBlack));
    return b;
}

std::string commandOutput(const std::string& command) {
    std::string out;
    std::unique_ptr<FILE, int (*)(FILE*)> pipe(popen(command.c_str(), "r"), pclose);
    if (!pipe) return out;
    char buffer[4096];
    while (std::fgets(buffer, sizeof buffer, pipe.get())) out += buffer;
    return out;
}

TEST(Fonts, LayoutFacesResolveToInstalledOutlineFacesWithCyrillic) {
    ASSERT_TRUE(fontConfigurationInstalled());
    const char* faces[] = {"Tahoma",  "MS Sans Serif", "Arial",  "Microsoft Sans Serif",
                           "Verdana", "Comic Sans MS", "Impact", "Arial Black"};
    for (const char* name : faces) {
        for (bool bold : {false, true}) {
            const MatchedFace face = matchFace(name, bold);
            SCOPED_TRACE(std::string(name) + (bold ? " bold -> " : " -> ") + face.file.string());
            EXPECT_TRUE(face.nameFound);
            EXPECT_TRUE(face.outline);
            EXPECT_TRUE(face.coversCyrillic);
            // And as fc-query reads the file itself.
            const std::string langs =
                commandOutput("fc-query -f '%{lang}\\n' '" + face.file.string() + "' 2>/dev/null");
            std::set<std::string> languages;
            std::istringstream list(langs.substr(0, langs.find('\n')));
            for (std::string language; std::getline(list, language, '|');) languages.insert(language);
            EXPECT_TRUE(languages.contains("ru")) << langs;
        }
        EXPECT_EQ(FontFamily(name).status(), Status::Ok) << name;
        EXPECT_TRUE(isOutlineFont(name)) << name;
    }
    EXPECT_NE(matchFace("MS Sans Serif").file.extension(), ".fon");
    EXPECT_EQ(matchFace("Tahoma").file.filename(), "DejaVuSansCondensed.ttf");
    EXPECT_EQ(matchFace("Tahoma", true).file.filename(), "DejaVuSansCondensed-Bold.ttf");
    EXPECT_EQ(matchFace("Impact").families.front(), "Roboto Condensed");
}

TEST(Fonts, UnknownFamilyAndMissingStyleReportTheirStatusesForTheArialFallback) {
    const FontFamily missing("Segoe Nonexistent");
    EXPECT_EQ(missing.status(), Status::FontFamilyNotFound);
    EXPECT_FALSE(isOutlineFont("Segoe Nonexistent"));
    const Font font(missing, 10);
    EXPECT_EQ(font.status(), Status::FontFamilyNotFound);
    // A family with italic faces only has no upright style.
    const FontFamily italicOnly("Z003");
    ASSERT_EQ(italicOnly.status(), Status::Ok);
    EXPECT_FALSE(italicOnly.isStyleAvailable(FontStyleRegular));
    EXPECT_TRUE(italicOnly.isStyleAvailable(FontStyleItalic));
    EXPECT_EQ(Font(italicOnly, 10).status(), Status::FontStyleNotFound);
    EXPECT_EQ(Font(italicOnly, 10, FontStyleItalic).status(), Status::Ok);
    // Bold and italic are made from the regular face where the family lacks them.
    EXPECT_TRUE(FontFamily("Tahoma").isStyleAvailable(FontStyleBoldItalic | FontStyleUnderline));
    // Drawing with a missing family draws (with a substitute) and reports the status.
    Bitmap b(50, 20);
    b.fill(kWhite);
    Graphics g(b);
    EXPECT_EQ(g.drawString("Abc", font, PointF{2, 2}, SolidBrush(kBlack)), Status::FontFamilyNotFound);
    EXPECT_EQ(g.lastStatus(), Status::FontFamilyNotFound);
    EXPECT_FALSE(inkBounds(b).empty());
}

TEST(Fonts, PointsAreAt96DotsPerInch) {
    EXPECT_FLOAT_EQ(Font("Arial", 12).emPixels(), 16.0f);
    EXPECT_FLOAT_EQ(Font("Arial", 11, FontStyleRegular, FontUnit::Pixel).emPixels(), 11.0f);
    EXPECT_GT(Font("Arial", 12).lineHeight(), 16.0f);
    EXPECT_LT(Font("Arial", 12).lineHeight(), 20.0f);
}

// Copies and assignments keep a description of their own: the copy outlives the
// original, and an assigned font measures as the font it was assigned from.
TEST(Fonts, CopiesAndAssignmentsOwnTheirDescriptions) {
    const RectF unlimited{0, 0, 10000, 10000};
    const auto width = [&](const Font& font) {
        return TextMeasurer::shared().measureString("Компиляция", font, unlimited, StringFormat()).box.width;
    };
    const float regularWidth = width(Font("Tahoma", 10)), boldWidth = width(Font("Tahoma", 10, FontStyleBold));
    ASSERT_GT(boldWidth, regularWidth);

    auto original = std::make_unique<Font>("Tahoma", 10, FontStyleBold);
    Font copy(*original);
    Font assigned("Arial", 30);
    assigned = *original;
    original.reset();
    EXPECT_FLOAT_EQ(width(copy), boldWidth);
    EXPECT_FLOAT_EQ(width(assigned), boldWidth);
    assigned = Font("Tahoma", 10);
    EXPECT_FLOAT_EQ(width(assigned), regularWidth);
    EXPECT_FLOAT_EQ(width(copy), boldWidth);
    assigned = assigned;  // a self-assignment keeps the description
    EXPECT_FLOAT_EQ(width(assigned), regularWidth);
}

TEST(Text, MeasuredBoxGrowsWithTextAndBoldIsWider) {
    Bitmap b(10, 10);
    Graphics g(b);
    const Font regular("Tahoma", 10), bold("Tahoma", 10, FontStyleBold);
    const RectF unlimited{0, 0, 10000, 10000};
    const StringFormat format;
    const float shortWidth = g.measureString("Компиляция", regular, unlimited, format).box.width;
    const float longWidth = g.measureString("Компиляция проекта", regular, unlimited, format).box.width;
    const float boldWidth = g.measureString("Компиляция", bold, unlimited, format).box.width;
    EXPECT_GT(shortWidth, 40);
    EXPECT_GT(longWidth, shortWidth + 20);
    EXPECT_GT(boldWidth, shortWidth);
    const TextMeasure m = g.measureString("Компиляция", regular, unlimited, format);
    EXPECT_NEAR(m.box.height, regular.lineHeight(), 1.0f);
    EXPECT_EQ(m.linesFilled, 1);
    EXPECT_EQ(m.codepointsFitted, 10);
    // The default format pads 1/6 em at each end; the typographic one does not.
    const float typographic =
        g.measureString("Компиляция", regular, unlimited, StringFormat::genericTypographic()).box.width;
    EXPECT_NEAR(shortWidth - typographic, 2 * regular.emPixels() / 6, 0.6f);
    // Trailing spaces count only when asked for.
    EXPECT_FLOAT_EQ(g.measureString("ab   ", regular, unlimited, format).box.width,
                    g.measureString("ab", regular, unlimited, format).box.width);
    EXPECT_GT(
        g.measureString("ab   ", regular, unlimited, StringFormat(StringFormatFlagsMeasureTrailingSpaces))
            .box.width,
        g.measureString("ab", regular, unlimited, format).box.width);
}

TEST(Text, CyrillicDrawsInsideTheMeasuredBox) {
    const Font font("Arial", 12, FontStyleBold);
    const StringFormat format;
    Bitmap b = drawn("Установки", font, RectF{10, 10, 180, 40}, format);
    const Rect ink = inkBounds(b);
    ASSERT_FALSE(ink.empty());
    Graphics g(b);
    const RectF box = g.measureString("Установки", font, RectF{10, 10, 180, 40}, format).box;
    EXPECT_GE(ink.left, box.x);
    EXPECT_LE(ink.right(), box.right() + 1);
    EXPECT_GE(ink.top, box.y);
    EXPECT_LE(ink.bottom(), box.bottom() + 1);
    EXPECT_GE(ink.left, 10 + font.emPixels() / 6 - 1);  // after the padding
}

TEST(Text, AlignmentsPlaceTheBlockInTheRectangle) {
    const Font font("Arial", 10);
    StringFormat centred;
    centred.setAlignment(StringAlignment::Center);
    centred.setLineAlignment(StringAlignment::Center);
    const Rect ink = inkBounds(drawn("Средний", font, RectF{0, 0, 200, 60}, centred));
    EXPECT_NEAR(ink.left + ink.width / 2.0, 100, 2.5);
    EXPECT_NEAR(ink.top + ink.height / 2.0, 30, 4);
    StringFormat far;
    far.setAlignment(StringAlignment::Far);
    far.setLineAlignment(StringAlignment::Far);
    const Rect farInk = inkBounds(drawn("Правый", font, RectF{0, 0, 200, 60}, far));
    EXPECT_GT(farInk.right(), 190);
    EXPECT_LE(farInk.right(), 200);
    EXPECT_GT(farInk.bottom(), 48);
    // At a point, centred alignments centre the text on it.
    Bitmap b(200, 60);
    b.fill(kWhite);
    Graphics g(b);
    g.drawString("Точка", font, PointF{100, 30}, centred, SolidBrush(kBlack));
    const Rect pointInk = inkBounds(b);
    EXPECT_NEAR(pointInk.left + pointInk.width / 2.0, 100, 2.5);
    EXPECT_NEAR(pointInk.top + pointInk.height / 2.0, 30, 4);
}

TEST(Text, WrappingNoWrapClippingAndTrimming) {
    Bitmap b(10, 10);
    Graphics g(b);
    const Font font("Arial", 10);
    const std::string text = "Один два три четыре пять шесть";
    const RectF narrow{0, 0, 80, 200};
    const TextMeasure wrapped = g.measureString(text, font, narrow, StringFormat());
    EXPECT_GE(wrapped.linesFilled, 3);
    EXPECT_LE(wrapped.box.width, 80.5f);
    const TextMeasure single = g.measureString(text, font, narrow, StringFormat(StringFormatFlagsNoWrap));
    EXPECT_EQ(single.linesFilled, 1);
    EXPECT_GT(single.box.width, 120);
    // Clipped to the rectangle, unless no-clip.
    const Rect clipped =
        inkBounds(drawn(text, font, RectF{10, 10, 60, 20}, StringFormat(StringFormatFlagsNoWrap)));
    EXPECT_LE(clipped.right(), 70);
    const Rect unclipped = inkBounds(drawn(text, font, RectF{10, 10, 60, 20},
                                           StringFormat(StringFormatFlagsNoWrap | StringFormatFlagsNoClip)));
    EXPECT_GT(unclipped.right(), 100);
    // Lines below the layout rectangle do not count; with line-limit, partly shown ones neither.
    const float line = font.lineHeight();
    const TextMeasure limited = g.measureString(text, font, RectF{0, 0, 80, line * 1.5f}, StringFormat());
    EXPECT_EQ(limited.linesFilled, 2);
    EXPECT_NEAR(limited.box.height, 2 * line, 1.0f);
    const TextMeasure whole =
        g.measureString(text, font, RectF{0, 0, 80, line * 1.5f}, StringFormat(StringFormatFlagsLineLimit));
    EXPECT_EQ(whole.linesFilled, 1);
    EXPECT_NEAR(whole.box.height, line, 1.0f);
    // An ellipsis keeps the text within the width and shows fewer characters.
    StringFormat ellipsis(StringFormatFlagsNoWrap);
    ellipsis.setTrimming(StringTrimming::EllipsisCharacter);
    const TextMeasure trimmed = g.measureString(text, font, RectF{0, 0, 80, 20}, ellipsis);
    EXPECT_LE(trimmed.box.width, 80.5f);
}

TEST(Text, HotkeyPrefixShowsUnderlinesHidesOrKeepsTheAmpersand) {
    Bitmap b(10, 10);
    Graphics g(b);
    const Font font("Arial", 10);
    const RectF r{0, 0, 1000, 100};
    StringFormat show, hide, none;
    show.setHotkeyPrefix(HotkeyPrefix::Show);
    hide.setHotkeyPrefix(HotkeyPrefix::Hide);
    const float plain = g.measureString("Open", font, r, none).box.width;
    EXPECT_FLOAT_EQ(g.measureString("&Open", font, r, show).box.width, plain);
    EXPECT_FLOAT_EQ(g.measureString("&Open", font, r, hide).box.width, plain);
    EXPECT_GT(g.measureString("&Open", font, r, none).box.width, plain);
    EXPECT_GT(g.measureString("A&&B", font, r, show).box.width,
              g.measureString("AB", font, r, none).box.width);
    // The underline runs below the baseline, under the first letter only.
    const Bitmap underlined = drawn("&Окно", font, RectF{0, 0, 200, 60}, show);
    const Bitmap bare = drawn("&Окно", font, RectF{0, 0, 200, 60}, hide);
    const Rect word = inkBounds(bare), marked = inkBounds(underlined);
    EXPECT_GE(marked.bottom(), word.bottom());
    const int row = marked.bottom() - 1;
    int added = 0;  // inked pixels the underline adds on its row under the first letter
    for (int x = word.left; x < word.left + 6; ++x)
        added += (underlined.pixel(x, row) != kWhite) - (bare.pixel(x, row) != kWhite);
    EXPECT_GT(added, 0) << sk::test::saveImage(underlined, "hotkey-underlined") << sk::test::saveImage(bare, "hotkey-bare");
    EXPECT_EQ(underlined.pixel(word.right() - 2, marked.bottom() - 1), bare.pixel(word.right() - 2, marked.bottom() - 1));
}

TEST(Text, RenderingHintsChooseTheSmoothing) {
    const Font font("Arial", 12);
    auto colours = [&](TextRenderingHint hint) {
        Bitmap b(100, 30);
        b.fill(kWhite);
        Graphics g(b);
        g.setTextRenderingHint(hint);
        g.drawString("Мягко", font, PointF{2, 2}, SolidBrush(kBlack));
        std::set<std::uint32_t> seen;
        for (int y = 0; y < 30; ++y)
            for (int x = 0; x < 100; ++x) seen.insert(b.pixel(x, y));
        return seen;
    };
    EXPECT_EQ(colours(TextRenderingHint::SingleBitPerPixelGridFit).size(), 2u);
    // Every smoothing hint smooths in grey levels, as the desktop does: no colour fringes.
    for (const TextRenderingHint hint : {TextRenderingHint::AntiAlias, TextRenderingHint::AntiAliasGridFit,
                                         TextRenderingHint::ClearTypeGridFit, TextRenderingHint::SystemDefault}) {
        const std::set<std::uint32_t> seen = colours(hint);
        EXPECT_GT(seen.size(), 5u) << static_cast<int>(hint);
        for (std::uint32_t c : seen)
            EXPECT_TRUE(argbRed(c) == argbGreen(c) && argbGreen(c) == argbBlue(c)) << static_cast<int>(hint);
    }
}

TEST(Text, StringAddedToAPathLandsWhereDrawStringDrawsIt) {
    const Font font("Arial", 14, FontStyleBold);
    StringFormat format;
    const Rect drawnInk = inkBounds(drawn("Путь", font, RectF{5, 5, 150, 40}, format));
    GraphicsPath path;
    EXPECT_EQ(
        path.addString("Путь", font.family(), FontStyleBold, font.emPixels(), RectF{5, 5, 150, 40}, format),
        Status::Ok);
    Bitmap b(200, 60);
    b.fill(kWhite);
    Graphics g(b);
    g.setSmoothingMode(SmoothingMode::AntiAlias);
    g.fillPath(SolidBrush(kBlack), path);
    const Rect pathInk = inkBounds(b);
    EXPECT_NEAR(pathInk.left, drawnInk.left, 1);
    EXPECT_NEAR(pathInk.top, drawnInk.top, 1);
    EXPECT_NEAR(pathInk.right(), drawnInk.right(), 1);
    EXPECT_NEAR(pathInk.bottom(), drawnInk.bottom(), 1);
}

}  // namespace
}  // namespace sk::drawing
