// Key values of GDK turned into the classic virtual-key codes.
#include <gdk/gdkkeysyms.h>
#include <gtest/gtest.h>

#include "platform/Input.h"
#include "platform/gtk/GtkKeyMap.h"

namespace sk::platform {
namespace {

TEST(GtkKeyMap, MapsKeyValuesToVirtualKeys) {
    struct Case {
        const char* name;
        unsigned keyval;
        unsigned baseKeyval;
        int expected;
    };
    const Case cases[] = {
        {"lower-case letter", GDK_KEY_a, GDK_KEY_a, 'A'},
        {"capital letter", GDK_KEY_Q, GDK_KEY_q, 'Q'},
        {"digit", GDK_KEY_7, GDK_KEY_7, '7'},
        {"shifted digit", GDK_KEY_exclam, GDK_KEY_1, '1'},
        {"shifted digit without base", GDK_KEY_parenleft, 0, '9'},
        {"Cyrillic letter on the A key", GDK_KEY_Cyrillic_ef, GDK_KEY_a, 'A'},
        {"Cyrillic letter on no Latin key", GDK_KEY_Cyrillic_zhe, GDK_KEY_Cyrillic_zhe, 0},
        {"Cyrillic letter without base", GDK_KEY_Cyrillic_zhe, 0, 0},
        {"F4", GDK_KEY_F4, GDK_KEY_F4, vk::F4},
        {"F12", GDK_KEY_F12, GDK_KEY_F12, vk::F12},
        {"Tab", GDK_KEY_Tab, GDK_KEY_Tab, vk::Tab},
        {"Shift+Tab", GDK_KEY_ISO_Left_Tab, GDK_KEY_Tab, vk::Tab},
        {"Enter", GDK_KEY_Return, GDK_KEY_Return, vk::Return},
        {"keypad Enter", GDK_KEY_KP_Enter, GDK_KEY_KP_Enter, vk::Return},
        {"Escape", GDK_KEY_Escape, GDK_KEY_Escape, vk::Escape},
        {"BackSpace", GDK_KEY_BackSpace, GDK_KEY_BackSpace, vk::Back},
        {"Delete", GDK_KEY_Delete, GDK_KEY_Delete, vk::Delete},
        {"keypad 7 with Num Lock", GDK_KEY_KP_7, GDK_KEY_KP_Home, vk::Numpad0 + 7},
        {"keypad 7 without Num Lock", GDK_KEY_KP_Home, GDK_KEY_KP_Home, vk::Home},
        {"arrow", GDK_KEY_Left, GDK_KEY_Left, vk::Left},
        {"Page Down", GDK_KEY_Page_Down, GDK_KEY_Page_Down, vk::Next},
        {"left Control", GDK_KEY_Control_L, GDK_KEY_Control_L, vk::Control},
        {"right Alt", GDK_KEY_Alt_R, GDK_KEY_Alt_R, vk::Menu},
        {"space", GDK_KEY_space, GDK_KEY_space, vk::Space},
        {"period", GDK_KEY_period, GDK_KEY_period, vk::OemPeriod},
        {"Cyrillic letter on the period key", GDK_KEY_Cyrillic_yu, GDK_KEY_period, vk::OemPeriod},
        {"unknown", 0x1234567, 0, 0},
    };
    for (const auto& c : cases) EXPECT_EQ(virtualKeyFor(c.keyval, c.baseKeyval), c.expected) << c.name;
}

}  // namespace
}  // namespace sk::platform
