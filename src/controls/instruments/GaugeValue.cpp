#include "controls/instruments/GaugeValue.h"

#include <cmath>

namespace sk::instruments {

double GaugeValue::limited(double v) const {
    if (v < min) return min;
    if (v > max) return max;
    return v;
}

bool GaugeValue::set(double v, bool loading) {
    if (std::isnan(v)) return false;  // a value that is no number leaves the gauge as it was
    if (!loading) v = limited(v);
    if (v == value) return false;
    value = v;
    return true;
}

bool GaugeValue::limit() {
    const double v = limited(value);
    if (v == value) return false;
    value = v;
    return true;
}

double GaugeValue::fraction() const {
    if (max == min) return 0;
    return (value - min) / (max - min);
}

}  // namespace sk::instruments
