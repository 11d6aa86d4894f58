// The framework on the real GTK backend: a window with a few plain controls,
// typed into with xdotool as a user would. Skipped without a display.
#include <gtest/gtest.h>

#include <cstdlib>
#include <memory>
#include <string>

#include "platform/gtk/GtkPlatform.h"
#include "support/RealDisplay.h"
#include "ui/Application.h"
#include "ui/Edit.h"
#include "ui/Form.h"
#include "ui/Label.h"
#include "support/Skip.h"

namespace sk::ui::test {
namespace {

TEST(GtkEdit, TypingIntoAnEditOnARealWindow) {
    sk::test::RealDisplay display = sk::test::openRealDisplay();
    if (!display.platform) SK_SKIP(display.skipReason);
    std::unique_ptr<platform::GtkPlatform> gtk = std::move(display.platform);
    platform::setCurrentPlatform(gtk.get());
    {
        const std::string title = "Slidekiln edit test " + std::to_string(::getpid());
        Form form;
        form.SetCaption(title);
        form.SetBounds(0, 0, 320, 120);
        form.SetPosition(poScreenCenter);
        auto* label = new TLabel(&form);
        label->SetParent(&form);
        label->SetBounds(10, 10, 200, 20);
        label->SetCaption("Output file:");
        auto* edit = new TEdit(&form);
        edit->SetParent(&form);
        edit->SetBounds(10, 40, 300, 24);
        auto* other = new TEdit(&form);
        other->SetParent(&form);
        other->SetBounds(10, 80, 300, 24);
        form.show();
        ASSERT_TRUE(gtk->runUntil([&] { return form.nativeWindow()->visible(); }, 5000));
        gtk->runUntil([] { return false; }, 300);  // let the window manager map it

        // Focus the window, click into the first edit and type; xdotool runs in the
        // background while the event loop goes on.
        const std::string command = "(xdotool search --sync --name '" + title +
                                    "' windowfocus mousemove --window %1 40 52 "
                                    "click 1 sleep 0.3 type --delay 20 'D:\\talk.pptx') >/dev/null 2>&1 &";
        ASSERT_EQ(std::system(command.c_str()), 0);
        const bool typed = gtk->runUntil([&] { return edit->Text() == "D:\\talk.pptx"; }, 10000);
        EXPECT_TRUE(typed) << "the edit holds \"" << edit->Text() << "\"";
        EXPECT_EQ(form.ActiveControl(), edit);
        EXPECT_EQ(other->Text(), "");
        form.hide();
        gtk->processPendingEvents();
    }
    platform::setCurrentPlatform(nullptr);
}

TEST(GtkEdit, AltWithACyrillicLetterReachesTheMnemonic) {
    sk::test::RealDisplay display = sk::test::openRealDisplay();
    if (!display.platform) SK_SKIP(display.skipReason);
    std::unique_ptr<platform::GtkPlatform> gtk = std::move(display.platform);
    platform::setCurrentPlatform(gtk.get());
    {
        const std::string title = "Slidekiln mnemonic test " + std::to_string(::getpid());
        Form form;
        form.SetCaption(title);
        form.SetBounds(0, 0, 320, 120);
        form.SetPosition(poScreenCenter);
        auto* first = new TEdit(&form);
        first->SetParent(&form);
        first->SetBounds(10, 10, 300, 24);
        auto* label = new TLabel(&form);
        label->SetParent(&form);
        label->SetBounds(10, 50, 200, 20);
        label->SetCaption("&Книга:");
        auto* book = new TEdit(&form);
        book->SetParent(&form);
        book->SetBounds(10, 80, 300, 24);
        label->SetFocusControl(book);
        form.show();
        ASSERT_TRUE(gtk->runUntil([&] { return form.nativeWindow()->visible(); }, 5000));
        gtk->runUntil([] { return false; }, 300);
        first->SetFocus();
        // xdotool gives the Cyrillic letter a key of its own for the press: a key with
        // no Latin name, whose character is all the window learns.
        const std::string command = "(xdotool search --sync --name '" + title +
                                    "' windowfocus sleep 0.3 key --delay 50 alt+Cyrillic_ka) >/dev/null 2>&1 &";
        ASSERT_EQ(std::system(command.c_str()), 0);
        EXPECT_TRUE(gtk->runUntil([&] { return form.ActiveControl() == book; }, 10000));
        EXPECT_EQ(first->Text(), "");  // the letter went to the mnemonic, not into the edit
        form.hide();
        gtk->processPendingEvents();
    }
    platform::setCurrentPlatform(nullptr);
}

}  // namespace
}  // namespace sk::ui::test
