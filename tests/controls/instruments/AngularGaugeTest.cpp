// The angular gauge with the main window's values: the hand's angle probed on
// its red pixels, the range band's colours on their arcs, the value rules, the
// caption and centre cap, resizing, the reversed scale, the tick and label
// rules, the cached layers and the lock.
#include <gtest/gtest.h>

#include <atomic>
#include <cmath>
#include <numbers>
#include <thread>

#include "InstrumentTestSupport.h"
#include "support/PixelAssertions.h"

namespace sk::instruments::test {
namespace {

constexpr int kLeft = 20, kTop = 10;  // the dial's place in the test form

bool reddish(std::uint32_t p) {
    return drawing::argbRed(p) >= 190 && drawing::argbGreen(p) <= 130 && drawing::argbBlue(p) <= 130;
}

class AngularGaugeTest : public InstrumentTest {
protected:
    AngularGaugeTest() {
        load(kFormDial);
        dial = field<TILAngularGauge>("ILAngularGauge4");
        showForm();
    }
    // A screen pixel at a distance from the hand's pivot in a direction (degrees clockwise from 3 o'clock).
    std::uint32_t fromPivot(double angle, double distance) {
        const DialGeometry d = dial->geometry();
        const double pivotX = d.offsetX + (d.areaWidth - 1) / 2, pivotY = d.offsetY + (d.areaHeight - 1) / 2;
        const double a = angle * std::numbers::pi / 180;
        return screen().pixel(kLeft + static_cast<int>(std::lround(pivotX + std::cos(a) * distance)),
                              kTop + static_cast<int>(std::lround(pivotY + std::sin(a) * distance)));
    }
    std::uint32_t fromCentre(double angle, double distance) {
        const DialGeometry d = dial->geometry();
        const double a = angle * std::numbers::pi / 180;
        return screen().pixel(
            kLeft + static_cast<int>(std::lround(d.offsetX + d.cx() + std::cos(a) * distance)),
            kTop + static_cast<int>(std::lround(d.offsetY + d.cy() + std::sin(a) * distance)));
    }

