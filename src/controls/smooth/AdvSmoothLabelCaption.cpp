// The smooth label's caption: properties and streaming.
#include "controls/smooth/AdvSmoothLabelCaption.h"

#include "controls/smooth/ByteProperty.h"
#include "drawing/Color.h"

namespace sk::smooth {

using C = TAdvSmoothLabelCaption;

const ui::EnumNames& labelLocationNames() {
    static const ui::EnumNames names{
        "TAdvSmoothLabelLocation",
        {"plTopLeft", "plTopCenter", "plTopRight", "plCenterLeft", "plCenterCenter", "plCenterRight",
         "plBottomLeft", "plBottomCenter", "plBottomRight", "plCustom"}};
    return names;
}

const ui::ClassInfo& C::staticClassInfo() {
    static const ui::ClassInfo info =
        ui::ClassBuilder<C>("TAdvSmoothLabelCaption", &ui::Persistent::staticClassInfo())
            .string("Text", &C::Text, &C::SetText)
            .enumeration("Location", &C::Location, &C::SetLocation, plCenterCenter, labelLocationNames())
            .object("Font", &C::Font)
            .storeWhole()
            .integer("Left", &C::Left, &C::SetLeft)
            .integer("Top", &C::Top, &C::SetTop)
            .object("Picture", &C::Picture)
            .color("ColorStart", &C::ColorStart, &C::SetColorStart, 0xFFE09FLL)
            .color("ColorEnd", &C::ColorEnd, &C::SetColorEnd, 0x754F00LL)
            .integer("OpacityStart", byteGetter(&C::OpacityStart), byteSetter(&C::SetOpacityStart), 255LL)
            .integer("OpacityEnd", byteGetter(&C::OpacityEnd), byteSetter(&C::SetOpacityEnd), 255LL)
            .enumeration("GradientType", &C::GradientType, &C::SetGradientType, gtVertical,
                         gradientTypeNames())
            .enumeration("HatchStyle", &C::HatchStyle, &C::SetHatchStyle, drawing::HatchStyleHorizontal,
                         hatchStyleNames())
            .event("OnChange", &C::OnChange)
            .build();
    return info;
}
const ui::ClassInfo& C::classInfo() const {
    return staticClassInfo();
}

C::TAdvSmoothLabelCaption()
    : m_font(std::make_unique<ui::TFont>()), m_picture(std::make_unique<TAdvGDIPPicture>()) {
    m_font->SetName("Tahoma");
    m_font->SetSize(20);
    m_font->setChangeHandler([this](ui::Persistent*) { changed(); });
    m_picture->setChangeHandler([this](ui::Persistent*) { changed(); });
}

C::~TAdvSmoothLabelCaption() = default;

void C::changed() {
    ui::Persistent::changed();
    if (OnChange) OnChange(this);
}

drawing::ARGB C::startARGB() const {
    return drawing::ColorToARGB(m_opacityStart, m_colorStart);
}

drawing::ARGB C::endARGB() const {
    return m_colorEnd == drawing::clNone ? startARGB() : drawing::ColorToARGB(m_opacityEnd, m_colorEnd);
}

}  // namespace sk::smooth
