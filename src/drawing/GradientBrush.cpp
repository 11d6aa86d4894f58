// The blend and preset-colour arithmetic of the gradient brushes.
#include "drawing/GradientBrush.h"

#include <algorithm>
#include <cmath>
#include <numbers>

namespace sk::drawing {

// ---- Blends and presets ------------------------------------------------------------

namespace gradient {

namespace {

double toLinear(int channel) {
    return std::pow(channel / 255.0, 2.2);
}
int fromLinear(double value) {
    return std::clamp(static_cast<int>(std::lround(std::pow(std::clamp(value, 0.0, 1.0), 1 / 2.2) * 255)), 0,
                      255);
}

ARGB mix(ARGB a, ARGB b, double t, bool gamma) {
    t = std::clamp(t, 0.0, 1.0);
    auto linear = [t](int x, int y) { return static_cast<int>(std::lround(x + (y - x) * t)); };
    auto corrected = [t](int x, int y) { return fromLinear(toLinear(x) + (toLinear(y) - toLinear(x)) * t); };
    const int alpha = linear(alphaOf(a), alphaOf(b));
    if (gamma)
        return makeARGB(alpha, corrected(argbRed(a), argbRed(b)), corrected(argbGreen(a), argbGreen(b)),
                        corrected(argbBlue(a), argbBlue(b)));
    return makeARGB(alpha, linear(argbRed(a), argbRed(b)), linear(argbGreen(a), argbGreen(b)),
                    linear(argbBlue(a), argbBlue(b)));
}

// Index of the interval [positions[i], positions[i + 1]] holding t.
std::size_t intervalOf(const std::vector<float>& positions, float t) {
    std::size_t i = 0;
    while (i + 2 < positions.size() && t > positions[i + 1]) ++i;
    return i;
}

// The normal distribution's S curve scaled to run from 0 at u = 0 to 1 at u = 1.
double bellRise(double u) {
    constexpr double k = 2.0;  // +-2 standard deviations across the half
    auto phi = [](double x) { return 0.5 * std::erfc(-x / std::numbers::sqrt2); };
    return (phi((u - 0.5) * 2 * k) - phi(-k)) / (phi(k) - phi(-k));
}

}  // namespace

bool validPositions(const std::vector<float>& positions) {
    if (positions.size() < 2) return false;
    if (std::abs(positions.front()) > 1e-6f || std::abs(positions.back() - 1) > 1e-6f) return false;
    for (std::size_t i = 1; i < positions.size(); ++i)
        if (!(positions[i] >= positions[i - 1])) return false;
    return true;
}

GradientBlend bellShape(float focus, float scale) {
    focus = std::clamp(focus, 0.0f, 1.0f);
    scale = std::clamp(scale, 0.0f, 1.0f);
    GradientBlend blend;
    constexpr int kSteps = 16;
    if (focus > 0) {
        for (int i = 0; i < kSteps; ++i) {
            const double u = static_cast<double>(i) / kSteps;
            blend.positions.push_back(static_cast<float>(u * focus));
            blend.factors.push_back(static_cast<float>(scale * bellRise(u)));
        }
    }
    blend.positions.push_back(focus);
    blend.factors.push_back(scale);
    if (focus < 1) {
        for (int i = kSteps - 1; i >= 0; --i) {
            const double u = static_cast<double>(i) / kSteps;
            blend.positions.push_back(static_cast<float>(1 - u * (1 - focus)));
            blend.factors.push_back(static_cast<float>(scale * bellRise(u)));
        }
    }
    return blend;
}

GradientBlend triangularShape(float focus, float scale) {
    focus = std::clamp(focus, 0.0f, 1.0f);
    scale = std::clamp(scale, 0.0f, 1.0f);
    GradientBlend blend;
    if (focus > 0) {
        blend.positions.push_back(0);
        blend.factors.push_back(0);
    }
    blend.positions.push_back(focus);
    blend.factors.push_back(scale);
    if (focus < 1) {
        blend.positions.push_back(1);
        blend.factors.push_back(0);
    }
    return blend;
}

ARGB colorAt(float t, ARGB from, ARGB to, const GradientBlend& blend, const GradientPreset& preset,
             bool gamma) {
    t = std::clamp(std::isfinite(t) ? t : 0.0f, 0.0f, 1.0f);
    if (preset.colors.size() >= 2) {
        const std::size_t i = intervalOf(preset.positions, t);
        const float span = preset.positions[i + 1] - preset.positions[i];
        const double u = span > 0 ? (t - preset.positions[i]) / span : 0;
        return mix(preset.colors[i], preset.colors[i + 1], u, gamma);
    }
    double factor = t;
    if (blend.factors.size() >= 2) {
        const std::size_t i = intervalOf(blend.positions, t);
        const float span = blend.positions[i + 1] - blend.positions[i];
        const double u = span > 0 ? (t - blend.positions[i]) / span : 0;
        factor = blend.factors[i] + (blend.factors[i + 1] - blend.factors[i]) * u;
    }
    return mix(from, to, factor, gamma);
}

std::vector<float> breakpoints(const GradientBlend& blend, const GradientPreset& preset, bool gamma) {
    std::vector<float> points;
    if (preset.colors.size() >= 2)
        points = preset.positions;
    else if (blend.factors.size() >= 2)
        points = blend.positions;
    else
        points = {0.0f, 1.0f};
    if (!gamma) return points;
    std::vector<float> fine;
    constexpr int kSubdivisions = 8;
    for (std::size_t i = 0; i + 1 < points.size(); ++i)
        for (int k = 0; k < kSubdivisions; ++k)
            fine.push_back(points[i] + (points[i + 1] - points[i]) * k / kSubdivisions);
    fine.push_back(points.back());
    return fine;
}

}  // namespace gradient

// ---- The shared brush state ---------------------------------------------------------

Status GradientBrush::setBlend(std::vector<float> factors, std::vector<float> positions) {
    if (factors.size() != positions.size() || !gradient::validPositions(positions))
        return Status::InvalidParameter;
    for (float& f : factors) f = std::clamp(f, 0.0f, 1.0f);
    m_blend = {std::move(factors), std::move(positions)};
    m_preset = {};
    return Status::Ok;
}

Status GradientBrush::setBlendBellShape(float focus, float scale) {
    if (!std::isfinite(focus) || !std::isfinite(scale)) return Status::InvalidParameter;
    m_blend = gradient::bellShape(focus, scale);
    m_preset = {};
    return Status::Ok;
}

Status GradientBrush::setBlendTriangularShape(float focus, float scale) {
    if (!std::isfinite(focus) || !std::isfinite(scale)) return Status::InvalidParameter;
    m_blend = gradient::triangularShape(focus, scale);
    m_preset = {};
    return Status::Ok;
}

Status GradientBrush::setInterpolationColors(std::vector<ARGB> colors, std::vector<float> positions) {
    if (colors.size() != positions.size() || !gradient::validPositions(positions))
        return Status::InvalidParameter;
    m_preset = {std::move(colors), std::move(positions)};
    m_blend = {};
    return Status::Ok;
}

ARGB GradientBrush::blendedColor(float t, ARGB from, ARGB to) const {
    return gradient::colorAt(t, from, to, m_blend, m_preset, m_gamma);
}

std::vector<float> GradientBrush::breakpoints() const {
    return gradient::breakpoints(m_blend, m_preset, m_gamma);
}

}  // namespace sk::drawing
