// Helpers shared by the drawing layer's sources (not for controls): colours and
// brushes as cairo sources, and text layouts bound to the program's font map.
#pragma once

#include <cairo.h>
#include <pango/pangocairo.h>

#include <string>
#include <string_view>

#include "drawing/CairoHandles.h"
#include "drawing/Color.h"
#include "drawing/Font.h"
#include "drawing/Geometry.h"
#include "drawing/GraphicsPath.h"
#include "drawing/StringFormat.h"

namespace sk::drawing::detail {

inline void setSourceArgb(cairo_t* cr, ARGB color) {
    cairo_set_source_rgba(cr, argbRed(color) / 255.0, argbGreen(color) / 255.0, argbBlue(color) / 255.0,
                          alphaOf(color) / 255.0);
}
inline void addStop(cairo_pattern_t* pattern, double offset, ARGB color) {
    cairo_pattern_add_color_stop_rgba(pattern, offset, argbRed(color) / 255.0, argbGreen(color) / 255.0,
                                      argbBlue(color) / 255.0, alphaOf(color) / 255.0);
}

// Text after hot-key processing: "&x" shows x (underlined when `underline`), "&&" one "&".
struct PrefixedText {
    std::string text;
    int underlineIndex = -1;  // byte index of the underlined character
};
PrefixedText processHotkeyPrefix(std::string_view text, bool underline);

// Gives a layout its text and font; Canvas, Graphics and the measurer all set up
// their layouts here. Invalid UTF-8 bytes are replaced (pango would refuse the whole
// text, and the mark is then dropped); underline and strike-out cover the whole
// text; the character at byte `markIndex` (-1: none) is underlined as a hot key.
void setLayoutText(PangoLayout* layout, std::string text, const PangoFontDescription* description,
                   bool underline, bool strikeOut, int markIndex = -1);

// A laid-out string: the layout, where its top-left goes, the text box and the clip.
struct LaidOutText {
    GObjectHandle<PangoLayout> layout;
    double x = 0, y = 0;            // top-left of the layout's logical box, user space
    RectF box;                      // the measured box (see Graphics::measureString)
    bool clip = false;
    RectF clipRect;
    int lines = 0;
};
LaidOutText layoutString(PangoContext* context, std::string_view utf8Text, const Font& font,
                         const RectF& layout, bool atPoint, const StringFormat& format);

// Adds a cairo path (user coordinates as copied) to a GraphicsPath.
void appendCairoPath(GraphicsPath& target, const cairo_path_t* path);

// Font options for a text rendering hint (0..5).
CairoFontOptions fontOptionsFor(int textRenderingHint);

}  // namespace sk::drawing::detail
