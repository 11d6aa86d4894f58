// Z-order, hit testing, capture, enter and leave, cursors, double clicks and
// painting of dirty areas, transparent controls, regions and overlays, all
// driven through the window as a user would. InputRouterTests and
// FormPainterTests drive the two halves of the form directly.
#include <stdexcept>

#include "UiTestSupport.h"

namespace sk::ui::test {
namespace {

using drawing::Point;
using drawing::Rect;
constexpr std::uint32_t kRed = 0xFFFF0000, kGreen = 0xFF00FF00, kBlue = 0xFF0000FF, kWhite = 0xFFFFFFFF;

class MouseAndPaint : public UiTest {};

TEST_F(MouseAndPaint, WindowedControlsLieAboveGraphicOnesAndLaterAboveEarlier) {
    Form& f = form();
    auto* windowed = new WindowedProbe(&f, &f, {10, 10, 50, 50}, kRed);
    auto* graphic = new GraphicProbe(&f, &f, {30, 30, 50, 50}, kGreen);  // created later, still below
    auto* graphic2 = new GraphicProbe(&f, &f, {40, 40, 50, 50}, kBlue);
    showForm();

    EXPECT_EQ(pixel(35, 35), kRed);    // windowed over the later graphic
    EXPECT_EQ(pixel(65, 35), kGreen);  // the graphic control where the windowed one does not reach
    EXPECT_EQ(pixel(70, 70), kBlue);   // later graphic over earlier graphic
    EXPECT_EQ(f.controlAt({35, 35}), windowed);
    EXPECT_EQ(f.controlAt({65, 45}), graphic2);
    EXPECT_EQ(f.controlAt({65, 35}), graphic);
    EXPECT_EQ(f.controlAt({5, 5}), nullptr);
    EXPECT_EQ(screenPixel(35, 35), kRed);  // presented to the window

    graphic->BringToFront();
    Application::instance().paintPending();
    EXPECT_EQ(pixel(70, 70), kGreen);
    windowed->SendToBack();
    EXPECT_EQ(f.controlAt({35, 35}), windowed);  // still above every graphic control
}

TEST_F(MouseAndPaint, HitTestingSkipsInvisibleAndDisabledControlsAndFollowsRegions) {
    Form& f = form();
    auto* back = new WindowedProbe(&f, &f, {0, 0, 100, 100}, kRed);
    auto* front = new WindowedProbe(&f, &f, {0, 0, 100, 100}, kGreen);
    auto* child = new GraphicProbe(&f, front, {10, 10, 20, 20}, kBlue);
    showForm();
    EXPECT_EQ(f.controlAt({15, 15}), child);
    child->SetEnabled(false);
    EXPECT_EQ(f.controlAt({15, 15}), front);
    front->SetVisible(false);
    EXPECT_EQ(f.controlAt({15, 15}), back);
    back->setWindowRegion(Region::roundRect(0, 0, 100, 100, 40, 40));
    EXPECT_EQ(f.controlAt({1, 1}), nullptr);  // the cut-off corner
    EXPECT_EQ(f.controlAt({50, 1}), back);
}

TEST_F(MouseAndPaint, PressCapturesUntilReleaseAndClickNeedsReleaseInside) {
    EventLog log;
    Form& f = form();
    auto* a = new GraphicProbe(&f, &f, {10, 10, 40, 40}, kRed, &log);
    a->SetName("A");
    auto* b = new GraphicProbe(&f, &f, {100, 10, 40, 40}, kGreen, &log);
    b->SetName("B");
    showForm();

    window().mouseMove({20, 20});
    window().mouseDown({20, 20});
    window().mouseMove({110, 20});  // over B, but A has the mouse
    window().mouseUp({110, 20});
    EXPECT_EQ(log, (EventLog{"A enter", "A move 10,10", "A down 10,10", "A leave", "B enter", "A move 100,10",
                             "A up 100,10"}));
    EXPECT_EQ(f.input().captureControl(), nullptr);

    log.clear();
    window().click({120, 20});
    EXPECT_EQ(log, (EventLog{"B down 20,10", "B click", "B up 20,10"}));
}

TEST_F(MouseAndPaint, DoubleClickOnlyForControlsThatAskForIt) {
    EventLog log;
    Form& f = form();
    auto* plain = new GraphicProbe(&f, &f, {0, 0, 50, 50}, kRed, &log);
    plain->SetName("P");
    auto* wants = new GraphicProbe(&f, &f, {60, 0, 50, 50}, kGreen, &log);
    wants->SetName("W");
    wants->setWantsDoubleClicks(true);
    showForm();

    window().doubleClick({10, 10});
    EXPECT_EQ(log, (EventLog{"P enter", "P down 10,10", "P click", "P up 10,10", "P down 10,10", "P click",
                             "P up 10,10"}));
    log.clear();
    window().doubleClick({70, 10});
    EXPECT_EQ(log, (EventLog{"P leave", "W enter", "W down 10,10", "W click", "W up 10,10", "W dblclick",
                             "W down 10,10 double", "W up 10,10"}));
}

TEST_F(MouseAndPaint, CursorComesFromTheControlUnderThePointerOrItsParents) {
    Form& f = form();
    auto* panel = new WindowedProbe(&f, &f, {0, 0, 100, 100}, kRed);
    auto* inner = new GraphicProbe(&f, panel, {10, 10, 20, 20}, kGreen);
    panel->SetCursor(crHandPoint);
    showForm();
    window().mouseMove({15, 15});
    EXPECT_EQ(window().cursor(), platform::CursorShape::Hand);  // inner has crDefault
    inner->SetCursor(crIBeam);
    EXPECT_EQ(window().cursor(), platform::CursorShape::IBeam);
    window().mouseMove({150, 120});
    EXPECT_EQ(window().cursor(), platform::CursorShape::Arrow);
}

TEST_F(MouseAndPaint, WheelGoesToTheFocusedControlThenItsParents) {
    struct Wheel : WindowedProbe {
        using WindowedProbe::WindowedProbe;
        bool take = true;
        int total = 0;
        bool mouseWheel(int delta, TShiftState, Point) override {
            total += delta;
            return take;
        }
    };
    Form& f = form();
    auto* outer = new Wheel(&f, &f, {0, 0, 150, 150}, kRed);
    auto* inner = new Wheel(&f, outer, {10, 10, 20, 20}, kGreen);
    auto* other = new Wheel(&f, &f, {160, 0, 30, 30}, kBlue);
    showForm();
    inner->SetFocus();
    inner->take = false;
    window().wheel({170, 10}, -120);  // over another control: still the focused one's
    EXPECT_EQ(inner->total, -120);
    EXPECT_EQ(outer->total, -120);
    EXPECT_EQ(other->total, 0);
}

TEST_F(MouseAndPaint, InvalidationRepaintsOnlyTheDirtyArea) {
    Form& f = form();
    auto* a = new GraphicProbe(&f, &f, {0, 0, 50, 50}, kRed);
    auto* b = new GraphicProbe(&f, &f, {100, 0, 50, 50}, kGreen);
    showForm();
    const int aPaints = a->paints, bPaints = b->paints;
    window().clearPresentLog();
    a->invalidate({5, 5, 10, 10});
    a->invalidate({8, 8, 10, 10});  // overlaps: merged into one area
    EXPECT_EQ(a->paints, aPaints);  // nothing before the event is over
    Application::instance().paintPending();
    EXPECT_EQ(a->paints, aPaints + 1);
    EXPECT_EQ(b->paints, bPaints);
    ASSERT_EQ(window().presentedAreas().size(), 1u);
    EXPECT_EQ(window().presentedAreas()[0], (Rect{5, 5, 13, 13}));
}

// A control whose painting fails after it has filled its area red.
class FailingProbe : public GraphicProbe {
public:
    using GraphicProbe::GraphicProbe;
    void paint(const PaintSurface& surface) override {
        GraphicProbe::paint(surface);
        throw std::runtime_error("no picture");
    }
};

TEST_F(MouseAndPaint, APaintFailureIsToldOnceWithTheControlsNameAndPaintingGoesOn) {
    Form& f = form();
    auto* failing = new FailingProbe(&f, &f, {0, 0, 50, 50}, kRed);
    failing->SetName("Emblem");
    auto* after = new GraphicProbe(&f, &f, {100, 0, 50, 50}, kGreen);
    testing::internal::CaptureStderr();
    showForm();
    failing->invalidate();
    Application::instance().paintPending();
    const std::string told = testing::internal::GetCapturedStderr();
    EXPECT_EQ(told, "slidekiln: TGraphicControl \"Emblem\" cannot paint: no picture\n");  // once
    EXPECT_GE(failing->paints, 2);
    EXPECT_GE(after->paints, 1);  // the controls after it still paint
    EXPECT_EQ(f.backBuffer().pixel(120, 20), kGreen);
}

TEST_F(MouseAndPaint, ChangesInAHandlerArePaintedAfterTheEvent) {
    Form& f = form();
    auto* a = new GraphicProbe(&f, &f, {0, 0, 50, 50}, kRed);
    int paintsDuringHandler = -1;
    a->OnClick = [&](Component*) {
        a->SetVisible(false);
        paintsDuringHandler = static_cast<int>(window().presentedAreas().size());
    };
    showForm();
    window().clearPresentLog();
    window().click({10, 10});
    EXPECT_EQ(paintsDuringHandler, 0);
    EXPECT_EQ(screenPixel(10, 10), kWhite);  // painted once the click was handled
}

TEST_F(MouseAndPaint, RepaintNowPaintsBeforeReturning) {
    Form& f = form();
    auto* a = new GraphicProbe(&f, &f, {0, 0, 50, 50}, kRed);
    showForm();
    const int before = a->paints;
    a->repaintNow();
    EXPECT_EQ(a->paints, before + 1);
}

TEST_F(MouseAndPaint, TransparentControlShowsParentBackgroundAndGraphicSiblings) {
    struct Panel : WindowedProbe {
        using WindowedProbe::WindowedProbe;
    };
    Form& f = form();
    auto* panel = new Panel(&f, &f, {0, 0, 200, 150}, kBlue);
    new GraphicProbe(&f, panel, {20, 20, 30, 30}, kGreen);               // a graphic child of the panel
    auto* glass = new WindowedProbe(&f, panel, {10, 10, 60, 60}, kRed);  // a windowed child over it
    glass->setTransparentPaint(true);
    showForm();
    EXPECT_EQ(pixel(15, 15), kBlue);   // the panel's background through the transparent control
    EXPECT_EQ(pixel(30, 30), kGreen);  // and the graphic sibling under it
    // Repainting the transparent control alone paints the parent into its area again.
    glass->repaintNow();
    EXPECT_EQ(pixel(15, 15), kBlue);
    EXPECT_EQ(pixel(30, 30), kGreen);
}

TEST_F(MouseAndPaint, ReadBackGivesThePixelsUnderAControl) {
    struct Snapshot : WindowedProbe {
        using WindowedProbe::WindowedProbe;
        std::uint32_t seen = 0;
        void paint(const PaintSurface& surface) override {
            seen = readBackPixels({0, 0, Width(), Height()}).pixel(2, 2);
            surface.fillRect({0, 0, 4, 4}, 0xFF123456);
        }
    };
    Form& f = form();
    new GraphicProbe(&f, &f, {0, 0, 100, 100}, kGreen);
    auto* snap = new Snapshot(&f, &f, {20, 20, 10, 10}, 0);
    showForm();
    EXPECT_EQ(snap->seen, kGreen);
    EXPECT_EQ(snap->readBackPixels({0, 0, 5, 5}).pixel(1, 1), 0xFF123456u);
}

TEST_F(MouseAndPaint, RegionClipsPaintingOfTheControlAndItsChildren) {
    Form& f = form();
    auto* shaped = new WindowedProbe(&f, &f, {0, 0, 100, 100}, kRed);
    new GraphicProbe(&f, shaped, {0, 0, 20, 20}, kGreen);
    shaped->setWindowRegion(Region::roundRect(0, 0, 100, 100, 40, 40));
    showForm();
    EXPECT_EQ(pixel(0, 0), kWhite);  // outside the rounded corner: the form
    EXPECT_EQ(pixel(50, 50), kRed);
    EXPECT_EQ(pixel(15, 15), kGreen);  // the child inside the region
}

TEST_F(MouseAndPaint, OverlayIsPaintedAfterChildrenAndTakesNoMouse) {
    struct Glass : WindowedProbe {
        using WindowedProbe::WindowedProbe;
        void paintOverlay(const PaintSurface& surface) override {
            surface.fillRect({0, 0, 40, 40}, 0x80FFFFFF);
        }
    };
    EventLog log;
    Form& f = form();
    auto* glass = new Glass(&f, &f, {0, 0, 40, 40}, kBlue);
    glass->setHasOverlay(true);
    auto* child = new WindowedProbe(&f, glass, {5, 5, 30, 30}, kRed, &log);
    child->SetName("C");
    showForm();
    const std::uint32_t p = pixel(10, 10);  // red under half-white
    EXPECT_EQ(p, 0xFFFF8080u) << std::hex << p;
    window().click({10, 10});
    EXPECT_EQ(log.front(), "C enter");
    EXPECT_EQ(log[1], "C down 5,5");
}

TEST_F(MouseAndPaint, TimersOfAControlDieWithIt) {
    Form& f = form();
    auto* a = new GraphicProbe(&f, &f, {0, 0, 10, 10}, kRed);
    int ticks = 0;
    a->startTimer(30, [&] { ++ticks; });
    headless().advanceClock(95);
    EXPECT_EQ(ticks, 3);
    delete a;
    headless().advanceClock(100);
    EXPECT_EQ(ticks, 3);
    EXPECT_EQ(headless().timerCount(), 0u);
}

TEST_F(MouseAndPaint, ExceptionInTimerShowsErrorBoxAndTheProgramGoesOn) {
    Form& f = form();
    showForm();
    auto* a = new GraphicProbe(&f, &f, {0, 0, 10, 10}, kRed);
    int ticks = 0;
    a->startTimer(10, [&] {
        if (++ticks == 1) throw std::runtime_error("Timer failed");
    });
    headless().advanceClock(20);
    EXPECT_EQ(ticks, 2);
    ASSERT_EQ(headless().messageBoxes().size(), 1u);
    EXPECT_EQ(headless().messageBoxes()[0].text, "Timer failed.");
    EXPECT_EQ(headless().messageBoxes()[0].caption, "Test");
    EXPECT_EQ(headless().messageBoxes()[0].icon, platform::MessageIcon::Error);
}

}  // namespace
}  // namespace sk::ui::test
