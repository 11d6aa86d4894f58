// The reflection label: its reflection measured on the painted pixels, what
// rebuilds the reflection and what only moves it, the allocation failure, and links.
#include <gtest/gtest.h>

#include <algorithm>

#include "SmoothTestSupport.h"
#include "controls/smooth/AdvReflectionLabel.h"
#include "controls/smooth/ReflectionPicture.h"
#include "platform/headless/HeadlessWindow.h"
#include "support/PixelAssertions.h"

namespace sk::smooth::test {
namespace {

const char* const kTitle =
    "<FONT face=\"Tahoma\" color=\"clNavy\"><B><P align=\"center\">НАСТРОЙКИ КОМПИЛЯТОРА</P></B></FONT>";

TEST(ReflectionPicture, RowOpacitiesFadeFromStartTowardEndWithTiesToEven) {
    const std::vector<int> expected = {128, 122, 115, 109, 102, 96, 90, 83, 77, 70,
                                       64,  58,  51,  45,  38,  32, 26, 19, 13, 6};
    for (int row = 0; row < 20; ++row) EXPECT_EQ(reflectionRowOpacity(row, 20, 128, 0), expected[row]) << row;
    for (int row : {20, 21, 100}) EXPECT_EQ(reflectionRowOpacity(row, 20, 128, 0), 0);
    EXPECT_EQ(reflectionRowOpacity(1, 4, 2, 0), 2);      // 1.5
    EXPECT_EQ(reflectionRowOpacity(3, 4, 2, 0), 0);      // 0.5
    EXPECT_EQ(reflectionRowOpacity(1, 4, 6, 0), 4);      // 4.5
    EXPECT_EQ(reflectionRowOpacity(2, 4, 0, 255), 128);  // 127.5
    EXPECT_EQ(reflectionRowOpacity(0, 0, 128, 0), 0);    // no rows
}

TEST(ReflectionPicture, TextBlockStartFollowsTheAlignmentWrittenWithOrWithoutSpaces) {
    struct Case {
        const char* markup;
        int xStart;
    };
    const Case cases[] = {
        {"<P align=\"center\">a</P>", 45}, {"<P align = \"center\">a</P>", 45},
        {"<p ALIGN=\"CENTER\">a</p>", 45}, {"<P align=\"right\">a</P>", 91},
        {"<P align=\"left\">a</P>", 0},    {"plain", 0},
        {"<P align=\"centre\">a</P>", 0},
    };
    for (const Case& c : cases) EXPECT_EQ(reflectionXStart(c.markup, 200, 109), c.xStart) << c.markup;
}

TEST(ReflectionPicture, FlipsTheBlockAndKeepsColoursWithFadedAlphas) {
    drawing::Bitmap block(3, 4);
    for (int y = 0; y < 4; ++y)
        for (int x = 0; x < 3; ++x) block.setPixel(x, y, drawing::makeARGB(255, 10 * y, x, 200));
    block.setPixel(1, 3, 0x00112233);  // fully transparent stays so
    block.setPixel(2, 3, 0x80445566);
    const drawing::Bitmap r = buildReflection(block, 2, 200, 100);
    // Pixels are kept premultiplied: translucent colours come back within a step.
    auto near = [](std::uint32_t actual, std::uint32_t expected) {
        return (actual >> 24) == (expected >> 24) && sk::test::channelDistance(actual, expected) <= 2;
    };
    EXPECT_TRUE(near(r.pixel(0, 0), drawing::makeARGB(200, 30, 0, 200)));  // the bottom row first
    EXPECT_EQ(r.pixel(1, 0), 0u);
    EXPECT_TRUE(near(r.pixel(2, 0), 0x64445566u));  // round(200 x 128 / 255) = 100
    EXPECT_TRUE(near(r.pixel(0, 1), drawing::makeARGB(150, 20, 0, 200)));
    EXPECT_EQ(r.pixel(0, 2), 0u);
    EXPECT_EQ(r.pixel(0, 3), 0u);
}

class ReflectionLabel : public SmoothFormTest {
protected:
    ReflectionLabel() {
        label = new TAdvReflectionLabel(&form());
        label->SetParent(&form());
        label->SetBounds(152, 0, 433, 49);
        label->Font()->SetName("Tahoma");
        label->Font()->SetHeight(-24);
        label->Font()->SetStyle(ui::fontStyle(ui::fsBold));
        label->Font()->SetCharset(ui::RUSSIAN_CHARSET);
        label->SetHTMLText({kTitle});
        label->SetReflectionSize(20);
    }
    // The label's area of the screen.
    drawing::Bitmap labelPixels() {
        drawing::Bitmap copy(label->Width(), label->Height());
        copy.copyFrom(screen(), label->BoundsRect(), {0, 0});
        return copy;
    }

