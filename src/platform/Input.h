// Mouse and keyboard input as the platform delivers it to a window.
// Key codes are the classic virtual-key numbers, so that the controls can
// speak of VK_F4 and VK_TAB as the window system they were designed for does.
#pragma once

#include <cstdint>
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

struct MouseEvent {
    drawing::Point position;     // in the window's client coordinates
    MouseButton button = MouseButton::Left;
    unsigned modifiers = ModNone;
    bool doubleClick = false;    // a press that follows a press within the double-click time
    std::uint64_t timeMs = 0;    // the platform clock when the event happened
};

struct WheelEvent {
    drawing::Point position;
    int delta = 0;               // 120 per notch, positive away from the user
    unsigned modifiers = ModNone;
};

namespace vk {
inline constexpr int Back = 0x08, Tab = 0x09, Return = 0x0D, Shift = 0x10, Control = 0x11, Menu = 0x12,
                     Escape = 0x1B, Space = 0x20, Prior = 0x21, Next = 0x22, End = 0x23, Home = 0x24,
                     Left = 0x25, Up = 0x26, Right = 0x27, Down = 0x28, Insert = 0x2D, Delete = 0x2E,
                     F1 = 0x70, F2 = 0x71, F3 = 0x72, F4 = 0x73, F5 = 0x74, F10 = 0x79, F12 = 0x7B;
// Letters and digits are their upper-case ASCII codes: 'A' = 0x41, '0' = 0x30.
}  // namespace vk

struct KeyEvent {
    int key = 0;                 // a vk:: code
    unsigned modifiers = ModNone;
    bool repeat = false;
};

enum class CursorShape { Arrow, Hand, IBeam, SizeWE, SizeNS, Wait };

}  // namespace sk::platform
