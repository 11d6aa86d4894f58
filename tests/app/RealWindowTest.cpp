// The real program on a real display (skipped without DISPLAY; scripts/test
// starts Xvfb): the window opens at its client size, tells the window manager
// that it cannot be resized, and a click on the second tab switches the page.
#include <gtest/gtest.h>

#include <signal.h>
#include <sys/wait.h>
#include <unistd.h>

#include <array>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <memory>
#include <sstream>
#include <string>
#include <thread>

#include "app/ProgramStart.h"
#include "drawing/Bitmap.h"
#include "drawing/Image.h"
#include "platform/EmbeddedResources.h"
#include "platform/headless/HeadlessPlatform.h"
#include "support/PixelAssertions.h"
#include "support/TestEnvironment.h"
#include "support/Skip.h"

namespace sk::app {
namespace {

std::string run(const std::string& command) {
    std::string out;
    std::unique_ptr<FILE, int (*)(FILE*)> pipe(popen(command.c_str(), "r"), pclose);
    if (!pipe) return out;
    std::array<char, 512> buffer{};
    while (fgets(buffer.data(), buffer.size(), pipe.get())) out += buffer.data();
    return out;
}

void pause(int ms) { std::this_thread::sleep_for(std::chrono::milliseconds(ms)); }

// The program, started in the program folder and ended with the test.
class RunningProgram {
public:
    explicit RunningProgram(const std::filesystem::path& program) {
        m_pid = fork();
        if (m_pid == 0) {
            execl(program.c_str(), program.c_str(), static_cast<char*>(nullptr));
            _exit(127);
        }
    }
    ~RunningProgram() {
        if (m_pid <= 0) return;
        kill(m_pid, SIGTERM);
        int status = 0;
        waitpid(m_pid, &status, 0);
    }
    bool running() const { return m_pid > 0 && waitpid(m_pid, nullptr, WNOHANG) == 0; }

private:
    pid_t m_pid = -1;
};

// The second tab's centre and the place of a probe pixel of its skin in window
// coordinates, from the same layout the program computes.
struct SecondTab {
    drawing::Point centre;
    drawing::Point skinProbe;
};

SecondTab secondTabGeometry() {
    platform::HeadlessPlatform headless;
    platform::setCurrentPlatform(&headless);
    SecondTab result;
    {
        auto form = createMainWindow();
        const auto* pages = form->AdvPageControl1;
        const drawing::Rect r = pages->tabRect(1).translated(pages->Left(), pages->Top());
        result.centre = r.center();
        result.skinProbe = {r.left - 2 + 12, r.top - 2 + 12};
    }
    platform::setCurrentPlatform(nullptr);
    return result;
}

TEST(RealWindow, OpensFixedSizeAndSwitchesPagesOnAClick) {
    const char* display = std::getenv("DISPLAY");
    if (!display || !*display) SK_SKIP("no display");
    const std::filesystem::path program = test::programFolder() / "slidekiln";
    ASSERT_TRUE(std::filesystem::exists(program)) << program;

    const SecondTab tab = secondTabGeometry();
    RunningProgram slidekiln(program);
    std::string window;
    for (int attempt = 0; attempt < 100 && window.empty(); ++attempt) {
        pause(100);
        std::istringstream ids(run("xdotool search --onlyvisible --name '^Slidekiln 3.1 Build 012011$' 2>/dev/null"));
        std::string id;
        while (ids >> id) window = id;
    }
    ASSERT_FALSE(window.empty()) << "the window did not appear";
    ASSERT_TRUE(slidekiln.running());
    pause(300);

    const std::string info = run("xwininfo -id " + window);
    EXPECT_NE(info.find("Width: 764"), std::string::npos) << info;
    EXPECT_NE(info.find("Height: 459"), std::string::npos) << info;
    // Fixed size: the size hints pin the minimum and the maximum to the client size.
    const std::string hints = run("xprop -id " + window + " WM_NORMAL_HINTS");
    EXPECT_NE(hints.find("minimum size: 764 by 459"), std::string::npos) << hints;
    EXPECT_NE(hints.find("maximum size: 764 by 459"), std::string::npos) << hints;

    run("xdotool mousemove --window " + window + " " + std::to_string(tab.centre.x) + " " +
        std::to_string(tab.centre.y) + " click 1");
    pause(500);
    const std::filesystem::path shot = test::outputFolder() / "real-window-second-tab.png";
    run("import -window " + window + " " + shot.string());
    auto screen = drawing::Bitmap::loadPng(shot);
    ASSERT_TRUE(screen.has_value()) << "no screenshot at " << shot;

    auto skinBytes = platform::findResource("tabs/TabBackGroundActive.bmp");
    const drawing::Bitmap activeSkin = drawing::Image::fromBytes(*skinBytes)->bitmap();
    EXPECT_TRUE(test::pixelNear(*screen, tab.skinProbe.x, tab.skinProbe.y, activeSkin.pixel(12, 12) | 0xFF000000u, 2,
                                "real-window-second-tab"));
}

}  // namespace
}  // namespace sk::app
