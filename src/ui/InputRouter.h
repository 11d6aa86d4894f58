// The routing of one form's input to its controls. Mouse input goes to the
// control under the pointer (hit testing), or to the control that holds the
// capture from a press until the last button is let go; the router keeps the
// hovered control for enter and leave, the window's cursor and the hints of
// controls. Keys go to the focused control unless it does not take them; then
// they become dialog keys (Tab, arrows, Enter, Escape), mnemonics and keys
// offered to the focused control's ancestors.
#pragma once

#include <memory>
#include <string>

#include "drawing/Geometry.h"
#include "platform/NativeWindow.h"
#include "platform/Platform.h"
#include "ui/HintWindow.h"
#include "ui/UiTypes.h"

namespace sk::ui {

class Control;
class Form;

class InputRouter {
public:
    explicit InputRouter(Form& form);
    ~InputRouter();
    InputRouter(const InputRouter&) = delete;
    InputRouter& operator=(const InputRouter&) = delete;

    // ---- Mouse state ----
    Control* captureControl() const { return m_capture; }
    void setCaptureControl(Control* control);
    Control* hoverControl() const { return m_hover; }
    // Shows the cursor of the captured or hovered control (or its nearest
    // ancestor with a cursor of its own).
    void updateCursor();

    // ---- Hints ----
    // The hint of a control with ShowHint appears after the pointer has rested
    // on it for hintPauseMs and goes after hintHidePauseMs, or at a press or key.
    static constexpr int hintPauseMs = 500;
    static constexpr int hintHidePauseMs = 2500;
    HintWindow* hintWindow() const { return m_hint.get(); }
    void cancelHint();

    // ---- Input from the window, each run as one event of the application ----
    void mouseDown(const platform::MouseEvent& event);
    void mouseUp(const platform::MouseEvent& event);
    void mouseMove(const platform::MouseEvent& event);
    void mouseLeave();
    void mouseWheel(const platform::WheelEvent& event);
    void keyDown(const platform::KeyEvent& event);
    void keyUp(const platform::KeyEvent& event);
    void textInput(const std::string& utf8);

    // Form-level handling of a key that the focused control did not take: Tab
    // and arrows move the focus, then the form and its controls are offered it.
    bool formDialogKey(int key, TShiftState shift);

    // ---- Changes of the form ----
    // A control (and its subtree) left the form or can no longer take input.
    void controlRemoved(const Control* control);
    void controlHidden(const Control* control);
    // The form is being destroyed: its controls are not told of leaving.
    void forgetControls();

private:
    void updateHover(drawing::Point formPoint);
    void leaveHovered();
    bool mnemonicKey(const platform::KeyEvent& event);
    void startHint();
    void showHint();

    Form& m_form;
    Control* m_capture = nullptr;
    Control* m_hover = nullptr;
    // The last press, for telling a double click from two presses on different controls.
    Control* m_lastPressControl = nullptr;
    MouseButton m_lastPressButton = MouseButton::Left;
    drawing::Point m_lastMouse{-1, -1};
    std::unique_ptr<HintWindow> m_hint;
    platform::TimerId m_hintTimer = 0;
    Control* m_hintControl = nullptr;
};

}  // namespace sk::ui
