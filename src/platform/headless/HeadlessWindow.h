// A window of the headless backend: a memory image that keeps what the
// framework presented, plus the means for tests to drive it with injected
// mouse and keyboard input. Input goes straight to the window's client, with
// the time stamps of the platform's virtual clock.
#pragma once

#include <filesystem>
#include <optional>
#include <set>
#include <string>
#include <vector>

#include "platform/NativeWindow.h"

namespace sk::platform {

class HeadlessPlatform;

class HeadlessWindow : public NativeWindow {
public:
    HeadlessWindow(HeadlessPlatform* platform, const WindowOptions& options);
    ~HeadlessWindow() override;
    HeadlessWindow(const HeadlessWindow&) = delete;
    HeadlessWindow& operator=(const HeadlessWindow&) = delete;

    // NativeWindow
    void setClient(WindowClient* client) override;
    void setTitle(const std::string& title) override;
    void setClientSize(drawing::Size size) override;
    drawing::Size clientSize() const override;
    void setPosition(drawing::Point screenTopLeft) override;
    void setIcon(const std::vector<drawing::Bitmap>& sizes) override;
    void show() override;
    void hide() override;
    bool visible() const override;
    void present(const drawing::Bitmap& backBuffer, const drawing::Rect& area) override;
    void setCursor(CursorShape shape) override;
    void captureMouse(bool capture) override;
    void setTextInputPosition(const drawing::Rect& caret) override;
    drawing::Point clientToScreen(drawing::Point clientPoint) const override;

    // ---- What the window shows and what was asked of it ----
    const WindowOptions& options() const { return m_options; }
    WindowKind kind() const { return m_options.kind; }
    const std::string& title() const { return m_title; }
    drawing::Point position() const { return m_position; }  // screen top-left of the client area
    drawing::Rect screenRect() const;
    const std::vector<drawing::Bitmap>& icons() const { return m_icons; }
    CursorShape cursor() const { return m_cursor; }
    bool mouseCaptured() const { return m_captured; }
    drawing::Rect textInputPosition() const { return m_textInputPosition; }
    bool active() const;   // has the keyboard focus
    bool enabled() const;  // false while a modal box or dialog is open
    int showCount() const { return m_showCount; }

    // The pixels on "screen": every presented area copied from its back buffer.
    // Pixels never presented are 0 (transparent black).
    const drawing::Bitmap& image() const { return m_image; }
    bool savePng(const std::filesystem::path& file) const;

    // Every present() call since the window was made or the log was cleared.
    const std::vector<drawing::Rect>& presentedAreas() const { return m_presented; }
    void clearPresentLog() { m_presented.clear(); }

    // ---- Injected input ----
    // Presses and releases track the held buttons; a press is a double click
    // by the platform's rules (time, place, button). Input to a disabled
    // window (a modal box is open) is dropped, as on a real screen.
    void mouseDown(drawing::Point at, MouseButton button = MouseButton::Left, unsigned modifiers = ModNone);
    void mouseUp(drawing::Point at, MouseButton button = MouseButton::Left, unsigned modifiers = ModNone);
    // A move outside the client area with no button held and no capture is a
    // mouseLeave (once); with a button held it is a move with outside coordinates.
    void mouseMove(drawing::Point to, unsigned modifiers = ModNone);
    void mouseLeave();
    void click(drawing::Point at, MouseButton button = MouseButton::Left, unsigned modifiers = ModNone);
    // Two clicks at once: the second press arrives flagged as a double click.
    void doubleClick(drawing::Point at, MouseButton button = MouseButton::Left, unsigned modifiers = ModNone);
    // Press, moves in steps along the line, release.
    void drag(drawing::Point from, drawing::Point to, int steps = 4, MouseButton button = MouseButton::Left);
    void wheel(drawing::Point at, int delta, unsigned modifiers = ModNone);

    void keyDown(int key, unsigned modifiers = ModNone);  // with the US layout's character
    void keyUp(int key, unsigned modifiers = ModNone);
    // keyDown and keyUp of one key; a printable key also types its character
    // (letters lower-case unless Shift is held), as a keyboard does.
    void pressKey(int key, unsigned modifiers = ModNone);
    // A key of another keyboard layout: its code (0 if it has none) and the character
    // the layout gives it, which is typed too unless Ctrl or Alt is held.
    // pressLayoutKey('R', U'к', ModAlt) is Alt+К on a Russian keyboard.
    void pressLayoutKey(int key, char32_t character, unsigned modifiers = ModNone);
    // Types UTF-8 text: each character that has a key on a US keyboard comes
    // as keyDown, textInput, keyUp (with Shift for capitals and shifted
    // symbols); other characters (Cyrillic, accented) come as textInput alone,
    // as from an input method. "\n" presses Enter and "\t" presses Tab.
    void typeText(const std::string& utf8);
    // Committed input-method text without any key events.
    void inputText(const std::string& utf8);

    // Focus: activate() gives this window the keyboard focus (the previous
    // active window loses it); deactivate() takes it away. show() activates a
    // main window; popups never take the focus.
    void activate();
    void deactivate();
    // Presses the close box: asks the client; returns what it answered.
    bool pressCloseBox();

    bool pointerInside() const { return m_pointerInside; }
    unsigned heldButtons() const { return m_heldButtons; }

private:
    friend class HeadlessPlatform;
    void detachFromPlatform() { m_platform = nullptr; }
    void notifyActive(bool active);
    MouseEvent makeEvent(drawing::Point at, MouseButton button, unsigned modifiers) const;
    void sendKeyDown(int key, unsigned modifiers, char32_t character);
    bool acceptsInput() const;

    HeadlessPlatform* m_platform;
    WindowOptions m_options;
    WindowClient* m_client = nullptr;
    std::string m_title;
    drawing::Size m_clientSize;
    drawing::Point m_position;
    bool m_positioned = false;
    std::vector<drawing::Bitmap> m_icons;
    bool m_visible = false;
    int m_showCount = 0;
    drawing::Bitmap m_image;
    std::vector<drawing::Rect> m_presented;
    CursorShape m_cursor = CursorShape::Arrow;
    bool m_captured = false;
    drawing::Rect m_textInputPosition;
    bool m_pointerInside = false;
    drawing::Point m_pointer;
    unsigned m_heldButtons = ButtonNone;
    std::set<int> m_keysDown;
};

}  // namespace sk::platform
