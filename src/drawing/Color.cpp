// Colour conversions and the shared colour arithmetic.
#include "drawing/Color.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <numbers>

namespace sk::drawing {

namespace {

// The classic system colour values (window colours 0x00BBGGRR) by index.
constexpr std::array<TColor, 31> kSystemColors = {
    RGB(212, 208, 200),  // 0 scroll bar
    RGB(58, 110, 165),   // 1 desktop
    RGB(10, 36, 106),    // 2 active caption
    RGB(128, 128, 128),  // 3 inactive caption
    RGB(212, 208, 200),  // 4 menu
    RGB(255, 255, 255),  // 5 window
    RGB(0, 0, 0),        // 6 window frame
    RGB(0, 0, 0),        // 7 menu text
    RGB(0, 0, 0),        // 8 window text
    RGB(255, 255, 255),  // 9 caption text
    RGB(212, 208, 200),  // 10 active border
    RGB(212, 208, 200),  // 11 inactive border
    RGB(128, 128, 128),  // 12 application work space
    RGB(10, 36, 106),    // 13 highlight
    RGB(255, 255, 255),  // 14 highlight text
    RGB(212, 208, 200),  // 15 button face
    RGB(128, 128, 128),  // 16 button shadow
    RGB(128, 128, 128),  // 17 grey text
    RGB(0, 0, 0),        // 18 button text
    RGB(212, 208, 200),  // 19 inactive caption text
    RGB(255, 255, 255),  // 20 button highlight
    RGB(64, 64, 64),     // 21 3-D dark shadow
    RGB(212, 208, 200),  // 22 3-D light
    RGB(0, 0, 0),        // 23 tooltip text
    RGB(255, 255, 225),  // 24 tooltip background
    RGB(181, 181, 181),  // 25 (unused slot)
    RGB(0, 0, 128),      // 26 hot-tracked item
    RGB(166, 202, 240),  // 27 active caption gradient
    RGB(192, 192, 192),  // 28 inactive caption gradient
    RGB(49, 106, 197),   // 29 menu highlight
    RGB(236, 233, 216),  // 30 menu bar
};

int clampByte(long value) {
    return static_cast<int>(std::clamp(value, 0L, 255L));
}

}  // namespace

int roundHalfEven(double value) {
    return static_cast<int>(std::nearbyint(value));
}

TColor ColorToRGB(TColor color) {
    if (color == clNone || color == clDefault) return clBlack;
    if (isSystemColor(color)) {
        const std::uint32_t index = color & 0xFF;
        return index < kSystemColors.size() ? kSystemColors[index] : clBlack;
    }
    return color & 0x00FFFFFF;
}

ARGB ColorToARGB(std::uint8_t opacity, TColor color) {
    const TColor rgb = ColorToRGB(color);
    return makeARGB(opacity, redOf(rgb), greenOf(rgb), blueOf(rgb));
}

TColor blendPercent(TColor c1, TColor c2, int percentage) {
    if (percentage >= 100) return ColorToRGB(c1);
    if (percentage <= 0) return ColorToRGB(c2);
    const TColor a = ColorToRGB(c1), b = ColorToRGB(c2);
    const double p = percentage / 100.0;
    auto mix = [p](int x, int y) { return std::min(255, roundHalfEven(p * x + (1 - p) * y)); };
    return RGB(mix(redOf(a), redOf(b)), mix(greenOf(a), greenOf(b)), mix(blueOf(a), blueOf(b)));
}

ARGB scaleColor(ARGB color, double factor) {
    auto scale = [factor](int c) { return clampByte(std::lround(std::nearbyint(c * factor))); };
    return makeARGB(alphaOf(color), scale(argbRed(color)), scale(argbGreen(color)), scale(argbBlue(color)));
}

ARGB blendColor(ARGB a, ARGB b, double t) {
    double eased = t - 0.095 * std::sin(2 * std::numbers::pi * t);
    eased = std::clamp(eased, 0.0, 1.0);
    auto mix = [eased](int x, int y) { return clampByte(std::lround(std::nearbyint(x + (y - x) * eased))); };
    return makeARGB(mix(alphaOf(a), alphaOf(b)), mix(argbRed(a), argbRed(b)), mix(argbGreen(a), argbGreen(b)),
                    mix(argbBlue(a), argbBlue(b)));
}

ARGB shadeColor(ARGB a, ARGB b, double phiDegrees) {
    const double radians = (phiDegrees + 45.0) * std::numbers::pi / 180.0;
    return blendColor(a, b, std::sin(radians) / 2 + 0.5);
}

}  // namespace sk::drawing
