// What linear and path gradients share: blend factors or preset colours along the
// gradient's positions, and gamma correction. Positions run from 0 to 1; for a
// linear gradient 0 is the first colour, for a path gradient 0 is the edge and 1
// the centre.
#pragma once

#include <vector>

#include "drawing/Brush.h"

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

class GradientBrush : public Brush {
public:
    // Interpolates in linear light (gamma 2.2) instead of in the stored values.
    void setGammaCorrection(bool on) { m_gamma = on; }
    bool gammaCorrection() const { return m_gamma; }

    // Status::InvalidParameter when the arrays differ in size, have fewer than two
    // entries or positions do not start at 0 and end at 1; the brush stays as it was.
    // A factor is the share of the far colour (the second colour, or the centre's).
    Status setBlend(std::vector<float> factors, std::vector<float> positions);
    // A bell curve (normal distribution) peaking with share `scale` of the far colour
    // at `focus`; a triangle rising linearly to `scale` at `focus`.
    Status setBlendBellShape(float focus, float scale = 1.0f);
    Status setBlendTriangularShape(float focus, float scale = 1.0f);
    Status setInterpolationColors(std::vector<ARGB> colors, std::vector<float> positions);
    const GradientBlend& blend() const { return m_blend; }
    const GradientPreset& interpolationColors() const { return m_preset; }

protected:
    GradientBrush() = default;
    GradientBrush(const GradientBrush&) = default;
    GradientBrush& operator=(const GradientBrush&) = default;

    // The colour at t (0..1) from `from` to `to` through this brush's blend or presets.
    ARGB blendedColor(float t, ARGB from, ARGB to) const;
    // Positions at which the colour function bends (see gradient::breakpoints).
    std::vector<float> breakpoints() const;

private:
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
