// links: slidekiln_app slidekiln_platform
// Renders every page of the main window, as the user sees it after clicking its
// tab, into PNG files, with the headless backend (no display needed):
//
//   slidekiln-screens <folder>
//
// writes <folder>/page-1.png (settings), page-2.png (compilation), page-3.png (about).
#include <cstdio>
#include <filesystem>
#include <string>

#include "app/ProgramStart.h"
#include "platform/headless/HeadlessPlatform.h"
#include "ui/Application.h"

int main(int argc, char** argv) {
    if (argc != 2) {
        std::fprintf(stderr, "usage: %s <folder>\n", argv[0]);
        return 2;
    }
    const std::filesystem::path folder = argv[1];
    std::filesystem::create_directories(folder);

    sk::platform::HeadlessPlatform platform;
    sk::platform::setCurrentPlatform(&platform);
    sk::app::installFonts();
    int status = 0;
    {
        auto form = sk::app::createMainWindow();
        form->show();
        sk::platform::HeadlessWindow* window = platform.mainWindow();
        auto* pages = form->AdvPageControl1;
        for (int i = 0; i < pages->PageCount(); ++i) {
            const int tab = pages->Pages(i)->TabIndex();
            if (tab >= 0) {
                // Click the tab as the user would (the page control lies at -2 in the window).
                const sk::drawing::Rect r = pages->tabRect(tab);
                window->click({pages->Left() + r.left + r.width / 2, pages->Top() + r.top + r.height / 2});
            }
            sk::ui::Application::instance().paintPending();
            const auto file = folder / ("page-" + std::to_string(i + 1) + ".png");
            if (!window->savePng(file)) {
                std::fprintf(stderr, "could not write %s\n", file.c_str());
                status = 1;
            } else {
                std::printf("%s\n", file.c_str());
            }
        }
        for (const auto& box : platform.messageBoxes())
            std::fprintf(stderr, "message box \"%s\": %s\n", box.caption.c_str(), box.text.c_str());
    }
    sk::platform::setCurrentPlatform(nullptr);
    return status;
}
