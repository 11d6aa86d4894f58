// The values and change reporting the smooth captions share.
#include "controls/smooth/SmoothCaption.h"

#include "drawing/Color.h"

namespace sk::smooth {

const ui::EnumNames& labelLocationNames() {
    static const ui::EnumNames names{
        "TAdvSmoothLabelLocation",
        {"plTopLeft", "plTopCenter", "plTopRight", "plCenterLeft", "plCenterCenter", "plCenterRight",
         "plBottomLeft", "plBottomCenter", "plBottomRight", "plCustom"}};
    return names;
}

SmoothCaption::SmoothCaption(const Defaults& defaults)
    : m_location(defaults.location),
      m_font(makeFont(defaults.fontPoints)),
      m_picture(std::make_unique<TAdvGDIPPicture>()),
      m_colorStart(defaults.colorStart),
      m_colorEnd(defaults.colorEnd) {
    m_picture->setChangeHandler([this](ui::Persistent*) { changed(); });
}

SmoothCaption::~SmoothCaption() = default;

std::unique_ptr<ui::TFont> SmoothCaption::makeFont(int points) {
    auto font = std::make_unique<ui::TFont>();
    font->SetName("Tahoma");
    font->SetSize(points);
    font->setChangeHandler([this](ui::Persistent*) { changed(); });
    return font;
}

drawing::ARGB SmoothCaption::startARGB() const {
    return drawing::ColorToARGB(m_opacityStart, m_colorStart);
}

drawing::ARGB SmoothCaption::endARGB() const {
    return m_colorEnd == drawing::clNone ? startARGB() : drawing::ColorToARGB(m_opacityEnd, m_colorEnd);
}

}  // namespace sk::smooth
