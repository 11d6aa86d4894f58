// What the package tests share: the built module and viewer, running programs
// with a chosen environment and a time limit, a private X server, and packages
// made with 7-Zip from a folder's files.
#pragma once

#include <fcntl.h>
#include <gtest/gtest.h>
#include <signal.h>
#include <sys/wait.h>
#include <unistd.h>

#include <chrono>
#include <cstdlib>
#include <filesystem>
#include <map>
#include <optional>
#include <string>
#include <thread>
#include <vector>

#include "platform/ProcessLauncher.h"
#include "support/ScratchFolder.h"
#include "support/Skip.h"
#include "support/TestEnvironment.h"

namespace sk::test {

inline std::string programPath(const std::string& relative) {
    return (programFolder() / relative).string();
}

inline std::string sevenZip() {
    for (const char* name : {"7z", "7zz", "7za"})
        if (std::string path = platform::ProcessLauncher::findProgram(name); !path.empty()) return path;
    return "";
}

// Environment changes for one program: a value, or nullopt to remove the variable.
using Environment = std::map<std::string, std::optional<std::string>>;

// A program started in the background with its output going to a file.
class Child {
public:
    Child(const std::vector<std::string>& arguments, const Environment& environment,
          const std::string& folder, const std::string& outputFile) {
        m_pid = ::fork();
        if (m_pid != 0) return;
        for (const auto& [name, value] : environment) {
            if (value)
                ::setenv(name.c_str(), value->c_str(), 1);
            else
                ::unsetenv(name.c_str());
        }
        int null = ::open("/dev/null", O_RDONLY);
        int out = ::open(outputFile.c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0644);
        if (null < 0 || out < 0 || (!folder.empty() && ::chdir(folder.c_str()) != 0)) ::_exit(126);
        ::dup2(null, 0);
        ::dup2(out, 1);
        ::dup2(out, 2);
        ::setpgid(0, 0);
        std::vector<char*> argv;
        for (const std::string& argument : arguments) argv.push_back(const_cast<char*>(argument.c_str()));
        argv.push_back(nullptr);
        ::execv(argv[0], argv.data());
        ::_exit(127);
    }
    ~Child() {
        if (running()) {
            ::kill(-m_pid, SIGKILL);
            ::waitpid(m_pid, nullptr, 0);
        }
    }
    Child(const Child&) = delete;
    Child& operator=(const Child&) = delete;

    bool running() {
        if (m_status || m_pid <= 0) return false;
        int status = 0;
        if (::waitpid(m_pid, &status, WNOHANG) != m_pid) return true;
        m_status = WIFEXITED(status) ? WEXITSTATUS(status) : 128 + WTERMSIG(status);
        return false;
    }
    // The exit status, or nullopt when the program still runs after the time.
    std::optional<int> wait(int milliseconds) {
        const auto end = std::chrono::steady_clock::now() + std::chrono::milliseconds(milliseconds);
        while (running() && std::chrono::steady_clock::now() < end)
            std::this_thread::sleep_for(std::chrono::milliseconds(20));
        return running() ? std::nullopt : m_status;
    }
    void signal(int number) { ::kill(m_pid, number); }
    pid_t pid() const { return m_pid; }

private:
    pid_t m_pid = -1;
    std::optional<int> m_status;
};

struct Finished {
    int status = -1;  // -1: did not end in time (and was killed)
    std::string output;
};

// Runs the program to its end (at most the time limit), with standard input
// from /dev/null, and returns its status and what it wrote.
inline Finished run(const std::vector<std::string>& arguments, const Environment& environment = {},
                    const std::string& folder = "", int milliseconds = 120000) {
    ScratchFolder scratch;
    Finished finished;
    {
        Child child(arguments, environment, folder, scratch / "output.txt");
        finished.status = child.wait(milliseconds).value_or(-1);
    }
    finished.output = readFile(scratch / "output.txt");
    return finished;
}

// An X server of the test's own (Xvfb), so that no test shares a display.
class PrivateXServer {
public:
    PrivateXServer(int width = 1280, int height = 1024) {
        int pipe[2];
        if (::pipe(pipe) != 0) return;
        m_pid = ::fork();
        if (m_pid == 0) {
            ::close(pipe[0]);
            const std::string fd = std::to_string(pipe[1]);
            const std::string screen = std::to_string(width) + "x" + std::to_string(height) + "x24";
            int null = ::open("/dev/null", O_RDWR);
            ::dup2(null, 0);
            ::dup2(null, 1);
            ::dup2(null, 2);
            ::execlp("Xvfb", "Xvfb", "-displayfd", fd.c_str(), "-screen", "0", screen.c_str(), "-nolisten",
                     "tcp", "-noreset", static_cast<char*>(nullptr));
            ::_exit(127);
        }
        ::close(pipe[1]);
        std::string number;
        char c;
        while (::read(pipe[0], &c, 1) == 1 && c != '\n') number += c;
        ::close(pipe[0]);
        if (!number.empty()) m_display = ":" + number;
    }
    ~PrivateXServer() {
        if (m_pid > 0) {
            ::kill(m_pid, SIGTERM);
            ::waitpid(m_pid, nullptr, 0);
        }
    }
    PrivateXServer(const PrivateXServer&) = delete;
    PrivateXServer& operator=(const PrivateXServer&) = delete;

