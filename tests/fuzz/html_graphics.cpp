// links: slidekiln_controls_smooth
// Lays out, measures and draws arbitrary markup with the 2-D variant.
#include <cstddef>
#include <cstdint>

#include "HtmlFuzzSupport.h"
#include "drawing/Graphics.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    sk::fuzz::installFonts();
    const std::string_view markup(reinterpret_cast<const char*>(data), size);
    static const sk::fuzz::FuzzPictures pictures;
    sk::smooth::HtmlPictureCache cache;
    sk::drawing::Bitmap bitmap(190, 60);
    sk::drawing::Graphics graphics(bitmap);
    graphics.setSmoothingMode(sk::drawing::SmoothingMode::AntiAlias);
    for (const sk::smooth::HtmlTextOptions& options : sk::fuzz::optionSets(pictures, cache)) {
        const sk::smooth::HtmlTextResult result =
            sk::smooth::DrawHtmlText(graphics, sk::fuzz::baseFont(), markup, options);
        if (result.width < 2 || result.height < 0 || result.linkCount < 0) __builtin_trap();
    }
    return 0;
}
