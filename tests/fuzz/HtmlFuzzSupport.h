// What the mini-HTML fuzzers share: the program's font configuration, picture
// sources for the markup's images, and the option sets each input is laid out
// with (measuring with a hit point, drawing without and with word wrap).
#pragma once

#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <string_view>
#include <vector>

#include "controls/smooth/HtmlText.h"
#include "drawing/FontConfiguration.h"
#include "platform/EmbeddedResources.h"

namespace sk::fuzz {

inline void installFonts() {
    static const bool installed = [] {
        auto config = platform::findResource("fonts/fonts.conf");
        if (!config || !drawing::installFontConfiguration(
                           std::string_view(reinterpret_cast<const char*>(config->data()), config->size()))) {
            std::fputs("the font configuration could not be installed\n", stderr);
            std::abort();
        }
        return true;
    }();
    (void)installed;
}

class FuzzPictures final : public smooth::HtmlImageList, public smooth::HtmlPictureContainer {
public:
    FuzzPictures() : m_picture(7, 5) { m_picture.fill(0xFF3060C0); }
    const drawing::Bitmap* imageAt(int index) const override {
        return index == 0 || index == 1 ? &m_picture : nullptr;
    }
    const drawing::Bitmap* pictureNamed(std::string_view name) const override {
        return name.size() % 2 == 0 ? &m_picture : nullptr;
    }

private:
    drawing::Bitmap m_picture;
};

// Three ways to lay out every input, so that one corpus of plain markup reaches
// the measuring, the wrapped drawing and the single-line drawing.
inline std::vector<smooth::HtmlTextOptions> optionSets(const FuzzPictures& pictures,
                                                       smooth::HtmlPictureCache& cache) {
    smooth::HtmlTextOptions base;
    base.rect = {3, 2, 180, 50};
    base.images = &pictures;
    base.pictures = &pictures;
    base.pictureCache = &cache;
    base.shadowOffset = 2;
    std::vector<smooth::HtmlTextOptions> sets(3, base);
    sets[0].measureOnly = true;
    sets[0].hitPoint = {40, 8};
    sets[0].extraSpacing = 2;
    sets[1].wordWrap = false;
    sets[1].focusLink = 0;
    sets[2].hover = true;
    sets[2].hoverLink = 1;
    sets[2].hoverColor = drawing::clYellow;
    sets[2].hoverFontColor = drawing::clRed;
    sets[2].imageScale = 1.5;
    return sets;
}

// Lays one input out in every option set through `draw(markup, options)`, which
// returns the renderer's result, and traps on an impossible one.
template <class Draw>
void layOutEveryWay(const std::uint8_t* data, std::size_t size, Draw draw) {
    installFonts();
    const std::string_view markup(reinterpret_cast<const char*>(data), size);
    static const FuzzPictures pictures;
    smooth::HtmlPictureCache cache;
    for (const smooth::HtmlTextOptions& options : optionSets(pictures, cache)) {
        const smooth::HtmlTextResult result = draw(markup, options);
        if (result.width < 2 || result.height < 0 || result.linkCount < 0) __builtin_trap();
    }
}

inline drawing::CanvasFont baseFont() {
    drawing::CanvasFont font;
    font.name = "Tahoma";
    font.height = -11;
    font.color = drawing::clBlack;
    return font;
}

}  // namespace sk::fuzz
