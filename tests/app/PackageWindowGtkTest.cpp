// A package compiled through the real main window on the GTK backend, as the
// author would (the compile button clicked with xdotool, the real outside tools
// of the program folder), then run as the recipient would, on an X server of
// its own and without LibreOffice: the first slide shows, a key advances, Esc
// ends, and the folder the package unpacked into is gone. The window offers the
// 2003 package until the settings page has its radio buttons; the 2007 package
// is built by the same procedure in tests/package.
#include <gtest/gtest.h>

#include <filesystem>
#include <memory>
#include <string>

#include "app/ProgramStart.h"
#include "package/PackageSupport.h"
#include "platform/gtk/GtkPlatform.h"
#include "support/Skip.h"
#include "support/RealDisplay.h"
#include "support/WaitingLauncher.h"
#include "ui/Application.h"

namespace sk::app {
namespace {

namespace fs = std::filesystem;

TEST(PackageWindowGtk, CompiledThroughTheWindowThePackageShowsWithoutLibreOffice) {
    if (const std::string missing = test::missingShowTool(); !missing.empty()) SK_SKIP(missing);
    test::RealDisplay display = test::openRealDisplay();
    if (!display.platform) SK_SKIP(display.skipReason);
    std::unique_ptr<platform::GtkPlatform> gtk = std::move(display.platform);

    test::ScratchFolder scratch;
    test::ScopedEnvironment tmpdir("TMPDIR", scratch.path());
    // The window is open; the archiver started from it must not wait on a
    // desktop window of its own for someone to close it.
    const std::string realDisplay = std::getenv("DISPLAY");
    test::ScopedEnvironment noDisplay("DISPLAY", std::nullopt);
    test::ScopedEnvironment noWayland("WAYLAND_DISPLAY", std::nullopt);
    ASSERT_TRUE(test::makeGeneratedPresentation(scratch));
    const std::string program = test::programFolder().string() + "/";
    test::WaitingLauncher launcher(program);
    const std::string package = scratch / "talk.exe";

    platform::setCurrentPlatform(gtk.get());
    {
        std::unique_ptr<TForm1> form = createMainWindow();
        const std::string title = "Slidekiln package test " + std::to_string(::getpid());
        form->SetCaption(title);
        CompilationPage& page = form->compilationPage();
        page.setBuildTools(program, &launcher);
        page.AdvFileNameEdit1->SetFileName(scratch / "talk.ppt");
        page.Edit1->SetText(package);
        form->show();
        form->AdvPageControl1->SetActivePage(form->AdvTabSheet2);
        ASSERT_TRUE(gtk->runUntil([&] { return form->nativeWindow()->visible(); }, 5000));
        gtk->runUntil([] { return false; }, 300);
        const drawing::Rect button = page.AdvGlowButton3->formRect();
        const std::string click =
            "(DISPLAY='" + realDisplay + "' xdotool search --sync --name '" + title +
            "' windowfocus mousemove --window %1 " + std::to_string(button.left + button.width / 2) + " " +
            std::to_string(button.top + button.height / 2) + " sleep 0.2 click 1) >/dev/null 2>&1 &";
        ASSERT_EQ(std::system(click.c_str()), 0);
        EXPECT_TRUE(gtk->runUntil([&] { return fs::exists(package); }, 120000)) << "no package was written";
        form->hide();
        gtk->processPendingEvents();
    }
    platform::setCurrentPlatform(nullptr);
    ASSERT_TRUE(fs::exists(package));

    // The rendered slides inside the package are the references for the screen.
    ASSERT_EQ(test::run({package, "--extract", scratch / "files"}).status, 0);
    test::PrivateXServer x;
    ASSERT_FALSE(x.display().empty());
    for (const char* number : {"1", "2"})
        ASSERT_TRUE(test::expectedScreen(scratch / ("files/slides/slide-00" + std::string(number) + ".png"),
                                         1280, 1024, scratch / ("screen-" + std::string(number) + ".png")));
    fs::create_directories(scratch / "tmp");
    test::Child show({package},
                     {{"PATH", "/nonexistent"},
                      {"DISPLAY", x.display()},
                      {"TMPDIR", scratch / "tmp"},
                      {"XDG_RUNTIME_DIR", std::nullopt}},
                     scratch.path(), scratch / "output.txt");
    test::watchTheShow(x, show, scratch / "screen-1.png", scratch / "screen-2.png", "show-from-window",
                       scratch / "output.txt");
    EXPECT_TRUE(fs::is_empty(scratch / "tmp")) << "the extraction folder must be gone";
}

}  // namespace
}  // namespace sk::app
