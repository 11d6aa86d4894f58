// The compile button of the real main window on the GTK backend, clicked with
// xdotool as a user would, with fake outside tools: the fake archiver runs and
// records its arguments, and while the build waits for a slow tool the window
// stays painted and takes no input. Skipped without a display.
#include <gtest/gtest.h>
#include <unistd.h>

#include <cstdlib>
#include <filesystem>
#include <memory>
#include <optional>
#include <string>

#include "app/ProgramStart.h"
#include "builder/ProcessToolLauncher.h"
#include "drawing/Bitmap.h"
#include "platform/gtk/GtkNativeWindow.h"
#include "platform/gtk/GtkPlatform.h"
#include "support/FakeTools.h"
#include "support/PixelAssertions.h"
#include "support/RealDisplay.h"
#include "support/ScratchFolder.h"
#include "support/Skip.h"
#include "support/TestEnvironment.h"
#include "support/WaitingLauncher.h"
#include "ui/Application.h"

namespace sk::app {
namespace {

// The real window showing the compilation page with fake tools in a scratch
// program folder, a source and an output chosen.
class CompilationPageGtk : public testing::Test {
protected:
    void SetUp() override {
        test::RealDisplay display = test::openRealDisplay();
        if (!display.platform) SK_SKIP(display.skipReason);
        m_gtk = std::move(display.platform);
        std::filesystem::create_directories(m_programFolder);
        m_tools.emplace(m_programFolder);
        test::writeFile(m_scratch / "talk.ppt", "slides");
        platform::setCurrentPlatform(m_gtk.get());
    }
    void TearDown() override {
        if (m_form) {
            m_form->hide();
            m_gtk->processPendingEvents();
            m_form.reset();
        }
        if (m_gtk) platform::setCurrentPlatform(nullptr);
    }

    CompilationPage& showPage(builder::ToolLauncher& launcher) {
        m_form = createMainWindow();
        m_form->SetCaption(m_title);
        CompilationPage& page = m_form->compilationPage();
        page.setBuildTools(m_programFolder, &launcher);
        page.AdvFileNameEdit1->SetFileName(m_scratch / "talk.ppt");
        page.Edit1->SetText(m_scratch / "out.exe");
        m_form->show();
        m_form->AdvPageControl1->SetActivePage(m_form->AdvTabSheet2);
        EXPECT_TRUE(m_gtk->runUntil([&] { return m_form->nativeWindow()->visible(); }, 5000));
        m_gtk->runUntil([] { return false; }, 500);  // let the window manager map it
        return page;
    }

    // "x y" of the compile button's centre in the window.
    std::string buttonCentre(CompilationPage& page) const {
        const drawing::Rect button = page.AdvGlowButton3->formRect();
        return std::to_string(button.left + button.width / 2) + " " +
               std::to_string(button.top + button.height / 2);
    }

    std::string windowId() const {
        return std::to_string(
            dynamic_cast<platform::GtkNativeWindow*>(m_form->nativeWindow())->x11WindowId());
    }

