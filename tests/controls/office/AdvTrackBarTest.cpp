// The track bar in a headless form: geometry, the position rule, drag, clicks,
// paging with the repeat timer, keys, wheel, the drag hint, and the painted
// slider, ticks and thumb at probe pixels.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "OfficeTestSupport.h"
#include "controls/office/AdvTrackBar.h"
#include "controls/office/SteppedGradient.h"
#include "support/PixelAssertions.h"
#include "ui/FormWriter.h"

namespace sk::office::test {
namespace {

using drawing::Point;

constexpr std::uint32_t argbOf(std::uint32_t windowColor) {
    return 0xFF000000u | ((windowColor & 0xFF) << 16) | (windowColor & 0xFF00) | ((windowColor >> 16) & 0xFF);
}

constexpr int left = 40, top = 60;

// The settings page's track bar: 409 x 45, a 12-pixel rounded groove with
// completed colors, a 12 x 24 round thumb, 14-pixel maroon ticks with Line3D.
void styleAsSettingsPage(TAdvTrackBar& bar) {
    bar.SetBounds(left, top, 409, 45);
    bar.SetMoveOnClick(mcMove);
    bar.SetTrackHint(true);
    bar.SetDirection(gdHorizontalInOut);
    TTrackBarSlider& s = *bar.Slider();
    s.SetBorderColor(0xD76B00);
    s.SetColor(0xFFA041);
    s.SetColorTo(0xFFDBB7);
    s.SetColorCompleted(0x0180FE);
    s.SetColorCompletedTo(0x8CC6FF);
    s.SetDirection(gdVerticalInOut);
    s.SetSize(12);
    s.SetBorder3D(false);
    s.SetRounded(true);
    TTrackBarThumb& t = *bar.Thumb();
    t.SetBorderColor(0xD76B00);
    t.SetBorderColorHot(0xFF8B17);
    t.SetBorderColorDown(0xCA6500);
    t.SetColor(0xFF9D3C);
    t.SetColorTo(0xFFE0C1);
    t.SetColorDown(0xFFC58A);
    t.SetColorDownTo(0xFF8A15);
    t.SetColorHot(0xFFE6CC);
    t.SetColorHotTo(0xFFBF80);
    for (auto set : {&TTrackBarThumb::SetColorMirror, &TTrackBarThumb::SetColorMirrorTo,
                     &TTrackBarThumb::SetColorMirrorHot, &TTrackBarThumb::SetColorMirrorHotTo,
                     &TTrackBarThumb::SetColorMirrorDown, &TTrackBarThumb::SetColorMirrorDownTo,
                     &TTrackBarThumb::SetColorMirrorDisabled, &TTrackBarThumb::SetColorMirrorDisabledTo})
        (t.*set)(drawing::clNone);
    t.SetGradient(ggDiagonalForward);
    t.SetSize(24);
    t.SetWidth(12);
    t.SetShape(tsRoundRect);
    TTrackBarTick& k = *bar.TickMark();
    k.SetColor(drawing::clMaroon);
    k.SetLine3D(true);
    k.SetSize(14);
}

class TrackBarTest : public OfficeTest {
protected:
    TrackBarTest() {
        form().SetBounds(0, 0, 560, 320);
        bar = new TAdvTrackBar(&form());
        bar->SetParent(&form());
        styleAsSettingsPage(*bar);
        bar->SetPosition(4);
        bar->OnChange = [this](ui::Component*) { changes.push_back(bar->Position()); };
        showForm();
        changes.clear();
    }

    Point at(int x, int y) const { return {left + x, top + y}; }
    Point thumbCentre() const {
        const drawing::Rect t = bar->geometry().thumb(bar->Position());
        return at(t.center().x, t.center().y);
    }
    std::uint32_t pixel(int x, int y) { return screen().pixel(left + x, top + y); }