    TAdvReflectionLabel* label;
};

TEST_F(ReflectionLabel, TitleReflectionFadesRowByRowOnTheScreen) {
    showForm();
    paintPending();
    ASSERT_NE(label->reflection(), nullptr);
    EXPECT_FALSE(label->rebuildPending());
    const drawing::Rect block = label->textBlock();
    EXPECT_EQ(block.left, (433 - block.width) / 2);
    EXPECT_GT(block.height, 20);
    EXPECT_LT(block.height + 13, 49);  // the 20 rows fit in the label
    const drawing::Bitmap withReflection = labelPixels();

    // The picture itself: every pixel of row i at the row's opacity (the screen
    // under the label is opaque), nothing from row 20 on.
    const drawing::Bitmap& picture = *label->reflection();
    ASSERT_EQ(picture.width(), block.width);
    ASSERT_EQ(picture.height(), block.height);
    for (int row = 0; row < picture.height(); ++row) {
        const int q = reflectionRowOpacity(row, 20, 128, 0);
        for (int x = 0; x < picture.width(); x += 7)
            ASSERT_EQ(picture.pixel(x, row) >> 24, unsigned(q)) << row;
    }

    // The same page without a reflection, for what lies under it.
    label->SetReflectionOpacityStart(0);
    paintPending();
    const drawing::Bitmap plain = labelPixels();
    const int top = block.height - 7;  // the reflection starts 7 rows above the block's bottom
    const std::uint32_t page = kPageArgb;
    int measuredRows = 0;
    for (int row = 0; row < 49 - top; ++row) {
        const int y = top + row;
        std::vector<double> estimates;
        for (int x = block.left; x < block.right(); ++x) {
            const std::uint32_t source = plain.pixel(x, block.height - 1 - row);
            if (plain.pixel(x, y) != page) continue;  // text drawn over the reflection here
            const int contrast = int(drawing::argbRed(source)) - int(drawing::argbRed(page));
            if (std::abs(contrast) < 120) continue;
            const int shown = int(drawing::argbRed(withReflection.pixel(x, y))) - int(drawing::argbRed(page));
            estimates.push_back(255.0 * shown / contrast);
        }
        if (row >= 20) {
            for (int x = 0; x < 433; ++x) ASSERT_EQ(withReflection.pixel(x, y), plain.pixel(x, y)) << row;
            continue;
        }
        if (estimates.size() < 5) continue;
        std::nth_element(estimates.begin(), estimates.begin() + estimates.size() / 2, estimates.end());
        EXPECT_NEAR(estimates[estimates.size() / 2], reflectionRowOpacity(row, 20, 128, 0), 2.5)
            << "row " << row;
        ++measuredRows;
    }
    EXPECT_GE(measuredRows, 12);  // the glyph bodies' rows
}

TEST_F(ReflectionLabel, WhatRebuildsTheReflectionAndWhatOnlyRepaints) {
    struct NoImages : HtmlImageList {
        const drawing::Bitmap* imageAt(int) const override { return nullptr; }
    } images;
    showForm();
    struct Case {
        const char* name;
        std::function<void()> change;
        bool rebuilds;
    };
    const Case cases[] = {
        {"text",
         [&] {
             label->SetHTMLText({"<P align=\"right\">", "Справа</P>"});
         },
         true},
        {"reflection size", [&] { label->SetReflectionSize(12); }, true},
        {"font", [&] { label->Font()->SetHeight(-20); }, true},
        {"size", [&] { label->SetWidth(400); }, true},
        {"opacity start", [&] { label->SetReflectionOpacityStart(100); }, true},
        {"opacity end", [&] { label->SetReflectionOpacityEnd(20); }, true},
        {"opacity start out of range", [&] { label->SetReflectionOpacityStart(300); }, false},
        {"opacity end out of range", [&] { label->SetReflectionOpacityEnd(-1); }, false},
        {"axis", [&] { label->SetReflectionAxis(-3); }, false},
        {"link colour", [&] { label->SetURLColor(drawing::clRed); }, false},
        {"position", [&] { label->SetLeft(150); }, false},
        {"image list", [&] { label->SetImages(&images); }, true},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        paintPending();
        ASSERT_FALSE(label->rebuildPending());
        const drawing::Bitmap before = *label->reflection();
        c.change();
        EXPECT_EQ(label->rebuildPending(), c.rebuilds);
        paintPending();
        EXPECT_FALSE(label->rebuildPending());
    }
    EXPECT_EQ(label->ReflectionOpacityStart(), 100);
    EXPECT_EQ(label->ReflectionOpacityEnd(), 20);
    EXPECT_EQ(label->textBlock().left, 400 - label->textBlock().width);  // right-aligned
}

TEST_F(ReflectionLabel, AxisMovesTheSamePictureAndSizeZeroShowsNoReflection) {
    showForm();
    const drawing::Bitmap picture = *label->reflection();
    const drawing::Bitmap at7 = labelPixels();
    label->SetReflectionAxis(-3);
    paintPending();
    EXPECT_TRUE(sk::test::imagesMatch(*label->reflection(), picture, 0, "reflection-axis-picture"));
    const drawing::Bitmap at3 = labelPixels();
    const int top7 = label->textBlock().height - 7;
    // Row 10 of the reflection, four rows lower now.
    for (int x = 0; x < 433; ++x) ASSERT_EQ(at3.pixel(x, top7 + 14), at7.pixel(x, top7 + 10)) << x;

    label->SetReflectionOpacityStart(0);
    paintPending();
    const drawing::Bitmap none = labelPixels();
    label->SetReflectionOpacityStart(128);
    label->SetReflectionSize(0);
    paintPending();
    EXPECT_TRUE(sk::test::imagesMatch(labelPixels(), none, 0, "reflection-size-zero"));
}

TEST_F(ReflectionLabel, NoMemoryForTheCapturedBlockKeepsTheOldReflectionAndTellsTheUser) {
    showForm();
    const drawing::Bitmap before = *label->reflection();
    const drawing::Bitmap shown = labelPixels();
    {
        NoImageMemory noMemory;
        label->SetReflectionOpacityStart(60);
        paintPending();
    }
    EXPECT_FALSE(label->rebuildPending());
    EXPECT_TRUE(sk::test::imagesMatch(*label->reflection(), before, 0, "reflection-kept"));
    EXPECT_TRUE(sk::test::imagesMatch(labelPixels(), shown, 0, "reflection-kept-on-screen"));
    m_platform.advanceClock(5);
    ASSERT_EQ(m_platform.messageBoxes().size(), 1u);
    EXPECT_EQ(m_platform.messageBoxes()[0].text, "Could not allocate memory for reflection Label.");
    EXPECT_EQ(m_platform.messageBoxes()[0].caption, "Slidekiln 3.1");
    m_platform.advanceClock(50);
    EXPECT_EQ(m_platform.messageBoxes().size(), 1u);  // once
}

TEST_F(ReflectionLabel, RebuildsWhenPartOfTheBlockLiesOutsideTheWindowAndWaitsForAFullRepaintOtherwise) {
    label->SetLeft(500);  // the centred block runs past the window's right edge (700)
    showForm();
    paintPending();
    EXPECT_FALSE(label->rebuildPending());
    EXPECT_FALSE(form().hasDirtyAreas());

    // A repaint of part of the label only draws; the rebuild waits for the whole.
    label->SetReflectionOpacityStart(90);
    form().paintArea({label->Left() + 10, 5, 20, 10});
    EXPECT_TRUE(label->rebuildPending());
    paintPending();
    EXPECT_FALSE(label->rebuildPending());
    EXPECT_EQ(label->reflection()->pixel(0, 0) >> 24, 90u);
}

TEST_F(ReflectionLabel, LinksShowTheHandAndOpenWebAndMailAddresses) {
    label->SetHTMLText({"<A href=\"https://gornostai.example/\">сайт</A> и <A href=\"page2\">страница</A>"});
    showForm();
    auto& window = *static_cast<platform::HeadlessWindow*>(form().nativeWindow());
    // Left-aligned: the first link starts at the label's left edge.
    window.mouseMove({152 + 10, 12});
    paintPending();
    EXPECT_EQ(label->Cursor(), ui::crHandPoint);
    window.mouseMove({152 + 420, 12});
    EXPECT_EQ(label->Cursor(), ui::crDefault);
    window.click({152 + 10, 12}, platform::MouseButton::Right);
    ASSERT_EQ(m_platform.openedUrls().size(), 1u) << "a press of any button follows the link";
    EXPECT_EQ(m_platform.openedUrls()[0], "https://gornostai.example/");
    // A link without "://" or "mailto:" opens nothing.
    const int second = label->textBlock().width - 20;
    window.mouseMove({152 + second, 12});
    EXPECT_EQ(label->Cursor(), ui::crHandPoint);
    window.click({152 + second, 12});
    EXPECT_EQ(m_platform.openedUrls().size(), 1u);
    window.mouseLeave();
    EXPECT_EQ(label->Cursor(), ui::crDefault);
}

TEST_F(ReflectionLabel, APictureThatArrivesLaterRebuildsTheTextAndItsReflection) {
    label->SetHTMLText({"<IMG src=\"http://example.org/badge.png\">Слайды"});
    showForm();
    paintPending();
    ASSERT_EQ(m_platform.fetchedUrls().size(), 1u);
    const int widthBefore = label->textBlock().width;
    m_platform.completeFetch(0, solidBitmap(24, 16, 0xFFFF8000).pngBytes());
    EXPECT_TRUE(label->rebuildPending());
    paintPending();
    EXPECT_EQ(label->textBlock().width, widthBefore + 24) << "the picture takes its room in the rebuilt text";
}

TEST_F(ReflectionLabel, DefaultsAndStoredValues) {
    TAdvReflectionLabel fresh(&form());
    EXPECT_EQ(fresh.Width(), 185);
    EXPECT_EQ(fresh.Height(), 40);
    EXPECT_TRUE(fresh.Transparent());
    EXPECT_EQ(fresh.Font()->Size(), 12);
    EXPECT_TRUE(fresh.Font()->hasStyle(ui::fsBold));
    EXPECT_EQ(fresh.ReflectionSize(), 20);
    EXPECT_EQ(fresh.ReflectionAxis(), -7);
    EXPECT_EQ(fresh.ReflectionOpacityStart(), 128);
    EXPECT_EQ(fresh.ReflectionOpacityEnd(), 0);
    EXPECT_EQ(fresh.URLColor(), drawing::clBlue);
    fresh.SetVersion("2");
    EXPECT_EQ(fresh.Version(), "1.5.1.0");
    // ReflectionSize is stored against a declared 100, so 20 is written.
    const auto* size = TAdvReflectionLabel::staticClassInfo().findProperty("ReflectionSize");
    ASSERT_NE(size, nullptr);
    EXPECT_EQ(size->defaultValue, ui::PropertyDefault(100LL));
    fresh.SetHTMLText({"<B>a\r\n", "b</B>"});
    EXPECT_EQ(fresh.markup(), "<B>ab</B>");
}

}  // namespace
}  // namespace sk::smooth::test
