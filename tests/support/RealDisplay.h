// Opening the GTK platform on the real display for the tests that drive it with
// xdotool. Such a test runs only where a display and xdotool are present; a
// missing one is a reason to skip, not a failure.
#pragma once

#include <cstdlib>
#include <exception>
#include <memory>
#include <string>

#include "platform/gtk/GtkPlatform.h"

namespace sk::test {

struct RealDisplay {
    std::unique_ptr<platform::GtkPlatform> platform;  // null when the test cannot run here
    std::string skipReason;
};

inline RealDisplay openRealDisplay() {
    RealDisplay display;
    if (!std::getenv("DISPLAY")) {
        display.skipReason = "no display";
    } else if (std::system("command -v xdotool >/dev/null 2>&1") != 0) {
        display.skipReason = "xdotool is not installed";
    } else {
        static int argc = 1;
        static char name[] = "slidekiln-tests";
        static char* args[] = {name, nullptr};
        static char** argv = args;
        try {
            display.platform = std::make_unique<platform::GtkPlatform>(argc, argv);
        } catch (const std::exception& e) {
            display.skipReason = std::string("cannot open the display: ") + e.what();
        }
    }
    return display;
}

}  // namespace sk::test
