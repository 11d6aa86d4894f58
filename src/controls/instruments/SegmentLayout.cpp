#include "controls/instruments/SegmentLayout.h"

#include <algorithm>
#include <cmath>
#include <numbers>

namespace sk::instruments {

namespace {

constexpr std::uint32_t kDigitMasks[16] = {0x3F, 0x06, 0x5B, 0x4F, 0x66, 0x6D, 0x7D, 0x07,
                                           0x7F, 0x6F, 0x77, 0x7C, 0x39, 0x5E, 0x79, 0x71};

// trunc(log_base(m)) + 1: the digits of the integer part, at least 1.
int integerDigits(double m, unsigned base) {
    if (!(m >= 1) || !std::isfinite(m)) return 1;
    int k = static_cast<int>(std::trunc(std::log(m) / std::log(static_cast<double>(base)) + 1e-12)) + 1;
    return std::clamp(k, 1, 32);
}

}  // namespace

std::uint32_t decimalPointBit(TILSegmentsType type) {
    switch (type) {
        case stNine:
            return 0x200;
        case stFourteen:
            return 0x4000;
        case stSixteen:
            return 0x10000;
        case stSeven:
            break;
    }
    return 0x80;
}

std::uint32_t digitMask(unsigned digit) {
    return digit < 16 ? kDigitMasks[digit] : 0;
}

unsigned digitBase(unsigned base) {
    return std::clamp(base, 2u, 16u);
}

unsigned digitCount(const DigitRules& rules, double min, double max) {
    if (!rules.autoSize) return std::clamp(rules.numberDigits, 1u, 32u);
    const double m = std::max(std::fabs(max), std::fabs(min));
    const unsigned k = static_cast<unsigned>(integerDigits(m, digitBase(rules.base)));
    return std::clamp(rules.fixedPrecision ? k + std::min(rules.precisionDigits, 31u) : k, 1u, 32u);
}

int decimalsFor(const DigitRules& rules, unsigned cells, double value) {
    if (rules.fixedPrecision) return static_cast<int>(std::min(rules.precisionDigits, 31u));
    const int n = static_cast<int>(cells);
    // A value that would leave no decimal point among the cells (or need negative
    // decimals) is shown with as many decimals as fit.
    if (value == 0 || !std::isfinite(value)) return n - 1;
    const double m = std::fabs(value);
    const int integer = m >= 1 ? integerDigits(m, digitBase(rules.base))
                               : static_cast<int>(std::trunc(
                                     std::log(m) / std::log(static_cast<double>(digitBase(rules.base))))) +
                                     1;
    return std::clamp(n - integer, 0, n - 1);
}

std::vector<CellSymbol> cellSymbols(const DigitRules& rules, TILSegmentsType type, unsigned cells,
                                    double value) {
    const unsigned base = digitBase(rules.base);
    const int d = decimalsFor(rules, cells, value);
    std::vector<CellSymbol> result(cells);
    const double scaled = std::fabs(std::nearbyint(value * std::pow(static_cast<double>(base), d)));
    if (!std::isfinite(scaled) || scaled >= std::pow(static_cast<double>(base), cells)) {
        for (CellSymbol& c : result) c = {kOverflowMask, '-'};
        return result;
    }
    auto n = static_cast<unsigned long long>(scaled);
    int e = d;
    for (CellSymbol& cell : result) {
        const unsigned digit = static_cast<unsigned>(n % base);
        n /= base;
        if (e < 0 && !rules.leadingZero && digit == 0 && n == 0) {
            cell = {};
        } else {
            cell.mask = digitMask(digit) | (e == 0 ? decimalPointBit(type) : 0);
            cell.symbol = "0123456789ABCDEF"[digit];
        }
        --e;
    }
    return result;
}

CellLayout cellLayout(int width, unsigned cells, bool signVisible, float signSize, bool signProportional) {
    CellLayout layout;
    layout.right = static_cast<float>(width - 1);
    const float fraction = signVisible && signProportional ? signSize : 0.0f;
    const float fixed = signVisible && !signProportional ? signSize : 0.0f;
    layout.cellWidth = std::max(0.0f, (layout.right - fixed) / (static_cast<float>(cells) + fraction));
    layout.signWidth = signVisible ? (signProportional ? fraction * layout.cellWidth : fixed) : 0.0f;
    return layout;
}

CellGeometry cellGeometry(float wc, float hc, const CellSizes& sizes) {
    CellGeometry c;
    const float L = sizes.left, R = sizes.right, T = sizes.top, B = sizes.bottom;
    const float t = sizes.thickness, g = sizes.gap, s = 0.1f * wc;
    const float ym = T + (hc - T - B) / 2, yb = hc - B - t / 2;
    const float inner = hc - T - B - t;
    const float q = inner != 0 ? (2 * g + t) * s / inner / 2 : 0;
    const float xr = wc - R;
    c.thickness = t;
    c.segments[0] = {{{L + s + g + t / 2, T + t / 2},
                      {L + s + g + t, T},
                      {xr - g - t, T},
                      {xr - g - t / 2, T + t / 2},
                      {xr - g - t, T + t},
                      {L + s + g + t, T + t}}};
    c.segments[1] = {{{xr - t / 2, T + g + t / 2},
                      {xr, T + g + t},
                      {xr - s / 2 + q, ym - g - t / 2},
                      {xr - t / 2 - s / 2 + q, ym - g},
                      {xr - t - s / 2 + q, ym - g - t / 2},
                      {xr - t, T + g + t}}};
    c.segments[2] = {{{xr - t / 2 - s / 2 - q, ym + g},
                      {xr - s / 2 - q, ym + g + t / 2},
                      {xr - s, yb - g - t / 2},
                      {xr - t / 2 - s, yb - g},
                      {xr - t - s, yb - g - t / 2},
                      {xr - t - s / 2 - q, ym + g + t / 2}}};
    c.segments[3] = {{{L + g + t / 2, yb},
                      {L + g + t, yb - t / 2},
                      {xr - s - g - t, yb - t / 2},
                      {xr - s - g - t / 2, yb},
                      {xr - s - g - t, yb + t / 2},
                      {L + g + t, yb + t / 2}}};
    c.segments[4] = {{{L + s / 2 - q + t / 2, ym + g},
                      {L + s / 2 - q + t, ym + g + t / 2},
                      {L + t, yb - g - t / 2},
                      {L + t / 2, yb - g},
                      {L, yb - g - t / 2},
                      {L + s / 2 - q, ym + g + t / 2}}};
    c.segments[5] = {{{L + s + t / 2, T + g + t / 2},
                      {L + s + t, T + g + t},
                      {L + s / 2 + q + t, ym - g - t / 2},
                      {L + s / 2 + q + t / 2, ym - g},
                      {L + s / 2 + q, ym - g - t / 2},
                      {L + s, T + g + t}}};
    c.segments[6] = {{{L + s / 2 + g + t / 2, ym},
                      {L + s / 2 + g + t, ym - t / 2},
                      {xr - s / 2 - g - t, ym - t / 2},
                      {xr - s / 2 - g - t / 2, ym},
                      {xr - s / 2 - g - t, ym + t / 2},
                      {L + s / 2 + g + t, ym + t / 2}}};
    const float dp = sizes.pointSize;
    c.point = {wc - dp - sizes.pointRight, hc - dp - sizes.pointBottom, dp, dp};
    c.pointGlow = {c.point.x - 0.8f * dp, c.point.y - 0.8f * dp, 2.6f * dp, 2.6f * dp};
    return c;
}

std::vector<drawing::PointF> grownOutline(const std::vector<drawing::PointF>& polygon, float by) {
    const std::size_t n = polygon.size();
    if (n < 3 || !(by > 0)) return polygon;
    drawing::PointF centre{0, 0};
    for (const auto& p : polygon) {
        centre.x += p.x / static_cast<float>(n);
        centre.y += p.y / static_cast<float>(n);
    }
    // The outward direction of each edge i (from point i to point i + 1), in radians.
    std::vector<double> normals(n);
    for (std::size_t i = 0; i < n; ++i) {
        const drawing::PointF a = polygon[i], b = polygon[(i + 1) % n];
        double nx = b.y - a.y, ny = -(b.x - a.x);
        if (nx * ((a.x + b.x) / 2 - centre.x) + ny * ((a.y + b.y) / 2 - centre.y) < 0) {
            nx = -nx;
            ny = -ny;
        }
        normals[i] = std::atan2(ny, nx);
    }
    std::vector<drawing::PointF> grown;
    constexpr double kStep = std::numbers::pi / 12;  // 15 degrees
    for (std::size_t i = 0; i < n; ++i) {
        const double from = normals[(i + n - 1) % n];
        double sweep = normals[i] - from;
        while (sweep > std::numbers::pi) sweep -= 2 * std::numbers::pi;
        while (sweep <= -std::numbers::pi) sweep += 2 * std::numbers::pi;
        const int steps = std::max(1, static_cast<int>(std::ceil(std::fabs(sweep) / kStep)));
        for (int k = 0; k <= steps; ++k) {
            const double angle = from + sweep * k / steps;
            grown.push_back({polygon[i].x + by * static_cast<float>(std::cos(angle)),
                             polygon[i].y + by * static_cast<float>(std::sin(angle))});
        }
    }
    return grown;
}

}  // namespace sk::instruments
