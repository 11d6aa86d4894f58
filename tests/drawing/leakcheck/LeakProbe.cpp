// A program for the sanitizer build that draws and measures text the way the
// program does and then, if asked, loses one object that the libraries allocate
// for our drawing code. Run under LeakSanitizer with scripts/lsan.supp, a clean run
// must report nothing and every deliberate loss must be reported: the suppressions
// cover the libraries' own caches, never an object of ours.
//
//   leak_probe clean      draws and measures, loses nothing
//   leak_probe layout     also loses a pango layout laid out by the drawing layer
//   leak_probe surface    also loses the cairo surface of a bitmap
#include <cairo.h>

#include <cstdio>
#include <string>
#include <string_view>

#include "drawing/Bitmap.h"
#include "drawing/Canvas.h"
#include "drawing/CairoSupport.h"
#include "drawing/Graphics.h"
#include "drawing/TextMeasurer.h"
#include "support/TestEnvironment.h"

namespace {

using namespace sk::drawing;

// Text through each of the drawing layer's paths, so that the font map, its
// fontsets and cairo's font cache are filled as in a real run.
void drawAndMeasureText() {
    Bitmap bitmap(200, 60);
    Graphics graphics(bitmap);
    const Font font("Tahoma", 9, FontStyleBold);
    graphics.drawString("Открыть presentation.pptx", font, PointF{2, 2}, SolidBrush(0xFF000000));
    graphics.measureString("Gauge 120", font, PointF{}, StringFormat());
    Canvas canvas(bitmap);
    canvas.drawText("&Установки", Rect{0, 30, 200, 30}, DT_SINGLELINE);
    canvas.font().escapement = 900;  // turned text has a pango context of its own
    canvas.textOut(180, 58, "90°");
    canvas.textOutline(0, 0, "Path");
    TextMeasurer::shared().caretOffsets(CanvasFont{}, "/root/presentation.exe");
}

void loseLayout() {
    detail::LaidOutText laidOut = detail::layoutString(TextMeasurer::shared().context(), "Lost layout",
                                                       Font("Tahoma", 9), RectF{0, 0, 100, 20}, false,
                                                       StringFormat());
    laidOut.layout.release();
}

void loseSurface() {
    const Bitmap bitmap(37, 11);
    cairo_surface_reference(bitmap.cairoSurface());  // a reference that nobody gives back
}

}  // namespace

int main(int argc, char** argv) {
    const std::string_view mode = argc > 1 ? argv[1] : "";
    if (mode != "clean" && mode != "layout" && mode != "surface") {
        std::fputs("usage: leak_probe clean|layout|surface\n", stderr);
        return 2;
    }
    sk::test::prepareEnvironment();
    drawAndMeasureText();
    if (mode == "layout") loseLayout();
    if (mode == "surface") loseSurface();
    return 0;
}
