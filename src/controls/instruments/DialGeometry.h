// The pure geometry of the angular gauge: where the dial lies in the control,
// its frame bands and face radius, the angle of a value, the angles and values
// of the ticks, the sweeps of the range bands and the text of the labels.
// Painting and the tests use the same functions.
#pragma once

#include <string>
#include <vector>

#include "controls/instruments/ControlBorder.h"

namespace sk::instruments {

struct DialGeometry {
    float offsetX = 0, offsetY = 0;       // the drawing area's origin in the control
    float areaWidth = 0, areaHeight = 0;  // A x B
    float side = 0;                       // s, against which the frame and the cap are resolved
    FrameGeometry frame;
    float radius = 0;  // R, the face radius
    float cx() const { return areaWidth / 2; }
    float cy() const { return areaHeight / 2; }
};

DialGeometry dialGeometry(int width, int height, const TULControlBorder& border);

// The hand's angle in degrees clockwise from 3 o'clock: start + span x fraction,
// with the fraction turned round when reversed.
double handAngle(double startAngle, double span, double fraction, bool reversed);

struct TickMark {
    double angle;
    double value;
    bool major;
    bool withLabel;
};
struct TickRules {
    unsigned majorCount = 11, minorCount = 4;
    bool majorVisible = true, minorVisible = true;
    bool majorLabels = true, minorLabels = false;
    bool minTick = true, minTickLabel = true, maxTick = true, maxTickLabel = true;
};
// Every tick to draw, in drawing order. Fewer than two major positions draw none.
std::vector<TickMark> scaleTicks(const TickRules& rules, double startAngle, double span, bool reversed,
                                 double min, double max);

struct BandArc {
    double start, sweep;
};
// The sweeps of the range band items (shares of the whole span), in order.
std::vector<BandArc> rangeArcs(const std::vector<float>& shares, double startAngle, double span,
                               bool reversed);

// Decimals of a scale label for a span (the whole range for major labels).
int labelDecimals(unsigned numberDigits, bool fixedPrecision, double span);
std::string formatLabel(double value, int decimals);

}  // namespace sk::instruments
