// The smooth panel's caption and paragraph settings.
#include "controls/smooth/AdvSmoothPanelCaption.h"

namespace sk::smooth {

namespace {
const ui::EnumNames kTextRenderingNames{"TAdvSmoothPanelTextRenderingHint",
                                        {"tAntiAlias", "tAntiAliasGridFit", "tClearType"}};

std::unique_ptr<ui::TFont> tahoma(int points) {
    auto font = std::make_unique<ui::TFont>();
    font->SetName("Tahoma");
    font->SetSize(points);
    return font;
}
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
            .integer("OpacityStart", &C::OpacityStart, &C::SetOpacityStart, 255LL)
            .integer("OpacityEnd", &C::OpacityEnd, &C::SetOpacityEnd, 255LL)
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
    : m_font(tahoma(12)), m_picture(std::make_unique<TAdvGDIPPicture>()), m_htmlFont(tahoma(8)) {
    m_font->setChangeHandler([this](ui::Persistent*) { changed(); });
    m_picture->setChangeHandler([this](ui::Persistent*) { changed(); });
    m_htmlFont->setChangeHandler([this](ui::Persistent*) { changed(); });
}

TAdvSmoothPanelCaption::~TAdvSmoothPanelCaption() = default;

drawing::ARGB TAdvSmoothPanelCaption::startARGB() const {
    return drawing::ColorToARGB(m_opacityStart, m_colorStart);
}

drawing::ARGB TAdvSmoothPanelCaption::endARGB() const {
    return m_colorEnd == drawing::clNone ? startARGB() : drawing::ColorToARGB(m_opacityEnd, m_colorEnd);
}

void TAdvSmoothPanelCaption::changed() {
    if (m_assigning) return;
    ui::Persistent::changed();
    if (OnChange) OnChange(this);
}

void TAdvSmoothPanelCaption::assign(const ui::Persistent& source) {
    if (&source == this) return;
    m_assigning = true;
    struct Reset {
        bool& flag;
        ~Reset() { flag = false; }
    } reset{m_assigning};
    ui::Persistent::assign(source);
    m_assigning = false;
    changed();
}

}  // namespace sk::smooth
