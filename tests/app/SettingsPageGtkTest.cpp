// The settings page of the real main window on the GTK backend, driven with
// xdotool as a user would: a click on the second radio button checks the 2007
// package, and a real drag of the track bar's thumb moves it to 10 with the
// value hint shown in a pop-up window while dragging. Skipped without a display.
#include <gtest/gtest.h>
#include <unistd.h>

#include <cstdlib>
#include <memory>
#include <string>
#include <vector>

#include "app/ProgramStart.h"
#include "platform/gtk/GtkPlatform.h"
#include "support/Skip.h"
#include "support/RealDisplay.h"
#include "ui/Application.h"

namespace sk::app {
namespace {

std::string pointArgs(drawing::Point p) {
    return std::to_string(p.x) + " " + std::to_string(p.y);
}

TEST(SettingsPageGtk, ClickTheSecondPackageAndDragTheThumbToTen) {
    test::RealDisplay display = test::openRealDisplay();
    if (!display.platform) SK_SKIP(display.skipReason);
    std::unique_ptr<platform::GtkPlatform> gtk = std::move(display.platform);

    platform::setCurrentPlatform(gtk.get());
    {
        std::unique_ptr<TForm1> form = createMainWindow();
        const std::string title = "Slidekiln settings test " + std::to_string(::getpid());
        form->SetCaption(title);
        office::TAdvTrackBar& bar = *form->AdvTrackBar1;
        std::vector<int> changes;
        bool hintShownWhileDragging = false;
        bar.OnChange = [&](ui::Component*) {
            changes.push_back(bar.Position());
            if (bar.hintWindow() && bar.hintWindow()->visible()) hintShownWhileDragging = true;
        };
        form->show();
        ASSERT_TRUE(gtk->runUntil([&] { return form->nativeWindow()->visible(); }, 5000));
        gtk->runUntil([] { return false; }, 300);  // let the window manager map it

        const drawing::Rect radio = form->AdvOfficeRadioButton2->formRect();
        const drawing::Point radioPoint{radio.left + 60, radio.top + radio.height / 2};
        const drawing::Point o = bar.formOrigin();
        const drawing::Rect thumb = bar.geometry().thumb(bar.Position());
        const drawing::Point start{o.x + thumb.center().x, o.y + thumb.center().y};
        std::string drag;
        for (int x = start.x + 30; x < o.x + 400; x += 30)
            drag += " mousemove --window %1 " + pointArgs({x, start.y}) + " sleep 0.05";
        drag += " mousemove --window %1 " + pointArgs({o.x + 405, start.y}) + " sleep 0.2";
        const std::string command =
            "(xdotool search --sync --name '" + title + "' windowfocus mousemove --window %1 " +
            pointArgs(radioPoint) + " sleep 0.2 click 1 sleep 0.2 mousemove --window %1 " + pointArgs(start) +
            " sleep 0.2 mousedown 1 sleep 0.1" + drag + " mouseup 1) >/dev/null 2>&1 &";
        ASSERT_EQ(std::system(command.c_str()), 0);

        const bool dragged = gtk->runUntil(
            [&] { return bar.Position() == 10 && !bar.dragging() && form->AdvOfficeRadioButton2->Checked(); },
            10000);
        ASSERT_TRUE(dragged) << "position " << bar.Position();
        EXPECT_FALSE(form->AdvOfficeRadioButton1->Checked());
        EXPECT_GE(changes.size(), 3u) << "OnChange for the values passed";
        EXPECT_EQ(changes.back(), 10);
        EXPECT_TRUE(hintShownWhileDragging) << "the value hint in its pop-up window";
        ASSERT_NE(bar.hintWindow(), nullptr);
        EXPECT_FALSE(bar.hintWindow()->visible()) << "hidden at the release";
        EXPECT_EQ(bar.hintWindow()->text(), "10");
        EXPECT_EQ(form->compilationPage().buildRequest().package, builder::PackageKind::Package2007);
        EXPECT_EQ(form->compilationPage().buildRequest().level, 10);
        form->hide();
        gtk->processPendingEvents();
    }
    platform::setCurrentPlatform(nullptr);
}

}  // namespace
}  // namespace sk::app
