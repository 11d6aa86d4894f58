// Solid brushes.
#include "drawing/Brush.h"

#include "drawing/CairoSupport.h"

namespace sk::drawing {

detail::CairoPattern SolidBrush::createPattern(cairo_t*) const {
    return detail::CairoPattern(
        cairo_pattern_create_rgba(argbRed(m_color) / 255.0, argbGreen(m_color) / 255.0,
                                  argbBlue(m_color) / 255.0, alphaOf(m_color) / 255.0));
}

}  // namespace sk::drawing
