// Installing the program's fontconfig configuration and asking it about faces.
#include "drawing/FontConfiguration.h"

#include <fontconfig/fontconfig.h>
#include <pango/pangocairo.h>
#include <pango/pangofc-fontmap.h>

#include <cstdint>
#include <cstdio>
#include <mutex>
#include <string>

namespace sk::drawing {

namespace {

struct FontState {
    std::mutex mutex;
    FcConfig* config = nullptr;  // our reference; null until installed
    PangoFontMap* map = nullptr;
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
    FcConfig* config = FcConfigCreate();
    // The cache folders are named after the configuration (see fonts.conf).
    std::uint64_t hash = 14695981039346656037ull;  // FNV-1a
    for (const char c : configXml) hash = (hash ^ static_cast<unsigned char>(c)) * 1099511628211ull;
    char hashText[17];
    std::snprintf(hashText, sizeof hashText, "%016llx", static_cast<unsigned long long>(hash));
    std::string text(configXml);
    for (std::size_t at; (at = text.find("@CONFIG_HASH@")) != std::string::npos;)
        text.replace(at, 13, hashText);
    if (!FcConfigParseAndLoadFromMemory(config, reinterpret_cast<const FcChar8*>(text.c_str()), FcTrue) ||
        !FcConfigBuildFonts(config)) {
        FcConfigDestroy(config);
        return false;
    }
    FcConfigSetCurrent(config);  // takes a reference of its own

    PangoFontMap* map = pango_cairo_font_map_new_for_font_type(CAIRO_FONT_TYPE_FT);
    pango_fc_font_map_set_config(PANGO_FC_FONT_MAP(map), config);
    pango_cairo_font_map_set_resolution(PANGO_CAIRO_FONT_MAP(map), 96.0);
    // GTK and anything else asking for the default font map get the same faces.
    pango_cairo_font_map_set_default(PANGO_CAIRO_FONT_MAP(map));

    FontState& state = fontState();
    std::lock_guard lock(state.mutex);
    if (state.map) g_object_unref(state.map);
    if (state.config) FcConfigDestroy(state.config);
    state.config = config;
    state.map = map;
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
    if (state.map) return state.map;
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
    FcConfig* config = state.config;  // null: fontconfig's current configuration
    FcInit();

    const std::string name(familyName);
    FcPattern* pattern = FcPatternCreate();
    FcPatternAddString(pattern, FC_FAMILY, reinterpret_cast<const FcChar8*>(name.c_str()));
    FcPatternAddInteger(pattern, FC_WEIGHT, bold ? FC_WEIGHT_BOLD : FC_WEIGHT_REGULAR);
    FcPatternAddInteger(pattern, FC_SLANT, italic ? FC_SLANT_ITALIC : FC_SLANT_ROMAN);
    FcConfigSubstitute(config, pattern, FcMatchPattern);
    FcDefaultSubstitute(pattern);
    FcResult result = FcResultNoMatch;
    FcPattern* match = FcFontMatch(config, pattern, &result);
    FcPatternDestroy(pattern);
    if (!match) return face;

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
    FcPatternDestroy(match);
    return face;
}

bool isOutlineFont(std::string_view familyName) {
    const MatchedFace face = matchFace(familyName);
    return face.nameFound && face.outline;
}

}  // namespace sk::drawing
