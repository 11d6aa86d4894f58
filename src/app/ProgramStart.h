// The start of the program, shared by main(), the screenshot tool and the
// start-up tests: fonts, the classes that form descriptions name, the
// application title and the main window.
#pragma once

#include <memory>

#include "app/Form1.h"

namespace sk::app {

inline constexpr const char* kApplicationTitle = "Slidekiln 3.1";

// Makes the embedded font configuration (fonts/fonts.conf) the current one, so
// that face names resolve alike in the program, its tools and its tests. False
// when it is missing or does not parse (the system's fonts stay in use).
bool installFonts();

// Registers every class that the main window's description may name.
void registerFormClasses();

// The application object's title, then the main window from its description
// (its create handler has run when this returns). The caller runs the message
// loop with ui::Application::instance().Run() and destroys the window after it.
std::unique_ptr<TForm1> createMainWindow();

}  // namespace sk::app
