// links: slidekiln_ui slidekiln_platform
// Repaint speed of the control framework, headless: the latency from
// invalidating one small control to its area being painted and presented, and
// a full repaint of a 764 x 459 window holding 30 plain controls (labels,
// edits, pictures). Target: the full repaint well under 4 ms.
#include <benchmark/benchmark.h>

#include <memory>

#include "platform/headless/HeadlessPlatform.h"
#include "ui/Application.h"
#include "ui/Edit.h"
#include "ui/Form.h"
#include "ui/Image.h"
#include "ui/Label.h"

namespace {

using namespace sk;

struct Window {
    platform::HeadlessPlatform headless;
    std::unique_ptr<ui::Form> form;
    ui::TLabel* smallLabel = nullptr;

    Window() {
        platform::setCurrentPlatform(&headless);
        form = std::make_unique<ui::Form>();
        form->SetBounds(0, 0, 764, 459);
        form->SetColor(0x00F2E9C4);
        form->Font()->SetName("Tahoma");
        form->Font()->SetHeight(-13);
        // 30 plain controls: 12 labels, 12 edits, 6 pictures, in rows.
        for (int i = 0; i < 30; ++i) {
            const int x = 10 + (i % 3) * 250, y = 10 + (i / 3) * 44;
            if (i % 5 == 4) {
                auto* image = new ui::TImage(form.get());
                image->SetParent(form.get());
                image->SetBounds(x, y, 73, 40);
                image->Picture()->loadFromResource("icons/slidekiln-32.png");
            } else if (i % 2 == 0) {
                auto* label = new ui::TLabel(form.get());
                label->SetParent(form.get());
                label->SetAutoSize(false);
                label->SetBounds(x, y, 230, 40);
                label->SetCaption("ПОДДЕРЖКА PowerPoint2003 (*.ppt)");
                label->Font()->SetName("Arial Black");
                label->Font()->SetHeight(-16);
                if (!smallLabel) smallLabel = label;
            } else {
                auto* edit = new ui::TEdit(form.get());
                edit->SetParent(form.get());
                edit->SetBounds(x, y, 230, 24);
                edit->SetText("C:\\presentation.exe");
            }
        }
        form->show();
    }
    ~Window() {
        form.reset();
        platform::setCurrentPlatform(nullptr);
    }
};

void BM_InvalidateSmallControlToPainted(benchmark::State& state) {
    Window w;
    for (auto _ : state) {
        w.smallLabel->invalidate({0, 0, 60, 20});
        w.form->paintPending();
    }
}
BENCHMARK(BM_InvalidateSmallControlToPainted)->Unit(benchmark::kMicrosecond);

void BM_FullRepaint764x459With30Controls(benchmark::State& state) {
    Window w;
    for (auto _ : state) {
        w.form->invalidate();
        w.form->paintPending();
    }
}
BENCHMARK(BM_FullRepaint764x459With30Controls)->Unit(benchmark::kMillisecond);

}  // namespace
