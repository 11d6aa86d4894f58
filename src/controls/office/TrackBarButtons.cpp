#include "controls/office/TrackBarButtons.h"

#include "controls/office/GlowButtonAppearance.h"

namespace sk::office {

const ui::ClassInfo& TTrackBarButtons::staticClassInfo() {
    using T = TTrackBarButtons;
    using B = ui::ClassBuilder<T>;
    static const ui::ClassInfo info = [] {
        B b("TTrackBarButtons", &ui::Persistent::staticClassInfo());
        auto colour = [&b](const char* name, WindowColour (T::*get)() const, void (T::*set)(WindowColour),
                           WindowColour def) { b.color(name, get, set, static_cast<long long>(def)); };
        colour("BorderColor", &T::BorderColor, &T::SetBorderColor, 0xC0C0C0);
        colour("BorderColorHot", &T::BorderColorHot, &T::SetBorderColorHot, 0xFF0000);
        colour("BorderColorDown", &T::BorderColorDown, &T::SetBorderColorDown, 0x800000);
        colour("Color", &T::Color, &T::SetColor, 0xFFFFFF);
        colour("ColorTo", &T::ColorTo, &T::SetColorTo, 0xFFFFFF);
        colour("ColorHot", &T::ColorHot, &T::SetColorHot, 0xF5F0E1);
        colour("ColorHotTo", &T::ColorHotTo, &T::SetColorHotTo, 0xF9D2B2);
        colour("ColorDown", &T::ColorDown, &T::SetColorDown, 0xF5D8CA);
        colour("ColorDownTo", &T::ColorDownTo, &T::SetColorDownTo, 0xF9BDA0);
        colour("ColorMirror", &T::ColorMirror, &T::SetColorMirror, 0xC0C0C0);
        colour("ColorMirrorTo", &T::ColorMirrorTo, &T::SetColorMirrorTo, 0xFFFFFF);
        colour("ColorMirrorHot", &T::ColorMirrorHot, &T::SetColorMirrorHot, 0xF5C8AD);
        colour("ColorMirrorHotTo", &T::ColorMirrorHotTo, &T::SetColorMirrorHotTo, 0xFFF8F4);
        colour("ColorMirrorDown", &T::ColorMirrorDown, &T::SetColorMirrorDown, 0xF5B49C);
        colour("ColorMirrorDownTo", &T::ColorMirrorDownTo, &T::SetColorMirrorDownTo, 0xFFDFDC);
        b.enumeration("Gradient", &T::Gradient, &T::SetGradient, ggVertical, gradientNames());
        b.enumeration("GradientMirror", &T::GradientMirror, &T::SetGradientMirror, ggVertical, gradientNames());
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
const ui::ClassInfo& TTrackBarButtons::classInfo() const { return staticClassInfo(); }

GlowColourSet TTrackBarButtons::glowSet(ButtonLook look) const {
    switch (look) {
    case ButtonLook::Hot:
        return {m_ColorHot, m_ColorHotTo, m_ColorMirrorHot, m_ColorMirrorHotTo, m_BorderColorHot, m_Gradient,
                m_GradientMirror};
    case ButtonLook::Down:
        return {m_ColorDown, m_ColorDownTo, m_ColorMirrorDown, m_ColorMirrorDownTo, m_BorderColorDown, m_Gradient,
                m_GradientMirror};
    case ButtonLook::Normal:
        break;
    }
    return {m_Color, m_ColorTo, m_ColorMirror, m_ColorMirrorTo, m_BorderColor, m_Gradient, m_GradientMirror};
}

}  // namespace sk::office
