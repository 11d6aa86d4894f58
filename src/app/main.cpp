// Slidekiln: turns a presentation into a self-extracting executable. The
// program opens its main window on the desktop and runs until it is closed.
#include <cstdio>
#include <exception>
#include <memory>

#include "app/ProgramStart.h"
#include "platform/Platform.h"
#include "platform/gtk/GtkPlatform.h"
#include "ui/Application.h"

int main(int argc, char** argv) {
    std::unique_ptr<sk::platform::Platform> platform;
    try {
        // The desktop entry is named after the desktop id and expects the window
        // class it names, so the desktop groups the window with the entry.
        platform = sk::platform::createGtkPlatform(argc, argv, {SLIDEKILN_DESKTOP_ID, SLIDEKILN_WINDOW_CLASS});
    } catch (const std::exception& e) {
        std::fprintf(stderr, "slidekiln: %s\n", e.what());
        return 1;
    }
    sk::platform::setCurrentPlatform(platform.get());
    if (!sk::app::installFonts()) std::fprintf(stderr, "slidekiln: the font configuration could not be loaded\n");

    int status = 0;
    try {
        std::unique_ptr<sk::app::TForm1> form = sk::app::createMainWindow();
        sk::ui::Application::instance().Run();
    } catch (const std::exception& e) {
        // Only a broken window description gets here; the user still learns why.
        std::fprintf(stderr, "slidekiln: %s\n", e.what());
        platform->messageBox(sk::app::kApplicationTitle, e.what(), sk::platform::MessageIcon::Error, nullptr);
        status = 1;
    }
    sk::platform::setCurrentPlatform(nullptr);
    return status;
}
