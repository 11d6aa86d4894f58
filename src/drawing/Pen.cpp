// Pens.
#include "drawing/Pen.h"

#include <algorithm>
#include <cmath>

namespace sk::drawing {

Pen::Pen(ARGB color, float width) : m_brush(std::make_unique<SolidBrush>(color)), m_width(width) {}
Pen::Pen(const Brush& brush, float width) : m_brush(brush.clone()), m_width(width) {}

Pen::Pen(const Pen& other)
    : m_brush(other.m_brush->clone()),
      m_width(other.m_width),
      m_alignment(other.m_alignment),
      m_join(other.m_join),
      m_miterLimit(other.m_miterLimit),
      m_startCap(other.m_startCap),
      m_endCap(other.m_endCap),
      m_dashStyle(other.m_dashStyle),
      m_dashOffset(other.m_dashOffset),
      m_customDash(other.m_customDash),
      m_compound(other.m_compound) {}

Pen& Pen::operator=(const Pen& other) {
    if (this != &other) {
        Pen copy(other);
        *this = std::move(copy);
    }
    return *this;
}

Pen::~Pen() = default;

void Pen::setColor(ARGB color) {
    m_brush = std::make_unique<SolidBrush>(color);
}
void Pen::setBrush(const Brush& brush) {
    m_brush = brush.clone();
}

ARGB Pen::color() const {
    const auto* solid = dynamic_cast<const SolidBrush*>(m_brush.get());
    return solid ? solid->color() : 0;
}

Status Pen::setDashPattern(std::vector<float> lengths) {
    if (lengths.empty() ||
        std::any_of(lengths.begin(), lengths.end(), [](float v) { return !(v > 0) || !std::isfinite(v); }))
        return Status::InvalidParameter;
    m_customDash = std::move(lengths);
    m_dashStyle = DashStyle::Custom;
    return Status::Ok;
}

std::vector<float> Pen::dashPattern() const {
    switch (m_dashStyle) {
        case DashStyle::Solid:
            return {};
        case DashStyle::Dash:
            return {3, 1};
        case DashStyle::Dot:
            return {1, 1};
        case DashStyle::DashDot:
            return {3, 1, 1, 1};
        case DashStyle::DashDotDot:
            return {3, 1, 1, 1, 1, 1};
        case DashStyle::Custom:
            return m_customDash;
    }
    return {};
}

Status Pen::setCompoundArray(std::vector<float> bands) {
    if (bands.size() % 2 != 0) return Status::InvalidParameter;
    for (std::size_t i = 0; i < bands.size(); ++i) {
        if (!(bands[i] >= 0 && bands[i] <= 1)) return Status::InvalidParameter;
        if (i > 0 && bands[i] < bands[i - 1]) return Status::InvalidParameter;
    }
    m_compound = std::move(bands);
    return Status::Ok;
}

}  // namespace sk::drawing
