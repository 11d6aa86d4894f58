// Linear gradients.
#include "drawing/LinearGradientBrush.h"

#include <algorithm>
#include <cmath>
#include <numbers>

#include "drawing/CairoSupport.h"

namespace sk::drawing {

// ---- The brush ----------------------------------------------------------------------

LinearGradientBrush::LinearGradientBrush(const RectF& rect, ARGB color1, ARGB color2, LinearGradientMode mode)
    : m_rect(rect), m_color1(color1), m_color2(color2) {
    const double w = rect.width != 0 ? rect.width : 1, h = rect.height != 0 ? rect.height : 1;
    switch (mode) {
        case LinearGradientMode::Horizontal:
            m_a = 1 / w, m_b = 0, m_c = -rect.x / w;
            break;
        case LinearGradientMode::Vertical:
            m_a = 0, m_b = 1 / h, m_c = -rect.y / h;
            break;
        case LinearGradientMode::ForwardDiagonal:  // ((x - left)/w + (y - top)/h) / 2
            m_a = 0.5 / w, m_b = 0.5 / h, m_c = -0.5 * (rect.x / w + rect.y / h);
            break;
        case LinearGradientMode::BackwardDiagonal:  // ((right - x)/w + (y - top)/h) / 2
            m_a = -0.5 / w, m_b = 0.5 / h, m_c = 0.5 * ((rect.x + w) / w - rect.y / h);
            break;
    }
}

LinearGradientBrush::LinearGradientBrush(const RectF& rect, ARGB color1, ARGB color2, float angle,
                                         bool isAngleScalable)
    : m_rect(rect), m_color1(color1), m_color2(color2) {
    const double w = rect.width != 0 ? rect.width : 1, h = rect.height != 0 ? rect.height : 1;
    const double r = (std::isfinite(angle) ? angle : 0.0) * std::numbers::pi / 180.0;
    // Direction per pixel: in the rectangle's own proportions when angle-scalable.
    double dx = std::cos(r), dy = std::sin(r);
    if (isAngleScalable) dx /= w, dy /= h;
    // Position = (d . p - min over corners) / (max - min over corners).
    const double corners[4] = {dx * rect.x + dy * rect.y, dx * (rect.x + w) + dy * rect.y,
                               dx * rect.x + dy * (rect.y + h), dx * (rect.x + w) + dy * (rect.y + h)};
    const double lo = *std::min_element(corners, corners + 4), hi = *std::max_element(corners, corners + 4);
    const double span = hi - lo > 1e-12 ? hi - lo : 1;
    m_a = dx / span, m_b = dy / span, m_c = -lo / span;
}

LinearGradientBrush::LinearGradientBrush(PointF p1, PointF p2, ARGB color1, ARGB color2)
    : m_color1(color1), m_color2(color2) {
    const double vx = p2.x - p1.x, vy = p2.y - p1.y;
    double length2 = vx * vx + vy * vy;
    if (length2 < 1e-12) length2 = 1;
    m_a = vx / length2, m_b = vy / length2, m_c = -(p1.x * vx + p1.y * vy) / length2;
    m_rect = {std::min(p1.x, p2.x), std::min(p1.y, p2.y), std::abs(p2.x - p1.x), std::abs(p2.y - p1.y)};
}

void LinearGradientBrush::setLinearColors(ARGB color1, ARGB color2) {
    m_color1 = color1;
    m_color2 = color2;
}

ARGB LinearGradientBrush::colorAt(float position) const {
    return blendedColor(position, m_color1, m_color2);
}

detail::CairoPattern LinearGradientBrush::createPattern(cairo_t*) const {
    // Two points with positions 0 and 1 along the gradient's direction (a, b).
    const double n2 = m_a * m_a + m_b * m_b;
    if (!(n2 > 0) || !std::isfinite(n2)) return detail::CairoPattern(cairo_pattern_create_rgba(0, 0, 0, 0));
    const double x0 = -m_c * m_a / n2, y0 = -m_c * m_b / n2;
    const double x1 = x0 + m_a / n2, y1 = y0 + m_b / n2;
    detail::CairoPattern pattern(cairo_pattern_create_linear(x0, y0, x1, y1));
    for (float t : breakpoints()) detail::addStop(pattern.get(), t, colorAt(t));
    cairo_pattern_set_extend(pattern.get(), m_wrap == WrapMode::Tile || m_wrap == WrapMode::Clamp
                                                ? CAIRO_EXTEND_REPEAT
                                                : CAIRO_EXTEND_REFLECT);
    return pattern;
}

}  // namespace sk::drawing
