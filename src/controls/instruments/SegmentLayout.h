// The pure layout of the segment gauge: how many digit cells a range needs, how
// the number is split into cell symbols (bit masks of lit segments), the cells'
// places across the control, and the segment polygons of one cell.
#pragma once

#include <array>
#include <cstdint>
#include <vector>

#include "drawing/Geometry.h"

namespace sk::instruments {

enum TILSegmentsType { stSeven, stNine, stFourteen, stSixteen };

// Bits of one symbol: bit i lights segment i; the bit after the last segment lights
// the decimal point.
std::uint32_t decimalPointBit(TILSegmentsType type);
// The mask of a digit 0..15 (A, b, C, d, E, F above 9); the same seven bars in every type.
std::uint32_t digitMask(unsigned digit);
inline constexpr std::uint32_t kOverflowMask = 0x40;  // the middle bar

struct DigitRules {
    bool autoSize = true;
    unsigned numberDigits = 4;
    unsigned base = 10;
    bool fixedPrecision = true;
    unsigned precisionDigits = 2;
    bool leadingZero = false;
};

// Base limited to 2..16; cell counts to 1..32.
unsigned digitBase(unsigned base);
unsigned digitCount(const DigitRules& rules, double min, double max);
int decimalsFor(const DigitRules& rules, unsigned cells, double value);

struct CellSymbol {
    std::uint32_t mask = 0;
    char symbol = ' ';  // the digit's character, '-' for an overflow, ' ' for a blank cell
};
// The cells' symbols from the right (index 0 is the rightmost cell).
std::vector<CellSymbol> cellSymbols(const DigitRules& rules, TILSegmentsType type, unsigned cells,
                                    double value);

struct CellLayout {
    float cellWidth = 0;  // cw
    float signWidth = 0;  // the sign cell's width, at the left end
    float cellLeft(unsigned fromRight) const { return right - (fromRight + 1) * cellWidth; }
    float right = 0;  // W - 1
};
// signSize: a fraction of a cell when proportional, else pixels; 0 without a sign.
CellLayout cellLayout(int width, unsigned cells, bool signVisible, float signSize, bool signProportional);

// Sizes of one cell in pixels, resolved against the cell: indents against its width
// (left, right) and height (top, bottom); segment thickness, gap and point size
// against its shorter side; the point's offsets against its width and height.
struct CellSizes {
    float left = 0, right = 0, top = 0, bottom = 0;
    float thickness = 0, gap = 0;
    float pointSize = 0, pointRight = 0, pointBottom = 0;
};
using SegmentPolygon = std::array<drawing::PointF, 6>;
struct CellGeometry {
    std::array<SegmentPolygon, 7> segments;
    drawing::RectF point;      // the decimal point's circle
    drawing::RectF pointGlow;  // its glow ellipse
    float thickness = 0;       // t
};
// One digit cell of width wc and height hc (in pixels, its own origin).
CellGeometry cellGeometry(float wc, float hc, const CellSizes& sizes);

// A convex outline grown by `by` with rounded corners: every vertex adds an arc
// of that radius between the outward directions of its two edges.
std::vector<drawing::PointF> grownOutline(const std::vector<drawing::PointF>& polygon, float by);

}  // namespace sk::instruments
