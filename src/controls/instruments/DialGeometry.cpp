#include "controls/instruments/DialGeometry.h"

#include <algorithm>
#include <cmath>
#include <cstdio>

namespace sk::instruments {

DialGeometry dialGeometry(int width, int height, const TULControlBorder& border) {
    DialGeometry d;
    const float w = static_cast<float>(width - 1), h = static_cast<float>(height - 1);
    if (border.Proportional()) {
        d.side = std::min(w, h);
        d.areaWidth = d.areaHeight = d.side;
        d.offsetX = w / 2 - d.side / 2;
        d.offsetY = h / 2 - d.side / 2;
    } else {
        d.areaWidth = w;
        d.areaHeight = h;
        d.side = std::min(w, h);
    }
    d.frame = border.frame(d.side);
    d.radius = d.side / 2 - d.frame.thickness();
    return d;
}

double handAngle(double startAngle, double span, double fraction, bool reversed) {
    return startAngle + span * (reversed ? 1 - fraction : fraction);
}

std::vector<TickMark> scaleTicks(const TickRules& r, double startAngle, double span, bool reversed,
                                 double min, double max) {
    std::vector<TickMark> ticks;
    const unsigned n = r.majorCount, m = r.minorCount;
    if (n < 2) return ticks;
    const double direction = reversed ? -1 : 1;
    const double first = reversed ? startAngle + span : startAngle;
    const double step = span / ((n - 1) * static_cast<double>(m + 1)) * direction;
    const double valueStep = (max - min) / (n - 1);
    for (unsigned i = 0; i < n; ++i) {
        const double angle = first + i * (m + 1.0) * step;
        const double value = min + i * valueStep;
        const bool inner = i > 0 && i + 1 < n;
        const bool majorDrawn =
            (r.majorVisible && inner) || (i == 0 && r.minTick) || (i + 1 == n && r.maxTick);
        if (majorDrawn) {
            const bool label =
                (r.majorLabels && inner) || (i == 0 && r.minTickLabel) || (i + 1 == n && r.maxTickLabel);
            ticks.push_back({angle, value, true, label});
        }
        if (i + 1 == n) {
            if (!r.majorVisible && r.minorVisible) ticks.push_back({angle, max, false, r.minorLabels});
            break;
        }
        if (!r.minorVisible) continue;
        for (unsigned j = r.majorVisible ? 1 : 0; j <= m; ++j)
            ticks.push_back({angle + j * step, value + j * valueStep / (m + 1), false, r.minorLabels});
    }
    return ticks;
}

std::vector<BandArc> rangeArcs(const std::vector<float>& shares, double startAngle, double span,
                               bool reversed) {
    std::vector<BandArc> arcs;
    double start = reversed ? startAngle + span : startAngle;
    double remaining = span;
    for (float share : shares) {
        if (remaining < 0) break;
        const double sweep = std::min(remaining, share * span);
        arcs.push_back({start, reversed ? -sweep : sweep});
        start += reversed ? -sweep : sweep;
        remaining -= share * span;
    }
    return arcs;
}

int labelDecimals(unsigned numberDigits, bool fixedPrecision, double span) {
    numberDigits = std::min(numberDigits, 15u);
    if (fixedPrecision) return static_cast<int>(numberDigits);
    if (numberDigits == 0) return 0;
    if (span == 0 || !std::isfinite(span)) return 1;
    int decimals = static_cast<int>(numberDigits) - (static_cast<int>(std::trunc(std::log10(span))) + 1);
    if (span < 1) ++decimals;
    return std::clamp(decimals, 0, 15);
}

std::string formatLabel(double value, int decimals) {
    char buffer[64];
    std::snprintf(buffer, sizeof buffer, "%.*f", std::clamp(decimals, 0, 15), value);
    std::string text = buffer;
    if (text == "-0" || text.find_first_not_of("-0.") == std::string::npos)
        text = text.substr(text[0] == '-');
    return text;
}

}  // namespace sk::instruments
