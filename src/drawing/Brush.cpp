// Solid brushes.
#include "drawing/Brush.h"

#include "drawing/CairoSupport.h"

namespace sk::drawing {

cairo_pattern_t* SolidBrush::createPattern(cairo_t*) const {
    return cairo_pattern_create_rgba(argbRed(m_color) / 255.0, argbGreen(m_color) / 255.0,
                                     argbBlue(m_color) / 255.0, alphaOf(m_color) / 255.0);
}

}  // namespace sk::drawing
