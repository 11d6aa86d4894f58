// Hatch brushes: our own 8 x 8 designs of the 53 standard styles, drawn from each
// style's name. Row bytes: bit 7 is the leftmost pixel, a set bit is foreground.
#include "drawing/HatchBrush.h"

#include <array>
#include <string>

#include "drawing/CairoHandles.h"
#include "drawing/CairoSupport.h"

namespace sk::drawing {

namespace {

using Rows = std::array<std::uint8_t, 8>;

// A pattern from a predicate on (x, y).
template <typename Predicate>
constexpr Rows rowsWhere(Predicate set) {
    Rows rows{};
    for (int y = 0; y < 8; ++y)
        for (int x = 0; x < 8; ++x)
            if (set(x, y)) rows[static_cast<std::size_t>(y)] |= static_cast<std::uint8_t>(0x80 >> x);
    return rows;
}

// Percentage styles: an ordered dither, so that each density spreads its pixels evenly.
constexpr int kDither[8][8] = {
    {0, 32, 8, 40, 2, 34, 10, 42},    {48, 16, 56, 24, 50, 18, 58, 26}, {12, 44, 4, 36, 14, 46, 6, 38},
    {60, 28, 52, 20, 62, 30, 54, 22}, {3, 35, 11, 43, 1, 33, 9, 41},    {51, 19, 59, 27, 49, 17, 57, 25},
    {15, 47, 7, 39, 13, 45, 5, 37},   {63, 31, 55, 23, 61, 29, 53, 21},
};
constexpr Rows percent(int pixelsOf64) {
    return rowsWhere([pixelsOf64](int x, int y) { return kDither[y][x] < pixelsOf64; });
}
constexpr int mod(int a, int m) {
    return ((a % m) + m) % m;
}

constexpr std::array<Rows, HatchStyleTotal> kPatterns = {
    rowsWhere([](int, int y) { return y == 0; }),                  // Horizontal
    rowsWhere([](int x, int) { return x == 0; }),                  // Vertical
    rowsWhere([](int x, int y) { return x == y; }),                // ForwardDiagonal: "\"
    rowsWhere([](int x, int y) { return x + y == 7; }),            // BackwardDiagonal: "/"
    rowsWhere([](int x, int y) { return x == 0 || y == 0; }),      // Cross
    rowsWhere([](int x, int y) { return x == y || x + y == 7; }),  // DiagonalCross
    percent(3),
    percent(6),
    percent(13),
    percent(16),
    percent(19),
    percent(26),  // 05 .. 40 percent
    percent(32),
    percent(38),
    percent(45),
    percent(48),
    percent(51),
    percent(58),                                                          // 50 .. 90 percent
    rowsWhere([](int x, int y) { return mod(x - y, 4) == 0; }),           // LightDownwardDiagonal
    rowsWhere([](int x, int y) { return mod(x + y, 4) == 3; }),           // LightUpwardDiagonal
    rowsWhere([](int x, int y) { return mod(x - y, 4) <= 1; }),           // DarkDownwardDiagonal
    rowsWhere([](int x, int y) { return mod(x + y, 4) >= 2; }),           // DarkUpwardDiagonal
    rowsWhere([](int x, int y) { return mod(x - y, 8) <= 2; }),           // WideDownwardDiagonal
    rowsWhere([](int x, int y) { return mod(x + y, 8) >= 5; }),           // WideUpwardDiagonal
    rowsWhere([](int x, int) { return x % 4 == 0; }),                     // LightVertical
    rowsWhere([](int, int y) { return y % 4 == 0; }),                     // LightHorizontal
    rowsWhere([](int x, int) { return x % 2 == 0; }),                     // NarrowVertical
    rowsWhere([](int, int y) { return y % 2 == 0; }),                     // NarrowHorizontal
    rowsWhere([](int x, int) { return x % 4 <= 1; }),                     // DarkVertical
    rowsWhere([](int, int y) { return y % 4 <= 1; }),                     // DarkHorizontal
    rowsWhere([](int x, int y) { return y < 4 && mod(x - y, 4) == 0; }),  // DashedDownwardDiagonal
    rowsWhere([](int x, int y) { return y < 4 && mod(x + y, 4) == 3; }),  // DashedUpwardDiagonal
    rowsWhere([](int x, int y) { return (y == 0 && x < 4) || (y == 4 && x >= 4); }),  // DashedHorizontal
    rowsWhere([](int x, int y) { return (x == 0 && y < 4) || (x == 4 && y >= 4); }),  // DashedVertical
    Rows{0x80, 0x04, 0x20, 0x01, 0x10, 0x02, 0x40, 0x08},  // SmallConfetti: scattered dots
    Rows{0xC0, 0xC0, 0x0C, 0x0C, 0x00, 0x60, 0x63, 0x03},  // LargeConfetti: scattered 2x2 flakes
    Rows{0x81, 0x42, 0x24, 0x18, 0x81, 0x42, 0x24, 0x18},  // ZigZag
    Rows{0x60, 0x90, 0x09, 0x06, 0x00, 0x00, 0x00, 0x00},  // Wave
    Rows{0x01, 0x02, 0x04, 0x08, 0x18, 0x24, 0x42, 0x81},  // DiagonalBrick
    Rows{0xFF, 0x80, 0x80, 0x80, 0xFF, 0x08, 0x08, 0x08},  // HorizontalBrick
    Rows{0x88, 0x54, 0x22, 0x15, 0x88, 0x45, 0x22, 0x51},  // Weave: crossing strands
    Rows{0xAA, 0x55, 0xAA, 0x55, 0xF0, 0xF0, 0xF0, 0xF0},  // Plaid
    Rows{0x00, 0x10, 0x08, 0x10, 0x00, 0x01, 0x80, 0x01},  // Divot: small chevrons
    rowsWhere([](int x, int y) { return (y == 0 && x % 2 == 0) || (x == 0 && y % 2 == 0); }),  // DottedGrid
    Rows{0x80, 0x00, 0x22, 0x00, 0x08, 0x00, 0x22, 0x00},                  // DottedDiamond
    Rows{0x03, 0x0C, 0x10, 0x20, 0x40, 0x40, 0x80, 0x80},                  // Shingle: overlapping arcs
    Rows{0xFF, 0x33, 0xFF, 0xCC, 0xFF, 0x33, 0xFF, 0xCC},                  // Trellis
    Rows{0x38, 0x44, 0x92, 0xA2, 0x82, 0x44, 0x38, 0x00},                  // Sphere: ball with a highlight
    rowsWhere([](int x, int y) { return x % 4 == 0 || y % 4 == 0; }),      // SmallGrid
    rowsWhere([](int x, int y) { return ((x / 2) + (y / 2)) % 2 == 0; }),  // SmallCheckerBoard
    rowsWhere([](int x, int y) { return ((x / 4) + (y / 4)) % 2 == 0; }),  // LargeCheckerBoard
    Rows{0x18, 0x24, 0x42, 0x81, 0x81, 0x42, 0x24, 0x18},                  // OutlinedDiamond
    Rows{0x18, 0x3C, 0x7E, 0xFF, 0x7E, 0x3C, 0x18, 0x00},                  // SolidDiamond
};

constexpr std::array<std::string_view, HatchStyleTotal> kNames = {
    "HatchStyleHorizontal",
    "HatchStyleVertical",
    "HatchStyleForwardDiagonal",
    "HatchStyleBackwardDiagonal",
    "HatchStyleCross",
    "HatchStyleDiagonalCross",
    "HatchStyle05Percent",
    "HatchStyle10Percent",
    "HatchStyle20Percent",
    "HatchStyle25Percent",
    "HatchStyle30Percent",
    "HatchStyle40Percent",
    "HatchStyle50Percent",
    "HatchStyle60Percent",
    "HatchStyle70Percent",
    "HatchStyle75Percent",
    "HatchStyle80Percent",
    "HatchStyle90Percent",
    "HatchStyleLightDownwardDiagonal",
    "HatchStyleLightUpwardDiagonal",
    "HatchStyleDarkDownwardDiagonal",
    "HatchStyleDarkUpwardDiagonal",
    "HatchStyleWideDownwardDiagonal",
    "HatchStyleWideUpwardDiagonal",
    "HatchStyleLightVertical",
    "HatchStyleLightHorizontal",
    "HatchStyleNarrowVertical",
    "HatchStyleNarrowHorizontal",
    "HatchStyleDarkVertical",
    "HatchStyleDarkHorizontal",
    "HatchStyleDashedDownwardDiagonal",
    "HatchStyleDashedUpwardDiagonal",
    "HatchStyleDashedHorizontal",
    "HatchStyleDashedVertical",
    "HatchStyleSmallConfetti",
    "HatchStyleLargeConfetti",
    "HatchStyleZigZag",
    "HatchStyleWave",
    "HatchStyleDiagonalBrick",
    "HatchStyleHorizontalBrick",
    "HatchStyleWeave",
    "HatchStylePlaid",
    "HatchStyleDivot",
    "HatchStyleDottedGrid",
    "HatchStyleDottedDiamond",
    "HatchStyleShingle",
    "HatchStyleTrellis",
    "HatchStyleSphere",
    "HatchStyleSmallGrid",
    "HatchStyleSmallCheckerBoard",
    "HatchStyleLargeCheckerBoard",
    "HatchStyleOutlinedDiamond",
    "HatchStyleSolidDiamond",
};

std::uint32_t premultiplied(ARGB c) {
    const std::uint32_t a = alphaOf(c);
    auto channel = [a](std::uint32_t v) { return (v * a + 127) / 255; };
    return (a << 24) | (channel(argbRed(c)) << 16) | (channel(argbGreen(c)) << 8) | channel(argbBlue(c));
}

}  // namespace

std::string_view hatchStyleName(HatchStyle style) {
    const int index = static_cast<int>(style);
    return index >= 0 && index < HatchStyleTotal ? kNames[static_cast<std::size_t>(index)]
                                                 : std::string_view{};
}

std::optional<HatchStyle> hatchStyleFromName(std::string_view name) {
    for (std::size_t i = 0; i < kNames.size(); ++i)
        if (kNames[i] == name) return static_cast<HatchStyle>(i);
    return std::nullopt;
}

HatchBrush::HatchBrush(HatchStyle style, ARGB foreColor, ARGB backColor)
    : m_style(style >= HatchStyleMin && style <= HatchStyleMax ? style : HatchStyleHorizontal),
      m_fore(foreColor),
      m_back(backColor) {}

std::array<std::uint8_t, 8> HatchBrush::pattern(HatchStyle style) {
    const int index = static_cast<int>(style);
    return index >= 0 && index < HatchStyleTotal ? kPatterns[static_cast<std::size_t>(index)] : kPatterns[0];
}

detail::CairoPattern HatchBrush::createPattern(cairo_t* cr) const {
    const detail::CairoSurface owned(cairo_image_surface_create(CAIRO_FORMAT_ARGB32, 8, 8));
    cairo_surface_t* tile = owned.get();
    const Rows rows = pattern(m_style);
    unsigned char* data = cairo_image_surface_get_data(tile);
    const int stride = cairo_image_surface_get_stride(tile);
    const std::uint32_t fore = premultiplied(m_fore), back = premultiplied(m_back);
    for (int y = 0; y < 8; ++y) {
        auto* row = reinterpret_cast<std::uint32_t*>(data + y * stride);
        for (int x = 0; x < 8; ++x) row[x] = (rows[static_cast<std::size_t>(y)] & (0x80 >> x)) ? fore : back;
    }
    cairo_surface_mark_dirty(tile);
    detail::CairoPattern result(cairo_pattern_create_for_surface(tile));  // holds the tile
    cairo_pattern_set_extend(result.get(), CAIRO_EXTEND_REPEAT);
    cairo_pattern_set_filter(result.get(), CAIRO_FILTER_NEAREST);
    // Anchored at the surface: pattern space is device space, whatever the transform.
    cairo_matrix_t toDevice;
    cairo_get_matrix(cr, &toDevice);
    cairo_pattern_set_matrix(result.get(), &toDevice);
    return result;
}

}  // namespace sk::drawing
