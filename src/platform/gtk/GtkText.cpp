#include "platform/gtk/GtkText.h"

#include <glib.h>

namespace sk::platform {

std::string displayableText(const std::string& text) {
    const auto length = static_cast<gssize>(text.size());
    if (g_utf8_validate(text.c_str(), length, nullptr)) return text;
    gchar* valid = g_utf8_make_valid(text.c_str(), length);
    std::string result(valid);
    g_free(valid);
    return result;
}

}  // namespace sk::platform
