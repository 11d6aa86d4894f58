// Mouse and keyboard input as the platform delivers it to a window.
// Key codes are the classic virtual-key numbers, so that the controls can
// speak of VK_F4 and VK_TAB as the window system they were designed for does.
#pragma once

#include <cstdint>
#include <cstdlib>
#include <string>

#include "drawing/Geometry.h"

namespace sk::platform {

enum class MouseButton { Left, Right, Middle };

enum Modifier : unsigned {
    ModNone = 0,
    ModShift = 1,
    ModCtrl = 2,
    ModAlt = 4,
};

// The mouse buttons held while an event happened (MouseEvent::buttons).
enum ButtonMask : unsigned {
    ButtonNone = 0,
    ButtonLeft = 1,
    ButtonRight = 2,
    ButtonMiddle = 4,
};

inline unsigned buttonMask(MouseButton button) {
    switch (button) {
        case MouseButton::Left:
            return ButtonLeft;
        case MouseButton::Right:
            return ButtonRight;
        case MouseButton::Middle:
            return ButtonMiddle;
    }
    return ButtonNone;
}

struct MouseEvent {
    drawing::Point position;  // in the window's client coordinates; outside the client area while captured
    MouseButton button = MouseButton::Left;  // the button pressed or released; Left for moves
    unsigned modifiers = ModNone;
    bool doubleClick = false;  // a press that follows a press within the double-click time
    std::uint64_t timeMs = 0;  // the platform clock when the event happened
    unsigned buttons =
        ButtonNone;  // the buttons held: for a press including, for a release excluding its button
};

struct WheelEvent {
    drawing::Point position;
    int delta = 0;  // 120 per notch, positive away from the user
    unsigned modifiers = ModNone;
};

namespace vk {
inline constexpr int Back = 0x08, Tab = 0x09, Return = 0x0D, Shift = 0x10, Control = 0x11, Menu = 0x12,
                     Escape = 0x1B, Space = 0x20, Prior = 0x21, Next = 0x22, End = 0x23, Home = 0x24,
                     Left = 0x25, Up = 0x26, Right = 0x27, Down = 0x28, Insert = 0x2D, Delete = 0x2E,
                     F1 = 0x70, F2 = 0x71, F3 = 0x72, F4 = 0x73, F5 = 0x74, F10 = 0x79, F12 = 0x7B;
inline constexpr int Clear = 0x0C, Pause = 0x13, Capital = 0x14, Snapshot = 0x2C, Help = 0x2F, LWin = 0x5B,
                     RWin = 0x5C, Apps = 0x5D, Numpad0 = 0x60, Multiply = 0x6A, Add = 0x6B, Separator = 0x6C,
                     Subtract = 0x6D, Decimal = 0x6E, Divide = 0x6F, F6 = 0x75, F7 = 0x76, F8 = 0x77,
                     F9 = 0x78, F11 = 0x7A, NumLock = 0x90, Scroll = 0x91,
                     // The punctuation keys of a US keyboard.
    Oem1 = 0xBA /* ;: */, OemPlus = 0xBB, OemComma = 0xBC, OemMinus = 0xBD, OemPeriod = 0xBE,
                     Oem2 = 0xBF /* /? */, Oem3 = 0xC0 /* `~ */, Oem4 = 0xDB /* [{ */, Oem5 = 0xDC /* \| */,
                     Oem6 = 0xDD /* ]} */, Oem7 = 0xDE /* '" */, Oem102 = 0xE2 /* <> */;
// Letters and digits are their upper-case ASCII codes: 'A' = 0x41, '0' = 0x30.
}  // namespace vk

struct KeyEvent {
    int key = 0;  // a vk:: code (0: a key with no code, such as a letter of another script)
    unsigned modifiers = ModNone;
    bool repeat = false;  // the key was already down (auto-repeat)
    // The character the active keyboard layout gives the key, lower-case, whatever
    // Ctrl or Alt are held (0: none). A Russian layout gives U'к' for the key whose
    // code is 'R': Alt with it reaches the mnemonic "&К".
    char32_t character = 0;
};

enum class CursorShape { Arrow, Hand, IBeam, SizeWE, SizeNS, Wait };

// Decides which mouse presses are double clicks, as the classic window system
// does: a press of the same button in the same window, within the double-click
// time and within a few pixels of the previous press. The press after a double
// click starts afresh, so a triple click is press, double click, press.
class DoubleClickDetector {
public:
    static constexpr int Slop = 2;  // pixels the pointer may move in either direction

    bool press(const void* window, MouseButton button, drawing::Point position, std::uint64_t timeMs,
               int doubleClickTimeMs) {
        const bool isDouble = m_armed && window == m_window && button == m_button &&
                              timeMs - m_timeMs <= static_cast<std::uint64_t>(doubleClickTimeMs) &&
                              std::abs(position.x - m_position.x) <= Slop &&
                              std::abs(position.y - m_position.y) <= Slop;
        m_armed = !isDouble;
        m_window = window;
        m_button = button;
        m_position = position;
        m_timeMs = timeMs;
        return isDouble;
    }
    void reset() { m_armed = false; }

private:
    bool m_armed = false;
    const void* m_window = nullptr;
    MouseButton m_button = MouseButton::Left;
    drawing::Point m_position;
    std::uint64_t m_timeMs = 0;
};

}  // namespace sk::platform
