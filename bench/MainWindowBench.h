// The real main window, headless and shown, for the paint benchmarks; the page
// given is the one shown (0 settings, 1 compilation, 2 about).
#pragma once

#include <memory>

#include "app/ProgramStart.h"
#include "platform/headless/HeadlessPlatform.h"
#include "ui/Application.h"

namespace sk::bench {

struct MainWindow {
    explicit MainWindow(int page = 0) {
        platform::setCurrentPlatform(&platform);
        form = app::createMainWindow();
        form->show();
        if (page != 0) form->AdvPageControl1->SetActivePage(form->AdvPageControl1->Pages(page));
        ui::Application::instance().paintPending();
    }
    ~MainWindow() {
        form.reset();
        platform::setCurrentPlatform(nullptr);
    }
    platform::HeadlessWindow& window() { return *static_cast<platform::HeadlessWindow*>(form->nativeWindow()); }

    platform::HeadlessPlatform platform;
    std::unique_ptr<app::TForm1> form;
};

}  // namespace sk::bench
