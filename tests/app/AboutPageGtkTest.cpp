// The about page's link on the real GTK backend, clicked with xdotool as a user
// would: the click reaches the desktop's URL opener, here a fake xdg-open first
// on PATH that records its argument. Skipped without a display.
#include <gtest/gtest.h>
#include <sys/stat.h>
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
#include "support/Skip.h"
#include "ui/Application.h"

namespace sk::app {
namespace {

TEST(AboutPageGtk, ClickOnTheLinkReachesTheDesktopsUrlOpener) {
    test::RealDisplay display = test::openRealDisplay();
    if (!display.platform) SK_SKIP(display.skipReason);
    std::unique_ptr<platform::GtkPlatform> gtk = std::move(display.platform);

    test::ScratchFolder scratch;
    const std::string bin = scratch / "bin/";
    std::filesystem::create_directories(bin);
    const std::string record = scratch / "opened-url";
    const std::string opener = bin + "xdg-open";
    test::writeFile(opener, "#!/bin/sh\nprintf '%s' \"$1\" > '" + record + ".part' && mv '" + record +
                                ".part' '" + record + "'\n");
    ::chmod(opener.c_str(), 0755);
    const char* path = std::getenv("PATH");
    test::ScopedEnvironment onPath("PATH", bin + ":" + (path ? path : "/usr/bin:/bin"));

    platform::setCurrentPlatform(gtk.get());
    {
        std::unique_ptr<TForm1> form = createMainWindow();
        const std::string title = "Slidekiln about test " + std::to_string(::getpid());
        form->SetCaption(title);
        form->show();
        form->AdvPageControl1->SetActivePage(form->AdvTabSheet3);
        ASSERT_TRUE(gtk->runUntil([&] { return form->nativeWindow()->visible(); }, 5000));
        gtk->runUntil([] { return false; }, 300);  // let the window manager map it

        const drawing::Rect link = form->aboutPage().Label7->formRect();
        const std::string command =
            "(xdotool search --sync --name '" + title + "' windowfocus mousemove --window %1 " +
            std::to_string(link.left + link.width / 2) + " " + std::to_string(link.top + link.height / 2) +
            " sleep 0.2 click 1) >/dev/null 2>&1 &";
        ASSERT_EQ(std::system(command.c_str()), 0);
        const bool opened = gtk->runUntil([&] { return std::filesystem::exists(record); }, 10000);
        ASSERT_TRUE(opened) << "the URL opener was not started";
        EXPECT_EQ(test::readFile(record), AboutPage::kMakerWebAddress);
        form->hide();
        gtk->processPendingEvents();
    }
    platform::setCurrentPlatform(nullptr);
}

}  // namespace
}  // namespace sk::app
