// Text for GTK's own widgets (titles, message boxes, the save dialog's name).
// They take UTF-8 only and show nothing, or stop at the first bad byte, for
// anything else; file names with bytes of another encoding reach them inside
// messages, so every byte that is not UTF-8 becomes U+FFFD first.
#pragma once

#include <string>

namespace sk::platform {

std::string displayableText(const std::string& text);

}  // namespace sk::platform