    TAdvTrackBar* bar = nullptr;
    std::vector<int> changes;
};

// ---- Geometry --------------------------------------------------------------------

TEST_F(TrackBarTest, GeometryOfTheSettingsPageBar) {
    const TrackBarGeometry g = bar->geometry();
    EXPECT_EQ(g.inner(), (drawing::Rect{3, 3, 403, 39}));
    EXPECT_EQ(g.trackArea(), (drawing::Rect{3, 13, 403, 29}));
    EXPECT_EQ(g.slider(), (drawing::Rect{3, 13, 403, 12}));
    EXPECT_EQ(g.thumb(4), (drawing::Rect{159, 7, 12, 24}));
    EXPECT_EQ(g.thumb(0).left, 3);
    EXPECT_EQ(g.thumb(10).left, 394);
    ASSERT_TRUE(g.bottomTickRow());
    EXPECT_EQ(*g.bottomTickRow(), (drawing::Rect{9, 33, 391, 14}));
    EXPECT_FALSE(g.topTickRow());
    const std::vector<int> expected{9, 48, 87, 126, 165, 204, 243, 282, 321, 360, 400};
    std::vector<int> ticks;
    for (int v = 0; v <= 10; ++v) ticks.push_back(g.tickOffset(v, g.lastTickValue(false)));
    EXPECT_EQ(ticks, expected);
    EXPECT_EQ(g.completedPart(0).width, 0);
    EXPECT_EQ(g.restPart(10).width, 0);
    EXPECT_EQ(g.completedPart(4), (drawing::Rect{3, 13, 162, 12}));
    EXPECT_EQ(g.restPart(4).left, 164);
}

TEST(TrackBarGeometry, PixelToValueRoundsHalvesToEvenAndClamps) {
    // A run of 400 pixels for 10 values: 40 pixels a value, halves at 20, 60, ...
    TrackBarMetrics m;
    m.width = 418;
    m.height = 45;
    m.thumbWidth = 12;
    const TrackBarGeometry g(m);
    struct Case {
        int x;
        int value;
    } cases[] = {
        {-50, 0}, {3, 0},   {9, 0},   {29, 0},  {30, 1},   {69, 2},
        {108, 2}, {109, 2}, {110, 3}, {149, 4}, {409, 10}, {600, 10},
    };
    // x = 9 + 20 is half a value: rounds to 0; 9 + 60 is 1.5: to 2; 9 + 100 is 2.5: to 2.
    for (const Case& c : cases) EXPECT_EQ(g.valueAt({c.x, 20}), c.value) << "x = " << c.x;
    m.min = m.max = 5;
    EXPECT_EQ(TrackBarGeometry(m).valueAt({200, 20}), 5) << "Min = Max maps everything to the start";
    EXPECT_EQ(TrackBarGeometry(m).thumb(5).left, 3);
}

TEST(TrackBarGeometry, CrowdedTicksStopAtHalfTheBarLessTheRowStart) {
    TrackBarMetrics m;
    m.width = 150;
    m.max = 100;
    const TrackBarGeometry g(m);
    // 150 / 2 - (3 + 10 / 2) = 67.
    EXPECT_EQ(g.lastTickValue(false), 67);
    EXPECT_EQ(g.lastTickValue(true), 100);
}

TEST(SteppedGradient, LastBandStopsOneStepShortAndInOutHalvesMirror) {
    EXPECT_EQ(steppedGradientColor(drawing::RGB(0, 0, 0), drawing::RGB(200, 100, 20), 0, 10),
              drawing::RGB(0, 0, 0));
    EXPECT_EQ(steppedGradientColor(drawing::RGB(0, 0, 0), drawing::RGB(200, 100, 20), 9, 10),
              drawing::RGB(180, 90, 18));

    drawing::Bitmap b(20, 5);
    drawing::Canvas c(b);
    fillSteppedGradient(c, {0, 0, 20, 5}, drawing::RGB(0, 0, 0), drawing::RGB(100, 0, 0), 10,
                        gdHorizontalInOut);
    EXPECT_EQ(b.pixel(0, 2), 0xFF000000u) << "start at the left edge";
    EXPECT_EQ(b.pixel(19, 2), 0xFF0A0000u) << "one step short of the start at the right edge";
    EXPECT_GT(drawing::argbRed(b.pixel(9, 2)), 80) << "towards the end in the middle";
}

// ---- The position rule -------------------------------------------------------------

TEST_F(TrackBarTest, PositionComparesBeforeClamping) {
    bar->SetPosition(4);
    EXPECT_TRUE(changes.empty()) << "the same value fires nothing";
    bar->SetPosition(10);
    bar->SetPosition(12);
    EXPECT_EQ(bar->Position(), 10);
    EXPECT_EQ(changes, (std::vector<int>{10, 10})) << "beyond Max stores Max and fires, also at Max";
    bar->SetPosition(-3);
    EXPECT_EQ(bar->Position(), 0);
    changes.clear();
    bar->SetPosition(5);
    bar->SetMax(3);
    EXPECT_EQ(bar->Position(), 3);
    bar->SetMin(4);
    EXPECT_EQ(bar->Position(), 4);
    EXPECT_EQ(changes, (std::vector<int>{5, 3, 4})) << "Min and Max pull the position";
}

// ---- Mouse -----------------------------------------------------------------------

TEST_F(TrackBarTest, ClickToMoveAtTheEndsAndBetweenTicks) {
    struct Case {
        int x;
        int value;
    } cases[] = {{4, 0}, {405, 10}, {67, 1}, {68, 2}, {243, 6}};
    // Between tick 1 (48) and 2 (87): 67 is 1.49, 68 is 1.51 of the way.
    for (const Case& c : cases) {
        changes.clear();
        window().click(at(c.x, 30));
        EXPECT_EQ(bar->Position(), c.value) << "x = " << c.x;
        EXPECT_LE(changes.size(), 1u) << "a click fires OnChange at most once";
        EXPECT_FALSE(bar->dragging());
        EXPECT_FALSE(bar->repeatTimerRunning());
    }
    EXPECT_TRUE(bar->Focused()) << "a press gives the bar the focus";
}

TEST_F(TrackBarTest, DragFiresOnChangePerValueAndShowsTheBareNumber) {
    bar->TrackLabel()->SetFormat("Pos: %d");
    window().mouseMove(thumbCentre());
    window().mouseDown(thumbCentre());
    EXPECT_TRUE(bar->dragging());
    EXPECT_EQ(bar->thumbLook(), ThumbLook::Down);
    for (int x = 165; x <= 400; x += 39) window().mouseMove(at(x + 1, 20));
    EXPECT_EQ(changes, (std::vector<int>{5, 6, 7, 8, 9, 10}));
    ASSERT_NE(bar->hintWindow(), nullptr);
    EXPECT_TRUE(bar->hintWindow()->visible());
    EXPECT_EQ(bar->hintWindow()->text(), "10") << "never the label's format";
    const Point screenPointer = window().clientToScreen(at(400, 20));
    EXPECT_EQ(bar->hintWindow()->screenRect().left, screenPointer.x + 10);
    EXPECT_EQ(bar->hintWindow()->screenRect().top, screenPointer.y);
    ASSERT_EQ(headless().visiblePopups().size(), 1u) << "a real pop-up window";

    // A fast move skips values.
    changes.clear();
    window().mouseMove(at(48, 20));
    EXPECT_EQ(changes, (std::vector<int>{1}));
    window().mouseUp(at(48, 20));
    EXPECT_FALSE(bar->hintWindow()->visible()) << "hidden at the release";
    EXPECT_TRUE(headless().visiblePopups().empty());
    EXPECT_EQ(bar->lastHintValue(), 1) << "kept between drags";
    EXPECT_FALSE(bar->dragging());
}

TEST_F(TrackBarTest, DragHintStaysOnThePointersMonitorAndHandlerMayChangeIt) {
    bar->OnGetTrackHint = [](ui::Component*, int position, std::string& hint) {
        hint = "level " + std::to_string(position);
    };
    const struct {
        const char* name;
        int x;  // of the pointer in the bar
        const char* hint;
        bool onMainMonitor;
    } cases[] = {{"the main window's monitor", 400, "level 10", true},
                 {"another monitor", 360, "level 9", false}};
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        const Point pointer = at(c.x, 20);
        const Point screenPointer = window().clientToScreen(pointer);
        // The monitor under the pointer ends 20 pixels right of it and 5 below it.
        const drawing::Rect pointersMonitor{0, 0, screenPointer.x + 20, screenPointer.y + 5};
        if (c.onMainMonitor) {
            headless().setWorkArea(pointersMonitor);
        } else {
            headless().setWorkArea({pointersMonitor.right(), 0, 1280, 1024});  // beside it
            headless().addMonitor(pointersMonitor);
        }
        window().mouseMove(thumbCentre());
        window().mouseDown(thumbCentre());
        window().mouseMove(pointer);
        ASSERT_NE(bar->hintWindow(), nullptr);
        EXPECT_TRUE(bar->hintWindow()->visible());
        EXPECT_EQ(bar->hintWindow()->text(), c.hint);
        const drawing::Rect r = bar->hintWindow()->screenRect();
        EXPECT_EQ(r.right(), pointersMonitor.right() - 2) << "2 pixels to the right edge";
        EXPECT_EQ(r.bottom(), pointersMonitor.bottom() - 2) << "2 pixels to the bottom edge";
        window().mouseUp(pointer);
        bar->SetPosition(4);
    }
}

TEST_F(TrackBarTest, NoHintWithoutTrackHint) {
    bar->SetTrackHint(false);
    window().drag(thumbCentre(), at(300, 20));
    EXPECT_EQ(bar->hintWindow(), nullptr);
    EXPECT_EQ(bar->Position(), 7);
}

TEST_F(TrackBarTest, PagingRepeatsAfter400AndEvery100Milliseconds) {
    bar->SetMoveOnClick(mcStep);
    window().mouseDown(at(380, 20));
    EXPECT_EQ(changes, (std::vector<int>{5})) << "the press pages once";
    advance(399);
    EXPECT_EQ(changes.size(), 1u);
    advance(1);
    EXPECT_EQ(changes, (std::vector<int>{5, 6}));
    advance(100);
    advance(100);
    EXPECT_EQ(changes, (std::vector<int>{5, 6, 7, 8}));
    window().mouseUp(at(380, 20));
    EXPECT_FALSE(bar->repeatTimerRunning());
    advance(500);
    EXPECT_EQ(bar->Position(), 8);

    changes.clear();
    window().mouseDown(at(10, 20));
    EXPECT_EQ(changes, (std::vector<int>{7})) << "left of the thumb pages down";
    window().mouseUp(at(10, 20));
    changes.clear();
    window().mouseDown(at(bar->geometry().thumb(7).right() + 3, 20));
    EXPECT_TRUE(changes.empty()) << "closer than one value to the thumb: no page";
    window().mouseUp(at(bar->geometry().thumb(7).right() + 3, 20));
}

TEST_F(TrackBarTest, HoverSwitchesTheThumbToHot) {
    window().mouseMove(thumbCentre());
    EXPECT_EQ(bar->thumbLook(), ThumbLook::Hot);
    window().mouseMove(at(300, 40));
    EXPECT_EQ(bar->thumbLook(), ThumbLook::Normal);
}

// ---- Keys and wheel ----------------------------------------------------------------

TEST_F(TrackBarTest, KeysAndWheel) {
    bar->SetFocus();
    struct Case {
        int key;
        unsigned modifiers;
        int from;
        int to;
    } cases[] = {
        {platform::vk::Right, 0, 4, 5},
        {platform::vk::Up, 0, 4, 5},
        {platform::vk::Left, 0, 4, 3},
        {platform::vk::Down, 0, 4, 3},
        {platform::vk::Prior, 0, 4, 5},
        {platform::vk::Next, 0, 4, 3},
        {platform::vk::Home, 0, 4, 0},
        {platform::vk::End, 0, 4, 10},
        {platform::vk::Right, 0, 10, 10},
        {platform::vk::Prior, 0, 10, 10},
        {platform::vk::Left, 0, 0, 0},
        {platform::vk::Right, platform::ModShift, 4, 4},
        {platform::vk::Home, platform::ModShift, 4, 4},
    };
    for (const Case& c : cases) {
        bar->SetPosition(c.from);
        changes.clear();
        window().pressKey(c.key, c.modifiers);
        EXPECT_EQ(bar->Position(), c.to) << "key " << c.key << " from " << c.from;
        if (c.from == c.to) {
            EXPECT_TRUE(changes.empty()) << "key " << c.key;
        }
        EXPECT_TRUE(bar->Focused()) << "arrows stay with the bar";
    }
    bar->SetPosition(4);
    window().wheel(at(100, 20), 120);
    EXPECT_EQ(bar->Position(), 5);
    window().wheel(at(100, 20), -120);
    window().wheel(at(100, 20), -120);
    EXPECT_EQ(bar->Position(), 3);
}

// ---- Step buttons and the vertical bar ------------------------------------------------

TEST_F(TrackBarTest, StepButtonsStepAtTheReleaseOrRepeatWhileHeld) {
    bar->Buttons()->SetVisible(true);
    bar->Buttons()->SetStep(2);
    const TrackBarGeometry g = bar->geometry();
    EXPECT_EQ(g.trackArea().left, 3 + 16 + 4) << "the track starts after the min button and its spacing";
    const Point maxButton = at(g.maxButton().center().x, g.maxButton().center().y);
    window().mouseMove(maxButton);
    EXPECT_EQ(bar->buttonLook(true), ButtonLook::Hot);
    window().mouseDown(maxButton);
    EXPECT_EQ(bar->buttonLook(true), ButtonLook::Down);
    EXPECT_TRUE(changes.empty()) << "nothing before the release";
    window().mouseUp(maxButton);
    EXPECT_EQ(changes, (std::vector<int>{6}));
    window().mouseDown(maxButton);
    window().mouseMove(at(200, 40));
    window().mouseUp(at(200, 40));
    EXPECT_EQ(changes.size(), 1u) << "released off the button: no step";

    bar->Buttons()->SetRepeatClick(true);
    changes.clear();
    const Point minButton = at(g.minButton().center().x, g.minButton().center().y);
    window().mouseMove(minButton);
    window().mouseDown(minButton);
    advance(400);
    advance(100);
    window().mouseUp(minButton);
    EXPECT_EQ(changes, (std::vector<int>{4, 2, 0})) << "at the press, after 400 ms, then every 100 ms";
}

TEST(TrackBarGeometry, VerticalBarGrowsUpwards) {
    TrackBarMetrics m;
    m.width = 45;
    m.height = 409;
    m.orientation = trVertical;
    m.thumbWidth = 12;
    m.thumbSize = 24;
    m.sliderSize = 12;
    const TrackBarGeometry g(m);
    EXPECT_EQ(g.valueAt({20, 405}), 0) << "the bottom end is Min";
    EXPECT_EQ(g.valueAt({20, 3}), 10) << "the top end is Max";
    EXPECT_LT(g.thumb(10).top, g.thumb(0).top);
    EXPECT_EQ(g.thumb(4).width, 24) << "across the track";
    EXPECT_EQ(g.thumb(4).height, 12) << "along the track";
    EXPECT_EQ(g.valueAt({20, g.thumb(7).center().y}), 7);
}

TEST_F(TrackBarTest, HandlerDrawsEveryTickAndMaySuppressOne) {
    std::vector<int> seen;
    bar->SetMax(100);
    bar->OnDrawTick = [&](ui::Component*, drawing::Canvas&, Point, int position, int, TickDrawing& tick) {
        seen.push_back(position);
        if (position == 0) tick.defaultDraw = false;
        tick.color = drawing::clBlue;
    };
    bar->invalidate();
    ui::Application::instance().paintPending();
    EXPECT_EQ(seen.size(), 101u) << "every value, however crowded";
    EXPECT_EQ(pixel(9, 40), argbOf(kPageColor)) << "the suppressed tick";
    EXPECT_EQ(pixel(400, 40), argbOf(drawing::clBlue)) << "the handler's colour";
}

TEST_F(TrackBarTest, ThumbHiddenAtTheEndsWithoutShowAtMinMax) {
    bar->Thumb()->SetShowAtMinMax(false);
    bar->SetPosition(0);
    ui::Application::instance().paintPending();
    EXPECT_EQ(pixel(8, 9), argbOf(kPageColor)) << "no thumb above the groove at Min";
    bar->SetPosition(5);
    ui::Application::instance().paintPending();
    const int thumbLeft = bar->geometry().thumb(5).left;
    EXPECT_EQ(pixel(thumbLeft, 19), argbOf(0xD76B00));
    EXPECT_NE(pixel(thumbLeft + 5, 9), argbOf(kPageColor)) << "the thumb above the groove";
}

// ---- Painting ----------------------------------------------------------------------

TEST_F(TrackBarTest, TicksSliderAndThumbAtProbePixels) {
    const std::uint32_t maroon = argbOf(drawing::clMaroon), tint = argbOf(drawing::RGB(242, 230, 230));
    for (int x : {9, 48, 87, 126, 165, 204, 243, 282, 321, 360, 400}) {
        EXPECT_TRUE(sk::test::pixelIs(screen(), left + x, top + 40, maroon, "trackbar-ticks")) << x;
        EXPECT_TRUE(sk::test::pixelIs(screen(), left + x + 1, top + 40, tint, "trackbar-ticks")) << x;
    }
    EXPECT_EQ(pixel(30, 40), argbOf(kPageColor)) << "nothing between the ticks";
    // Position 4: the thumb's border column at 159, completed orange left of its centre, blue right.
    EXPECT_EQ(pixel(159, 19), argbOf(0xD76B00));
    EXPECT_EQ(pixel(165, 15), argbOf(0xD76B00)) << "the grip line";
    // The thumb's right half runs back from the to color: column 165 is band 15 of 64.
    EXPECT_EQ(pixel(165, 13), argbOf(steppedGradientColor(0xFFE0C1, 0xFF9D3C, 15, 64)));
    EXPECT_EQ(pixel(158, 19), argbOf(drawing::clWhite)) << "the white rim around the thumb";
    // Row 14 of the groove is band 5 of 20 of the upper half.
    const std::uint32_t completed = argbOf(steppedGradientColor(0x0180FE, 0x8CC6FF, 5, 20));
    const std::uint32_t rest = argbOf(steppedGradientColor(0xFFA041, 0xFFDBB7, 5, 20));
    EXPECT_EQ(pixel(100, 14), completed) << "completed colors left of the thumb";
    EXPECT_EQ(pixel(250, 14), rest) << "the rest right of it";
    EXPECT_EQ(pixel(100, 13), argbOf(0xD76B00)) << "the groove's outline";
    EXPECT_EQ(pixel(3, 13), argbOf(kPageColor)) << "the rounded corner shows the page";

    bar->SetPosition(0);
    ui::Application::instance().paintPending();
    EXPECT_EQ(pixel(100, 14), rest) << "no completed part at 0";
    bar->SetPosition(10);
    ui::Application::instance().paintPending();
    EXPECT_EQ(pixel(300, 14), completed) << "all completed at 10";
    sk::test::saveImage(screen(), "trackbar-at-10");
}

TEST_F(TrackBarTest, DisabledBarPaintsBlackWithoutCompletedPart) {
    bar->SetEnabled(false);
    ui::Application::instance().paintPending();
    EXPECT_EQ(pixel(100, 14), 0xFF000000u) << "the slider in its disabled color";
    EXPECT_EQ(pixel(48, 40), 0xFF000000u) << "ticks in their disabled color";
    EXPECT_EQ(pixel(163, 19), 0xFF000000u) << "the thumb in its disabled colors";
    EXPECT_EQ(bar->thumbLook(), ThumbLook::Disabled);
}

TEST_F(TrackBarTest, DragFrameRepaintsOnlyTheThumbAreasAndTheSlider) {
    const std::size_t before = form().paintCount();
    bar->SetPosition(5);
    EXPECT_TRUE(form().hasDirtyAreas());
    ui::Application::instance().paintPending();
    EXPECT_GT(form().paintCount(), before);
    EXPECT_EQ(pixel(180, 14), argbOf(steppedGradientColor(0x0180FE, 0x8CC6FF, 5, 20)))
        << "the groove follows the thumb";
}

// ---- Background pictures ---------------------------------------------------------------

constexpr std::uint32_t kRed = 0xFFFF0000, kGreen = 0xFF00FF00, kBlue = 0xFF0000FF;

// A 40 x 20 picture, its left half in one colour and its right half in another.
std::vector<unsigned char> halves(std::uint32_t leftHalf, std::uint32_t rightHalf) {
    drawing::Bitmap b(40, 20);
    b.fillRect({0, 0, 20, 20}, leftHalf);
    b.fillRect({20, 0, 20, 20}, rightHalf);
    return b.pngBytes();
}

TEST_F(TrackBarTest, BackgroundPictureAtTheTopLeftOrStretchedAndTheDisabledOne) {
    bar->BackGround()->loadFromBytes(halves(kRed, kGreen));
    ui::Application::instance().paintPending();
    // Probes clear of the groove (rows 13-24), the thumb and the tick columns.
    EXPECT_EQ(pixel(0, 0), kRed) << "at the top-left, at its own size";
    EXPECT_EQ(pixel(30, 5), kGreen);
    EXPECT_EQ(pixel(39, 10), kGreen);
    EXPECT_EQ(pixel(40, 5), argbOf(kPageColor)) << "the transparent bar shows the page beside it";
    EXPECT_EQ(pixel(5, 28), argbOf(kPageColor)) << "and below it";

    bar->SetBackGroundStretched(true);
    ui::Application::instance().paintPending();
    EXPECT_EQ(pixel(30, 5), kRed) << "stretched over the whole bar";
    EXPECT_EQ(pixel(150, 40), kRed);
    EXPECT_EQ(pixel(260, 5), kGreen);
    EXPECT_EQ(pixel(405, 44), kGreen);
    EXPECT_EQ(pixel(100, 14), argbOf(steppedGradientColor(0x0180FE, 0x8CC6FF, 5, 20)))
        << "the groove lies over the picture";
    sk::test::saveImage(screen(), "trackbar-background-stretched");

    const struct {
        const char* name;
        bool disabledPicture;
        bool enabled;
        std::uint32_t left, right;  // probed at (30, 5) and (260, 5)
    } cases[] = {
        {"disabled, with its own picture", true, false, kBlue, kBlue},
        {"disabled, falling back to BackGround", false, false, kRed, kGreen},
        {"enabled, the disabled picture unused", true, true, kRed, kGreen},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        if (c.disabledPicture)
            bar->BackGroundDisabled()->loadFromBytes(halves(kBlue, kBlue));
        else
            bar->BackGroundDisabled()->clear();
        bar->SetEnabled(c.enabled);
        ui::Application::instance().paintPending();
        EXPECT_EQ(pixel(30, 5), c.left);
        EXPECT_EQ(pixel(260, 5), c.right);
    }

    bar->BackGround()->clear();
    bar->BackGroundDisabled()->clear();
    ui::Application::instance().paintPending();
    EXPECT_EQ(pixel(30, 5), argbOf(kPageColor)) << "an emptied picture is gone at once";
}

TEST_F(TrackBarTest, BackgroundPictureLiesOverTheBarsOwnColor) {
    bar->SetTransparent(false);
    bar->SetColor(drawing::clYellow);
    bar->BackGround()->loadFromBytes(halves(kRed, 0x00000000));
    ui::Application::instance().paintPending();
    EXPECT_EQ(pixel(5, 5), kRed);
    EXPECT_EQ(pixel(30, 5), argbOf(drawing::clYellow)) << "through the picture's transparent half";
    EXPECT_EQ(pixel(45, 5), argbOf(drawing::clYellow)) << "beside the picture";
}

TEST_F(TrackBarTest, BackgroundPicturesStreamAsPictureDataAndEmptyOnesAreNotWritten) {
    ui::registerClass<TAdvTrackBar>();
    bar->SetName("AdvTrackBar1");
    const std::string plain = ui::writeFormDescription(form());
    EXPECT_EQ(plain.find("BackGround"), std::string::npos) << plain;

    bar->BackGround()->loadFromBytes(halves(kRed, kGreen));
    bar->BackGroundDisabled()->loadFromBytes(halves(kBlue, kBlue));
    bar->SetBackGroundStretched(true);
    const std::string written = ui::writeFormDescription(form());
    EXPECT_NE(written.find("BackGround.Data: !!binary"), std::string::npos) << written;
    EXPECT_NE(written.find("BackGroundDisabled.Data: !!binary"), std::string::npos);
    EXPECT_LT(written.find("BackGround.Data"), written.find("BackGroundDisabled.Data"));
    EXPECT_LT(written.find("BackGroundDisabled.Data"), written.find("BackGroundStretched: true"));

    ui::Form again;
    again.loadDescription(written, "written.yaml");
    auto* read = again.field<TAdvTrackBar>("AdvTrackBar1");
    EXPECT_EQ(read->BackGround()->Data().bytes, bar->BackGround()->Data().bytes);
    EXPECT_EQ(read->BackGroundDisabled()->width(), 40);
    EXPECT_TRUE(read->BackGroundStretched());
    EXPECT_EQ(ui::writeFormDescription(again), written);
}

}  // namespace
}  // namespace sk::office::test
