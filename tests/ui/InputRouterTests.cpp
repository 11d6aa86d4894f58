// The form's input router driven directly with the window's events: hit
// testing, capture over several buttons, enter and leave, the cursor, the
// wheel, dialog keys and mnemonics, and hints on the virtual clock.
#include "UiTestSupport.h"

namespace sk::ui::test {
namespace {

using drawing::Point;
using platform::ButtonLeft;
using platform::ButtonNone;
using platform::ButtonRight;
using platform::ModAlt;
using platform::ModCtrl;
using platform::ModShift;
namespace vk = platform::vk;
constexpr std::uint32_t kRed = 0xFFFF0000, kGreen = 0xFF00FF00, kBlue = 0xFF0000FF;

class InputRouterTest : public UiTest {
protected:
    InputRouter& router() { return form().input(); }
    void move(Point at, unsigned held = ButtonNone) {
        router().mouseMove(mouse(at, MouseButton::Left, held));
    }
    // held: the buttons down after the press, including its own.
    void press(Point at, MouseButton button, unsigned held) { router().mouseDown(mouse(at, button, held)); }
    // held: the buttons still down after the release.
    void release(Point at, MouseButton button, unsigned held) { router().mouseUp(mouse(at, button, held)); }
    void key(int code, unsigned modifiers = platform::ModNone, char32_t character = 0) {
        router().keyDown({code, modifiers, false, character});
    }
    std::string name(const Control* c) { return c ? c->Name() : "none"; }
    template <class T>
    T* named(T* control, const std::string& name) {
        control->SetName(name);
        return control;
    }
    EventLog log;

private:
    static platform::MouseEvent mouse(Point at, MouseButton button, unsigned held) {
        platform::MouseEvent e;
        e.position = at;
        e.button = button;
        e.buttons = held;
        return e;
    }
};

// ---- Hit testing -------------------------------------------------------------

TEST_F(InputRouterTest, ThePointerHoversTheTopmostEnabledVisibleControlUnderIt) {
    Form& f = form(200, 150);
    f.SetName("Form");
    auto* panel = named(new WindowedProbe(&f, &f, {0, 0, 100, 100}, kRed), "Panel");
    named(new GraphicProbe(&f, panel, {10, 10, 30, 30}, kGreen), "Nested");
    named(new GraphicProbe(&f, panel, {50, 10, 30, 30}, kGreen), "Disabled")->SetEnabled(false);
    named(new GraphicProbe(&f, panel, {10, 50, 30, 30}, kGreen), "Hidden")->SetVisible(false);
    auto* deep = named(new WindowedProbe(&f, panel, {50, 50, 40, 40}, kBlue), "Inner");
    named(new GraphicProbe(&f, deep, {5, 5, 10, 10}, kGreen), "Deepest");
    auto* shaped = named(new WindowedProbe(&f, &f, {120, 0, 60, 60}, kBlue), "Shaped");
    shaped->setWindowRegion(Region::roundRect(0, 0, 60, 60, 30, 30));
    showForm();

    const struct {
        Point at;
        std::string hovered;
    } cases[] = {
        {{20, 20}, "Nested"},  {{60, 20}, "Panel"},  // a disabled control is passed through
        {{20, 60}, "Panel"},                         // so is a hidden one
        {{57, 57}, "Deepest"}, {{80, 80}, "Inner"},
        {{150, 30}, "Shaped"}, {{121, 1}, "Form"},   // outside the region: what lies beneath
        {{190, 140}, "Form"},  {{250, 20}, "none"},  // outside the window: nobody
    };
    for (const auto& c : cases) {
        move(c.at);
        EXPECT_EQ(name(router().hoverControl()), c.hovered) << c.at.x << "," << c.at.y;
    }
}

// ---- Capture -----------------------------------------------------------------

TEST_F(InputRouterTest, ThePressedControlKeepsTheMouseUntilTheLastButtonIsLetGo) {
    Form& f = form();
    auto* a = named(new GraphicProbe(&f, &f, {10, 10, 40, 40}, kRed, &log), "A");
    named(new GraphicProbe(&f, &f, {100, 10, 40, 40}, kGreen, &log), "B");
    showForm();
    move({20, 20});
    press({20, 20}, MouseButton::Left, ButtonLeft);
    EXPECT_EQ(router().captureControl(), a);
    EXPECT_TRUE(window().mouseCaptured());
    move({110, 20}, ButtonLeft);
    press({110, 20}, MouseButton::Right, ButtonLeft | ButtonRight);  // a second button: still A's
    release({110, 20}, MouseButton::Right, ButtonLeft);
    EXPECT_EQ(router().captureControl(), a);
    release({115, 25}, MouseButton::Left, ButtonNone);
    EXPECT_EQ(router().captureControl(), nullptr);
    EXPECT_FALSE(window().mouseCaptured());
    EXPECT_EQ(log, (EventLog{"A enter", "A move 10,10", "A down 10,10", "A leave", "B enter", "A move 100,10",
                             "A down 100,10", "A up 100,10", "A up 105,15"}));
    log.clear();
    press({115, 25}, MouseButton::Left, ButtonLeft);  // the next press belongs to the control under it
    EXPECT_EQ(log, (EventLog{"B down 15,15"}));
}

TEST_F(InputRouterTest, TheCaptureEndsWhenTheCapturedControlIsHiddenOrDestroyed) {
    Form& f = form();
    auto* a = new GraphicProbe(&f, &f, {10, 10, 40, 40}, kRed);
    auto* b = new WindowedProbe(&f, &f, {100, 10, 40, 40}, kGreen);
    auto* inside = new GraphicProbe(&f, b, {5, 5, 10, 10}, kBlue);
    showForm();
    press({20, 20}, MouseButton::Left, ButtonLeft);
    EXPECT_EQ(router().captureControl(), a);
    a->SetVisible(false);  // a hidden control cannot hold the mouse
    EXPECT_EQ(router().captureControl(), nullptr);
    EXPECT_FALSE(window().mouseCaptured());

    release({20, 20}, MouseButton::Left, ButtonNone);
    press({110, 20}, MouseButton::Left, ButtonLeft);
    EXPECT_EQ(router().captureControl(), inside);
    EXPECT_TRUE(window().mouseCaptured());
    delete b;  // nor can the child of a destroyed one
    EXPECT_EQ(router().captureControl(), nullptr);
    EXPECT_EQ(router().hoverControl(), nullptr);
    EXPECT_FALSE(window().mouseCaptured());
    release({110, 20}, MouseButton::Left, ButtonNone);  // the release reaches nobody that has gone
    EXPECT_EQ(router().hoverControl(), &f);
}

// ---- Enter and leave ---------------------------------------------------------

TEST_F(InputRouterTest, EnterAndLeaveComeInOrderAsThePointerCrossesControls) {
    Form& f = form();
    auto* panel = named(new WindowedProbe(&f, &f, {0, 0, 100, 100}, kRed, &log), "Panel");
    auto* child = named(new GraphicProbe(&f, panel, {10, 10, 20, 20}, kGreen, &log), "Child");
    named(new GraphicProbe(&f, &f, {120, 0, 40, 40}, kBlue, &log), "Other");
    showForm();
    const struct {
        Point to;
        EventLog expected;
    } steps[] = {
        {{50, 50}, {"Panel enter", "Panel move 50,50"}},
        {{15, 15}, {"Panel leave", "Child enter", "Child move 5,5"}},  // the deepest control alone is hovered
        {{16, 16}, {"Child move 6,6"}},
        {{130, 10}, {"Child leave", "Other enter", "Other move 10,10"}},
    };
    for (const auto& s : steps) {
        move(s.to);
        EXPECT_EQ(log, s.expected) << s.to.x << "," << s.to.y;
        log.clear();
    }
    router().mouseLeave();
    EXPECT_EQ(log, (EventLog{"Other leave"}));
    log.clear();

    move({15, 15});
    log.clear();
    child->SetVisible(false);  // hiding the hovered control is a leave
    EXPECT_EQ(log, (EventLog{"Child leave"}));
}

TEST_F(InputRouterTest, APointerLeavingTheWindowWhileCapturedLeavesTheControlHovered) {
    Form& f = form();
    auto* a = named(new GraphicProbe(&f, &f, {0, 0, 40, 40}, kRed, &log), "A");
    showForm();
    press({10, 10}, MouseButton::Left, ButtonLeft);
    router().mouseLeave();
    EXPECT_EQ(router().hoverControl(), a);
    EXPECT_TRUE(a->mouseInside());
    move({-20, -30}, ButtonLeft);  // the captured control follows the pointer outside
    EXPECT_EQ(log.back(), "A move -20,-30");
}

// ---- Cursor and wheel --------------------------------------------------------

TEST_F(InputRouterTest, TheCursorFollowsTheHoveredControlAndStaysWithTheCapture) {
    Form& f = form();
    auto* hand = new WindowedProbe(&f, &f, {0, 0, 50, 50}, kRed);
    hand->SetCursor(crHandPoint);
    new GraphicProbe(&f, hand, {10, 10, 10, 10}, kGreen);  // crDefault: its parent's cursor
    auto* beam = new GraphicProbe(&f, &f, {60, 0, 50, 50}, kBlue);
    beam->SetCursor(crIBeam);
    showForm();
    using platform::CursorShape;
    const struct {
        Point at;
        unsigned held;
        CursorShape expected;
    } cases[] = {
        {{15, 15}, ButtonNone, CursorShape::Hand},    {{70, 10}, ButtonNone, CursorShape::IBeam},
        {{150, 100}, ButtonNone, CursorShape::Arrow}, {{5, 5}, ButtonNone, CursorShape::Hand},
        {{80, 10}, ButtonLeft, CursorShape::Hand},  // pressed on the hand control, then moved
    };
    for (const auto& c : cases) {
        if (c.held) press({5, 5}, MouseButton::Left, c.held);
        move(c.at, c.held);
        EXPECT_EQ(window().cursor(), c.expected) << c.at.x << "," << c.at.y;
    }
}

TEST_F(InputRouterTest, TheWheelGoesToTheFocusedControlInItsOwnCoordinatesNotTheOneUnderThePointer) {
    struct Wheel : WindowedProbe {
        using WindowedProbe::WindowedProbe;
        std::vector<Point> seen;
        bool mouseWheel(int, TShiftState, Point pos) override {
            seen.push_back(pos);
            return true;
        }
    };
    Form& f = form();
    auto* focused = new Wheel(&f, &f, {10, 20, 50, 50}, kRed);
    auto* under = new Wheel(&f, &f, {100, 0, 50, 50}, kGreen);
    showForm();
    router().mouseWheel({{110, 10}, 120, platform::ModNone});  // nobody focused: the form's alone
    EXPECT_TRUE(focused->seen.empty());
    EXPECT_TRUE(under->seen.empty());
    focused->SetFocus();
    router().mouseWheel({{110, 10}, -120, platform::ModNone});
    EXPECT_EQ(focused->seen, (std::vector<Point>{{100, -10}}));
    EXPECT_TRUE(under->seen.empty());
}

// ---- Keys --------------------------------------------------------------------

TEST_F(InputRouterTest, DialogKeysMoveTheFocusUnlessTheFocusedControlKeepsThem) {
    Form& f = form(300, 100);
    auto* a = named(new WindowedProbe(&f, &f, {0, 0, 10, 10}, kRed, &log), "A");
    named(new WindowedProbe(&f, &f, {20, 0, 10, 10}, kRed, &log), "B");
    for (Control* c : f.children()) static_cast<WinControl*>(c)->SetTabStop(true);
    showForm();
    const struct {
        unsigned wanted;
        int key;
        unsigned modifiers;
        std::string focusAfter;
        EventLog expected;
    } cases[] = {
        {0, vk::Tab, platform::ModNone, "B", {"A blur", "B focus"}},
        {0, vk::Tab, ModShift, "B", {"A blur", "B focus"}},  // backwards from A wraps round to B
        {0, vk::Right, platform::ModNone, "B", {"A blur", "B focus"}},
        {WantTab, vk::Tab, platform::ModNone, "A", {"A key 9"}},
        {WantTab, vk::Down, platform::ModNone, "B", {"A blur", "B focus"}},  // wanting Tab keeps no arrows
        {WantArrows, vk::Down, platform::ModNone, "A", {"A key 40"}},
        {0, vk::Tab, ModCtrl, "A", {"A key 9"}},  // Ctrl+Tab is not the form's: offered to the control
        {0, vk::Return, platform::ModNone, "A", {"A key 13"}},  // no default button: the control's
    };
    for (const auto& c : cases) {
        a->wanted = c.wanted;
        a->SetFocus();
        log.clear();
        key(c.key, c.modifiers);
        EXPECT_EQ(name(f.ActiveControl()), c.focusAfter) << c.key << " wanted " << c.wanted;
        EXPECT_EQ(log, c.expected) << c.key << " wanted " << c.wanted;
    }
}

TEST_F(InputRouterTest, MnemonicsTakeTheLayoutsCharacterThenTheKeysLatinName) {
    struct Accel : WindowedProbe {
        using WindowedProbe::WindowedProbe;
        bool dialogChar(char32_t ch, TShiftState) override {
            if (!isAccel(ch, Caption())) return false;
            log("mnemonic");
            return true;
        }
    };
    Form& f = form(300, 100);
    auto* edit = named(new WindowedProbe(&f, &f, {0, 0, 10, 10}, kRed, &log), "Edit");
    named(new Accel(&f, &f, {20, 0, 10, 10}, kRed, &log), "Open")->SetCaption("&Open");
    named(new Accel(&f, &f, {40, 0, 10, 10}, kRed, &log), "Zero")->SetCaption("Step &0");
    named(new Accel(&f, &f, {60, 0, 10, 10}, kRed, &log), "Ru")->SetCaption("&Щит");
    showForm();
    edit->SetFocus();
    const struct {
        int key;
        unsigned modifiers;
        char32_t character;
        EventLog expected;
    } cases[] = {
        {'O', ModAlt, U'o', {"Open mnemonic"}},
        {'O', ModAlt, U'щ', {"Ru mnemonic"}},  // the layout's character wins over the Latin name
        {'P', ModAlt, U'з', {"Edit key 80"}},  // neither: the focused control gets the key
        {'0', ModAlt, U'0', {"Zero mnemonic"}},
        {'O', ModAlt | ModCtrl, U'o', {"Edit key 79"}},  // Ctrl+Alt is no mnemonic
        {0, ModAlt, U'x', {}},                           // a key without a code: mnemonics only
    };
    for (const auto& c : cases) {
        log.clear();
        key(c.key, c.modifiers, c.character);
        EXPECT_EQ(log, c.expected) << static_cast<unsigned>(c.character);
    }
    log.clear();
    router().textInput("щ\x7Fq");  // typed text: a mnemonic when the control takes no characters
    EXPECT_EQ(log, (EventLog{"Ru mnemonic", "Edit char 113"}));
    log.clear();
    edit->wanted = WantChars;
    router().textInput("щ");
    EXPECT_EQ(log, (EventLog{"Edit char 1097"}));
}

// ---- Hints -------------------------------------------------------------------

TEST_F(InputRouterTest, HintAppearsAfterAPauseAndGoesOnLeaveOrAfterAWhile) {
    Form& f = form();
    auto* a = new GraphicProbe(&f, &f, {0, 0, 50, 50}, kRed);
    a->SetHint("Browse");
    a->SetShowHint(true);
    auto* quiet = new GraphicProbe(&f, &f, {60, 0, 50, 50}, kGreen);
    quiet->SetHint("not shown");
    showForm();
    window().mouseMove({10, 10});
    headless().advanceClock(InputRouter::hintPauseMs - 1);
    EXPECT_TRUE(headless().visiblePopups().empty());
    headless().advanceClock(1);
    ASSERT_EQ(headless().visiblePopups().size(), 1u);
    EXPECT_EQ(router().hintWindow()->text(), "Browse");
    const auto popup = headless().visiblePopups()[0];
    EXPECT_EQ(popup->image().pixel(popup->image().width() / 2, 1), drawing::ColorToARGB(255, clInfoBk));
    headless().advanceClock(InputRouter::hintHidePauseMs);
    EXPECT_TRUE(headless().visiblePopups().empty());

    window().mouseMove({20, 20});  // the same control: no new hint
    headless().advanceClock(InputRouter::hintPauseMs * 2);
    EXPECT_TRUE(headless().visiblePopups().empty());
    window().mouseMove({70, 10});  // ShowHint off
    window().mouseMove({10, 10});
    headless().advanceClock(InputRouter::hintPauseMs);
    EXPECT_EQ(headless().visiblePopups().size(), 1u);
    window().mouseMove({70, 10});
    EXPECT_TRUE(headless().visiblePopups().empty());
}

TEST_F(InputRouterTest, TheHintStandsBelowThePointerAndAPressAKeyOrTheControlsEndCancelIt) {
    Form& f = form();
    auto* a = new GraphicProbe(&f, &f, {0, 0, 50, 50}, kRed);
    a->SetHint("Browse");
    a->SetShowHint(true);
    showForm();
    const Point screen = f.nativeWindow()->clientToScreen({12, 14});
    move({12, 14});
    headless().advanceClock(InputRouter::hintPauseMs);
    ASSERT_NE(router().hintWindow(), nullptr);
    EXPECT_EQ(router().hintWindow()->screenRect().left, screen.x);
    EXPECT_EQ(router().hintWindow()->screenRect().top, screen.y + 20);

    const std::function<void()> cancellers[] = {
        [&] {
            press({12, 14}, MouseButton::Left, ButtonLeft);
        },
        [&] { key(vk::Space); },
        [&] { delete a; },
    };
    for (const auto& cancel : cancellers) {
        move({100, 100});
        move({12, 14});
        headless().advanceClock(InputRouter::hintPauseMs / 2);
        cancel();
        release({12, 14}, MouseButton::Left, ButtonNone);
        headless().advanceClock(InputRouter::hintPauseMs);
        EXPECT_FALSE(router().hintWindow()->visible());
    }
}

}  // namespace
}  // namespace sk::ui::test
