#include "controls/office/TrackBarThumb.h"

#include "controls/office/GlowButtonAppearance.h"

namespace sk::office {

const ui::ClassInfo& TTrackBarThumb::staticClassInfo() {
    using T = TTrackBarThumb;
    using B = ui::ClassBuilder<T>;
    static const ui::ClassInfo info = [] {
        B b("TTrackBarThumb", &ui::Persistent::staticClassInfo());
        auto colour = [&b](const char* name, WindowColour (T::*get)() const, void (T::*set)(WindowColour),
                           WindowColour def) { b.color(name, get, set, static_cast<long long>(def)); };
        colour("BorderColor", &T::BorderColor, &T::SetBorderColor, 10317632);
        colour("BorderColorHot", &T::BorderColorHot, &T::SetBorderColorHot, 10079963);
        colour("BorderColorDown", &T::BorderColorDown, &T::SetBorderColorDown, 4548219);
        colour("BorderColorDisabled", &T::BorderColorDisabled, &T::SetBorderColorDisabled, 0);
        colour("Color", &T::Color, &T::SetColor, 15653832);
        colour("ColorTo", &T::ColorTo, &T::SetColorTo, 16178633);
        colour("ColorDown", &T::ColorDown, &T::SetColorDown, 7778289);
        colour("ColorDownTo", &T::ColorDownTo, &T::SetColorDownTo, 4296947);
        colour("ColorHot", &T::ColorHot, &T::SetColorHot, 15465983);
        colour("ColorHotTo", &T::ColorHotTo, &T::SetColorHotTo, 11332863);
        colour("ColorDisabled", &T::ColorDisabled, &T::SetColorDisabled, 0);
        colour("ColorDisabledTo", &T::ColorDisabledTo, &T::SetColorDisabledTo, 0);
        colour("ColorMirror", &T::ColorMirror, &T::SetColorMirror, 15586496);
        colour("ColorMirrorTo", &T::ColorMirrorTo, &T::SetColorMirrorTo, 16245200);
        colour("ColorMirrorHot", &T::ColorMirrorHot, &T::SetColorMirrorHot, 5888767);
        colour("ColorMirrorHotTo", &T::ColorMirrorHotTo, &T::SetColorMirrorHotTo, 10807807);
        colour("ColorMirrorDown", &T::ColorMirrorDown, &T::SetColorMirrorDown, 946929);
        colour("ColorMirrorDownTo", &T::ColorMirrorDownTo, &T::SetColorMirrorDownTo, 5021693);
        colour("ColorMirrorDisabled", &T::ColorMirrorDisabled, &T::SetColorMirrorDisabled, 0);
        colour("ColorMirrorDisabledTo", &T::ColorMirrorDisabledTo, &T::SetColorMirrorDisabledTo, 0);
        b.enumeration("Gradient", &T::Gradient, &T::SetGradient, ggVertical, gradientNames());
        b.enumeration("GradientMirror", &T::GradientMirror, &T::SetGradientMirror, ggRadial, gradientNames());
        b.enumeration("Shape", &T::Shape, &T::SetShape, tsPointer, thumbShapeNames());
        b.boolean("ShowAtMinMax", &T::ShowAtMinMax, &T::SetShowAtMinMax, true);
        b.integer("Size", &T::Size, &T::SetSize, 15LL);
        b.integer("Width", &T::Width, &T::SetWidth, 10LL);
        return b.build();
    }();
    return info;
}
const ui::ClassInfo& TTrackBarThumb::classInfo() const { return staticClassInfo(); }

ThumbColours TTrackBarThumb::colours(ThumbLook look) const {
    switch (look) {
    case ThumbLook::Hot:
        return {m_ColorHot, m_ColorHotTo, m_ColorMirrorHot, m_ColorMirrorHotTo, m_BorderColorHot};
    case ThumbLook::Down:
        return {m_ColorDown, m_ColorDownTo, m_ColorMirrorDown, m_ColorMirrorDownTo, m_BorderColorDown};
    case ThumbLook::Disabled:
        return {m_ColorDisabled, m_ColorDisabledTo, m_ColorMirrorDisabled, m_ColorMirrorDisabledTo,
                m_BorderColorDisabled};
    case ThumbLook::Normal:
        break;
    }
    return {m_Color, m_ColorTo, m_ColorMirror, m_ColorMirrorTo, m_BorderColor};
}

GlowColourSet TTrackBarThumb::glowSet(ThumbLook look) const {
    const ThumbColours c = colours(look);
    return {c.color, c.colorTo, c.mirror, c.mirrorTo, c.border, m_Gradient, m_GradientMirror};
}

}  // namespace sk::office
