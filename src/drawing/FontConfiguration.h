// The program's font configuration: a fontconfig file (resources/fonts/fonts.conf)
// that the program, the tests, the benchmarks and the screenshot tool install at
// start, before anything draws text, so that face names resolve alike everywhere:
//
//   auto conf = sk::platform::findResource("fonts/fonts.conf");
//   sk::drawing::installFontConfiguration({reinterpret_cast<const char*>(conf->data()), conf->size()});
//
// It becomes fontconfig's current configuration (so GTK uses it too) and backs the
// font map from which every text layout of the drawing layer is made.
#pragma once

#include <filesystem>
#include <string>
#include <string_view>
#include <vector>

typedef struct _PangoFontMap PangoFontMap;

namespace sk::drawing {

// Loads the configuration text; false when it does not parse (the system's default
// configuration stays in force). Installing again replaces the previous one.
bool installFontConfiguration(std::string_view configXml);
bool fontConfigurationInstalled();

// What a face name resolves to under the installed configuration.
struct MatchedFace {
    std::vector<std::string> families;  // every family name of the face, first the face's own
    std::string style;
    std::filesystem::path file;
    bool outline = false;         // a scalable outline face (not a bitmap strike)
    bool coversCyrillic = false;  // has the Russian alphabet
    bool nameFound = false;       // the face carries the asked name as a family name
};
MatchedFace matchFace(std::string_view familyName, bool bold = false, bool italic = false);

// Whether a face name is an installed outline font: the face matched for the name
// carries the name and is scalable.
bool isOutlineFont(std::string_view familyName);

// For the drawing layer: the font map bound to the installed configuration, and a
// number that changes with every installation (contexts of an older map go stale).
PangoFontMap* fontMap();
unsigned fontMapGeneration();

}  // namespace sk::drawing
