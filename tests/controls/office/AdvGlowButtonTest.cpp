// The glow button in a headless form: fade steps on the virtual clock, click
// rules, keys, and the face at probe pixels.
#include <gtest/gtest.h>

#include <vector>

#include "OfficeTestSupport.h"
#include "controls/office/AdvGlowButton.h"
#include "support/PixelAssertions.h"

namespace sk::office::test {
namespace {

using drawing::Point;

constexpr std::uint32_t argbOf(std::uint32_t windowColor) {
    return 0xFF000000u | ((windowColor & 0xFF) << 16) | (windowColor & 0xFF00) | ((windowColor >> 16) & 0xFF);
}

class GlowButtonTest : public OfficeTest {
protected:
    GlowButtonTest() {
        button = new TAdvGlowButton(&form());
        button->SetParent(&form());
        button->SetBounds(left, top, width, height);
        button->SetCaption("КОМПИЛИРОВАТЬ");
        button->SetParentFont(false);
        button->Font()->SetName("MS Sans Serif");
        button->Font()->SetHeight(-11);
        button->Font()->SetStyle(ui::fontStyle(ui::fsBold));
        TGlowButtonAppearance& a = *button->Appearance();
        a.SetColorChecked(0xF5D8CA);
        a.SetColorCheckedTo(0xF9BDA0);
        a.SetColorDown(0x808000);
        a.SetColorDownTo(0xF9BDA0);
        a.SetColorHot(0xFFFFFF);
        a.SetColorHotTo(0x800000);
        a.SetColorMirror(0x808000);
        a.SetGradient(ggDiagonalForward);
        a.SetGradientDown(ggDiagonalBackward);
        button->OnClick = [this](ui::Component*) { ++clicks; };
        button->OnDrawButton = [this](ui::Component*, drawing::Canvas&, drawing::Rect, TGlowButtonState) {
            hoverAtPaint.push_back(button->fade().hoverPercent());
            pressAtPaint.push_back(button->fade().pressPercent());
        };
        showForm();
        hoverAtPaint.clear();
        pressAtPaint.clear();
    }

    Point inside(int x = 10, int y = 10) const { return {left + x, top + y}; }
    Point outside() const { return {5, 5}; }
    std::uint32_t facePixel(int x, int y) { return screen().pixel(left + x, top + y); }
    // Runs the fade to its end, one tick at a time.
    void finishFade() {
        for (int i = 0; i < 10 && button->fadeTimerRunning(); ++i) advance(30);
    }

