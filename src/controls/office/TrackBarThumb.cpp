#include "controls/office/TrackBarThumb.h"

#include "controls/office/GlowButtonAppearance.h"

namespace sk::office {

const ui::ClassInfo& TTrackBarThumb::staticClassInfo() {
    using T = TTrackBarThumb;
    using B = ui::ClassBuilder<T>;
    static const ui::ClassInfo info = [] {
        B b("TTrackBarThumb", &ui::Persistent::staticClassInfo());
        auto color = [&b](const char* name, TColor (T::*get)() const, void (T::*set)(TColor), TColor def) {
            b.color(name, get, set, static_cast<long long>(def));
        };
        color("BorderColor", &T::BorderColor, &T::SetBorderColor, 10317632);
        color("BorderColorHot", &T::BorderColorHot, &T::SetBorderColorHot, 10079963);
        color("BorderColorDown", &T::BorderColorDown, &T::SetBorderColorDown, 4548219);
        color("BorderColorDisabled", &T::BorderColorDisabled, &T::SetBorderColorDisabled, 0);
        color("Color", &T::Color, &T::SetColor, 15653832);
        color("ColorTo", &T::ColorTo, &T::SetColorTo, 16178633);
        color("ColorDown", &T::ColorDown, &T::SetColorDown, 7778289);
        color("ColorDownTo", &T::ColorDownTo, &T::SetColorDownTo, 4296947);
        color("ColorHot", &T::ColorHot, &T::SetColorHot, 15465983);
        color("ColorHotTo", &T::ColorHotTo, &T::SetColorHotTo, 11332863);
        color("ColorDisabled", &T::ColorDisabled, &T::SetColorDisabled, 0);
        color("ColorDisabledTo", &T::ColorDisabledTo, &T::SetColorDisabledTo, 0);
        color("ColorMirror", &T::ColorMirror, &T::SetColorMirror, 15586496);
        color("ColorMirrorTo", &T::ColorMirrorTo, &T::SetColorMirrorTo, 16245200);
        color("ColorMirrorHot", &T::ColorMirrorHot, &T::SetColorMirrorHot, 5888767);
        color("ColorMirrorHotTo", &T::ColorMirrorHotTo, &T::SetColorMirrorHotTo, 10807807);
        color("ColorMirrorDown", &T::ColorMirrorDown, &T::SetColorMirrorDown, 946929);
        color("ColorMirrorDownTo", &T::ColorMirrorDownTo, &T::SetColorMirrorDownTo, 5021693);
        color("ColorMirrorDisabled", &T::ColorMirrorDisabled, &T::SetColorMirrorDisabled, 0);
        color("ColorMirrorDisabledTo", &T::ColorMirrorDisabledTo, &T::SetColorMirrorDisabledTo, 0);
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
const ui::ClassInfo& TTrackBarThumb::classInfo() const {
    return staticClassInfo();
}

ThumbColors TTrackBarThumb::colors(ThumbLook look) const {
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

GlowColorSet TTrackBarThumb::glowSet(ThumbLook look) const {
    const ThumbColors c = colors(look);
    return {c.color, c.colorTo, c.mirror, c.mirrorTo, c.border, m_Gradient, m_GradientMirror};
}

}  // namespace sk::office
