#include "controls/instruments/InstrumentProperties.h"

namespace sk::instruments {

const ui::ClassInfo& TILGlass::staticClassInfo() {
    static const ui::ClassInfo info =
        ui::ClassBuilder<TILGlass>("TILGlass", &ui::Persistent::staticClassInfo())
            .boolean("Visible", &TILGlass::Visible, &TILGlass::SetVisible, true)
            .argb("Color", &TILGlass::Color, &TILGlass::SetColor, 0x00FFFFFFLL)
            .argb("LightColor", &TILGlass::LightColor, &TILGlass::SetLightColor, 0xAAFFFFFFLL)
            .build();
    return info;
}
SK_INSTRUMENT_CLASS_INFO(TILGlass)

const ui::ClassInfo& TULControlBackground::staticClassInfo() {
    static const ui::ClassInfo info =
        ui::ClassBuilder<TULControlBackground>("TULControlBackground", &ui::Persistent::staticClassInfo())
            .boolean("UseParentColor", &TULControlBackground::UseParentColor,
                     &TULControlBackground::SetUseParentColor, false)
            .color("Color", &TULControlBackground::Color, &TULControlBackground::SetColor,
                   static_cast<long long>(drawing::clBtnFace))
            .storedIf([](const TULControlBackground& b) { return !b.UseParentColor(); })
            .build();
    return info;
}
SK_INSTRUMENT_CLASS_INFO(TULControlBackground)

void TULControlBackground::SetUseParentColor(bool v) {
    if (v == UseParentColor()) return;
    m_control.SetParentColor(v);
    changed();
}

void TULControlBackground::SetColor(drawing::TColor v) {
    // Reading a stored colour while the parent's colour is followed keeps following it.
    if (UseParentColor() && m_control.loading()) return;
    if (v == Color() && !UseParentColor()) return;
    m_control.SetColor(v);
    changed();
}

const ui::ClassInfo& TILScalePrecision::staticClassInfo() {
    static const ui::ClassInfo info =
        ui::ClassBuilder<TILScalePrecision>("TILScalePrecision", &ui::Persistent::staticClassInfo())
            .integer("NumberDigits", &TILScalePrecision::NumberDigits, &TILScalePrecision::SetNumberDigits,
                     2LL)
            .boolean("FixedPrecision", &TILScalePrecision::FixedPrecision,
                     &TILScalePrecision::SetFixedPrecision, false)
            .alwaysStored()
            .storedIf([](const TILScalePrecision& p) { return p.FixedPrecision() != p.defaultFixed(); })
            .build();
    return info;
}
SK_INSTRUMENT_CLASS_INFO(TILScalePrecision)

const ui::ClassInfo& TILInactiveColor::staticClassInfo() {
    static const ui::ClassInfo info =
        ui::ClassBuilder<TILInactiveColor>("TILInactiveColor", &ui::Persistent::staticClassInfo())
            .boolean("AutoColor", &TILInactiveColor::AutoColor, &TILInactiveColor::SetAutoColor, true)
            .argb("Color", &TILInactiveColor::Color, &TILInactiveColor::SetColor, 0xFF2D2D2DLL)
            .build();
    return info;
}
SK_INSTRUMENT_CLASS_INFO(TILInactiveColor)

}  // namespace sk::instruments
