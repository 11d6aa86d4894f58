// Focus, tab order, arrow navigation, dialog keys, mnemonics and the keys
// that ancestors of the focused control take.
#include "UiTestSupport.h"

namespace sk::ui::test {
namespace {

using platform::ModAlt;
using platform::ModCtrl;
using platform::ModShift;
namespace vk = platform::vk;

// A windowed control that clicks on its mnemonic and answers Enter when it is
// the default button and Escape when it is the cancel button.
class Button : public WindowedProbe {
public:
    Button(Component* owner, WinControl* parent, drawing::Rect bounds, EventLog* log)
        : WindowedProbe(owner, parent, bounds, 0xFF808080, log) {
        SetTabStop(true);
    }
    bool isDefault = false, isCancel = false;
    bool dialogChar(char32_t ch, TShiftState) override {
        if (!isAccel(ch, Caption()) || !canFocus()) return false;
        log("mnemonic");
        return true;
    }
    bool dialogKey(int key, TShiftState shift) override {
        if ((key == vk::Return && isDefault && shift == 0) || (key == vk::Escape && isCancel)) {
            log(key == vk::Return ? "default" : "cancel");
            return true;
        }
        return false;
    }
};

// A container that takes Ctrl+Tab whenever the focus is inside it.
class Pages : public WindowedProbe {
public:
    using WindowedProbe::WindowedProbe;
    bool dialogKey(int key, TShiftState shift) override {
        if (key == vk::Tab && (shift & ModCtrl) && containsFocus()) {
            log("next page");
            return true;
        }
        return false;
    }
};

class Keyboard : public UiTest {
protected:
    WindowedProbe* make(const std::string& name, WinControl* parent, int x, bool tabStop = true) {
        auto* c = new WindowedProbe(&form(), parent, {x, 0, 10, 10}, 0xFF000000, &log);
        c->SetName(name);
        c->SetTabStop(tabStop);
        return c;
    }
    std::string focused() {
        WinControl* c = form().ActiveControl();
        return c ? c->Name() : "none";
    }
    EventLog log;
};

TEST_F(Keyboard, TabAndShiftTabFollowTabOrderAndSkipNonStopsHiddenAndDisabled) {
    Form& f = form(300, 100);
    auto* a = make("A", &f, 0);
    auto* b = make("B", &f, 20);
    auto* c = make("C", &f, 40);
    auto* d = make("D", &f, 60, false);
    auto* e = make("E", &f, 80);
    c->SetTabOrder(0);  // C, A, B, D, E
    EXPECT_EQ(c->TabOrder(), 0);
    EXPECT_EQ(a->TabOrder(), 1);
    showForm();
    c->SetFocus();
    std::vector<std::string> order;
    for (int i = 0; i < 5; ++i) {
        window().pressKey(vk::Tab);
        order.push_back(focused());
    }
    EXPECT_EQ(order, (std::vector<std::string>{"A", "B", "E", "C", "A"}));
    window().pressKey(vk::Tab, ModShift);
    EXPECT_EQ(focused(), "C");
    b->SetVisible(false);
    e->SetEnabled(false);
    a->SetFocus();
    window().pressKey(vk::Tab);
    EXPECT_EQ(focused(), "C");  // B hidden, D no stop, E disabled
    (void)d;
}

TEST_F(Keyboard, TabWalksIntoContainersInTheirOwnTabOrder) {
    Form& f = form(300, 100);
    auto* a = make("A", &f, 0);
    auto* panel = make("Panel", &f, 20, false);
    panel->SetBounds(100, 0, 100, 50);
    make("P1", panel, 0);
    make("P2", panel, 20);
    make("Z", &f, 40);
    showForm();
    a->SetFocus();
    std::vector<std::string> order;
    for (int i = 0; i < 4; ++i) {
        window().pressKey(vk::Tab);
        order.push_back(focused());
    }
    EXPECT_EQ(order, (std::vector<std::string>{"P1", "P2", "Z", "A"}));
}

TEST_F(Keyboard, EnterAndExitEventsFireInOrder) {
    Form& f = form();
    auto* a = make("A", &f, 0);
    make("B", &f, 20);
    showForm();
    a->SetFocus();
    window().pressKey(vk::Tab);
    EXPECT_EQ(log, (EventLog{"A focus", "A blur", "B focus"}));
}

TEST_F(Keyboard, ArrowsMoveFocusAmongSiblingsIgnoringTabStopsUnlessTheControlWantsThem) {
    Form& f = form(300, 100);
    auto* r1 = make("R1", &f, 0, true);
    make("R2", &f, 20, false);  // a radio button that is not the checked one
    auto* other = make("Other", &f, 40, true);
    other->wanted = WantArrows;
    showForm();
    r1->SetFocus();
    window().pressKey(vk::Down);
    EXPECT_EQ(focused(), "R2");
    window().pressKey(vk::Right);
    EXPECT_EQ(focused(), "Other");
    log.clear();
    window().pressKey(vk::Left);  // Other takes arrows itself
    EXPECT_EQ(focused(), "Other");
    EXPECT_EQ(log, (EventLog{"Other key 37"}));
    other->wanted = 0;
    window().pressKey(vk::Up);
    EXPECT_EQ(focused(), "R2");
}

TEST_F(Keyboard, EnterAndEscapeGoToDefaultAndCancelButtons) {
    Form& f = form(300, 100);
    auto* edit = make("Edit", &f, 0);
    auto* ok = new Button(&f, &f, {100, 0, 20, 20}, &log);
    ok->SetName("OK");
    ok->isDefault = true;
    auto* cancel = new Button(&f, &f, {130, 0, 20, 20}, &log);
    cancel->SetName("Cancel");
    cancel->isCancel = true;
    showForm();
    edit->SetFocus();
    log.clear();
    window().pressKey(vk::Return);
    window().pressKey(vk::Escape);
    EXPECT_EQ(log, (EventLog{"OK default", "Cancel cancel"}));
    log.clear();
    edit->wanted = WantReturn;
    window().pressKey(vk::Return);
    EXPECT_EQ(log, (EventLog{"Edit key 13"}));
}

TEST_F(Keyboard, AltLetterGoesToTheControlWhoseCaptionMarksIt) {
    Form& f = form(300, 100);
    auto* edit = make("Edit", &f, 0);
    edit->wanted = WantChars;
    auto* open = new Button(&f, &f, {100, 0, 20, 20}, &log);
    open->SetName("Open");
    open->SetCaption("&Open");
    auto* save = new Button(&f, &f, {130, 0, 20, 20}, &log);
    save->SetName("Save");
    save->SetCaption("Sa&ve && close");
    auto* russian = new Button(&f, &f, {160, 0, 20, 20}, &log);
    russian->SetName("Ru");
    russian->SetCaption("&Обзор");
    showForm();
    edit->SetFocus();
    log.clear();
    window().pressKey('V', ModAlt);
    window().pressKey('O', ModAlt);
    window().pressKey('C', ModAlt);  // "&&" is a plain ampersand: no mnemonic, the key goes on
    EXPECT_EQ(log, (EventLog{"Save mnemonic", "Open mnemonic", "Edit key 67"}));
    log.clear();
    window().inputText("о");  // the edit wants characters: typed, not a mnemonic
    EXPECT_EQ(log, (EventLog{"Edit char 1086"}));
    log.clear();
    edit->wanted = 0;
    window().inputText("О");  // plain characters are mnemonics when the control does not take them
    EXPECT_EQ(log, (EventLog{"Ru mnemonic"}));
}

TEST_F(Keyboard, AltWithTheLayoutsCharacterReachesCyrillicMnemonics) {
    Form& f = form(300, 100);
    auto* edit = make("Edit", &f, 0);
    edit->wanted = WantChars;
    auto* browse = new Button(&f, &f, {100, 0, 20, 20}, &log);
    browse->SetName("Browse");
    browse->SetCaption("&Компилировать");
    auto* run = new Button(&f, &f, {130, 0, 20, 20}, &log);
    run->SetName("Help");
    run->SetCaption("&Help");
    auto* keyless = new Button(&f, &f, {160, 0, 20, 20}, &log);
    keyless->SetName("Keyless");
    keyless->SetCaption("&Ёлка");
    showForm();
    edit->SetFocus();
    log.clear();
    // On a Russian keyboard the key that carries К is the key 'R' of a US one.
    const struct {
        int key;
        char32_t character;
        unsigned modifiers;
        EventLog expected;
    } cases[] = {
        {'R', U'к', ModAlt, {"Browse mnemonic"}},             // the layout's character first
        {'R', U'К', ModAlt | ModShift, {"Browse mnemonic"}},  // capitals alike
        {'H', U'р', ModAlt, {"Help mnemonic"}},               // no "&Р": the key's Latin name
        {0, U'ё', ModAlt, {"Keyless mnemonic"}},              // a key without a code
        {'D', U'в', ModAlt, {"Edit key 68"}},                 // no mnemonic at all: the key goes on
        {'R', U'к', platform::ModNone, {"Edit key 82", "Edit char 1082"}},  // without Alt it is typed
    };
    for (const auto& c : cases) {
        window().pressLayoutKey(c.key, c.character, c.modifiers);
        EXPECT_EQ(log, c.expected) << static_cast<unsigned>(c.character);
        log.clear();
    }
}

TEST_F(Keyboard, AncestorsOfTheFocusedControlGetCtrlTab) {
    Form& f = form(300, 100);
    auto* pages = new Pages(&f, &f, {0, 0, 200, 100}, 0xFF0000FF, &log);
    pages->SetName("Pages");
    auto* inside = make("Inside", pages, 0);
    auto* outside = make("Outside", &f, 250);
    outside->SetBounds(250, 0, 10, 10);
    showForm();
    inside->SetFocus();
    log.clear();
    window().pressKey(vk::Tab, ModCtrl);
    EXPECT_EQ(log, (EventLog{"Pages next page"}));
    outside->SetFocus();
    log.clear();
    window().pressKey(vk::Tab, ModCtrl);
    EXPECT_TRUE(log.empty() || log.back() != "Pages next page");
    EXPECT_EQ(focused(), "Outside");
}

TEST_F(Keyboard, HidingTheFocusedControlTakesTheFocusAway) {
    Form& f = form();
    auto* a = make("A", &f, 0);
    showForm();
    a->SetFocus();
    a->SetVisible(false);
    EXPECT_EQ(focused(), "none");
    EXPECT_EQ(log.back(), "A blur");
    a->SetVisible(true);
    a->SetEnabled(false);
    a->SetFocus();
    EXPECT_EQ(focused(), "none");
}

TEST_F(Keyboard, DestroyingTheFocusedControlLeavesNoDanglingFocus) {
    Form& f = form();
    auto* a = make("A", &f, 0);
    make("B", &f, 20);
    showForm();
    a->SetFocus();
    delete a;
    EXPECT_EQ(focused(), "none");
    window().pressKey(vk::Tab);
    EXPECT_EQ(focused(), "B");
}

}  // namespace
}  // namespace sk::ui::test
