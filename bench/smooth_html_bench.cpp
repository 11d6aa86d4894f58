// links: slidekiln_controls_smooth
// The mini-HTML renderer's 2-D variant on the about page's kind of paragraph
// (the tests' about text): about 600 characters of bold purple Tahoma, centred and wrapped in 690 pixels
// with 2 pixels of extra line spacing. Targets: under 0.3 ms to measure, under
// 1 ms to draw.
#include <benchmark/benchmark.h>

#include "controls/smooth/HtmlText.h"
#include "controls/smooth/HtmlTextTestSupport.h"
#include "drawing/Graphics.h"

namespace {

sk::drawing::CanvasFont paragraphFont() {
    sk::drawing::CanvasFont font;
    font.name = "Tahoma";
    font.height = -11;
    font.bold = true;
    font.color = sk::drawing::clWhite;
    return font;
}

sk::smooth::HtmlTextOptions paragraphOptions(bool measureOnly) {
    sk::smooth::HtmlTextOptions options;
    options.rect = {60, 40, 690, 10000};
    options.extraSpacing = 2;
    options.measureOnly = measureOnly;
    return options;
}

void run(benchmark::State& state, bool measureOnly) {
    sk::drawing::Bitmap bitmap(752, 419);
    sk::drawing::Graphics graphics(bitmap);
    graphics.setSmoothingMode(sk::drawing::SmoothingMode::AntiAlias);
    graphics.setTextRenderingHint(sk::drawing::TextRenderingHint::AntiAliasGridFit);
    const sk::smooth::HtmlTextOptions options = paragraphOptions(measureOnly);
    int lines = 0;
    for (auto _ : state) {
        const sk::smooth::HtmlTextResult result =
            sk::smooth::DrawHtmlText(graphics, paragraphFont(), sk::smooth::testing::kAboutText, options);
        benchmark::DoNotOptimize(result.height);
        lines = result.height;
    }
    state.counters["height_px"] = lines;
}

void BM_HtmlParagraphMeasure(benchmark::State& state) {
    run(state, true);
}
void BM_HtmlParagraphDraw(benchmark::State& state) {
    run(state, false);
}

}  // namespace

BENCHMARK(BM_HtmlParagraphMeasure)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_HtmlParagraphDraw)->Unit(benchmark::kMillisecond);