    // ":N", or "" when the server did not start.
    const std::string& display() const { return m_display; }
    std::string socket() const { return "/tmp/.X11-unix/X" + m_display.substr(1); }

    // A picture of the whole screen, as a PNG file.
    bool screenshot(const std::string& file) const {
        return run({platform::ProcessLauncher::findProgram("import"), "-display", m_display, "-window",
                    "root", file})
                   .status == 0;
    }
    // Presses a key (an X keysym name) in the focused window.
    bool key(const std::string& name) const {
        return run({platform::ProcessLauncher::findProgram("xdotool"), "key", name}, {{"DISPLAY", m_display}})
                   .status == 0;
    }
    // Waits until a window of that name is on screen.
    bool waitForWindow(const std::string& name, int seconds) const {
        return run({platform::ProcessLauncher::findProgram("xdotool"), "search", "--sync", "--onlyvisible",
                    "--name", "^" + name + "$"},
                   {{"DISPLAY", m_display}}, "", seconds * 1000)
                   .status == 0;
    }

private:
    pid_t m_pid = -1;
    std::string m_display;
};

// How far two pictures differ: ImageMagick's normalized root mean square error
// (0 the same, 1 as far apart as can be) of both shrunk to 1/8 with a box
// filter, so that a rounding of half a pixel in the placing or a different
// resampling filter does not count; 1 when they cannot be compared.
inline double pictureDifference(const std::string& a, const std::string& b) {
    ScratchFolder scratch;
    const std::string convert = platform::ProcessLauncher::findProgram("convert", {"/usr/bin/"});
    for (const auto& [from, to] : {std::pair{a, scratch / "a.png"}, std::pair{b, scratch / "b.png"}})
        if (run({convert, from, "-filter", "box", "-resize", "12.5%", to}).status != 0) return 1.0;
    Finished compared = run({platform::ProcessLauncher::findProgram("compare"), "-metric", "RMSE",
                             scratch / "a.png", scratch / "b.png", "null:"});
    const std::size_t open = compared.output.find('(');
    return open == std::string::npos ? 1.0 : std::atof(compared.output.c_str() + open + 1);
}

// The slide picture as the viewer must show it on a screen of that size:
// scaled to fit, centred on black (made with ImageMagick, not with the viewer's
// own scaler).
inline bool expectedScreen(const std::string& slide, int width, int height, const std::string& file) {
    const std::string size = std::to_string(width) + "x" + std::to_string(height);
    // /usr/bin first: a "convert" earlier in PATH may be another program.
    return run({platform::ProcessLauncher::findProgram("convert", {"/usr/bin/"}), slide, "-resize", size,
                "-background", "black", "-gravity", "center", "-extent", size, file})
               .status == 0;
}

// A screen shows a slide when it differs from ImageMagick's rendering of it by
// less than this (the first two slides of the test presentation differ by 0.08).
constexpr double kSameScreen = 0.04;

// Waits (up to 2.5 s) until the screen shows the expected picture and returns
// the last difference; the screenshot stays in the test output as <name>.png.
inline double screenAfterwards(const PrivateXServer& x, const std::string& expected,
                               const std::string& name) {
    double difference = 1.0;
    const std::string shot = (outputFolder() / (name + ".png")).string();
    for (int i = 0; i < 25 && difference > kSameScreen; ++i) {
        std::this_thread::sleep_for(std::chrono::milliseconds(100));
        if (x.screenshot(shot)) difference = pictureDifference(shot, expected);
    }
    return difference;
}

// The show as the recipient sees it: the first slide on screen, a key, the
// second slide, Esc, and the show has ended with status 0.
inline void watchTheShow(const PrivateXServer& x, Child& show, const std::string& firstScreen,
                         const std::string& secondScreen, const std::string& name,
                         const std::string& output) {
    ASSERT_TRUE(x.waitForWindow("Presentation", 30)) << readFile(output);
    ASSERT_GT(pictureDifference(firstScreen, secondScreen), 2 * kSameScreen)
        << "the slides must be told apart";
    EXPECT_LT(screenAfterwards(x, firstScreen, name + "-first"), kSameScreen)
        << "the first slide is not on screen";
    EXPECT_TRUE(x.key("Right"));
    EXPECT_LT(screenAfterwards(x, secondScreen, name + "-second"), kSameScreen) << "the key did not advance";
    EXPECT_TRUE(x.key("Escape"));
    EXPECT_EQ(show.wait(10000), 0) << "Esc must end the show\n" << readFile(output);
}

inline std::string office() {
    for (const char* name : {"soffice", "libreoffice"})
        if (std::string path = platform::ProcessLauncher::findProgram(name); !path.empty()) return path;
    return "";
}

// What making and showing whole packages needs from the machine, or "" when
// everything is there.
inline std::string missingShowTool() {
    for (const char* tool : {"pandoc", "Xvfb", "xdotool", "import", "compare", "pdftoppm"})
        if (platform::ProcessLauncher::findProgram(tool).empty())
            return std::string(tool) + " is not installed";
    if (office().empty()) return "LibreOffice is not installed";
    if (sevenZip().empty()) return "7-Zip is not installed";
    return "";
}

// A presentation made by a third-party generator: pandoc writes talk.pptx (a
// title slide and two slides of bullets) into the folder, and LibreOffice
// converts it to talk.ppt for the 2003 package. False when either failed.
inline bool makeGeneratedPresentation(const ScratchFolder& folder) {
    writeFile(folder / "talk.md",
              "---\ntitle: Quarterly Report\nauthor: Slidekiln Tests\n---\n\n"
              "# Results\n\n- Revenue grew by 12 percent\n- Costs fell by 3 percent\n\n"
              "# Plans\n\n1. Hire two engineers\n2. Ship the viewer\n");
    run({platform::ProcessLauncher::findProgram("pandoc"), folder / "talk.md", "-o", folder / "talk.pptx"});
    run({office(), "--headless", "--norestore", "-env:UserInstallation=file://" + folder / "profile",
         "--convert-to", "ppt", "--outdir", folder.path(), folder / "talk.pptx"});
    return std::filesystem::exists(folder / "talk.pptx") && std::filesystem::exists(folder / "talk.ppt");
}

// Packs the named files and folders of a folder into a package with our module.
inline bool makePackage(const std::string& folder, const std::vector<std::string>& names,
                        const std::string& package, int level = 5) {
    std::vector<std::string> arguments = {sevenZip(), "a", "-sfx" + programPath("7zs.sfx"), package};
    arguments.insert(arguments.end(), names.begin(), names.end());
    arguments.push_back("-mx" + std::to_string(level));
    return run(arguments, {}, folder).status == 0 && ::chmod(package.c_str(), 0755) == 0;
}

}  // namespace sk::test
