// Turns GDK key values into the classic virtual-key codes of Input.h.
// Kept free of GTK types so that it can be tested without a display: key
// values are plain numbers (the X keysyms that GDK uses).
#pragma once

namespace sk::platform {

// The vk code of a key that types no character (function, navigation,
// modifier and keypad keys); 0 for character keys and unknown keys.
int virtualKeyForSpecialKeyval(unsigned keyval);

// The vk code of a key that types a character on a US keyboard: letters
// (either case), digits, their shifted symbols and the punctuation keys.
// 0 for everything else (Cyrillic letters, for instance).
int virtualKeyForCharacterKeyval(unsigned keyval);

// The vk code of a key press: special keys by their key value; character keys
// by the key's unshifted value in the first keyboard layout (baseKeyval) when
// that is a Latin key, as the classic window system names the keys of a
// Russian layout after the Latin letters they carry, else by the key value.
int virtualKeyFor(unsigned keyval, unsigned baseKeyval);

}  // namespace sk::platform
