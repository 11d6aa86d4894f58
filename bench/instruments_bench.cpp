// links: slidekiln_controls_instruments slidekiln_ui slidekiln_platform
// Repaint speed of the instruments, headless, with the main window's values:
// a value change of the dial and of the segment display with their layers and
// geometry cached (target: under 0.5 ms each, painted and presented), and a
// full rebuild of the dial's layers (target: under 10 ms).
#include <benchmark/benchmark.h>

#include <memory>

#include "controls/instruments/InstrumentTestSupport.h"

namespace {

using namespace sk;
using namespace sk::instruments;
namespace fixture = sk::instruments::test;

struct Window {
    platform::HeadlessPlatform headless;
    std::unique_ptr<ui::Form> form;
    TILAngularGauge* dial = nullptr;
    TILSegmentGauge* display = nullptr;

    Window() {
        platform::setCurrentPlatform(&headless);
        fixture::registerInstrumentClasses();
        form = std::make_unique<ui::Form>();
        form->loadDescription(fixture::formWith(fixture::kFormDial + fixture::kFormPanel), "bench form");
        dial = form->field<TILAngularGauge>("ILAngularGauge4");
        display = form->field<TILSegmentGauge>("ILSegmentGauge5");
        form->show();
        ui::Application::instance().paintPending();
    }
    ~Window() {
        form.reset();
        platform::setCurrentPlatform(nullptr);
    }
};

void BM_DialValueRepaint(benchmark::State& state) {
    Window w;
    int step = 0;
    for (auto _ : state) {
        w.dial->SetValue(10.0 * (step++ % 11));
        ui::Application::instance().paintPending();
    }
    state.counters["layerBuilds"] = w.dial->layerBuilds();
}
BENCHMARK(BM_DialValueRepaint)->Unit(benchmark::kMicrosecond);

void BM_SegmentValueRepaint(benchmark::State& state) {
    Window w;
    int step = 0;
    for (auto _ : state) {
        w.display->SetValue(10.0 * (step++ % 11) - 5);
        ui::Application::instance().paintPending();
    }
    state.counters["layerBuilds"] = w.display->layerBuilds();
}
BENCHMARK(BM_SegmentValueRepaint)->Unit(benchmark::kMicrosecond);

// The control's own picture alone, without the window's painting around it.
void BM_DialRenderOnly(benchmark::State& state) {
    Window w;
    int step = 0;
    for (auto _ : state) {
        w.dial->SetValue(10.0 * (step++ % 11));
        benchmark::DoNotOptimize(w.dial->render());
    }
}
BENCHMARK(BM_DialRenderOnly)->Unit(benchmark::kMicrosecond);

void BM_SegmentRenderOnly(benchmark::State& state) {
    Window w;
    int step = 0;
    for (auto _ : state) {
        w.display->SetValue(10.0 * (step++ % 11) - 5);
        benchmark::DoNotOptimize(w.display->render());
    }
}
BENCHMARK(BM_SegmentRenderOnly)->Unit(benchmark::kMicrosecond);

void BM_DialLayerRebuild(benchmark::State& state) {
    Window w;
    for (auto _ : state) {
        w.dial->LayersChanged();
        ui::Application::instance().paintPending();
    }
    state.counters["layerBuilds"] = w.dial->layerBuilds();
}
BENCHMARK(BM_DialLayerRebuild)->Unit(benchmark::kMillisecond);

}  // namespace
