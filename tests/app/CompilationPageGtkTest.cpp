// The compile button of the real main window on the GTK backend, clicked with
// xdotool as a user would, with fake outside tools: the fake archiver runs and
// records its arguments. Skipped without a display.
#include <gtest/gtest.h>
#include <unistd.h>

#include <cstdlib>
#include <filesystem>
#include <memory>
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
#include "support/TestEnvironment.h"
#include "support/WaitingLauncher.h"
#include "ui/Application.h"
#include "support/Skip.h"

namespace sk::app {
namespace {

TEST(CompilationPageGtk, ClickOnTheCompileButtonRunsTheArchiver) {
    test::RealDisplay display = test::openRealDisplay();
    if (!display.platform) SK_SKIP(display.skipReason);
    std::unique_ptr<platform::GtkPlatform> gtk = std::move(display.platform);

    test::ScratchFolder scratch;
    test::ScopedEnvironment tmpdir("TMPDIR", scratch.path());
    const std::string programFolder = scratch / "program/";
    std::filesystem::create_directories(programFolder);
    test::FakeTools tools(programFolder);
    test::WaitingLauncher launcher(programFolder);
    const std::string source = scratch / "talk.ppt";
    test::writeFile(source, "slides");

    platform::setCurrentPlatform(gtk.get());
    {
        std::unique_ptr<TForm1> form = createMainWindow();
        const std::string title = "Slidekiln compile test " + std::to_string(::getpid());
        form->SetCaption(title);
        CompilationPage& page = form->compilationPage();
        page.setBuildTools(programFolder, &launcher);
        page.AdvFileNameEdit1->SetFileName(source);
        page.Edit1->SetText(scratch / "out.exe");
        form->show();
        form->AdvPageControl1->SetActivePage(form->AdvTabSheet2);
        ASSERT_TRUE(gtk->runUntil([&] { return form->nativeWindow()->visible(); }, 5000));
        gtk->runUntil([] { return false; }, 300);  // let the window manager map it

        const drawing::Rect button = page.AdvGlowButton3->formRect();
        const std::string command =
            "(xdotool search --sync --name '" + title + "' windowfocus mousemove --window %1 " +
            std::to_string(button.left + button.width / 2) + " " +
            std::to_string(button.top + button.height / 2) + " sleep 0.2 click 1) >/dev/null 2>&1 &";
        ASSERT_EQ(std::system(command.c_str()), 0);
        const std::string argsFile = programFolder + "archiver.args";
        const bool ran = gtk->runUntil([&] { return std::filesystem::exists(argsFile); }, 10000);
        ASSERT_TRUE(ran) << "the archiver did not run";
        const std::vector<std::string> arguments = tools.archiverArguments();
        ASSERT_EQ(arguments.size(), 7u);
        EXPECT_EQ(arguments[3], scratch / "out.exe");
        EXPECT_EQ(arguments[6], "-mx4");
        EXPECT_EQ(tools.archiverSawStaged(), "slides");
        form->hide();
        gtk->processPendingEvents();
    }
    platform::setCurrentPlatform(nullptr);
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
TEST(CompilationPageGtk, WindowRepaintsAndDropsInputWhileTheBuildWaits) {
    test::RealDisplay display = test::openRealDisplay();
    if (!display.platform) SK_SKIP(display.skipReason);
    if (std::system("command -v import >/dev/null 2>&1") != 0) SK_SKIP("ImageMagick is not installed");
    std::unique_ptr<platform::GtkPlatform> gtk = std::move(display.platform);

    test::ScratchFolder scratch;
    test::ScopedEnvironment tmpdir("TMPDIR", scratch.path());
    const std::string programFolder = scratch / "program/";
    std::filesystem::create_directories(programFolder);
    test::FakeTools tools(programFolder);
    test::writeFile(programFolder + "arc.dll",
                    "#!/bin/sh\necho start >> '" + programFolder + "starts'\nsleep 5\necho done > '" +
                        programFolder + "finished'\n",
                    0755);
    ConverterStyleLauncher launcher(programFolder);
    test::writeFile(scratch / "talk.ppt", "slides");

    platform::setCurrentPlatform(gtk.get());
    {
        std::unique_ptr<TForm1> form = createMainWindow();
        const std::string title = "Slidekiln busy test " + std::to_string(::getpid());
        form->SetCaption(title);
        CompilationPage& page = form->compilationPage();
        page.setBuildTools(programFolder, &launcher);
        page.AdvFileNameEdit1->SetFileName(scratch / "talk.ppt");
        page.Edit1->SetText(scratch / "out.exe");
        form->show();
        form->AdvPageControl1->SetActivePage(form->AdvTabSheet2);
        ASSERT_TRUE(gtk->runUntil([&] { return form->nativeWindow()->visible(); }, 5000));
        gtk->runUntil([] { return false; }, 500);
        const auto window =
            std::to_string(dynamic_cast<platform::GtkNativeWindow*>(form->nativeWindow())->x11WindowId());
        const std::string before = scratch / "before.png", during = scratch / "during.png";
        ASSERT_EQ(std::system(("import -window " + window + " '" + before + "'").c_str()), 0);

        const drawing::Rect button = page.AdvGlowButton3->formRect();
        const std::string at = std::to_string(button.left + button.width / 2) + " " +
                               std::to_string(button.top + button.height / 2);
        const std::string script = "(xdotool mousemove --window " + window + " " + at +
                                   " sleep 0.3 click 1 sleep 1.5;"
                                   " xdotool windowunmap --sync " +
                                   window + "; xdotool windowmap --sync " + window +
                                   "; sleep 1;"
                                   " import -window " +
                                   window + " '" + during + "'; xdotool mousemove --window " + window + " " +
                                   at + " click 1; touch '" + scratch / "clicked" + "') >/dev/null 2>&1 &";
        ASSERT_EQ(std::system(script.c_str()), 0);
        ASSERT_TRUE(gtk->runUntil([&] { return std::filesystem::exists(scratch / "clicked"); }, 20000));
        ASSERT_TRUE(
            gtk->runUntil([&] { return std::filesystem::exists(programFolder + "finished"); }, 20000));
        // A click that was kept instead of dropped would start a second build now.
        gtk->runUntil([] { return false; }, 1500);
        EXPECT_EQ(test::readFile(programFolder + "starts"), "start\n");

        const std::optional<drawing::Bitmap> shown = drawing::Bitmap::loadPng(before);
        const std::optional<drawing::Bitmap> repainted = drawing::Bitmap::loadPng(during);
        ASSERT_TRUE(shown && repainted);
        std::filesystem::copy_file(during, test::outputFolder() / "compilation-page-while-waiting.png",
                                   std::filesystem::copy_options::overwrite_existing);
        // The glowing button may differ; the rest of the page must be there.
        EXPECT_GT(shareOfMatchingPixels(*shown, *repainted), 0.9);
        form->hide();
        gtk->processPendingEvents();
    }
    platform::setCurrentPlatform(nullptr);
}

}  // namespace
}  // namespace sk::app
