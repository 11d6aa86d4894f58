// Installing the program's fontconfig configuration and asking it about faces.
#include "drawing/FontConfiguration.h"

#include <fontconfig/fontconfig.h>
#include <pango/pangocairo.h>
#include <pango/pangofc-fontmap.h>

#include <cstdint>
#include <cstdio>
#include <mutex>
#include <string>

#include "drawing/CairoHandles.h"

namespace sk::drawing {

namespace {

struct FontState {
    std::mutex mutex;
    detail::FontConfig config;  // our reference; null until installed
    detail::GObjectHandle<PangoFontMap> map;
    unsigned generation = 1;
};

FontState& fontState() {
    static FontState* state = new FontState();  // lives as long as the process
    return *state;
}

std::string stringOf(FcPattern* pattern, const char* object, int index = 0) {
    FcChar8* value = nullptr;
    if (FcPatternGetString(pattern, object, index, &value) != FcResultMatch || !value) return {};
    return reinterpret_cast<const char*>(value);
}

}  // namespace

bool installFontConfiguration(std::string_view configXml) {
    FcInit();
    detail::FontConfig config(FcConfigCreate());
    // The cache folders are named after the configuration (see fonts.conf).
    std::uint64_t hash = 14695981039346656037ull;  // FNV-1a
    for (const char c : configXml) hash = (hash ^ static_cast<unsigned char>(c)) * 1099511628211ull;
    char hashText[17];
    std::snprintf(hashText, sizeof hashText, "%016llx", static_cast<unsigned long long>(hash));
    std::string text(configXml);
    for (std::size_t at; (at = text.find("@CONFIG_HASH@")) != std::string::npos;)
        text.replace(at, 13, hashText);
    if (!FcConfigParseAndLoadFromMemory(config.get(), reinterpret_cast<const FcChar8*>(text.c_str()),
                                        FcTrue) ||
        !FcConfigBuildFonts(config.get()))
        return false;
    FcConfigSetCurrent(config.get());  // takes a reference of its own

    detail::GObjectHandle<PangoFontMap> map(pango_cairo_font_map_new_for_font_type(CAIRO_FONT_TYPE_FT));
    pango_fc_font_map_set_config(PANGO_FC_FONT_MAP(map.get()), config.get());
    pango_cairo_font_map_set_resolution(PANGO_CAIRO_FONT_MAP(map.get()), 96.0);
    // GTK and anything else asking for the default font map get the same faces.
    pango_cairo_font_map_set_default(PANGO_CAIRO_FONT_MAP(map.get()));

    FontState& state = fontState();
    std::lock_guard lock(state.mutex);
    state.map = std::move(map);  // the old map lets go of the old configuration first
    state.config = std::move(config);
    ++state.generation;
    return true;
}

bool fontConfigurationInstalled() {
    FontState& state = fontState();
    std::lock_guard lock(state.mutex);
    return state.config != nullptr;
}

PangoFontMap* fontMap() {
    FontState& state = fontState();
    std::lock_guard lock(state.mutex);
    if (state.map) return state.map.get();
    // Nothing installed (a tool that skipped the start-up step): the system's faces.
    return pango_cairo_font_map_get_default();
}

unsigned fontMapGeneration() {
    FontState& state = fontState();
    std::lock_guard lock(state.mutex);
    return state.generation;
}

MatchedFace matchFace(std::string_view familyName, bool bold, bool italic) {
    MatchedFace face;
    FontState& state = fontState();
    std::lock_guard lock(state.mutex);
    FcConfig* config = state.config.get();  // null: fontconfig's current configuration
    FcInit();

    const std::string name(familyName);
    const detail::FontPattern pattern(FcPatternCreate());
    FcPatternAddString(pattern.get(), FC_FAMILY, reinterpret_cast<const FcChar8*>(name.c_str()));
    FcPatternAddInteger(pattern.get(), FC_WEIGHT, bold ? FC_WEIGHT_BOLD : FC_WEIGHT_REGULAR);
    FcPatternAddInteger(pattern.get(), FC_SLANT, italic ? FC_SLANT_ITALIC : FC_SLANT_ROMAN);
    FcConfigSubstitute(config, pattern.get(), FcMatchPattern);
    FcDefaultSubstitute(pattern.get());
    FcResult result = FcResultNoMatch;
    const detail::FontPattern matched(FcFontMatch(config, pattern.get(), &result));
    if (!matched) return face;
    FcPattern* match = matched.get();

    for (int i = 0;; ++i) {
        std::string family = stringOf(match, FC_FAMILY, i);
        if (family.empty()) break;
        if (FcStrCmpIgnoreCase(reinterpret_cast<const FcChar8*>(family.c_str()),
                               reinterpret_cast<const FcChar8*>(name.c_str())) == 0)
            face.nameFound = true;
        face.families.push_back(std::move(family));
    }
    face.style = stringOf(match, FC_STYLE);
    face.file = stringOf(match, FC_FILE);
    FcBool outline = FcFalse;
    if (FcPatternGetBool(match, FC_OUTLINE, 0, &outline) == FcResultMatch) face.outline = outline != FcFalse;
    FcLangSet* langs = nullptr;
    if (FcPatternGetLangSet(match, FC_LANG, 0, &langs) == FcResultMatch && langs)
        face.coversCyrillic = FcLangSetHasLang(langs, reinterpret_cast<const FcChar8*>("ru")) == FcLangEqual;
    return face;
}

bool isOutlineFont(std::string_view familyName) {
    const MatchedFace face = matchFace(familyName);
    return face.nameFound && face.outline;
}

}  // namespace sk::drawing
