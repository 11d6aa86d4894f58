// Font families and fonts of the 2-D API, resolved through the program's font
// configuration.
#include "drawing/Font.h"

#include <fontconfig/fontconfig.h>
#include <pango/pangocairo.h>

#include <cmath>

#include "drawing/CairoHandles.h"
#include "drawing/FontConfiguration.h"
#include "drawing/TextMeasurer.h"

namespace sk::drawing {

namespace {

// Which slants the faces carrying `name` as a family name have.
void listSlants(const std::string& name, bool& upright, bool& italic) {
    FcInit();
    const detail::FontPattern pattern(FcPatternCreate());
    FcPatternAddString(pattern.get(), FC_FAMILY, reinterpret_cast<const FcChar8*>(name.c_str()));
    const detail::FontObjectSet objects(FcObjectSetBuild(FC_SLANT, FC_OUTLINE, nullptr));
    // The current (installed) configuration.
    const detail::FontSet fonts(FcFontList(nullptr, pattern.get(), objects.get()));
    if (!fonts) return;
    for (int i = 0; i < fonts->nfont; ++i) {
        FcBool outline = FcTrue;
        FcPatternGetBool(fonts->fonts[i], FC_OUTLINE, 0, &outline);
        if (!outline) continue;
        int slant = FC_SLANT_ROMAN;
        FcPatternGetInteger(fonts->fonts[i], FC_SLANT, 0, &slant);
        (slant == FC_SLANT_ROMAN ? upright : italic) = true;
    }
}

}  // namespace

FontFamily::FontFamily(std::string name) : m_name(std::move(name)) {
    listSlants(m_name, m_hasUpright, m_hasItalic);
    m_status = (m_hasUpright || m_hasItalic) ? Status::Ok : Status::FontFamilyNotFound;
}

bool FontFamily::isStyleAvailable(int fontStyle) const {
    if (m_status != Status::Ok) return false;
    // Bold is made from any weight; italic can be slanted from an upright face, but an
    // italic-only family cannot be drawn upright.
    if (fontStyle & FontStyleItalic) return true;
    return m_hasUpright;
}

Font::Font(const FontFamily& family, float emSize, int fontStyle, FontUnit unit)
    : m_family(family), m_size(emSize), m_style(fontStyle), m_unit(unit) {
    build();
}

Font::Font(const std::string& familyName, float emSize, int fontStyle, FontUnit unit)
    : Font(FontFamily(familyName), emSize, fontStyle, unit) {}

Font::Font(const Font& other)
    : m_family(other.m_family), m_size(other.m_size), m_style(other.m_style), m_unit(other.m_unit) {
    build();
}

Font& Font::operator=(const Font& other) {
    if (this != &other) {
        m_family = other.m_family;
        m_size = other.m_size;
        m_style = other.m_style;
        m_unit = other.m_unit;
        build();
    }
    return *this;
}

float Font::emPixels() const {
    const float size = std::isfinite(m_size) && m_size > 0 ? m_size : 0.0f;
    return m_unit == FontUnit::Point ? size * 96.0f / 72.0f : size;
}

void Font::build() {
    m_status = m_family.status();
    if (m_status == Status::Ok && !m_family.isStyleAvailable(m_style)) m_status = Status::FontStyleNotFound;
    if (m_status == Status::Ok && !(emPixels() > 0)) m_status = Status::InvalidParameter;
    m_description.reset(pango_font_description_new());
    PangoFontDescription* description = m_description.get();
    pango_font_description_set_family(description, m_family.name().c_str());
    pango_font_description_set_weight(description,
                                      (m_style & FontStyleBold) ? PANGO_WEIGHT_BOLD : PANGO_WEIGHT_NORMAL);
    pango_font_description_set_style(description,
                                     (m_style & FontStyleItalic) ? PANGO_STYLE_ITALIC : PANGO_STYLE_NORMAL);
    // Pango refuses a size of 0; a tiny size draws nothing visible, as expected.
    pango_font_description_set_absolute_size(description, std::max(emPixels(), 0.01f) * PANGO_SCALE);
}

float Font::lineHeight() const {
    const detail::FontMetrics metrics(
        pango_context_get_metrics(TextMeasurer::shared().context(), m_description.get(), nullptr));
    return static_cast<float>(pango_font_metrics_get_ascent(metrics.get()) +
                              pango_font_metrics_get_descent(metrics.get())) /
           PANGO_SCALE;
}

}  // namespace sk::drawing
