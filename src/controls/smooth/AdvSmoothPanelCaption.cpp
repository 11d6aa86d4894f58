// The smooth panel's caption and paragraph settings.
#include "controls/smooth/AdvSmoothPanelCaption.h"

namespace sk::smooth {

namespace {
const ui::EnumNames kTextRenderingNames{"TAdvSmoothPanelTextRenderingHint",
                                        {"tAntiAlias", "tAntiAliasGridFit", "tClearType"}};
constexpr SmoothCaption::Defaults kDefaults{plTopLeft, 12, drawing::clWhite, drawing::clSilver};
}  // namespace

const ui::ClassInfo& TAdvSmoothPanelCaption::staticClassInfo() {
    using C = TAdvSmoothPanelCaption;
    static const ui::ClassInfo info = [] {
        ui::ClassBuilder<C> builder("TAdvSmoothPanelCaption", &ui::Persistent::staticClassInfo());
        builder.string("Text", &C::Text, &C::SetText)
            .enumeration("Location", &C::Location, &C::SetLocation, kDefaults.location, labelLocationNames())
            .integer("Left", &C::Left, &C::SetLeft)
            .integer("Top", &C::Top, &C::SetTop)
            .object("Font", &C::Font)
            .storeWhole();
        return publishGlyphFill(builder, kDefaults)
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
    }();
    return info;
}
const ui::ClassInfo& TAdvSmoothPanelCaption::classInfo() const {
    return staticClassInfo();
}

TAdvSmoothPanelCaption::TAdvSmoothPanelCaption() : SmoothCaption(kDefaults), m_htmlFont(makeFont(8)) {}

}  // namespace sk::smooth
