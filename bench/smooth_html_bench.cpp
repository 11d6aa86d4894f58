// links: slidekiln_controls_smooth
// The mini-HTML renderer's 2-D variant on the about page's kind of paragraph
// (the tests' about text): about 600 characters of bold purple Tahoma, centred and wrapped in 690 pixels
// with 2 pixels of extra line spacing. Targets: under 0.3 ms to measure, under
// 1 ms to draw.
//
// The renderer keeps the sizes of recent runs for the whole process, so the
// plain benchmarks time a warm cache after their first iteration (a repaint of
// an unchanged paragraph). The Cold ones go round variants of the paragraph
// whose every word carries a two-letter tag of its own, so that no run has been
// measured before: the cost of a paragraph seen for the first time. The tags
// lengthen the text by a line; the Tagged ones time one variant warm, for a
// comparison on the same text.
#include <benchmark/benchmark.h>

#include <string>
#include <vector>

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

// The paragraph with a tag of two letters, made from `variant`, after every word
// that a blank ends (text outside the markup's tags only).
std::string taggedParagraph(int variant) {
    const std::string tag{static_cast<char>('a' + variant % 26), static_cast<char>('a' + variant / 26 % 26)};
    const std::string about = sk::smooth::testing::kAboutText;
    std::string tagged;
    bool inTag = false;
    for (std::size_t i = 0; i < about.size(); ++i) {
        const char c = about[i];
        if (c == '<') inTag = true;
        if (c == '>') inTag = false;
        if (c == ' ' && !inTag && i > 0 && about[i - 1] != ' ' && about[i - 1] != '>') tagged += tag;
        tagged += c;
    }
    return tagged;
}

// Enough variants that the run-size cache (a few thousand runs, emptied when
// full) has been emptied before a variant comes round again.
std::vector<std::string> coldParagraphs() {
    std::vector<std::string> paragraphs;
    for (int v = 0; v < 96; ++v) paragraphs.push_back(taggedParagraph(v));
    return paragraphs;
}

void run(benchmark::State& state, bool measureOnly, const std::vector<std::string>& paragraphs) {
    sk::drawing::Bitmap bitmap(752, 419);
    sk::drawing::Graphics graphics(bitmap);
    graphics.setSmoothingMode(sk::drawing::SmoothingMode::AntiAlias);
    graphics.setTextRenderingHint(sk::drawing::TextRenderingHint::AntiAliasGridFit);
    const sk::smooth::HtmlTextOptions options = paragraphOptions(measureOnly);
    int lines = 0;
    std::size_t next = 0;
    for (auto _ : state) {
        const sk::smooth::HtmlTextResult result =
            sk::smooth::DrawHtmlText(graphics, paragraphFont(), paragraphs[next], options);
        next = (next + 1) % paragraphs.size();
        benchmark::DoNotOptimize(result.height);
        lines = result.height;
    }
    state.counters["height_px"] = lines;
    state.counters["chars"] = static_cast<double>(paragraphs.front().size());
}

void BM_HtmlParagraphMeasure(benchmark::State& state) {
    run(state, true, {sk::smooth::testing::kAboutText});
}
void BM_HtmlParagraphDraw(benchmark::State& state) {
    run(state, false, {sk::smooth::testing::kAboutText});
}
void BM_HtmlParagraphMeasureTagged(benchmark::State& state) {
    run(state, true, {taggedParagraph(0)});
}
void BM_HtmlParagraphDrawTagged(benchmark::State& state) {
    run(state, false, {taggedParagraph(0)});
}
void BM_HtmlParagraphMeasureCold(benchmark::State& state) {
    run(state, true, coldParagraphs());
}
void BM_HtmlParagraphDrawCold(benchmark::State& state) {
    run(state, false, coldParagraphs());
}

}  // namespace

BENCHMARK(BM_HtmlParagraphMeasure)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_HtmlParagraphDraw)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_HtmlParagraphMeasureTagged)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_HtmlParagraphDrawTagged)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_HtmlParagraphMeasureCold)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_HtmlParagraphDrawCold)->Unit(benchmark::kMillisecond);
