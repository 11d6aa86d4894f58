// A linear gradient between two colours. Made from a rectangle and a mode (the
// gradient spans the rectangle horizontally, vertically or along a diagonal), from
// a rectangle and an angle, or from two points. Positions along the gradient run
// from 0 (first colour) to 1 (second colour); outside, the wrap mode repeats it.
//
//   LinearGradientBrush brush(rect, 0xFFFFFFFF, 0xFF000080, LinearGradientMode::ForwardDiagonal);
//   brush.setBlendBellShape(0.5f);          // second colour peaks in the middle
//   g.fillPath(brush, path);
#pragma once

#include <vector>

#include "drawing/Geometry.h"
#include "drawing/GradientBrush.h"

namespace sk::drawing {

class LinearGradientBrush final : public GradientBrush {
public:
    // Diagonal modes run from the top-left (forward) or top-right (backward) corner
    // to the opposite one, with lines of equal colour through the other two corners.
    LinearGradientBrush(const RectF& rect, ARGB color1, ARGB color2, LinearGradientMode mode);
    // `angle` in degrees clockwise from the x axis. Angle-scalable: the angle is taken
    // in the rectangle's proportions (45 degrees runs corner to corner).
    LinearGradientBrush(const RectF& rect, ARGB color1, ARGB color2, float angle,
                        bool isAngleScalable = false);
    LinearGradientBrush(PointF point1, PointF point2, ARGB color1, ARGB color2);

    void setLinearColors(ARGB color1, ARGB color2);
    ARGB color1() const { return m_color1; }
    ARGB color2() const { return m_color2; }
    RectF rectangle() const { return m_rect; }

    // Tile (the default), TileFlip* mirror; Clamp is not available for linear
    // gradients and is taken as Tile.
    void setWrapMode(WrapMode mode) { m_wrap = mode; }
    WrapMode wrapMode() const { return m_wrap; }
    // The colour at a position 0..1 along the gradient (blend, presets and gamma applied).
    ARGB colorAt(float position) const;

    BrushType type() const override { return BrushType::LinearGradient; }
    std::unique_ptr<Brush> clone() const override { return std::make_unique<LinearGradientBrush>(*this); }
    detail::CairoPattern createPattern(cairo_t* cr) const override;

private:
    RectF m_rect;
    ARGB m_color1, m_color2;
    // The gradient in user space: position = dot(p - m_origin, m_axis) (affine).
    PointF m_start, m_end;
    // For rectangle modes, position = a*x + b*y + c.
    double m_a = 0, m_b = 0, m_c = 0;
    WrapMode m_wrap = WrapMode::Tile;
};

}  // namespace sk::drawing
