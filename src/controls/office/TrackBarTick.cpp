#include "controls/office/TrackBarTick.h"

namespace sk::office {

const ui::ClassInfo& TTrackBarTick::staticClassInfo() {
    using T = TTrackBarTick;
    static const ui::ClassInfo info =
        ui::ClassBuilder<T>("TTrackBarTick", &ui::Persistent::staticClassInfo())
            .color("Color", &T::Color, &T::SetColor, 0LL)
            .color("ColorDisabled", &T::ColorDisabled, &T::SetColorDisabled, 0LL)
            .object("Font", &T::Font)
            .boolean("Line3D", &T::Line3D, &T::SetLine3D, false)
            .enumeration("Position", &T::Position, &T::SetPosition, tmBottomRight, tickMarkNames())
            .boolean("ShowText", &T::ShowText, &T::SetShowText, false)
            .integer("Size", &T::Size, &T::SetSize, 4LL)
            .integer("Spacing", &T::Spacing, &T::SetSpacing, 8LL)
            .enumeration("Style", &T::Style, &T::SetStyle, tsAuto, tickStyleNames())
            .build();
    return info;
}
const ui::ClassInfo& TTrackBarTick::classInfo() const {
    return staticClassInfo();
}

TTrackBarTick::TTrackBarTick() : m_font(std::make_unique<ui::TFont>()) {
    m_font->SetName("Tahoma");
    m_font->setChangeHandler([this](ui::Persistent*) { changed(); });
}

}  // namespace sk::office