    TILAngularGauge* dial = nullptr;
};

TEST_F(AngularGaugeTest, HandPointsLowerLeftUpAndLowerRightAtZeroFiftyAndHundred) {
    struct Case {
        double value, angle;
    };
    for (const Case c : {Case{0, 135}, Case{50, 270}, Case{100, 45}}) {
        dial->SetValue(c.value);
        paint();
        EXPECT_NEAR(std::fmod(dial->handAngle(), 360.0), c.angle, 1e-9) << c.value;
        for (double distance : {20.0, 35.0, 45.0})
            EXPECT_TRUE(reddish(fromPivot(c.angle, distance)))
                << "value " << c.value << " at " << distance << ": "
                << sk::test::hexColor(fromPivot(c.angle, distance)) << " "
                << sk::test::saveImage(screen(), "dial-hand");
        // Across the hand, and where it does not point, there is no red.
        EXPECT_FALSE(reddish(fromPivot(c.angle + 90, 35))) << c.value;
        EXPECT_FALSE(reddish(fromPivot(c.angle + 180, 40))) << "the tail is shorter: " << c.value;
    }
}

TEST_F(AngularGaugeTest, TrackBarPositionsStepTheHandBy27Degrees) {
    for (int position = 0; position <= 10; ++position) {
        dial->SetValue(10.0 * position);
        EXPECT_NEAR(dial->handAngle(), 135 + 27 * position, 1e-9) << position;
    }
}

TEST_F(AngularGaugeTest, RangeBandShowsGreenYellowRedAndTheGreyRest) {
    const DialGeometry d = dial->geometry();
    const double radius = d.radius - 0.01 * 2 * d.radius - 0.025 * 2 * d.radius / 2;
    auto channels = [](std::uint32_t p) {
        return std::array<int, 3>{drawing::argbRed(p), drawing::argbGreen(p), drawing::argbBlue(p)};
    };
    // Shares of 30% each of the 270 degrees from 135.
    const auto green = channels(fromCentre(135 + 0.15 * 270, radius));
    const auto yellow = channels(fromCentre(135 + 0.45 * 270, radius));
    const auto red = channels(fromCentre(135 + 0.75 * 270, radius));
    const auto grey = channels(fromCentre(135 + 0.95 * 270, radius));
    EXPECT_TRUE(green[1] > 200 && green[0] < 110 && green[2] < 110)
        << green[0] << " " << green[1] << " " << green[2];
    EXPECT_TRUE(yellow[0] > 200 && yellow[1] > 200 && yellow[2] < 120)
        << yellow[0] << " " << yellow[1] << " " << yellow[2];
    EXPECT_TRUE(red[0] > 200 && red[1] < 90 && red[2] < 90) << red[0] << " " << red[1] << " " << red[2];
    EXPECT_NEAR(grey[0], 0x80, 24);
    EXPECT_NEAR(grey[1], 0x80, 24);
    EXPECT_NEAR(grey[2], 0x80, 24);
}

TEST_F(AngularGaugeTest, ValueIsLimitedToTheRangeButMinAndMaxDoNotLimitItAgain) {
    dial->SetValue(120);
    EXPECT_EQ(dial->Value(), 100);
    dial->SetValue(-5);
    EXPECT_EQ(dial->Value(), 0);
    dial->SetValue(100);
    dial->SetMax(50);
    EXPECT_EQ(dial->Value(), 100) << "kept as stored";
    EXPECT_NEAR(dial->handAngle(), 135 + 540, 1e-9) << "beyond the scale's end";
    dial->SetMax(0);
    EXPECT_NEAR(dial->handAngle(), 135, 1e-9) << "an empty range puts the hand at the start";
}

TEST_F(AngularGaugeTest, AValueReadFromTheFormIsLimitedOnceLoadingEnds) {
    std::string text = kFormDial;
    const std::string stored = "\n    Value: 0\n";
    text.replace(text.find(stored), stored.size(), "\n    Value: 150\n");
    ui::Form other;
    other.loadDescription(formWith(text), "over-range");
    EXPECT_EQ(other.field<TILAngularGauge>("ILAngularGauge4")->Value(), 100);
}

TEST_F(AngularGaugeTest, ReversedScalePutsMinAtTheLowerRightAndStartsTheBandsThere) {
    dial->Scale()->SetReversed(true);
    dial->SetValue(0);
    EXPECT_NEAR(std::fmod(dial->handAngle(), 360.0), 45, 1e-9);
    paint();
    const DialGeometry d = dial->geometry();
    const double radius = d.radius - 0.01 * 2 * d.radius - 0.025 * d.radius;
    const std::uint32_t nearMin = fromCentre(45 - 0.15 * 270, radius);  // counter-clockwise from 45
    EXPECT_TRUE(drawing::argbGreen(nearMin) > 200 && drawing::argbRed(nearMin) < 110)
        << sk::test::hexColor(nearMin);
    const std::uint32_t nearMax = fromCentre(135 + 0.05 * 270, radius);
    EXPECT_NEAR(drawing::argbRed(nearMax), 0x80, 24) << "the grey rest lies at the lower left now";
}

TEST_F(AngularGaugeTest, CaptionDrawsWhiteBelowTheHubUnlessItsTextIsEmpty) {
    const DialGeometry d = dial->geometry();
    auto whiteBelowHub = [&] {
        int count = 0;
        const int y = kTop + static_cast<int>(d.cy() + 0.7f * d.radius);
        for (int dy = -3; dy <= 3; ++dy)
            for (int x = kLeft + 40; x < kLeft + 120; ++x)
                if (drawing::argbRed(screen().pixel(x, y + dy)) > 200 &&
                    drawing::argbBlue(screen().pixel(x, y + dy)) > 200)
                    ++count;
        return count;
    };
    EXPECT_GT(whiteBelowHub(), 20);
    dial->Caption()->SetText("");
    paint();
    EXPECT_EQ(whiteBelowHub(), 0);
}

TEST_F(AngularGaugeTest, BottomDiscWithoutAlphaDrawsNeitherDiscNorHubShadow) {
    dial->SetFaceColor(0xFFFFFFFF);
    dial->SetValue(50);  // the hand points up, away from the probe
    paint();
    const DialGeometry d = dial->geometry();
    const double inBottomDisc = (0.143 + 0.2) / 4 * d.side;  // between the top and the bottom disc's edge
    EXPECT_LT(drawing::argbRed(fromCentre(0, inBottomDisc)), 200);
    dial->Center()->Bottom()->SetColor(0x00808080);
    paint();
    EXPECT_TRUE(sk::test::pixelNear(screen(), 0, 0, screen().pixel(0, 0), 0));
    EXPECT_GE(drawing::argbRed(fromCentre(0, inBottomDisc)), 250) << "white face there now";
    EXPECT_GE(drawing::argbRed(fromCentre(45, 0.6 * d.side / 2 * 0.2 * 1.1 + 2)), 250) << "no shadow either";
}

TEST_F(AngularGaugeTest, GlassDrawsATintOnlyWhenItsColourHasAlpha) {
    const DialGeometry d = dial->geometry();
    // On the face below the hub, where neither hand nor highlight lies.
    const int x = static_cast<int>(d.cx() + 0.3f * d.radius), y = static_cast<int>(d.cy() + 0.5f * d.radius);
    const std::uint32_t withGlass = dial->render().pixel(x, y);
    dial->Glass()->SetVisible(false);
    EXPECT_EQ(dial->render().pixel(x, y), withGlass) << "a colour without alpha tints nothing";
    dial->Glass()->SetVisible(true);
    dial->Glass()->SetColor(0x80FF0000);
    EXPECT_GT(drawing::argbRed(dial->render().pixel(x, y)), 100) << "a red tint";
}

TEST_F(AngularGaugeTest, ResizedGaugeDrawsASquareDialCentredHorizontally) {
    dial->SetBounds(kLeft, kTop, 300, 200);
    paint();
    const DialGeometry d = dial->geometry();
    EXPECT_FLOAT_EQ(d.side, 199);
    EXPECT_TRUE(sk::test::pixelIs(screen(), kLeft + 30, kTop + 100, kPageArgb, "dial-wide"))
        << "left of the dial";
    EXPECT_TRUE(sk::test::pixelIs(screen(), kLeft + 270, kTop + 100, kPageArgb, "dial-wide"))
        << "right of the dial";
    EXPECT_NE(screen().pixel(kLeft + 52, kTop + 100), kPageArgb) << "the frame's left edge";
    EXPECT_NE(screen().pixel(kLeft + 248, kTop + 100), kPageArgb) << "the frame's right edge";
}

TEST_F(AngularGaugeTest, SizesBelowFivePixelsAreRaisedToFive) {
    dial->SetBounds(0, 0, 2, 3);
    EXPECT_EQ(dial->Width(), 5);
    EXPECT_EQ(dial->Height(), 5);
    paint();  // draws without failing
}

TEST_F(AngularGaugeTest, LayersAreRebuiltAfterResizeAndPropertyChangesButNotForValues) {
    EXPECT_EQ(dial->layerBuilds(), 1) << "built at the first paint";
    for (double v : {10.0, 20.0, 30.0}) {
        dial->SetValue(v);
        paint();
    }
    EXPECT_EQ(dial->layerBuilds(), 1) << "value changes keep the layers";
    dial->SetBounds(kLeft, kTop, 170, 170);
    paint();
    EXPECT_EQ(dial->layerBuilds(), 2);
    dial->Ranges()->Ranges()->itemAs<TILAnalogGaugeRange>(1)->SetColor(0xFF0000FF);  // a collection item
    paint();
    EXPECT_EQ(dial->layerBuilds(), 3);
    dial->SetMax(200);
    paint();
    EXPECT_EQ(dial->layerBuilds(), 4);
    dial->Scale()->MajorTicks()->Labels()->Font()->Size()->SetValue(0.1f);  // deep in the tree
    paint();
    EXPECT_EQ(dial->layerBuilds(), 5);
}

TEST_F(AngularGaugeTest, APaintThatCannotTakeTheLockDrawsNothing) {
    dial->LayersChanged();
    std::atomic<bool> held{false}, done{false};
    std::thread other([&] {
        std::lock_guard guard(dial->lock());
        held = true;
        while (!done) std::this_thread::yield();
    });
    while (!held) std::this_thread::yield();
    const drawing::Bitmap picture = dial->render();
    done = true;
    other.join();
    EXPECT_EQ(dial->layerBuilds(), 1) << "no layers built without the lock";
    EXPECT_EQ(picture.pixel(80, 80), kPageArgb) << "only the background";
    EXPECT_NE(dial->render().pixel(80, 80), kPageArgb) << "the next paint draws";
}

TEST(ScaleTicks, TheFormsScaleHasElevenMajorAndThirtyMinorTicks) {
    TickRules rules;
    rules.minorCount = 3;
    const auto ticks = scaleTicks(rules, 135, 270, false, 0, 100);
    ASSERT_EQ(ticks.size(), 41u);
    int majors = 0;
    for (const TickMark& t : ticks) {
        if (!t.major) {
            EXPECT_FALSE(t.withLabel);
            continue;
        }
        EXPECT_NEAR(t.angle, 135 + 27 * majors, 1e-9);
        EXPECT_NEAR(t.value, 10 * majors, 1e-9);
        EXPECT_TRUE(t.withLabel);
        ++majors;
    }
    EXPECT_EQ(majors, 11);
    EXPECT_NEAR(ticks[1].angle - ticks[0].angle, 6.75, 1e-9);
}

TEST(ScaleTicks, EndTickRulesAndHiddenMajors) {
    TickRules rules;
    rules.majorCount = 3;
    rules.minorCount = 1;
    rules.minTick = false;
    rules.maxTickLabel = false;
    auto ticks = scaleTicks(rules, 0, 180, false, 0, 10);
    ASSERT_EQ(ticks.size(), 4u) << "no first major; minors at 45 and 135; majors at 90 and 180";
    EXPECT_FALSE(ticks[0].major);
    EXPECT_TRUE(ticks[1].major && ticks[1].withLabel);
    EXPECT_TRUE(ticks[3].major && !ticks[3].withLabel) << "the last tick without its label";

    rules = TickRules{};
    rules.majorCount = 2;
    rules.minorCount = 1;
    rules.majorVisible = false;
    rules.minTick = rules.maxTick = false;
    rules.minorLabels = true;
    ticks = scaleTicks(rules, 0, 90, false, 0, 10);
    ASSERT_EQ(ticks.size(), 3u) << "minor ticks at step 0, the middle and the last position";
    EXPECT_NEAR(ticks[0].angle, 0, 1e-9);
    EXPECT_NEAR(ticks[1].value, 5, 1e-9);
    EXPECT_NEAR(ticks[2].value, 10, 1e-9) << "showing Max";
    EXPECT_TRUE(scaleTicks(TickRules{1}, 0, 90, false, 0, 10).empty()) << "one major position draws nothing";
}

TEST(RangeArcs, ItemsTakeTheirShareOfTheScaleUntilItIsUsedUp) {
    const auto arcs = rangeArcs({0.3f, 0.3f, 0.3f}, 135, 270, false);
    ASSERT_EQ(arcs.size(), 3u);
    for (int i = 0; i < 3; ++i) {
        EXPECT_NEAR(arcs[static_cast<std::size_t>(i)].start, 135 + 81 * i, 1e-4);
        EXPECT_NEAR(arcs[static_cast<std::size_t>(i)].sweep, 81, 1e-4);
    }
    const auto over = rangeArcs({0.6f, 0.6f, 0.2f}, 0, 100, false);
    ASSERT_EQ(over.size(), 2u) << "no item once nothing remains";
    EXPECT_NEAR(over[1].sweep, 40, 1e-4) << "the second is cut to what remains";
    const auto reversed = rangeArcs({0.3f}, 135, 270, true);
    EXPECT_NEAR(std::fmod(reversed[0].start, 360.0), 45, 1e-9);
    EXPECT_NEAR(reversed[0].sweep, -81, 1e-4);
}

TEST(Labels, DecimalsFollowPrecisionAndSpan) {
    struct Case {
        unsigned digits;
        bool fixed;
        double span;
        int decimals;
    };
    const Case cases[] = {{2, false, 100, 0}, {2, false, 10, 0},  {3, false, 5, 2}, {2, false, 0.5, 2},
                          {2, true, 100, 2},  {0, false, 0.5, 0}, {2, false, 0, 1}, {4, false, 250, 1}};
    for (const Case& c : cases)
        EXPECT_EQ(labelDecimals(c.digits, c.fixed, c.span), c.decimals) << c.digits << " " << c.span;
    EXPECT_EQ(formatLabel(50, 0), "50");
    EXPECT_EQ(formatLabel(0.25, 2), "0.25");
    EXPECT_EQ(formatLabel(-0.001, 2), "0.00") << "no minus before a zero";
    EXPECT_EQ(formatLabel(-12.5, 1), "-12.5");
}

}  // namespace
}  // namespace sk::instruments::test
