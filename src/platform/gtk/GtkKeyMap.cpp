#include "platform/gtk/GtkKeyMap.h"

#include <gdk/gdkkeysyms.h>

#include "platform/Input.h"

namespace sk::platform {

namespace {

struct KeyPair {
    unsigned keyval;
    int key;
};

constexpr KeyPair kSpecialKeys[] = {
    {GDK_KEY_BackSpace, vk::Back},
    {GDK_KEY_Tab, vk::Tab},
    {GDK_KEY_ISO_Left_Tab, vk::Tab},
    {GDK_KEY_KP_Tab, vk::Tab},
    {GDK_KEY_Clear, vk::Clear},
    {GDK_KEY_Return, vk::Return},
    {GDK_KEY_KP_Enter, vk::Return},
    {GDK_KEY_ISO_Enter, vk::Return},
    {GDK_KEY_Shift_L, vk::Shift},
    {GDK_KEY_Shift_R, vk::Shift},
    {GDK_KEY_Control_L, vk::Control},
    {GDK_KEY_Control_R, vk::Control},
    {GDK_KEY_Alt_L, vk::Menu},
    {GDK_KEY_Alt_R, vk::Menu},
    {GDK_KEY_Meta_L, vk::Menu},
    {GDK_KEY_Meta_R, vk::Menu},
    {GDK_KEY_ISO_Level3_Shift, vk::Menu},
    {GDK_KEY_Pause, vk::Pause},
    {GDK_KEY_Caps_Lock, vk::Capital},
    {GDK_KEY_Escape, vk::Escape},
    {GDK_KEY_Page_Up, vk::Prior},
    {GDK_KEY_KP_Page_Up, vk::Prior},
    {GDK_KEY_Page_Down, vk::Next},
    {GDK_KEY_KP_Page_Down, vk::Next},
    {GDK_KEY_End, vk::End},
    {GDK_KEY_KP_End, vk::End},
    {GDK_KEY_Home, vk::Home},
    {GDK_KEY_KP_Home, vk::Home},
    {GDK_KEY_Left, vk::Left},
    {GDK_KEY_KP_Left, vk::Left},
    {GDK_KEY_Up, vk::Up},
    {GDK_KEY_KP_Up, vk::Up},
    {GDK_KEY_Right, vk::Right},
    {GDK_KEY_KP_Right, vk::Right},
    {GDK_KEY_Down, vk::Down},
    {GDK_KEY_KP_Down, vk::Down},
    {GDK_KEY_KP_Begin, vk::Clear},
    {GDK_KEY_Print, vk::Snapshot},
    {GDK_KEY_Insert, vk::Insert},
    {GDK_KEY_KP_Insert, vk::Insert},
    {GDK_KEY_Delete, vk::Delete},
    {GDK_KEY_KP_Delete, vk::Delete},
    {GDK_KEY_Help, vk::Help},
    {GDK_KEY_Super_L, vk::LWin},
    {GDK_KEY_Super_R, vk::RWin},
    {GDK_KEY_Menu, vk::Apps},
    {GDK_KEY_KP_Multiply, vk::Multiply},
    {GDK_KEY_KP_Add, vk::Add},
    {GDK_KEY_KP_Separator, vk::Separator},
    {GDK_KEY_KP_Subtract, vk::Subtract},
    {GDK_KEY_KP_Decimal, vk::Decimal},
    {GDK_KEY_KP_Divide, vk::Divide},
    {GDK_KEY_Num_Lock, vk::NumLock},
    {GDK_KEY_Scroll_Lock, vk::Scroll},
    {GDK_KEY_KP_Space, vk::Space},
};

constexpr KeyPair kPunctuationKeys[] = {
    {GDK_KEY_space, vk::Space},
    {GDK_KEY_semicolon, vk::Oem1},
    {GDK_KEY_colon, vk::Oem1},
    {GDK_KEY_equal, vk::OemPlus},
    {GDK_KEY_plus, vk::OemPlus},
    {GDK_KEY_comma, vk::OemComma},
    {GDK_KEY_less, vk::OemComma},
    {GDK_KEY_minus, vk::OemMinus},
    {GDK_KEY_underscore, vk::OemMinus},
    {GDK_KEY_period, vk::OemPeriod},
    {GDK_KEY_greater, vk::OemPeriod},
    {GDK_KEY_slash, vk::Oem2},
    {GDK_KEY_question, vk::Oem2},
    {GDK_KEY_grave, vk::Oem3},
    {GDK_KEY_asciitilde, vk::Oem3},
    {GDK_KEY_dead_grave, vk::Oem3},
    {GDK_KEY_dead_tilde, vk::Oem3},
    {GDK_KEY_bracketleft, vk::Oem4},
    {GDK_KEY_braceleft, vk::Oem4},
    {GDK_KEY_backslash, vk::Oem5},
    {GDK_KEY_bar, vk::Oem5},
    {GDK_KEY_bracketright, vk::Oem6},
    {GDK_KEY_braceright, vk::Oem6},
    {GDK_KEY_apostrophe, vk::Oem7},
    {GDK_KEY_quotedbl, vk::Oem7},
    {GDK_KEY_dead_acute, vk::Oem7},
    {GDK_KEY_dead_diaeresis, vk::Oem7},
    {GDK_KEY_dead_circumflex, '6'},
    {GDK_KEY_exclam, '1'},
    {GDK_KEY_at, '2'},
    {GDK_KEY_numbersign, '3'},
    {GDK_KEY_dollar, '4'},
    {GDK_KEY_percent, '5'},
    {GDK_KEY_asciicircum, '6'},
    {GDK_KEY_ampersand, '7'},
    {GDK_KEY_asterisk, '8'},
    {GDK_KEY_parenleft, '9'},
    {GDK_KEY_parenright, '0'},
};

}  // namespace

int virtualKeyForSpecialKeyval(unsigned keyval) {
    if (keyval >= GDK_KEY_F1 && keyval <= GDK_KEY_F24) return vk::F1 + static_cast<int>(keyval - GDK_KEY_F1);
    if (keyval >= GDK_KEY_KP_0 && keyval <= GDK_KEY_KP_9)
        return vk::Numpad0 + static_cast<int>(keyval - GDK_KEY_KP_0);
    for (const auto& pair : kSpecialKeys)
        if (pair.keyval == keyval) return pair.key;
    return 0;
}

int virtualKeyForCharacterKeyval(unsigned keyval) {
    if (keyval >= GDK_KEY_a && keyval <= GDK_KEY_z) return static_cast<int>(keyval - GDK_KEY_a) + 'A';
    if (keyval >= GDK_KEY_A && keyval <= GDK_KEY_Z) return static_cast<int>(keyval - GDK_KEY_A) + 'A';
    if (keyval >= GDK_KEY_0 && keyval <= GDK_KEY_9) return static_cast<int>(keyval - GDK_KEY_0) + '0';
    for (const auto& pair : kPunctuationKeys)
        if (pair.keyval == keyval) return pair.key;
    return 0;
}

int virtualKeyFor(unsigned keyval, unsigned baseKeyval) {
    if (const int special = virtualKeyForSpecialKeyval(keyval)) return special;
    if (baseKeyval != 0 && virtualKeyForSpecialKeyval(baseKeyval) == 0) {
        if (const int base = virtualKeyForCharacterKeyval(baseKeyval)) return base;
    }
    return virtualKeyForCharacterKeyval(keyval);
}

}  // namespace sk::platform
