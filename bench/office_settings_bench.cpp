// links: slidekiln_app slidekiln_platform
// Paint speed of the settings page, headless, in the real main window: one drag
// frame of the track bar (the thumb moved one value, its old and new areas and
// the groove repainted and presented) and one hot change of a radio button (the
// pointer enters it, its mark repainted); targets under 0.3 ms each.
#include <benchmark/benchmark.h>

#include "MainWindowBench.h"
#include "ui/Application.h"

namespace {

using Window = sk::bench::MainWindow;

void BM_TrackBarDragFrame(benchmark::State& state) {
    Window w;
    sk::office::TAdvTrackBar& bar = *w.form->AdvTrackBar1;
    const sk::drawing::Point o = bar.formOrigin();
    const sk::drawing::Rect thumb = bar.geometry().thumb(bar.Position());
    const sk::drawing::Point start{o.x + thumb.center().x, o.y + thumb.center().y};
    w.window().mouseMove(start);
    w.window().mouseDown(start);
    sk::ui::Application::instance().paintPending();
    // Between two neighbouring values, one move a frame, as a slow drag goes.
    const int x5 = o.x + 9 + 5 * 391 / 10, x6 = o.x + 9 + 6 * 391 / 10;
    bool right = true;
    const std::size_t before = w.form->paintCount();
    for (auto _ : state) {
        w.window().mouseMove({right ? x6 : x5, start.y});
        right = !right;
    }
    if (!bar.dragging()) state.SkipWithError("the drag ended before the measurement");
    state.counters["paints"] =
        static_cast<double>(w.form->paintCount() - before) / static_cast<double>(state.iterations());
    w.window().mouseUp({x5, start.y});
}
BENCHMARK(BM_TrackBarDragFrame)->Unit(benchmark::kMicrosecond);

void BM_RadioButtonHotChange(benchmark::State& state) {
    Window w;
    const sk::drawing::Rect r = w.form->AdvOfficeRadioButton2->formRect();
    const sk::drawing::Point inside{r.left + 60, r.top + 12}, outside{r.left + 60, r.top - 10};
    bool in = true;
    const std::size_t before = w.form->paintCount();
    for (auto _ : state) {
        w.window().mouseMove(in ? inside : outside);
        in = !in;
    }
    state.counters["paints"] =
        static_cast<double>(w.form->paintCount() - before) / static_cast<double>(state.iterations());
}
BENCHMARK(BM_RadioButtonHotChange)->Unit(benchmark::kMicrosecond);

}  // namespace
