// links: slidekiln_app slidekiln_platform
// Text measuring as the controls do it, headless: one 40-character run in the
// fields' Tahoma 13 px bold, a drag across a 60-character edit (every move finds
// the caret position under the pointer) and sizing the main window's three tabs
// (the active tab's bold font makes room with blanks).
#include <benchmark/benchmark.h>

#include <memory>
#include <string>

#include "app/ProgramStart.h"
#include "drawing/Bitmap.h"
#include "drawing/Canvas.h"
#include "platform/headless/HeadlessPlatform.h"
#include "ui/Application.h"
#include "ui/Edit.h"
#include "ui/Form.h"

namespace {

using namespace sk;

const std::string kRun40 = "/root/presentation.exe Тест test 0123456";  // 40 characters

drawing::CanvasFont fieldFont() {
    drawing::CanvasFont font;
    font.name = "Tahoma";
    font.height = -13;
    font.bold = true;
    return font;
}

// What a control did to measure before the text measurer: a scratch bitmap and a
// canvas per question.
void BM_Measure40CharactersThroughACanvas(benchmark::State& state) {
    for (auto _ : state) {
        drawing::Bitmap scratch(1, 1);
        drawing::Canvas canvas(scratch);
        canvas.font() = fieldFont();
        benchmark::DoNotOptimize(canvas.textExtent(kRun40));
    }
}
BENCHMARK(BM_Measure40CharactersThroughACanvas)->Unit(benchmark::kMicrosecond);

// A different run each time, as while typing: nothing measured before helps.
void BM_MeasureAFresh40CharacterRun(benchmark::State& state) {
    drawing::Bitmap scratch(1, 1);
    drawing::Canvas canvas(scratch);
    canvas.font() = fieldFont();
    long long counter = 0;
    for (auto _ : state) {
        const std::string digits = std::to_string(1000000 + counter++ % 9000000);
        benchmark::DoNotOptimize(canvas.textExtent(kRun40.substr(0, 33) + digits));
    }
}
BENCHMARK(BM_MeasureAFresh40CharacterRun)->Unit(benchmark::kMicrosecond);

struct EditWindow {
    platform::HeadlessPlatform headless;
    std::unique_ptr<ui::Form> form;
    ui::TEdit* edit = nullptr;

    EditWindow() {
        platform::setCurrentPlatform(&headless);
        form = std::make_unique<ui::Form>();
        form->SetBounds(0, 0, 600, 100);
        edit = new ui::TEdit(form.get());
        edit->SetParent(form.get());
        edit->SetBounds(10, 10, 560, 21);
        edit->Font()->SetName("Tahoma");
        edit->Font()->SetHeight(-13);
        edit->SetText("/home/user/Presentations/Квартальный отчёт 2026/final.pptx");  // 60 characters
        form->show();
        ui::Application::instance().paintPending();
    }
    ~EditWindow() {
        form.reset();
        platform::setCurrentPlatform(nullptr);
    }
    platform::HeadlessWindow& window() { return *static_cast<platform::HeadlessWindow*>(form->nativeWindow()); }
};

// One pointer move of a selection drag: the edit finds the character boundary
// under the pointer. The drag sweeps across the whole text and back.
void BM_MouseMoveAcross60CharacterEdit(benchmark::State& state) {
    EditWindow w;
    w.window().mouseDown({14, 20});
    int x = 14, step = 7;
    for (auto _ : state) {
        x += step;
        if (x > 560 || x < 14) step = -step;
        w.window().mouseMove({x, 20});
    }
    w.window().mouseUp({x, 20});
}
BENCHMARK(BM_MouseMoveAcross60CharacterEdit)->Unit(benchmark::kMicrosecond);

struct MainWindow {
    platform::HeadlessPlatform headless;
    std::unique_ptr<app::TForm1> form;
    MainWindow() {
        platform::setCurrentPlatform(&headless);
        form = app::createMainWindow();
        form->show();
        ui::Application::instance().paintPending();
    }
    ~MainWindow() {
        form.reset();
        platform::setCurrentPlatform(nullptr);
    }
};

// Switching pages sizes the three tabs again (the active one in the bold font).
void BM_SizeTheThreeTabs(benchmark::State& state) {
    MainWindow w;
    bool second = false;
    for (auto _ : state) {
        second = !second;
        w.form->AdvPageControl1->SetActivePage(second ? w.form->AdvTabSheet2 : w.form->AdvTabSheet1);
    }
}
BENCHMARK(BM_SizeTheThreeTabs)->Unit(benchmark::kMicrosecond);

}  // namespace
