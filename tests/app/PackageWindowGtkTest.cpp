// A package compiled through the real main window on the GTK backend, as the
// author would (the compile button clicked with xdotool, the real outside tools
// of the program folder), then run as the recipient would, on an X server of
// its own and without LibreOffice: the first slide shows, a key advances, Esc
// ends, and the folder the package unpacked into is gone. Both package kinds:
// the 2007 one is chosen with its radio button on the settings page and built
// from the *.pptx, which the converter turns into view.ppt on the way.
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

// Clicks the middle of a control of the form's window with xdotool, in the
// background, on the real display.
void clickWithXdotool(const std::string& display, const std::string& title, const drawing::Rect& place) {
    const std::string click =
        "(DISPLAY='" + display + "' xdotool search --sync --name '" + title +
        "' windowfocus mousemove --window %1 " + std::to_string(place.left + place.width / 2) + " " +
        std::to_string(place.top + place.height / 2) + " sleep 0.2 click 1) >/dev/null 2>&1 &";
    ASSERT_EQ(std::system(click.c_str()), 0);
}

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

    for (const bool package2007 : {false, true}) {
        const std::string kind = package2007 ? "2007" : "2003";
        SCOPED_TRACE(kind);
        const std::string package = scratch / ("talk-" + kind + ".exe");
        platform::setCurrentPlatform(gtk.get());
        {
            std::unique_ptr<TForm1> form = createMainWindow();
            const std::string title = "Slidekiln package test " + std::to_string(::getpid()) + " " + kind;
            form->SetCaption(title);
            CompilationPage& page = form->compilationPage();
            page.setBuildTools(program, &launcher);
            page.AdvFileNameEdit1->SetFileName(scratch / (package2007 ? "talk.pptx" : "talk.ppt"));
            page.Edit1->SetText(package);
            form->show();
            ASSERT_TRUE(gtk->runUntil([&] { return form->nativeWindow()->visible(); }, 5000));
            gtk->runUntil([] { return false; }, 300);
            if (package2007) {
                form->AdvPageControl1->SetActivePage(form->AdvTabSheet1);
                gtk->runUntil([] { return false; }, 300);
                clickWithXdotool(realDisplay, title, form->AdvOfficeRadioButton2->formRect());
                ASSERT_TRUE(gtk->runUntil([&] { return form->AdvOfficeRadioButton2->Checked(); }, 10000))
                    << "the click did not choose the 2007 package";
            }
            form->AdvPageControl1->SetActivePage(form->AdvTabSheet2);
            gtk->runUntil([] { return false; }, 300);
            clickWithXdotool(realDisplay, title, page.AdvGlowButton3->formRect());
            EXPECT_TRUE(gtk->runUntil([&] { return fs::exists(package); }, 120000))
                << "no package was written";
            form->hide();
            gtk->processPendingEvents();
        }
        platform::setCurrentPlatform(nullptr);
        ASSERT_TRUE(fs::exists(package));

        // The rendered slides inside the package are the references for the screen.
        const std::string files = scratch / ("files-" + kind);
        ASSERT_EQ(test::run({package, "--extract", files}).status, 0);
        ASSERT_TRUE(fs::exists(files + "/view.ppt"));
        test::PrivateXServer x;
        ASSERT_FALSE(x.display().empty());
        for (const char* number : {"1", "2"})
            ASSERT_TRUE(test::expectedScreen(files + "/slides/slide-00" + number + ".png", 1280, 1024,
                                             scratch / ("screen-" + std::string(number) + ".png")));
        const std::string unpacked = scratch / ("tmp-" + kind);
        fs::create_directories(unpacked);
        test::Child show({package},
                         {{"PATH", "/nonexistent"},
                          {"DISPLAY", x.display()},
                          {"TMPDIR", unpacked},
                          {"XDG_RUNTIME_DIR", std::nullopt}},
                         scratch.path(), scratch / "output.txt");
        test::watchTheShow(x, show, scratch / "screen-1.png", scratch / "screen-2.png",
                           "show-from-window-" + kind, scratch / "output.txt");
        EXPECT_TRUE(fs::is_empty(unpacked)) << "the extraction folder must be gone";
    }
}

}  // namespace
}  // namespace sk::app
