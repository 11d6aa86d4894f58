// The launcher show.bin, run in a package folder as the module runs it: which
// way of showing it picks (a LibreOffice with a display, our own viewer, the
// browser page, a message), with fake programs that record how they were
// started, and the viewer itself on a private X server.
#include <gtest/gtest.h>

#include <filesystem>
#include <string>
#include <vector>

#include "PackageSupport.h"
#include "support/FakeTools.h"

namespace sk::test {
namespace {

namespace fs = std::filesystem;

// A 2x1 PNG (red, blue), small enough to write from the test.
const std::string kTinyPng = std::string(
    "\x89\x50\x4e\x47\x0d\x0a\x1a\x0a\x00\x00\x00\x0d\x49\x48\x44\x52\x00\x00\x00\x02\x00\x00\x00\x01"
    "\x08\x02\x00\x00\x00\x7b\x40\xe8\xdd\x00\x00\x00\x0d\x49\x44\x41\x54\x78\x9c\x63\xf8\xcf\x00\x04"
    "\xff\x01\x07\x00\x01\xff\xe2\x23\x9e\x59\x00\x00\x00\x00\x49\x45\x4e\x44\xae\x42\x60\x82",
    70);

class Launcher : public testing::Test {
protected:
    void SetUp() override {
        fs::create_directories(m_package + "slides");
        fs::create_directories(m_tools + "bin");
        fs::copy_file(programPath("ppt2003/show.bin"), m_package + "show.bin");
        writeFile(m_package + "view.ppt", "presentation");
    }

    void addSlides(int count) {
        for (int i = 1; i <= count; ++i) {
            char name[32];
            std::snprintf(name, sizeof name, "slides/slide-%03d.png", i);
            writeFile(m_package + name, kTinyPng);
        }
    }

    // A fake LibreOffice at <tools>/program/soffice (linked from <tools>/bin),
    // with or without a display plug-in, recording its arguments.
    void fakeOffice(bool displayPlugin, int status) {
        fs::create_directories(m_tools + "program");
        fs::create_directories(m_tools + "bin");
        writeFile(m_tools + "program/soffice",
                  "#!/bin/sh\nfor a in \"$0\" \"$@\"; do printf '%s\\0' \"$a\"; done > \"" +
                      m_scratch / "office.args" + "\"\nexit " + std::to_string(status) + "\n",
                  0755);
        if (displayPlugin) writeFile(m_tools + "program/libvclplug_gen.so", "");
        fs::create_symlink(m_tools + "program/soffice", m_tools + "bin/soffice");
    }

    Finished launch(Environment changes, int milliseconds = 30000) {
        // Only the fakes: this machine's own LibreOffice must not take part.
        Environment all = {
            {"PATH", m_tools + "bin"}, {"DISPLAY", std::nullopt}, {"WAYLAND_DISPLAY", std::nullopt}};
        for (const auto& [name, value] : changes) all[name] = value;
        return run({m_package + "show.bin"}, all, m_package, milliseconds);
    }

