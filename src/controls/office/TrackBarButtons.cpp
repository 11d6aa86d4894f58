#include "controls/office/TrackBarButtons.h"

#include "controls/office/GlowButtonAppearance.h"

namespace sk::office {

const ui::ClassInfo& TTrackBarButtons::staticClassInfo() {
    using T = TTrackBarButtons;
    using B = ui::ClassBuilder<T>;
    static const ui::ClassInfo info = [] {
        B b("TTrackBarButtons", &ui::Persistent::staticClassInfo());
        auto color = [&b](const char* name, TColor (T::*get)() const, void (T::*set)(TColor), TColor def) {
            b.color(name, get, set, static_cast<long long>(def));
        };
        color("BorderColor", &T::BorderColor, &T::SetBorderColor, 0xC0C0C0);
        color("BorderColorHot", &T::BorderColorHot, &T::SetBorderColorHot, 0xFF0000);
        color("BorderColorDown", &T::BorderColorDown, &T::SetBorderColorDown, 0x800000);
        color("Color", &T::Color, &T::SetColor, 0xFFFFFF);
        color("ColorTo", &T::ColorTo, &T::SetColorTo, 0xFFFFFF);
        color("ColorHot", &T::ColorHot, &T::SetColorHot, 0xF5F0E1);
        color("ColorHotTo", &T::ColorHotTo, &T::SetColorHotTo, 0xF9D2B2);
        color("ColorDown", &T::ColorDown, &T::SetColorDown, 0xF5D8CA);
        color("ColorDownTo", &T::ColorDownTo, &T::SetColorDownTo, 0xF9BDA0);
        color("ColorMirror", &T::ColorMirror, &T::SetColorMirror, 0xC0C0C0);
        color("ColorMirrorTo", &T::ColorMirrorTo, &T::SetColorMirrorTo, 0xFFFFFF);
        color("ColorMirrorHot", &T::ColorMirrorHot, &T::SetColorMirrorHot, 0xF5C8AD);
        color("ColorMirrorHotTo", &T::ColorMirrorHotTo, &T::SetColorMirrorHotTo, 0xFFF8F4);
        color("ColorMirrorDown", &T::ColorMirrorDown, &T::SetColorMirrorDown, 0xF5B49C);
        color("ColorMirrorDownTo", &T::ColorMirrorDownTo, &T::SetColorMirrorDownTo, 0xFFDFDC);
        b.enumeration("Gradient", &T::Gradient, &T::SetGradient, ggVertical, gradientNames());
        b.enumeration("GradientMirror", &T::GradientMirror, &T::SetGradientMirror, ggVertical,
                      gradientNames());
        b.integer("InitRepeatPause", &T::InitRepeatPause, &T::SetInitRepeatPause, 400LL);
        b.boolean("RepeatClick", &T::RepeatClick, &T::SetRepeatClick, false);
        b.integer("RepeatPause", &T::RepeatPause, &T::SetRepeatPause, 100LL);
        b.enumeration("Shape", &T::Shape, &T::SetShape, bsRound, trackButtonShapeNames());
        b.integer("Size", &T::Size, &T::SetSize, 16LL);
        b.integer("Spacing", &T::Spacing, &T::SetSpacing, 4LL);
        b.integer("Step", &T::Step, &T::SetStep, 1LL);
        b.boolean("Visible", &T::Visible, &T::SetVisible, false);
        return b.build();
    }();
    return info;
}
const ui::ClassInfo& TTrackBarButtons::classInfo() const {
    return staticClassInfo();
}

GlowColorSet TTrackBarButtons::glowSet(ButtonLook look) const {
    switch (look) {
        case ButtonLook::Hot:
            return {m_ColorHot,       m_ColorHotTo, m_ColorMirrorHot, m_ColorMirrorHotTo,
                    m_BorderColorHot, m_Gradient,   m_GradientMirror};
        case ButtonLook::Down:
            return {m_ColorDown,       m_ColorDownTo, m_ColorMirrorDown, m_ColorMirrorDownTo,
                    m_BorderColorDown, m_Gradient,    m_GradientMirror};
        case ButtonLook::Normal:
            break;
    }
    return {m_Color, m_ColorTo, m_ColorMirror, m_ColorMirrorTo, m_BorderColor, m_Gradient, m_GradientMirror};
}

}  // namespace sk::office
