// The smooth panel's caption and paragraph settings.
#include "controls/smooth/AdvSmoothPanelCaption.h"

#include "controls/smooth/ByteProperty.h"

namespace sk::smooth {

namespace {
const ui::EnumNames kTextRenderingNames{"TAdvSmoothPanelTextRenderingHint",
                                        {"tAntiAlias", "tAntiAliasGridFit", "tClearType"}};
}  // namespace

const ui::ClassInfo& TAdvSmoothPanelCaption::staticClassInfo() {
    using C = TAdvSmoothPanelCaption;
    static const ui::ClassInfo info =
        ui::ClassBuilder<C>("TAdvSmoothPanelCaption", &ui::Persistent::staticClassInfo())
            .string("Text", &C::Text, &C::SetText)
            .enumeration("Location", &C::Location, &C::SetLocation, plTopLeft, labelLocationNames())
            .integer("Left", &C::Left, &C::SetLeft)
            .integer("Top", &C::Top, &C::SetTop)
            .object("Font", &C::Font)
            .storeWhole()
            .color("ColorStart", &C::ColorStart, &C::SetColorStart, static_cast<long long>(drawing::clWhite))
            .color("ColorEnd", &C::ColorEnd, &C::SetColorEnd, static_cast<long long>(drawing::clSilver))
            .integer("OpacityStart", byteGetter<SmoothCaption>(&C::OpacityStart),
                     byteSetter<SmoothCaption>(&C::SetOpacityStart), 255LL)
            .integer("OpacityEnd", byteGetter<SmoothCaption>(&C::OpacityEnd),
                     byteSetter<SmoothCaption>(&C::SetOpacityEnd), 255LL)
            .enumeration("GradientType", &C::GradientType, &C::SetGradientType, gtVertical,
                         gradientTypeNames())
            .enumeration("HatchStyle", &C::HatchStyle, &C::SetHatchStyle, drawing::HatchStyleHorizontal,
                         hatchStyleNames())
            .object("Picture", &C::Picture)
            .boolean("Line", &C::Line, &C::SetLine, true)
            .color("LineColor", &C::LineColor, &C::SetLineColor, static_cast<long long>(kDefaultLineColor))
            .enumeration("TextRendering", &C::TextRendering, &C::SetTextRendering, tAntiAliasGridFit,
                         kTextRenderingNames)
            .string("HTMLText", &C::HTMLText, &C::SetHTMLText)
            .object("HTMLFont", &C::HTMLFont)
            .storeWhole()
            .enumeration("HTMLLocation", &C::HTMLLocation, &C::SetHTMLLocation, plCenterCenter,
                         labelLocationNames())
            .integer("HTMLLeft", &C::HTMLLeft, &C::SetHTMLLeft)
            .integer("HTMLTop", &C::HTMLTop, &C::SetHTMLTop)
            .color("HTMLURLColor", &C::HTMLURLColor, &C::SetHTMLURLColor,
                   static_cast<long long>(drawing::clBlue))
            .color("HTMLShadowColor", &C::HTMLShadowColor, &C::SetHTMLShadowColor,
                   static_cast<long long>(drawing::clGray))
            .integer("HTMLShadowOffset", &C::HTMLShadowOffset, &C::SetHTMLShadowOffset, 5LL)
            .event("OnChange", &C::OnChange)
            .build();
    return info;
}
const ui::ClassInfo& TAdvSmoothPanelCaption::classInfo() const {
    return staticClassInfo();
}

TAdvSmoothPanelCaption::TAdvSmoothPanelCaption()
    : SmoothCaption({plTopLeft, 12, drawing::clWhite, drawing::clSilver}), m_htmlFont(makeFont(8)) {}

}  // namespace sk::smooth