    ScratchFolder m_scratch;
    std::string m_package = m_scratch / "package folder/";  // a blank, for the profile URL
    std::string m_tools = m_scratch / "tools/";
};

TEST_F(Launcher, ShowsWithALibreOfficeThatHasADisplayOnAProfileInsideThePackage) {
    addSlides(2);
    fakeOffice(true, 0);
    Finished shown = launch({{"DISPLAY", ":97"}});
    EXPECT_EQ(shown.status, 0) << shown.output;
    const std::vector<std::string> arguments = recordedArguments(m_scratch / "office.args");
    ASSERT_FALSE(arguments.empty()) << "LibreOffice was not started";
    const std::vector<std::string> expected = {
        "--nologo",
        "--norestore",
        "--nolockcheck",
        "-env:UserInstallation=file://" + m_scratch.path() + "package%20folder/.office-profile",
        "--show",
        m_package + "view.ppt"};
    EXPECT_EQ(std::vector<std::string>(arguments.begin() + 1, arguments.end()), expected);
}

TEST_F(Launcher, PassesOverALibreOfficeWithoutADisplayPlugin) {
    // Without X nor slides, our fallbacks end in the message; the fake must not run.
    fakeOffice(false, 0);
    Finished shown = launch({{"WAYLAND_DISPLAY", "wayland-97"}});
    EXPECT_FALSE(fs::exists(m_scratch / "office.args")) << "a headless-only LibreOffice hangs on --show";
    EXPECT_EQ(shown.status, 1);
    EXPECT_NE(shown.output.find("can only be shown with LibreOffice Impress"), std::string::npos)
        << shown.output;
}

TEST_F(Launcher, WithoutAnXDisplayTheSlidesOpenAsAPageInTheBrowser) {
    addSlides(3);
    // The fake browser reads the page, as a real one would, and keeps a copy.
    writeFile(m_tools + "bin/xdg-open", "#!/bin/sh\n/bin/cp \"$1\" \"" + m_scratch / "opened.html" + "\"\n",
              0755);
    Finished shown = launch({{"WAYLAND_DISPLAY", "wayland-97"}});
    EXPECT_EQ(shown.status, 0) << shown.output;
    const std::string page = readFile(m_scratch / "opened.html");
    std::size_t images = 0;
    for (std::size_t at = 0; (at = page.find("<img ", at)) != std::string::npos; ++at) ++images;
    EXPECT_EQ(images, 3u);
    EXPECT_NE(page.find("data:image/png;base64,iVBORw0KGgo"), std::string::npos);
}

TEST_F(Launcher, SaysWhatIsMissingWhenNothingCanShow) {
    Finished shown = launch({});
    EXPECT_EQ(shown.status, 1);
    EXPECT_NE(shown.output.find("Install LibreOffice Impress"), std::string::npos) << shown.output;
}

// ----------------------------------------------------------------------------
// On a private X server

class LauncherOnDisplay : public Launcher {
protected:
    void SetUp() override {
        Launcher::SetUp();
        if (m_x.display().empty()) SK_SKIP("Xvfb could not be started");
        if (platform::ProcessLauncher::findProgram("xdotool").empty())
            SK_SKIP("xdotool is not installed");
    }
    PrivateXServer m_x;
};

TEST_F(LauncherOnDisplay, AFailingLibreOfficeGivesWayToTheViewer) {
    addSlides(2);
    fakeOffice(true, 81);
    Child show({m_package + "show.bin"}, {{"PATH", m_tools + "bin"}, {"DISPLAY", m_x.display()}}, m_package,
               m_scratch / "output.txt");
    ASSERT_TRUE(m_x.waitForWindow("Presentation", 20)) << readFile(m_scratch / "output.txt");
    EXPECT_TRUE(fs::exists(m_scratch / "office.args"));
    EXPECT_TRUE(m_x.key("Escape"));
    EXPECT_EQ(show.wait(10000), 0);
    EXPECT_NE(readFile(m_scratch / "output.txt").find("LibreOffice ended with status 81"), std::string::npos);
}

TEST_F(LauncherOnDisplay, WithoutSlidesTheMessageBoxSaysWhatIsMissing) {
    Child show({m_package + "show.bin"}, {{"PATH", m_tools + "bin"}, {"DISPLAY", m_x.display()}}, m_package,
               m_scratch / "output.txt");
    ASSERT_TRUE(m_x.waitForWindow("Presentation", 20)) << readFile(m_scratch / "output.txt");
    ASSERT_TRUE(m_x.screenshot(outputFolder() / "launcher-message-box.png"));
    EXPECT_TRUE(show.running()) << "the box waits for the recipient";
    EXPECT_TRUE(m_x.key("Return"));
    EXPECT_EQ(show.wait(10000), 1);
}

TEST_F(LauncherOnDisplay, EndsThroughTheEndScreen) {
    addSlides(2);
    Child show({m_package + "show.bin"}, {{"PATH", m_tools + "bin"}, {"DISPLAY", m_x.display()}}, m_package,
               m_scratch / "output.txt");
    ASSERT_TRUE(m_x.waitForWindow("Presentation", 20));
    for (const char* key : {"space", "Next", "Return"})
        EXPECT_TRUE(m_x.key(key)) << key;  // 2, end screen, out
    EXPECT_EQ(show.wait(10000), 0) << "the key after the end screen ends the show";
}

}  // namespace
}  // namespace sk::test
