#include "controls/office/TrackBarSlider.h"

namespace sk::office {

const ui::ClassInfo& TTrackBarSlider::staticClassInfo() {
    using T = TTrackBarSlider;
    using B = ui::ClassBuilder<T>;
    static const ui::ClassInfo info = [] {
        B b("TTrackBarSlider", &ui::Persistent::staticClassInfo());
        auto color = [&b](const char* name, TColor (T::*get)() const, void (T::*set)(TColor), TColor def) {
            b.color(name, get, set, static_cast<long long>(def));
        };
        b.boolean("Border3D", &T::Border3D, &T::SetBorder3D, true);
        color("BorderColor", &T::BorderColor, &T::SetBorderColor, 12752500);
        color("BorderColorDisabled", &T::BorderColorDisabled, &T::SetBorderColorDisabled, 0);
        color("Color", &T::Color, &T::SetColor, 16777215);
        color("ColorTo", &T::ColorTo, &T::SetColorTo, 0);
        color("ColorCompleted", &T::ColorCompleted, &T::SetColorCompleted, drawing::clNone);
        color("ColorCompletedTo", &T::ColorCompletedTo, &T::SetColorCompletedTo, drawing::clNone);
        color("ColorCompletedDisabled", &T::ColorCompletedDisabled, &T::SetColorCompletedDisabled,
              drawing::clNone);
        color("ColorCompletedDisabledTo", &T::ColorCompletedDisabledTo, &T::SetColorCompletedDisabledTo,
              drawing::clNone);
        color("ColorDisabled", &T::ColorDisabled, &T::SetColorDisabled, 0);
        color("ColorDisabledTo", &T::ColorDisabledTo, &T::SetColorDisabledTo, 0);
        b.enumeration("Direction", &T::Direction, &T::SetDirection, gdHorizontal, gradientDirectionNames());
        b.integer("Offset", &T::Offset, &T::SetOffset, 10LL);
        b.boolean("Rounded", &T::Rounded, &T::SetRounded, false);
        b.integer("Size", &T::Size, &T::SetSize, 2LL);
        b.boolean("Visible", &T::Visible, &T::SetVisible, true);
        return b.build();
    }();
    return info;
}
const ui::ClassInfo& TTrackBarSlider::classInfo() const {
    return staticClassInfo();
}

SliderColors TTrackBarSlider::colors(bool enabled) const {
    if (enabled) return {m_Color, m_ColorTo, m_ColorCompleted, m_ColorCompletedTo, m_BorderColor};
    return {m_ColorDisabled, m_ColorDisabledTo, m_ColorCompletedDisabled, m_ColorCompletedDisabledTo,
            m_BorderColorDisabled};
}

}  // namespace sk::office
