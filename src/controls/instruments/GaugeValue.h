// The value of a gauge with its range: a value set while the form is loading is
// kept as given and limited once loading ends; later values are limited to
// Min..Max. Setting Min or Max never limits the stored value again.
#pragma once

namespace sk::instruments {

struct GaugeValue {
    double value = 0;
    double min = 0;
    double max = 100;

    // Stores a value (limited unless loading); false when nothing changed.
    bool set(double v, bool loading);
    // Limits the stored value once (at the end of loading).
    bool limit();
    // Where the value lies in the range, 0..1 in normal use; 0 for an empty range.
    double fraction() const;
    double limited(double v) const;
};

}  // namespace sk::instruments
