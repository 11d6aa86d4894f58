// The glow button's fade steps and its colour choice, without a window.
#include <gtest/gtest.h>

#include <vector>

#include "controls/office/GlowButtonAppearance.h"
#include "controls/office/GlowFade.h"

namespace sk::office {
namespace {

// Ticks until the fade no longer wants its timer; returns the percentages at the
// ticks that repainted.
std::vector<int> runFade(GlowFade& fade, bool press) {
    std::vector<int> repaints;
    for (int i = 0; i < 20 && fade.timerWanted(); ++i)
        if (fade.tick()) repaints.push_back(press ? fade.pressPercent() : fade.hoverPercent());
    return repaints;
}

TEST(GlowFade, HoverRepaintsInFiveStepsAndStopsOnTheSixthTick) {
    GlowFade fade;
    ASSERT_TRUE(fade.enter());
    EXPECT_TRUE(fade.timerWanted());
    int ticks = 0;
    std::vector<int> repaints;
    while (fade.timerWanted()) {
        ++ticks;
        if (fade.tick()) repaints.push_back(fade.hoverPercent());
    }
    EXPECT_EQ(repaints, (std::vector<int>{20, 40, 60, 80, 100}));
    EXPECT_EQ(ticks, 6);
    EXPECT_EQ(fade.hoverPercent(), 100);
    EXPECT_EQ(fade.kind(), GlowFade::Kind::Finished);
}

TEST(GlowFade, LeavingRunsFromEightyDownToZero) {
    GlowFade fade;
    fade.enter();
    runFade(fade, false);
    ASSERT_TRUE(fade.leave());
    EXPECT_EQ(fade.hoverPercent(), 100);
    EXPECT_EQ(runFade(fade, false), (std::vector<int>{80, 60, 40, 20, 0}));
    EXPECT_FALSE(fade.hot());
    EXPECT_FALSE(fade.leave()) << "a second leave is ignored";
}

TEST(GlowFade, EnterWhileHotIsIgnored) {
    GlowFade fade;
    fade.enter();
    fade.tick();
    EXPECT_FALSE(fade.enter());
    EXPECT_EQ(fade.hoverPercent(), 20);
}

TEST(GlowFade, PressedStaysUntilThePressFadeIsBackAtZero) {
    GlowFade fade;
    fade.enter();
    runFade(fade, false);
    fade.press();
    EXPECT_TRUE(fade.pressed());
    EXPECT_EQ(runFade(fade, true), (std::vector<int>{20, 40, 60, 80, 100}));
    fade.release();
    EXPECT_TRUE(fade.pressed());
    EXPECT_FALSE(fade.mouseHeld());
    EXPECT_EQ(runFade(fade, true), (std::vector<int>{80, 60, 40, 20, 0}));
    EXPECT_FALSE(fade.pressed());
}

TEST(GlowFade, LeavingWhileHeldAndComingBackShowsPressedAgain) {
    GlowFade fade;
    fade.enter();
    fade.press();
    fade.leave();
    EXPECT_FALSE(fade.pressed());
    EXPECT_TRUE(fade.pressedOnLeave());
    fade.enter();
    EXPECT_TRUE(fade.pressed());
    fade.release();
    EXPECT_FALSE(fade.pressedOnLeave());
}

TEST(GlowFade, EnteringWithNothingToFadeStopsTheTimerOnTheNextTick) {
    GlowFade fade;
    fade.enter();
    fade.press();
    runFade(fade, true);  // the press fade finishes at 100 while held
    fade.leave();
    fade.tick();
    runFade(fade, false);
    ASSERT_FALSE(fade.timerWanted());
    fade.enter();  // pressed again, no hover fade starts
    EXPECT_TRUE(fade.timerWanted());
    EXPECT_FALSE(fade.tick());
    EXPECT_FALSE(fade.timerWanted());
}

// ---- colour choice ---------------------------------------------------------

TEST(GlowColors, BlendRoundsHalvesToEvenAndClampsThePercentage) {
    EXPECT_EQ(drawing::blendPercent(0x0000FF, 0x000000, 100), 0x0000FFu);
    EXPECT_EQ(drawing::blendPercent(0x0000FF, 0x000000, 150), 0x0000FFu);
    EXPECT_EQ(drawing::blendPercent(0x0000FF, 0x000000, 0), 0x000000u);
    EXPECT_EQ(drawing::blendPercent(0x0000FF, 0x000000, -5), 0x000000u);
    EXPECT_EQ(drawing::blendPercent(0x000001, 0x000000, 50), 0x000000u);  // 0.5 -> 0
    EXPECT_EQ(drawing::blendPercent(0x000003, 0x000000, 50), 0x000002u);  // 1.5 -> 2
    EXPECT_EQ(drawing::blendPercent(0x000005, 0x000000, 50), 0x000002u);  // 2.5 -> 2
    EXPECT_EQ(drawing::blendPercent(0xFFFFFF, 0x800000, 20), 0x993333u);  // 0.2*255 + 0.8*128 = 153.4
}

class CompileButtonColors : public testing::Test {
protected:
    CompileButtonColors() {
        a.SetColorDown(0x808000);
        a.SetColorHot(0xFFFFFF);
        a.SetColorHotTo(0x800000);
        a.SetColorMirror(0x808000);
        a.SetGradient(ggDiagonalForward);
        a.SetGradientDown(ggDiagonalBackward);
    }
    TGlowButtonAppearance a;
};

TEST_F(CompileButtonColors, StatesChooseTheirSets) {
    GlowPaintInputs in;
    EXPECT_EQ(a.colourSetFor(in), a.normalSet());
    in.hot = true;
    EXPECT_EQ(a.colourSetFor(in), a.hotSet());
    in.state = GlowState::Down;
    EXPECT_EQ(a.colourSetFor(in), a.downSet());
    EXPECT_EQ(a.colourSetFor(in).upperKind, ggDiagonalBackward);
    in.enabled = false;
    EXPECT_EQ(a.colourSetFor(in), a.disabledSet());
    in.showDisabled = false;
    in.state = GlowState::Up;
    EXPECT_EQ(a.colourSetFor(in), a.hotSet()) << "without ShowDisabled the pointer still decides";
}

TEST_F(CompileButtonColors, HoverFadeBlendsHotOverNormal) {
    GlowPaintInputs in;
    in.hot = true;
    in.fadeRunning = true;
    in.hoverPercent = 40;
    const GlowColorSet set = a.colourSetFor(in);
    EXPECT_EQ(set.upper, drawing::blendPercent(0xFFFFFF, 0xFFFFFF, 40));
    EXPECT_EQ(set.upperTo, drawing::blendPercent(0x800000, 0xFFFFFF, 40));
    EXPECT_EQ(set.mirror, drawing::blendPercent(a.ColorMirrorHot(), 0x808000, 40));
    EXPECT_EQ(set.border, drawing::blendPercent(0xFF0000, 0xC0C0C0, 40));
    EXPECT_EQ(set.upperKind, ggRadial) << "the kinds stay those of the base set";
}

TEST_F(CompileButtonColors, PressFadeBlendsDownOverHot) {
    GlowPaintInputs in;
    in.hot = true;
    in.pressed = true;
    in.state = GlowState::Down;
    in.fadeRunning = true;
    in.pressPercent = 60;
    const GlowColorSet set = a.colourSetFor(in);
    EXPECT_EQ(set.upper, drawing::blendPercent(0x808000, 0xFFFFFF, 60));
    EXPECT_EQ(set.border, drawing::blendPercent(0x800000, 0xFF0000, 60));
    EXPECT_EQ(set.upperKind, ggDiagonalBackward);
}

TEST_F(CompileButtonColors, FocusShownHotUnlessPressed) {
    GlowPaintInputs in;
    in.focused = true;
    in.focusType = ftHot;
    EXPECT_EQ(a.colourSetFor(in), a.hotSet());
    in.pressed = true;
    in.state = GlowState::Down;
    EXPECT_EQ(a.colourSetFor(in), a.downSet());
    in.focusType = ftBorder;
    in.pressed = false;
    in.state = GlowState::Up;
    EXPECT_EQ(a.colourSetFor(in), a.normalSet());
}

TEST_F(CompileButtonColors, CheckButtonThatIsDownShowsChecked) {
    GlowPaintInputs in;
    in.style = bsCheck;
    in.down = true;
    EXPECT_EQ(a.colourSetFor(in), a.checkedSet());
    in.position = bpLeft;
    in.mouseHeld = true;
    EXPECT_EQ(a.colourSetFor(in).border, a.BorderColor());
}

TEST(GlowButtonAppearance, SettersReportOnlyRealChanges) {
    TGlowButtonAppearance a;
    int changes = 0;
    a.setChangeHandler([&](ui::Persistent*) { ++changes; });
    a.SetColorHot(a.ColorHot());
    EXPECT_EQ(changes, 0);
    a.SetColorHot(0x123456);
    a.SetGradientMirror(ggRadial);
    a.SetSystemFont(false);
    EXPECT_EQ(changes, 3);
}

}  // namespace
}  // namespace sk::office
