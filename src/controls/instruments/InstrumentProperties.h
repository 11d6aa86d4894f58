// Small property objects shared by the instruments: the glass highlight, the
// window background, the number precision of labels and readings, and the
// colour of unlit segments.
#pragma once

#include "controls/instruments/InstrumentProperty.h"
#include "drawing/Color.h"
#include "ui/Control.h"

namespace sk::instruments {

class TILGlass : public InstrumentProperty {
    SK_PERSISTENT_CLASS
public:
    bool Visible() const { return m_visible; }
    void SetVisible(bool v) { update(m_visible, v); }
    // A tint over the whole face, drawn only when it has alpha.
    drawing::ARGB Color() const { return m_color; }
    void SetColor(drawing::ARGB v) { update(m_color, v); }
    drawing::ARGB LightColor() const { return m_light; }
    void SetLightColor(drawing::ARGB v) { update(m_light, v); }

private:
    bool m_visible = true;
    drawing::ARGB m_color = 0x00FFFFFF;
    drawing::ARGB m_light = 0xAAFFFFFF;
};

// The control's own parent-colour flag and window colour under other names.
class TULControlBackground : public InstrumentProperty {
    SK_PERSISTENT_CLASS
public:
    explicit TULControlBackground(ui::Control& control) : m_control(control) {}
    bool UseParentColor() const { return m_control.ParentColor(); }
    void SetUseParentColor(bool v);
    drawing::TColor Color() const { return m_control.Color(); }
    void SetColor(drawing::TColor v);

private:
    ui::Control& m_control;
};

class TILScalePrecision : public InstrumentProperty {
    SK_PERSISTENT_CLASS
public:
    explicit TILScalePrecision(bool defaultFixed = false)
        : m_fixed(defaultFixed), m_defaultFixed(defaultFixed) {}
    unsigned NumberDigits() const { return m_digits; }
    void SetNumberDigits(unsigned v) { update(m_digits, v); }
    bool FixedPrecision() const { return m_fixed; }
    void SetFixedPrecision(bool v) { update(m_fixed, v); }
    bool defaultFixed() const { return m_defaultFixed; }

private:
    unsigned m_digits = 2;
    bool m_fixed;
    bool m_defaultFixed;
};

class TILInactiveColor : public InstrumentProperty {
    SK_PERSISTENT_CLASS
public:
    bool AutoColor() const { return m_auto; }
    void SetAutoColor(bool v) { update(m_auto, v); }
    drawing::ARGB Color() const { return m_color; }
    void SetColor(drawing::ARGB v) { update(m_color, v); }
    // The unlit colour for a lit colour: Scale(lit, 0.22) while AutoColor.
    drawing::ARGB colorFor(drawing::ARGB lit) const {
        return m_auto ? drawing::scaleColor(lit, 0.22) : m_color;
    }

private:
    bool m_auto = true;
    drawing::ARGB m_color = 0xFF2D2D2D;
};

}  // namespace sk::instruments
