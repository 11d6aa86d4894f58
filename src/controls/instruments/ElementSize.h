// Relative sizes of instrument elements. A size is a fraction of a reference
// length that each element names (the face radius, the drawing side, a cell's
// height), or a number of pixels when it is not proportional.
//
//   TULElementSize width(0.05f);
//   width.resolve(159.0f);          // 7.95 pixels
//   width.SetValue(150);            // above 100: taken as 150 pixels from now on
#pragma once

#include "controls/instruments/InstrumentProperty.h"

namespace sk::instruments {

// A length: never negative. A value above 100 switches to pixels; turning
// Proportional back on limits the value to 100.
class TULElementSize : public InstrumentProperty {
    SK_PERSISTENT_CLASS
public:
    // The owner's default value (stored only when the value differs from it).
    explicit TULElementSize(float defaultValue = 0.0f) : m_value(defaultValue), m_default(defaultValue) {}

    float Value() const { return m_value; }
    virtual void SetValue(float value);
    bool Proportional() const { return m_proportional; }
    void SetProportional(bool value);
    float defaultValue() const { return m_default; }

    // Value times the reference length, or Value pixels.
    float resolve(float reference) const { return m_proportional ? m_value * reference : m_value; }

protected:
    void store(float value, bool proportional);

private:
    float m_value;
    float m_default;
    bool m_proportional = true;
};

// A position: may be negative; beyond -100 or 100 it switches to pixels.
class TULElementOffsetSize : public TULElementSize {
    SK_PERSISTENT_CLASS
public:
    explicit TULElementOffsetSize(float defaultValue = 0.0f) : TULElementSize(defaultValue) {}
    void SetValue(float value) override;
};

// An X, Y offset pair.
class TULElementOffsets : public InstrumentProperty {
    SK_PERSISTENT_CLASS
public:
    TULElementOffsets(float x = 0.0f, float y = 0.0f);
    TULElementOffsetSize* X() { return &m_x; }
    TULElementOffsetSize* Y() { return &m_y; }
    const TULElementOffsetSize& x() const { return m_x; }
    const TULElementOffsetSize& y() const { return m_y; }

private:
    TULElementOffsetSize m_x, m_y;
};

}  // namespace sk::instruments
