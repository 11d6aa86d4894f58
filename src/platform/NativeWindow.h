// One top-level window of the window system, as the control framework sees it:
// it receives input through a WindowClient and shows the back buffer that the
// framework paints and presents.
#pragma once

#include <string>
#include <vector>

#include "drawing/Bitmap.h"
#include "drawing/Geometry.h"
#include "platform/Input.h"

namespace sk::platform {

class NativeWindow;

// What a window tells the framework. All calls come on the user-interface thread.
class WindowClient {
public:
    virtual ~WindowClient() = default;
    virtual void mouseDown(const MouseEvent& event) = 0;
    virtual void mouseUp(const MouseEvent& event) = 0;
    virtual void mouseMove(const MouseEvent& event) = 0;
    // The pointer left the window's client area. While a button is held (or the
    // mouse is captured) moves outside keep coming as mouseMove instead, and
    // mouseLeave follows the release if the pointer is outside by then.
    virtual void mouseLeave() = 0;
    virtual void mouseWheel(const WheelEvent& event) = 0;
    // Keys come as the classic window system sends them: keyDown for every key
    // press, then textInput with the characters that the press typed, then keyUp.
    // Keys that the input method holds back while it composes a character (a
    // dead accent, a pre-edit) give no keyDown; the composed character arrives
    // as textInput. Control characters (Tab, Enter, Backspace, Escape, Ctrl+
    // letter) never come as textInput: they are keys.
    virtual void keyDown(const KeyEvent& event) = 0;
    virtual void keyUp(const KeyEvent& event) = 0;
    virtual void textInput(const std::string& utf8) = 0;  // committed characters, after the input method
    virtual void activeChanged(bool active) = 0;          // the window gained or lost the keyboard focus
    virtual bool closeRequested() = 0;  // the close box; return false to keep the window open
    virtual void lostCapture() {}       // a grab ended that the framework did not end itself
};

enum class WindowKind {
    Main,   // a top-level window with a caption and a close box
    Popup,  // a hint window: stays on top, never takes focus, casts a shadow, may reach beyond the main
            // window
};

struct WindowOptions {
    WindowKind kind = WindowKind::Main;
    std::string title;
    drawing::Size clientSize{100, 100};
    bool resizable = false;         // fixed-size windows have no minimise and maximise boxes either
    bool centred = true;            // centred on the screen when first shown
    drawing::Point position;        // top-left in screen coordinates when not centred (popups)
    NativeWindow* owner = nullptr;  // popups belong to their main window
};

class NativeWindow {
public:
    virtual ~NativeWindow() = default;

    virtual void setClient(WindowClient* client) = 0;
    virtual void setTitle(const std::string& title) = 0;
    virtual void setClientSize(drawing::Size size) = 0;
    virtual drawing::Size clientSize() const = 0;
    virtual void setPosition(drawing::Point screenTopLeft) = 0;  // moves a popup
    virtual void setIcon(const std::vector<drawing::Bitmap>& sizes) = 0;
    virtual void show() = 0;
    virtual void hide() = 0;
    virtual bool visible() const = 0;

    // Shows the given rectangle of the back buffer on screen. The window keeps a
    // reference to the buffer to repaint itself when uncovered; the buffer must
    // stay alive and keep the client size until the next present or destruction.
    virtual void present(const drawing::Bitmap& backBuffer, const drawing::Rect& area) = 0;

    virtual void setCursor(CursorShape shape) = 0;
    virtual void captureMouse(bool capture) = 0;  // keep mouse events while a button is held outside
    virtual void setTextInputPosition(const drawing::Rect& caret) = 0;  // where the input method pops up
    virtual drawing::Point clientToScreen(drawing::Point clientPoint) const = 0;
};

}  // namespace sk::platform
