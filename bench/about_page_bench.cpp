// links: slidekiln_app
// Repaint of the main window's about page, headless: with the smooth panel's
// cached rendering fresh (the page blends it over the background and paints the
// labels and the edit), and with it stale (the body, the hatched caption, the
// paragraph and the emblem rendered anew). Targets: under 1 ms fresh, under
// 8 ms stale.
#include <benchmark/benchmark.h>

#include <memory>

#include "app/ProgramStart.h"
#include "platform/headless/HeadlessPlatform.h"
#include "ui/Application.h"

namespace {

using namespace sk;

struct AboutPageWindow {
    platform::HeadlessPlatform headless;
    std::unique_ptr<app::TForm1> form;

    AboutPageWindow() {
        platform::setCurrentPlatform(&headless);
        form = app::createMainWindow();
        form->show();
        form->AdvPageControl1->SetActivePage(form->AdvTabSheet3);
        ui::Application::instance().paintPending();
    }
    ~AboutPageWindow() {
        form.reset();
        platform::setCurrentPlatform(nullptr);
    }
    smooth::TAdvSmoothPanel& panel() { return *form->aboutPage().AdvSmoothPanel4; }
};

void BM_AboutPageRepaintCacheFresh(benchmark::State& state) {
    AboutPageWindow w;
    const int renders = w.panel().cacheRenderCount();
    for (auto _ : state) {
        w.form->AdvTabSheet3->invalidate();
        w.form->paintPending();
    }
    if (w.panel().cacheRenderCount() != renders) state.SkipWithError("the cache was rendered again");
}
BENCHMARK(BM_AboutPageRepaintCacheFresh)->Unit(benchmark::kMillisecond);

void BM_AboutPageRepaintCacheStale(benchmark::State& state) {
    AboutPageWindow w;
    const int renders = w.panel().cacheRenderCount();
    bool flip = false;
    for (auto _ : state) {
        // A caption change marks the cache stale, as any change of what it shows does.
        w.panel().Caption()->SetOpacityStart((flip = !flip) ? 254 : 255);
        w.form->paintPending();
    }
    if (w.panel().cacheRenderCount() - renders != static_cast<int>(state.iterations()))
        state.SkipWithError("the cache was not rendered on every repaint");
}
BENCHMARK(BM_AboutPageRepaintCacheStale)->Unit(benchmark::kMillisecond);

}  // namespace