    static constexpr int left = 100, top = 50, width = 153, height = 33;
    TAdvGlowButton* button = nullptr;
    int clicks = 0;
    std::vector<int> hoverAtPaint, pressAtPaint;
};

TEST_F(GlowButtonTest, HoverFadeRepaintsEveryThirtyMillisecondsAndStopsItsTimer) {
    window().mouseMove(inside());
    ui::Application::instance().paintPending();
    EXPECT_TRUE(button->fadeTimerRunning());
    EXPECT_EQ(headless().timerCount(), 1u);
    hoverAtPaint.clear();
    for (int tick = 1; tick <= 5; ++tick) {
        advance(29);
        EXPECT_EQ(hoverAtPaint.size(), static_cast<std::size_t>(tick - 1)) << "no repaint before 30 ms";
        advance(1);
    }
    EXPECT_EQ(hoverAtPaint, (std::vector<int>{20, 40, 60, 80, 100}));
    advance(30);  // the sixth tick ends the fade without a repaint
    EXPECT_EQ(hoverAtPaint.size(), 5u);
    EXPECT_FALSE(button->fadeTimerRunning());
    EXPECT_EQ(headless().timerCount(), 0u);

    hoverAtPaint.clear();
    window().mouseMove(outside());
    ui::Application::instance().paintPending();
    finishFade();
    EXPECT_EQ(hoverAtPaint, (std::vector<int>{100, 80, 60, 40, 20, 0}));
    EXPECT_EQ(headless().timerCount(), 0u);
}

TEST_F(GlowButtonTest, ClickOnlyWhenReleasedInside) {
    window().click(inside());
    EXPECT_EQ(clicks, 1);

    window().mouseMove(inside());
    window().mouseDown(inside());
    EXPECT_EQ(button->state(), GlowState::Down);
    window().mouseMove({left + width + 5, top + 10});
    EXPECT_EQ(button->state(), GlowState::Up) << "up while the pointer is outside";
    window().mouseMove(inside(20, 20));
    EXPECT_EQ(button->state(), GlowState::Down) << "down again when it comes back";
    window().mouseMove({left + width, top + 10});  // the right edge is outside
    window().mouseUp({left + width, top + 10});
    EXPECT_EQ(clicks, 1);
    EXPECT_EQ(button->state(), GlowState::Up);
    EXPECT_FALSE(button->tracking());
}

TEST_F(GlowButtonTest, AClickHandsTheModalResultToTheFormBeforeOnClick) {
    std::vector<int> resultsSeen;
    button->OnClick = [&](ui::Component*) { resultsSeen.push_back(form().ModalResult()); };
    button->SetModalResult(2);
    window().click(inside());
    button->SetModalResult(0);
    window().click(inside());
    EXPECT_EQ(resultsSeen, (std::vector<int>{2, 0})) << "copied as it is, before the handler runs";
    EXPECT_TRUE(form().isShown()) << "the window is not modal: a result closes nothing";
}

TEST_F(GlowButtonTest, DoubleClickGivesTwoClicksAndOtherButtonsNone) {
    window().doubleClick(inside());
    EXPECT_EQ(clicks, 2);
    window().click(inside(), platform::MouseButton::Right);
    window().click(inside(), platform::MouseButton::Middle);
    EXPECT_EQ(clicks, 2);
}

TEST_F(GlowButtonTest, LeavingWhileHeldAndComingBackShowsThePressedFace) {
    window().mouseMove(inside());
    window().mouseDown(inside());
    finishFade();
    EXPECT_TRUE(button->fade().pressed());
    window().mouseMove({left + width + 10, top + 5});
    EXPECT_FALSE(button->fade().pressed());
    window().mouseMove(inside());
    EXPECT_TRUE(button->fade().pressed()) << "pressed again without a new press";
    window().mouseUp(inside());
    EXPECT_EQ(clicks, 1);
}

TEST_F(GlowButtonTest, PressFadeReturnsFromDownToHotAfterTheRelease) {
    window().mouseMove(inside());
    finishFade();
    window().mouseDown(inside());
    finishFade();
    pressAtPaint.clear();
    window().mouseUp(inside());
    ui::Application::instance().paintPending();
    EXPECT_TRUE(button->fade().pressed()) << "stays pressed until the fade is back at 0";
    finishFade();
    EXPECT_EQ(pressAtPaint, (std::vector<int>{100, 80, 60, 40, 20, 0}));
    EXPECT_FALSE(button->fade().pressed());
    EXPECT_EQ(button->currentColors(), button->Appearance()->hotSet());
}

TEST_F(GlowButtonTest, FacePartsAndOutlineInTheNormalState) {
    // The upper part (rows 0..16) is plain white, the mirror part (rows 17..32)
    // runs from white at row 15 to teal at the bottom.
    const int x = 8;  // left of the caption
    EXPECT_TRUE(sk::test::pixelIs(screen(), left + x, top + 8, 0xFFFFFFFF, "glow-normal"));
    EXPECT_TRUE(sk::test::pixelIs(screen(), left + x, top + 16, 0xFFFFFFFF, "glow-normal"));
    EXPECT_GT(sk::test::channelDistance(facePixel(x, 17), 0xFFFFFFFF), 8) << "row 17 belongs to the mirror";
    // Row 31 lies 16/18 of the way from white to teal: RGB(28, 142, 142).
    EXPECT_TRUE(sk::test::pixelNear(screen(), left + x, top + 31, 0xFF1C8E8E, 6, "glow-normal"));
    // The outline in silver, the corners show the page.
    EXPECT_TRUE(sk::test::pixelNear(screen(), left + width / 2, top, argbOf(0xC0C0C0), 12, "glow-normal"));
    EXPECT_TRUE(sk::test::pixelNear(screen(), left, top + height / 2, argbOf(0xC0C0C0), 12, "glow-normal"));
    for (Point corner : {Point{0, 0}, Point{width - 1, 0}, Point{0, height - 1}, Point{width - 1, height - 1}})
        EXPECT_TRUE(sk::test::pixelIs(screen(), left + corner.x, top + corner.y, argbOf(kPageColor), "glow-normal"))
            << corner.x << "," << corner.y;
}

TEST_F(GlowButtonTest, TallButtonsMirrorRunsToTheBottomAndNoFurther) {
    // The mirror's fills take the part's edges as width and height and so run past
    // the button's bottom: the button's own buffer clips them, and the gradient spans
    // exactly the mirror part (rows 29..59 of a 60-pixel button).
    button->SetHeight(60);
    form().paintPending();
    const int x = 8;
    EXPECT_TRUE(sk::test::pixelIs(screen(), left + x, top + 20, 0xFFFFFFFF, "glow-tall"));
    // Row 44 lies 15/31 of the way from white to teal; row 58 29/31 of the way.
    EXPECT_TRUE(sk::test::pixelNear(screen(), left + x, top + 44, 0xFF84C2C2, 6, "glow-tall"));
    EXPECT_TRUE(sk::test::pixelNear(screen(), left + x, top + 58, 0xFF118888, 6, "glow-tall"));
    for (const int below : {60, 61, 75, 90})
        EXPECT_TRUE(sk::test::pixelIs(screen(), left + x, top + below, argbOf(kPageColor), "glow-tall")) << below;
}

TEST_F(GlowButtonTest, HotFaceGlowsNavyFromTheTopAndPaleFromTheBottom) {
    window().mouseMove(inside());
    finishFade();
    const int x = width / 2;
    // Upper: navy at the middle of the top edge, white towards the sides.
    EXPECT_GT(sk::test::channelDistance(facePixel(x, 2), 0xFFFFFFFF), 60);
    EXPECT_TRUE(sk::test::pixelNear(screen(), left + 4, top + 14, 0xFFFFFFFF, 24, "glow-hot"));
    // Mirror: outside the glow the mirror colour, at the bottom middle its "to" colour.
    EXPECT_TRUE(sk::test::pixelNear(screen(), left + 3, top + 17, argbOf(0xF5C8AD), 6, "glow-hot"));
    EXPECT_TRUE(sk::test::pixelNear(screen(), left + x, top + 31, argbOf(0xFFF8F4), 16, "glow-hot"));
    EXPECT_TRUE(sk::test::pixelNear(screen(), left + x, top, argbOf(0xFF0000), 40, "glow-hot"));
}

TEST_F(GlowButtonTest, DownFaceRunsTealToLightBlueBackwardDiagonal) {
    window().mouseMove(inside());
    finishFade();
    window().mouseDown(inside());
    finishFade();
    // Backward diagonal: teal at the top right, light blue at the bottom left.
    EXPECT_TRUE(sk::test::pixelNear(screen(), left + width - 4, top + 2, argbOf(0x808000), 40, "glow-down"));
    EXPECT_TRUE(sk::test::pixelNear(screen(), left + 3, top + 15, argbOf(0xF9BDA0), 40, "glow-down"));
    EXPECT_TRUE(sk::test::pixelNear(screen(), left + width / 2, top, argbOf(0x800000), 40, "glow-down"));
    EXPECT_TRUE(sk::test::pixelIs(screen(), left, top, argbOf(kPageColor), "glow-down"));
}

TEST_F(GlowButtonTest, SquareButtonKeepsItsCornerPixels) {
    button->SetRounded(false);
    ui::Application::instance().paintPending();
    EXPECT_TRUE(sk::test::pixelNear(screen(), left, top, argbOf(0xC0C0C0), 12, "glow-square"));
}

TEST_F(GlowButtonTest, DisabledButtonPaintsTheDisabledSetWhateverThePointerDoes) {
    button->SetEnabled(false);
    window().mouseMove(inside());
    finishFade();
    EXPECT_EQ(button->currentColors(), button->Appearance()->disabledSet());
    window().click(inside());
    EXPECT_EQ(clicks, 0);
    button->SetShowDisabled(false);
    EXPECT_EQ(button->currentColors(), button->Appearance()->normalSet());
}

TEST_F(GlowButtonTest, SpaceClicksAFocusedButtonAndEnterTheDefaultOne) {
    button->SetTabStop(true);
    button->SetFocus();
    window().keyDown(platform::vk::Space);
    EXPECT_EQ(button->state(), GlowState::Down);
    window().inputText(" ");
    window().keyUp(platform::vk::Space);
    EXPECT_EQ(clicks, 1);
    EXPECT_EQ(button->state(), GlowState::Up);
    window().keyDown(platform::vk::Return);
    EXPECT_EQ(clicks, 2) << "a focused glow button is the active default";
    window().keyDown(platform::vk::Escape);
    EXPECT_EQ(clicks, 2);
    button->SetCancel(true);
    window().keyDown(platform::vk::Escape);
    EXPECT_EQ(clicks, 3);
}

TEST_F(GlowButtonTest, AltAndTheMnemonicClick) {
    button->SetCaption("&Go");
    window().keyDown('G', platform::ModAlt);
    window().inputText("g");
    window().keyUp('G', platform::ModAlt);
    EXPECT_EQ(clicks, 1);
}

TEST(GlowButtonCaption, BackslashNBreaksTheLineAndSystemFontPicksTahoma) {
    EXPECT_EQ(TAdvGlowButton::captionLines("ONE\\nTWO\\n"), "ONE\nTWO\n");
    EXPECT_EQ(TAdvGlowButton::captionLines("a\\b"), "a\\b");
    TAdvGlowButton b;
    b.Font()->SetName("MS Sans Serif");
    EXPECT_EQ(b.captionFace(), "MS Sans Serif") << "a button following its parent's font keeps the face";
    b.SetParentFont(false);
    EXPECT_EQ(b.captionFace(), "Tahoma");
    b.Appearance()->SetSystemFont(false);
    EXPECT_EQ(b.captionFace(), "MS Sans Serif");
}

}  // namespace
}  // namespace sk::office::test
