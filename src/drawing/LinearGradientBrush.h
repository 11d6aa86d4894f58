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

#include "drawing/Brush.h"
#include "drawing/Geometry.h"

namespace sk::drawing {

// Blend factors: at each position (0..1, ascending, first 0 and last 1) the share of
// the second colour (0..1). Shared by linear and path gradients.
struct GradientBlend {
    std::vector<float> factors;
    std::vector<float> positions;
};
// Preset ("interpolation") colours: a colour at each position, replacing the two colours.
struct GradientPreset {
    std::vector<ARGB> colors;
    std::vector<float> positions;
};

class LinearGradientBrush final : public Brush {
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
    // Interpolates in linear light (gamma 2.2) instead of in the stored values.
    void setGammaCorrection(bool on) { m_gamma = on; }
    bool gammaCorrection() const { return m_gamma; }

    // Status::InvalidParameter when the arrays differ in size, have fewer than two
    // entries or positions do not start at 0 and end at 1; the brush stays as it was.
    Status setBlend(std::vector<float> factors, std::vector<float> positions);
    // A bell curve (normal distribution) peaking with share `scale` of the second
    // colour at `focus`; a triangle rising linearly to `scale` at `focus`.
    Status setBlendBellShape(float focus, float scale = 1.0f);
    Status setBlendTriangularShape(float focus, float scale = 1.0f);
    Status setInterpolationColors(std::vector<ARGB> colors, std::vector<float> positions);
    const GradientBlend& blend() const { return m_blend; }
    const GradientPreset& interpolationColors() const { return m_preset; }

    // The colour at a position 0..1 along the gradient (blend, presets and gamma applied).
    ARGB colorAt(float position) const;

    BrushType type() const override { return BrushType::LinearGradient; }
    std::unique_ptr<Brush> clone() const override { return std::make_unique<LinearGradientBrush>(*this); }
    cairo_pattern_t* createPattern(cairo_t* cr) const override;

private:
    RectF m_rect;
    ARGB m_color1, m_color2;
    // The gradient in user space: position = dot(p - m_origin, m_axis) (affine).
    PointF m_start, m_end;
    // For rectangle modes, position = a*x + b*y + c.
    double m_a = 0, m_b = 0, m_c = 0;
    WrapMode m_wrap = WrapMode::Tile;
    bool m_gamma = false;
    GradientBlend m_blend;
    GradientPreset m_preset;
};

// Shared by the gradient brushes: validation and evaluation of blends and presets.
namespace gradient {
bool validPositions(const std::vector<float>& positions);
GradientBlend bellShape(float focus, float scale);
GradientBlend triangularShape(float focus, float scale);
// Colour at t (0..1) from `from` (t = 0) to `to` (t = 1) through blend or presets.
ARGB colorAt(float t, ARGB from, ARGB to, const GradientBlend& blend, const GradientPreset& preset,
             bool gamma);
// Positions at which the colour function bends, 0 and 1 included, ascending; with
// gamma correction intervals are subdivided so that straight pieces follow the curve.
std::vector<float> breakpoints(const GradientBlend& blend, const GradientPreset& preset, bool gamma);
}  // namespace gradient

}  // namespace sk::drawing
