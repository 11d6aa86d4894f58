// The smooth label's caption: its defaults and the order it streams its values.
#include "controls/smooth/AdvSmoothLabelCaption.h"

#include "controls/smooth/ByteProperty.h"

namespace sk::smooth {

using C = TAdvSmoothLabelCaption;

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
            .integer("OpacityStart", byteGetter<SmoothCaption>(&C::OpacityStart),
                     byteSetter<SmoothCaption>(&C::SetOpacityStart), 255LL)
            .integer("OpacityEnd", byteGetter<SmoothCaption>(&C::OpacityEnd),
                     byteSetter<SmoothCaption>(&C::SetOpacityEnd), 255LL)
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

C::TAdvSmoothLabelCaption() : SmoothCaption({plCenterCenter, 20, 0xFFE09F, 0x754F00}) {}

}  // namespace sk::smooth
