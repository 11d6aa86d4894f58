// links: slidekiln_app slidekiln_platform
// Paint speed of the compile path, headless, in the real main window: one fade
// frame of the compile button (the button alone repainted and presented while
// its hover fade runs; target under 0.3 ms) and the whole compilation page
// repainted (target under 4 ms).
#include <benchmark/benchmark.h>

#include "MainWindowBench.h"
#include "ui/Application.h"

namespace {

using Window = sk::bench::MainWindow;

void BM_GlowButtonFadeFrame(benchmark::State& state) {
    Window w(1);
    sk::office::TAdvGlowButton& button = *w.form->compilationPage().AdvGlowButton3;
    const sk::drawing::Rect r = button.formRect();
    w.window().mouseMove({r.left + 10, r.top + 10});
    sk::ui::Application::instance().paintPending();
    w.platform.advanceClock(60);  // the hover fade at 40 percent, its timer running
    sk::ui::Application::instance().paintPending();
    const std::size_t before = w.form->paintCount();
    for (auto _ : state) {
        button.invalidate();
        sk::ui::Application::instance().paintPending();
    }
    if (!button.fadeTimerRunning()) state.SkipWithError("the fade ended before the measurement");
    // Controls painted per frame: the button and what lies under it.
    state.counters["paints"] = static_cast<double>(w.form->paintCount() - before) / static_cast<double>(state.iterations());
}
BENCHMARK(BM_GlowButtonFadeFrame)->Unit(benchmark::kMicrosecond);

void BM_CompilationPageRepaint(benchmark::State& state) {
    Window w(1);
    sk::app::TForm1& form = *w.form;
    const std::size_t before = form.paintCount();
    for (auto _ : state) {
        form.AdvTabSheet2->invalidate();
        sk::ui::Application::instance().paintPending();
    }
    state.counters["paints"] = static_cast<double>(form.paintCount() - before) / static_cast<double>(state.iterations());
}
BENCHMARK(BM_CompilationPageRepaint)->Unit(benchmark::kMillisecond);

}  // namespace
