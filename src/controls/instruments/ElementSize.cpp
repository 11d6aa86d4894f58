#include "controls/instruments/ElementSize.h"

#include <cmath>

namespace sk::instruments {

const ui::ClassInfo& TULElementSize::staticClassInfo() {
    static const ui::ClassInfo info =
        ui::ClassBuilder<TULElementSize>("TULElementSize", &ui::Persistent::staticClassInfo())
            .floating(
                "Value", [](const TULElementSize& s) { return storedFloat(s.Value()); },
                [](TULElementSize& s, double v) { s.SetValue(static_cast<float>(v)); })
            .alwaysStored()
            .storedIf([](const TULElementSize& s) { return s.Value() != s.defaultValue(); })
            .boolean("Proportional", &TULElementSize::Proportional, &TULElementSize::SetProportional, true)
            .build();
    return info;
}
const ui::ClassInfo& TULElementSize::classInfo() const {
    return staticClassInfo();
}

const ui::ClassInfo& TULElementOffsetSize::staticClassInfo() {
    static const ui::ClassInfo info("TULElementOffsetSize", &TULElementSize::staticClassInfo());
    return info;
}
const ui::ClassInfo& TULElementOffsetSize::classInfo() const {
    return staticClassInfo();
}

void TULElementSize::store(float value, bool proportional) {
    if (value == m_value && proportional == m_proportional) return;
    m_value = value;
    m_proportional = proportional;
    changed();
}

void TULElementSize::SetValue(float value) {
    if (!(value > 0.0f)) value = 0.0f;  // negative and not-a-number alike
    store(value, m_proportional && value <= 100.0f);
}

void TULElementSize::SetProportional(bool value) {
    store(value && m_value > 100.0f ? 100.0f : m_value, value);
}

void TULElementOffsetSize::SetValue(float value) {
    if (std::isnan(value)) value = 0.0f;
    store(value, Proportional() && std::fabs(value) <= 100.0f);
}

// ---- Offsets -------------------------------------------------------------------------------

const ui::ClassInfo& TULElementOffsets::staticClassInfo() {
    static const ui::ClassInfo info =
        ui::ClassBuilder<TULElementOffsets>("TULElementOffsets", &ui::Persistent::staticClassInfo())
            .object("X", &TULElementOffsets::X)
            .object("Y", &TULElementOffsets::Y)
            .build();
    return info;
}
const ui::ClassInfo& TULElementOffsets::classInfo() const {
    return staticClassInfo();
}

TULElementOffsets::TULElementOffsets(float x, float y) : m_x(x), m_y(y) {
    adopt(m_x);
    adopt(m_y);
}

}  // namespace sk::instruments
