// A pen strokes paths: a colour or a brush, a width in pixels, an alignment (centred
// on the path, or inset: wholly inside a closed figure), joins, caps, dashes (lengths
// in multiples of the width) and a compound array (parallel bands across the width).
#pragma once

#include <memory>
#include <vector>

#include "drawing/Brush.h"

namespace sk::drawing {

class Pen {
public:
    explicit Pen(ARGB color, float width = 1.0f);
    explicit Pen(const Brush& brush, float width = 1.0f);
    Pen(const Pen& other);
    Pen& operator=(const Pen& other);
    Pen(Pen&&) noexcept = default;
    Pen& operator=(Pen&&) noexcept = default;
    ~Pen();

    void setColor(ARGB color);
    void setBrush(const Brush& brush);
    const Brush& brush() const { return *m_brush; }
    // The solid colour, or 0 when the pen has another brush.
    ARGB color() const;

    void setWidth(float width) { m_width = width; }
    float width() const { return m_width; }
    void setAlignment(PenAlignment alignment) { m_alignment = alignment; }
    PenAlignment alignment() const { return m_alignment; }
    void setLineJoin(LineJoin join) { m_join = join; }
    LineJoin lineJoin() const { return m_join; }
    void setMiterLimit(float limit) { m_miterLimit = limit; }
    float miterLimit() const { return m_miterLimit; }
    void setLineCap(LineCap start, LineCap end) {
        m_startCap = start;
        m_endCap = end;
    }
    LineCap startCap() const { return m_startCap; }
    LineCap endCap() const { return m_endCap; }

    // Solid, Dash (3 on, 1 off), Dot (1, 1), DashDot, DashDotDot, or Custom with the
    // lengths given to setDashPattern. Lengths and the offset are in multiples of the width.
    void setDashStyle(DashStyle style) { m_dashStyle = style; }
    DashStyle dashStyle() const { return m_dashStyle; }
    void setDashOffset(float offset) { m_dashOffset = offset; }
    float dashOffset() const { return m_dashOffset; }
    Status setDashPattern(std::vector<float> lengths);  // also sets DashStyle::Custom
    std::vector<float> dashPattern() const;             // the lengths in force
    // Pairs of fractions 0..1 across the width (ascending): [start, end, start, end, ...].
    Status setCompoundArray(std::vector<float> bands);
    const std::vector<float>& compoundArray() const { return m_compound; }

private:
    std::unique_ptr<Brush> m_brush;
    float m_width;
    PenAlignment m_alignment = PenAlignment::Center;
    LineJoin m_join = LineJoin::Miter;
    float m_miterLimit = 10.0f;
    LineCap m_startCap = LineCap::Flat, m_endCap = LineCap::Flat;
    DashStyle m_dashStyle = DashStyle::Solid;
    float m_dashOffset = 0;
    std::vector<float> m_customDash;
    std::vector<float> m_compound;
};

}  // namespace sk::drawing
