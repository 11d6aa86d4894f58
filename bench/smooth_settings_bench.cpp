// links: slidekiln_app slidekiln_platform
// Paint speed of the settings page, headless, in the real main window: the whole
// page repainted with its title, banners and controls (target under 4 ms), and
// its three decorative labels each repainted alone.
#include <benchmark/benchmark.h>

#include <memory>
#include <string>

#include "app/ProgramStart.h"
#include "platform/headless/HeadlessPlatform.h"
#include "ui/Application.h"

namespace {

class SettingsPage {
public:
    SettingsPage() {
        sk::platform::setCurrentPlatform(&m_platform);
        m_form = sk::app::createMainWindow();
        m_form->show();
        sk::ui::Application::instance().paintPending();
    }
    ~SettingsPage() {
        m_form.reset();
        sk::platform::setCurrentPlatform(nullptr);
    }
    sk::app::TForm1& form() { return *m_form; }

    // Repaints one control's area for as long as the benchmark runs.
    void repaint(benchmark::State& state, sk::ui::Control& control) {
        const std::size_t before = m_form->paintCount();
        for (auto _ : state) {
            control.invalidate();
            sk::ui::Application::instance().paintPending();
        }
        state.counters["paints"] =
            static_cast<double>(m_form->paintCount() - before) / static_cast<double>(state.iterations());
    }

private:
    sk::platform::HeadlessPlatform m_platform;
    std::unique_ptr<sk::app::TForm1> m_form;
};

void BM_SettingsPageRepaint(benchmark::State& state) {
    SettingsPage page;
    page.repaint(state, *page.form().AdvTabSheet1);
}
BENCHMARK(BM_SettingsPageRepaint)->Unit(benchmark::kMillisecond);

void BM_SettingsPageLabelRepaint(benchmark::State& state, const std::string& name) {
    SettingsPage page;
    page.repaint(state, *page.form().field<sk::ui::Control>(name));
}
BENCHMARK_CAPTURE(BM_SettingsPageLabelRepaint, title, std::string("AdvReflectionLabel1"))
    ->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(BM_SettingsPageLabelRepaint, pictureBanner, std::string("AdvSmoothLabel3"))
    ->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(BM_SettingsPageLabelRepaint, footer, std::string("AdvSmoothLabel2"))
    ->Unit(benchmark::kMillisecond);

}  // namespace
