// links: slidekiln_controls_smooth
// Lays out, measures and draws arbitrary markup with the device-context variant.
#include "HtmlFuzzSupport.h"
#include "drawing/Canvas.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    sk::drawing::Bitmap bitmap(190, 60);
    sk::drawing::Canvas canvas(bitmap);
    canvas.font() = sk::fuzz::baseFont();
    sk::fuzz::layOutEveryWay(data, size,
                             [&](std::string_view markup, const sk::smooth::HtmlTextOptions& options) {
                                 return sk::smooth::DrawHtmlText(canvas, markup, options);
                             });
    return 0;
}