    std::unique_ptr<platform::GtkPlatform> m_gtk;
    test::ScratchFolder m_scratch;
    test::ScopedEnvironment m_tmpdir{"TMPDIR", m_scratch.path()};
    std::string m_programFolder = m_scratch / "program/";
    std::optional<test::FakeTools> m_tools;
    std::string m_title = "Slidekiln compile test " + std::to_string(::getpid());
    std::unique_ptr<TForm1> m_form;
};

TEST_F(CompilationPageGtk, ClickOnTheCompileButtonRunsTheArchiver) {
    test::WaitingLauncher launcher(m_programFolder);
    CompilationPage& page = showPage(launcher);
    const std::string command = "(xdotool search --sync --name '" + m_title +
                                "' windowfocus mousemove --window %1 " + buttonCentre(page) +
                                " sleep 0.2 click 1) >/dev/null 2>&1 &";
    ASSERT_EQ(std::system(command.c_str()), 0);
    const std::string argsFile = m_programFolder + "archiver.args";
    const bool ran = m_gtk->runUntil([&] { return std::filesystem::exists(argsFile); }, 10000);
    ASSERT_TRUE(ran) << "the archiver did not run";
    const std::vector<std::string> arguments = m_tools->archiverArguments();
    ASSERT_EQ(arguments.size(), 7u);
    EXPECT_EQ(arguments[3], m_scratch / "out.exe");
    EXPECT_EQ(arguments[6], "-mx4");
    EXPECT_EQ(m_tools->archiverSawStaged(), "slides");
}

// Waits for the archiver the way the build waits for its converter, so that a
// slow fake archiver keeps the build waiting inside the click handler.
class ConverterStyleLauncher : public builder::ProcessToolLauncher {
public:
    using ProcessToolLauncher::ProcessToolLauncher;
    bool startArchiver(const builder::CommandLine& command) override { return runConverter(command).started; }
};

// The share of pixels of two equally large images that lie within a tolerance.
double shareOfMatchingPixels(const drawing::Bitmap& a, const drawing::Bitmap& b) {
    if (a.width() != b.width() || a.height() != b.height() || a.width() == 0) return 0;
    long matching = 0;
    for (int y = 0; y < a.height(); ++y)
        for (int x = 0; x < a.width(); ++x)
            if (test::channelDistance(a.pixel(x, y), b.pixel(x, y)) <= 8) ++matching;
    return static_cast<double>(matching) / (static_cast<double>(a.width()) * a.height());
}

// While the build waits for a tool that takes five seconds, the window is
// uncovered (unmapped and mapped again) and clicked once more: it must show the
// page again, not garbage, and the second click must not start a second build.
TEST_F(CompilationPageGtk, WindowRepaintsAndDropsInputWhileTheBuildWaits) {
    if (std::system("command -v import >/dev/null 2>&1") != 0) SK_SKIP("ImageMagick is not installed");
    test::writeFile(m_programFolder + "arc.dll",
                    "#!/bin/sh\necho start >> '" + m_programFolder + "starts'\nsleep 5\necho done > '" +
                        m_programFolder + "finished'\n",
                    0755);
    ConverterStyleLauncher launcher(m_programFolder);
    CompilationPage& page = showPage(launcher);
    const std::string window = windowId();
    const std::string before = m_scratch / "before.png", during = m_scratch / "during.png";
    ASSERT_EQ(std::system(("import -window " + window + " '" + before + "'").c_str()), 0);

    const std::string at = buttonCentre(page);
    const std::string script = "(xdotool mousemove --window " + window + " " + at +
                               " sleep 0.3 click 1 sleep 1.5;" + " xdotool windowunmap --sync " + window +
                               "; xdotool windowmap --sync " + window + "; sleep 1; import -window " +
                               window + " '" + during + "'; xdotool mousemove --window " + window + " " + at +
                               " click 1; touch '" + m_scratch / "clicked" + "') >/dev/null 2>&1 &";
    ASSERT_EQ(std::system(script.c_str()), 0);
    ASSERT_TRUE(m_gtk->runUntil([&] { return std::filesystem::exists(m_scratch / "clicked"); }, 20000));
    ASSERT_TRUE(
        m_gtk->runUntil([&] { return std::filesystem::exists(m_programFolder + "finished"); }, 20000));
    // A click that was kept instead of dropped would start a second build now.
    m_gtk->runUntil([] { return false; }, 1500);
    EXPECT_EQ(test::readFile(m_programFolder + "starts"), "start\n");

    const std::optional<drawing::Bitmap> shown = drawing::Bitmap::loadPng(before);
    const std::optional<drawing::Bitmap> repainted = drawing::Bitmap::loadPng(during);
    ASSERT_TRUE(shown && repainted);
    std::filesystem::copy_file(during, test::outputFolder() / "compilation-page-while-waiting.png",
                               std::filesystem::copy_options::overwrite_existing);
    // The glowing button may differ; the rest of the page must be there.
    EXPECT_GT(shareOfMatchingPixels(*shown, *repainted), 0.9);
}

}  // namespace
}  // namespace sk::app
