// links: slidekiln_controls_smooth
// Lays out, measures and draws arbitrary markup with the 2-D variant.
#include "HtmlFuzzSupport.h"
#include "drawing/Graphics.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    sk::drawing::Bitmap bitmap(190, 60);
    sk::drawing::Graphics graphics(bitmap);
    graphics.setSmoothingMode(sk::drawing::SmoothingMode::AntiAlias);
    sk::fuzz::layOutEveryWay(
        data, size, [&](std::string_view markup, const sk::smooth::HtmlTextOptions& options) {
            return sk::smooth::DrawHtmlText(graphics, sk::fuzz::baseFont(), markup, options);
        });
    return 0;
}
