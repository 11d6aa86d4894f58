// The headless backend's windows: presented pixels, placement, focus, and the
// mouse and keyboard input that tests inject.
#include <gtest/gtest.h>

#include "platform/RecordingClient.h"
#include "platform/headless/HeadlessPlatform.h"
#include "support/TestEnvironment.h"

namespace sk::platform {
namespace {

using drawing::Bitmap;
using drawing::Point;
using drawing::Rect;
using test::RecordingClient;
using Log = std::vector<std::string>;

class HeadlessWindowTest : public testing::Test {
protected:
    HeadlessPlatform platform;
    RecordingClient client;
    std::unique_ptr<NativeWindow> native;
    HeadlessWindow* window = nullptr;

    void SetUp() override {
        WindowOptions options;
        options.title = "Test";
        options.clientSize = {200, 100};
        native = platform.createWindow(options);
        window = dynamic_cast<HeadlessWindow*>(native.get());
        ASSERT_NE(window, nullptr);
        window->setClient(&client);
        window->show();
        client.clear();
    }

    std::unique_ptr<NativeWindow> makeWindow(WindowKind kind, drawing::Size size, Point position = {}) {
        WindowOptions options;
        options.kind = kind;
        options.clientSize = size;
        options.position = position;
        options.centred = kind == WindowKind::Main;
        return platform.createWindow(options);
    }
};

// ---- Presenting ----

TEST_F(HeadlessWindowTest, PresentCopiesOnlyTheGivenArea) {
    Bitmap buffer(200, 100);
    buffer.fill(0xFF102030);
    window->present(buffer, Rect{0, 0, 200, 100});
    buffer.fill(0xFFFF0000);
    window->present(buffer, Rect{10, 20, 30, 40});

    EXPECT_EQ(window->image().pixel(10, 20), 0xFFFF0000u);
    EXPECT_EQ(window->image().pixel(39, 59), 0xFFFF0000u);
    EXPECT_EQ(window->image().pixel(40, 59), 0xFF102030u);
    EXPECT_EQ(window->image().pixel(9, 20), 0xFF102030u);
    EXPECT_EQ(window->image().pixel(10, 60), 0xFF102030u);
    EXPECT_EQ(window->presentedAreas(), (std::vector<Rect>{{0, 0, 200, 100}, {10, 20, 30, 40}}));
    window->clearPresentLog();
    EXPECT_TRUE(window->presentedAreas().empty());
}

TEST_F(HeadlessWindowTest, PresentIsClippedToTheWindowAndTheBuffer) {
    Bitmap small(50, 50);
    small.fill(0xFF00FF00);
    window->present(small, Rect{-10, -10, 500, 500});
    EXPECT_EQ(window->image().pixel(0, 0), 0xFF00FF00u);
    EXPECT_EQ(window->image().pixel(49, 49), 0xFF00FF00u);
    EXPECT_EQ(window->image().pixel(50, 49), 0u);  // never presented
}

TEST_F(HeadlessWindowTest, ResizingKeepsWhatWasShown) {
    Bitmap buffer(200, 100);
    buffer.fill(0xFF0000FF);
    window->present(buffer, Rect{0, 0, 200, 100});
    window->setClientSize({300, 50});
    EXPECT_EQ(window->clientSize(), (drawing::Size{300, 50}));
    EXPECT_EQ(window->image().size(), (drawing::Size{300, 50}));
    EXPECT_EQ(window->image().pixel(199, 49), 0xFF0000FFu);
    EXPECT_EQ(window->image().pixel(200, 0), 0u);
}

TEST_F(HeadlessWindowTest, ImageSavesAsPng) {
    Bitmap buffer(200, 100);
    buffer.fill(0xFFC4E9F2);
    window->present(buffer, Rect{0, 0, 200, 100});
    const auto file = sk::test::outputFolder() / "headless-window.png";
    ASSERT_TRUE(window->savePng(file));
    const auto loaded = Bitmap::loadPng(file);
    ASSERT_TRUE(loaded.has_value());
    EXPECT_EQ(loaded->size(), (drawing::Size{200, 100}));
    EXPECT_EQ(loaded->pixel(100, 50), 0xFFC4E9F2u);
}

// ---- Placement and properties ----

TEST_F(HeadlessWindowTest, MainWindowIsCentredOnTheWorkAreaAtFirstShow) {
    platform.setWorkArea({0, 30, 1280, 994});
    auto other = makeWindow(WindowKind::Main, {764, 459});
    auto* main = dynamic_cast<HeadlessWindow*>(other.get());
    main->show();
    EXPECT_EQ(main->position(), (Point{258, 297}));
    EXPECT_EQ(main->clientToScreen({10, 5}), (Point{268, 302}));
    // Moved afterwards, a later show keeps the place.
    main->hide();
    main->setPosition({5, 6});
    main->show();
    EXPECT_EQ(main->position(), (Point{5, 6}));
}

TEST_F(HeadlessWindowTest, PopupsKeepTheirPositionAndNeverTakeTheFocus) {
    auto popupNative = makeWindow(WindowKind::Popup, {40, 18}, {1270, 1000});
    auto* popup = dynamic_cast<HeadlessWindow*>(popupNative.get());
    RecordingClient popupClient;
    popup->setClient(&popupClient);
    popup->show();
    EXPECT_EQ(popup->position(), (Point{1270, 1000}));  // may reach beyond the screen's edge
    EXPECT_FALSE(popup->active());
    EXPECT_TRUE(window->active());
    EXPECT_EQ(platform.visiblePopups(), (std::vector<HeadlessWindow*>{popup}));
    popup->click({5, 5});
    EXPECT_TRUE(window->active());
    EXPECT_EQ(popupClient.log, (Log{"down left 5,5", "up left 5,5"}));
    popup->setPosition({100, 200});
    EXPECT_EQ(popup->screenRect(), (Rect{100, 200, 40, 18}));
    popup->hide();
    EXPECT_TRUE(platform.visiblePopups().empty());
}

TEST_F(HeadlessWindowTest, ShowingAnotherMainWindowMovesTheFocus) {
    auto secondNative = makeWindow(WindowKind::Main, {50, 50});
    auto* second = dynamic_cast<HeadlessWindow*>(secondNative.get());
    RecordingClient secondClient;
    second->setClient(&secondClient);
    second->show();
    EXPECT_EQ(platform.activeWindow(), second);
    EXPECT_EQ(client.log, (Log{"inactive"}));
    EXPECT_EQ(secondClient.log, (Log{"active"}));
    // A click on the first gives it the focus back before the press arrives.
    window->click({1, 1});
    EXPECT_EQ(client.log, (Log{"inactive", "active", "down left 1,1", "up left 1,1"}));
    secondNative.reset();
    EXPECT_EQ(platform.windows(), (std::vector<HeadlessWindow*>{window}));
}

TEST_F(HeadlessWindowTest, KeepsTitleIconCursorAndInputPosition) {
    window->setTitle("Slidekiln 3.1 Build 012011");
    window->setIcon({Bitmap(16, 16), Bitmap(32, 32)});
    window->setCursor(CursorShape::Hand);
    window->setTextInputPosition({5, 6, 1, 13});
    EXPECT_EQ(window->title(), "Slidekiln 3.1 Build 012011");
    EXPECT_EQ(window->icons().size(), 2u);
    EXPECT_EQ(window->cursor(), CursorShape::Hand);
    EXPECT_EQ(window->textInputPosition(), (Rect{5, 6, 1, 13}));
}

TEST_F(HeadlessWindowTest, CloseBoxAsksTheClient) {
    EXPECT_TRUE(window->pressCloseBox());
    client.allowClose = false;
    EXPECT_FALSE(window->pressCloseBox());
    EXPECT_EQ(client.log, (Log{"close", "close"}));
}

// ---- Mouse ----

TEST_F(HeadlessWindowTest, ClickCarriesButtonsModifiersAndTime) {
    platform.advanceClock(1234);
    window->click({10, 20}, MouseButton::Right, ModShift);
    ASSERT_EQ(client.mouseEvents.size(), 2u);
    const auto& down = client.mouseEvents[0];
    EXPECT_EQ(down.position, (Point{10, 20}));
    EXPECT_EQ(down.button, MouseButton::Right);
    EXPECT_EQ(down.modifiers, unsigned{ModShift});
    EXPECT_EQ(down.buttons, unsigned{ButtonRight});
    EXPECT_EQ(down.timeMs, 1234u);
    EXPECT_EQ(client.mouseEvents[1].buttons, unsigned{ButtonNone});
}

TEST_F(HeadlessWindowTest, DoubleClickNeedsSameButtonPlaceAndTime) {
    struct Case {
        const char* name;
        int delayMs;
        Point second;
        MouseButton secondButton;
        bool isDouble;
    };
    const Case cases[] = {
        {"fast, same place", 100, {50, 50}, MouseButton::Left, true},
        {"at the time limit", 500, {50, 50}, MouseButton::Left, true},
        {"too slow", 501, {50, 50}, MouseButton::Left, false},
        {"moved a little", 100, {52, 48}, MouseButton::Left, true},
        {"moved too far", 100, {53, 50}, MouseButton::Left, false},
        {"other button", 100, {50, 50}, MouseButton::Right, false},
    };
    for (const auto& c : cases) {
        client.clear();
        platform.advanceClock(10'000);  // forget earlier presses
        window->click({50, 50});
        platform.advanceClock(static_cast<std::uint64_t>(c.delayMs));
        window->click(c.second, c.secondButton);
        ASSERT_EQ(client.mouseEvents.size(), 4u);
        EXPECT_FALSE(client.mouseEvents[0].doubleClick) << c.name;
        EXPECT_EQ(client.mouseEvents[2].doubleClick, c.isDouble) << c.name;
    }
}

TEST_F(HeadlessWindowTest, ThirdFastClickIsAPlainPressAgain) {
    window->click({5, 5});
    window->click({5, 5});
    window->click({5, 5});
    window->click({5, 5});
    EXPECT_EQ(client.log, (Log{"down left 5,5", "up left 5,5", "dblclick left 5,5", "up left 5,5",
                               "down left 5,5", "up left 5,5", "dblclick left 5,5", "up left 5,5"}));
}

TEST_F(HeadlessWindowTest, DoubleClickHelperAndDoubleClickTime) {
    platform.setDoubleClickTimeMs(200);
    EXPECT_EQ(platform.doubleClickTimeMs(), 200);
    window->click({5, 5});
    window->doubleClick({9, 9});  // starts afresh although a click just came
    EXPECT_EQ(client.log[4], "dblclick left 9,9");
    client.clear();
    window->click({5, 5});
    platform.advanceClock(201);
    window->click({5, 5});
    EXPECT_EQ(client.log[2], "down left 5,5");
}

TEST_F(HeadlessWindowTest, LeavingWithoutAButtonSendsOneLeave) {
    window->mouseMove({10, 10});
    window->mouseMove({250, 10});
    window->mouseMove({260, 10});
    window->mouseLeave();
    window->mouseMove({20, 10});
    EXPECT_EQ(client.log, (Log{"move 10,10", "leave", "move 20,10"}));
}

TEST_F(HeadlessWindowTest, HeldButtonKeepsMovesComingOutsideAndLeavesAfterRelease) {
    window->mouseMove({10, 10});
    window->mouseDown({10, 10});
    window->mouseMove({-30, 150});
    ASSERT_FALSE(client.mouseEvents.empty());
    EXPECT_EQ(client.mouseEvents.back().buttons, unsigned{ButtonLeft});
    window->mouseUp({-30, 150});
    EXPECT_EQ(client.log, (Log{"move 10,10", "down left 10,10", "move -30,150", "up left -30,150", "leave"}));
}

TEST_F(HeadlessWindowTest, CaptureKeepsMovesUntilReleased) {
    window->mouseMove({10, 10});
    window->captureMouse(true);
    EXPECT_TRUE(window->mouseCaptured());
    window->mouseMove({300, 10});
    window->captureMouse(false);
    window->mouseMove({310, 10});
    EXPECT_EQ(client.log, (Log{"move 10,10", "move 300,10", "leave"}));
}

TEST_F(HeadlessWindowTest, DragPressesMovesAndReleases) {
    window->drag({0, 0}, {40, 20}, 2);
    EXPECT_EQ(client.log, (Log{"move 0,0", "down left 0,0", "move 20,10", "move 40,20", "up left 40,20"}));
}

TEST_F(HeadlessWindowTest, WheelReachesTheClient) {
    window->wheel({3, 4}, -120);
    EXPECT_EQ(client.log, (Log{"wheel -120 3,4"}));
}

TEST_F(HeadlessWindowTest, HiddenWindowGetsNoInput) {
    window->hide();
    window->click({1, 1});
    window->pressKey('A');
    window->wheel({1, 1}, 120);
    EXPECT_EQ(client.log, (Log{"inactive"}));
}

// ---- Keyboard ----

TEST_F(HeadlessWindowTest, PressKeyTypesTheKeysCharacter) {
    struct Case {
        int key;
        unsigned modifiers;
        Log expected;
    };
    const Case cases[] = {
        {'A', ModNone, {"keydown 65", "text a", "keyup 65"}},
        {'A', ModShift, {"keydown 65 +shift", "text A", "keyup 65 +shift"}},
        {'A', ModCtrl, {"keydown 65 +ctrl", "keyup 65 +ctrl"}},
        {'F', ModAlt, {"keydown 70 +alt", "keyup 70 +alt"}},
        {'7', ModNone, {"keydown 55", "text 7", "keyup 55"}},
        {'7', ModShift, {"keydown 55 +shift", "text &", "keyup 55 +shift"}},
        {vk::Space, ModNone, {"keydown 32", "text  ", "keyup 32"}},
        {vk::Tab, ModShift, {"keydown 9 +shift", "keyup 9 +shift"}},
        {vk::Return, ModNone, {"keydown 13", "keyup 13"}},
        {vk::F4, ModNone, {"keydown 115", "keyup 115"}},
        {vk::OemPeriod, ModNone, {"keydown 190", "text .", "keyup 190"}},
    };
    for (const auto& c : cases) {
        client.clear();
        window->pressKey(c.key, c.modifiers);
        EXPECT_EQ(client.log, c.expected) << "key " << c.key;
    }
}

TEST_F(HeadlessWindowTest, TypeTextUsesKeysWhereTheKeyboardHasThem) {
    window->typeText("Hi!\n");
    EXPECT_EQ(client.log,
              (Log{"keydown 72 +shift", "text H", "keyup 72 +shift", "keydown 73", "text i", "keyup 73",
                   "keydown 49 +shift", "text !", "keyup 49 +shift", "keydown 13", "keyup 13"}));
    client.clear();
    window->typeText("Привет, мир");
    EXPECT_EQ(client.text, "Привет, мир");
    std::string keys;
    for (const KeyEvent& e : client.keyEvents) keys += std::to_string(e.key) + "/" + std::to_string(e.character) + " ";
    EXPECT_EQ(client.keyEvents.size(), 4u) << keys;  // "," and " " have keys, the Cyrillic letters do not
}

TEST_F(HeadlessWindowTest, HeldKeyRepeats) {
    window->keyDown(vk::Right);
    window->keyDown(vk::Right);
    window->keyUp(vk::Right);
    window->keyDown(vk::Right);
    EXPECT_EQ(client.log, (Log{"keydown 39", "keydown 39 repeat", "keyup 39", "keydown 39"}));
}

TEST_F(HeadlessWindowTest, KeysGoOnlyToTheActiveWindow) {
    window->deactivate();
    window->pressKey('A');
    window->inputText("x");
    EXPECT_EQ(client.log, (Log{"inactive"}));
    window->activate();
    window->inputText("ж");
    EXPECT_EQ(client.log, (Log{"inactive", "active", "text ж"}));
}

// ---- Modal boxes ----

TEST_F(HeadlessWindowTest, MessageBoxIsModalAndGivesTheFocusBack) {
    bool sawDisabled = false;
    platform.setMessageBoxHandler([&](const HeadlessPlatform::MessageBoxCall& call) {
        EXPECT_EQ(call.text, "Cannot open file /x.");
        sawDisabled = !window->enabled() && platform.modalOpen() && !window->active();
        window->click({1, 1});  // dropped: the window is disabled
        window->pressKey('A');
    });
    platform.messageBox("Slidekiln 3.1", "Cannot open file /x.", MessageIcon::Error, window);
    EXPECT_TRUE(sawDisabled);
    EXPECT_TRUE(window->active());
    EXPECT_TRUE(window->enabled());
    EXPECT_EQ(client.log, (Log{"inactive", "active"}));
    ASSERT_EQ(platform.messageBoxes().size(), 1u);
    const auto& call = platform.messageBoxes()[0];
    EXPECT_EQ(call.caption, "Slidekiln 3.1");
    EXPECT_EQ(call.icon, MessageIcon::Error);
    EXPECT_EQ(call.owner, window);
}

TEST_F(HeadlessWindowTest, WindowDestroyedWhileABoxIsOpenIsNotReactivated) {
    platform.setMessageBoxHandler([&](const auto&) { native.reset(); });
    platform.messageBox("c", "t", MessageIcon::Information, nullptr);
    EXPECT_EQ(platform.activeWindow(), nullptr);
    EXPECT_TRUE(platform.windows().empty());
}

}  // namespace
}  // namespace sk::platform
