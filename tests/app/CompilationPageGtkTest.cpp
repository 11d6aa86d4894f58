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
#include "platform/gtk/GtkPlatform.h"
#include "support/FakeTools.h"
#include "support/RealDisplay.h"
#include "support/ScratchFolder.h"
#include "support/WaitingLauncher.h"
#include "ui/Application.h"

namespace sk::app {
namespace {

TEST(CompilationPageGtk, ClickOnTheCompileButtonRunsTheArchiver) {
    test::RealDisplay display = test::openRealDisplay();
    if (!display.platform) GTEST_SKIP() << display.skipReason;
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

}  // namespace
}  // namespace sk::app
