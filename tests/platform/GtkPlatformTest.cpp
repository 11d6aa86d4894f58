// The GTK backend on a real X display (Xvfb in the test script): windows show
// what was presented, take real input injected with xdotool, and the timers,
// boxes and dialogs work. Skipped without a display.
#include <gtest/gtest.h>
#include <gtk/gtk.h>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <memory>
#include <string>

#include "platform/RecordingClient.h"
#include "platform/gtk/GtkNativeWindow.h"
#include "platform/gtk/GtkPlatform.h"
#include "support/TestEnvironment.h"
#include "support/Skip.h"

namespace sk::platform {
namespace {

using drawing::Bitmap;
using drawing::Point;
using drawing::Rect;
using test::RecordingClient;

constexpr int kTimeoutMs = 5000;

std::string run(const std::string& command) {
    std::string output;
    if (FILE* pipe = popen(command.c_str(), "r")) {
        char buffer[512];
        while (fgets(buffer, sizeof buffer, pipe)) output += buffer;
        pclose(pipe);
    }
    return output;
}

bool haveTool(const char* tool) {
    return std::system((std::string("command -v ") + tool + " >/dev/null 2>&1").c_str()) == 0;
}

bool contains(const std::vector<std::string>& log, const std::string& entry) {
    return std::find(log.begin(), log.end(), entry) != log.end();
}

std::uint32_t screenPixel(Point p) {
    GdkPixbuf* pixbuf = gdk_pixbuf_get_from_window(gdk_get_default_root_window(), p.x, p.y, 1, 1);
    if (!pixbuf) return 0;
    const guchar* rgb = gdk_pixbuf_get_pixels(pixbuf);
    const std::uint32_t argb =
        0xFF000000u | (std::uint32_t{rgb[0]} << 16) | (std::uint32_t{rgb[1]} << 8) | rgb[2];
    g_object_unref(pixbuf);
    return argb;
}

// The last visible top-level window of the given type (a dialog that is open), or nullptr.
GtkWidget* findToplevel(GType type) {
    GList* windows = gtk_window_list_toplevels();
    GtkWidget* found = nullptr;
    for (GList* item = windows; item; item = item->next) {
        auto* widget = GTK_WIDGET(item->data);
        if (G_TYPE_CHECK_INSTANCE_TYPE(widget, type) && gtk_widget_get_visible(widget)) found = widget;
    }
    g_list_free(windows);
    return found;
}

// Presses a file chooser's accept button as a user would: the chooser checks
// the typed name before it lets the dialog close.
void pressAccept(GtkWidget* dialog) {
    gtk_button_clicked(
        GTK_BUTTON(gtk_dialog_get_widget_for_response(GTK_DIALOG(dialog), GTK_RESPONSE_ACCEPT)));
}

class GtkPlatformTest : public testing::Test {
protected:
    static GtkPlatform* platform;

    static void SetUpTestSuite() {
        if (!std::getenv("DISPLAY")) return;
        // The file chooser stores its settings; there is no settings service in a test session.
        g_setenv("GSETTINGS_BACKEND", "memory", FALSE);
        static int argc = 1;
        static char name[] = "platform_tests";
        static char* args[] = {name, nullptr};
        static char** argv = args;
        platform = new GtkPlatform(argc, argv);
    }
    static void TearDownTestSuite() {
        delete platform;
        platform = nullptr;
    }

    void SetUp() override {
        if (!platform) SK_SKIP("no display");
    }

    void TearDown() override {
        if (platform)
            for (const TimerId id : timers) platform->stopTimer(id);
        window.reset();
        if (platform) platform->processPendingEvents();
    }

    GtkNativeWindow* openWindow(drawing::Size size = {320, 200},
                                std::string title = "Slidekiln platform test") {
        WindowOptions options;
        options.title = std::move(title);
        options.clientSize = size;
        window = platform->createWindow(options);
        auto* gtkWindow = dynamic_cast<GtkNativeWindow*>(window.get());
        gtkWindow->setClient(&client);
        gtkWindow->show();
        EXPECT_TRUE(waitFor([&] { return gtkWindow->x11WindowId() != 0 && contains(client.log, "active"); }))
            << "the window did not get the focus";
        return gtkWindow;
    }

    bool waitFor(const std::function<bool()>& done, int timeoutMs = kTimeoutMs) {
        return platform->runUntil(done, timeoutMs);
    }

    // Starts an xdotool command in the background and handles events until
    // done() or the timeout. The events must be handled while xdotool runs: to
    // type a character that the keyboard map lacks, xdotool binds it to a spare
    // key only for the moment of the key press, and GTK looks the key up then.
    bool xdotool(const std::string& arguments, const std::function<bool()>& done) {
        if (std::system(("xdotool " + arguments + " >/dev/null 2>&1 &").c_str()) != 0) return false;
        return waitFor(done);
    }

    // A timer that ends with the test, whose locals its callback uses.
    TimerId startTimer(int intervalMs, std::function<void()> callback) {
        timers.push_back(platform->startTimer(intervalMs, std::move(callback)));
        return timers.back();
    }

    std::unique_ptr<NativeWindow> window;
    RecordingClient client;
    std::vector<TimerId> timers;
};

GtkPlatform* GtkPlatformTest::platform = nullptr;

TEST_F(GtkPlatformTest, WindowShowsThePresentedBufferAtItsClientSize) {
    auto* w = openWindow();
    Bitmap buffer(320, 200);
    buffer.fill(0xFFC4E9F2);
    for (int y = 0; y < 200; ++y)
        for (int x = 160; x < 320; ++x) buffer.setPixel(x, y, 0xFF0000FF);
    w->present(buffer, Rect{0, 0, 320, 200});

    const Point left = w->clientToScreen({10, 10});
    const Point right = w->clientToScreen({300, 190});
    EXPECT_TRUE(waitFor([&] {
        return screenPixel(left) == 0xFFC4E9F2u && screenPixel(right) == 0xFF0000FFu;
    })) << std::hex
        << screenPixel(left) << " " << screenPixel(right);

    // Only the given area is redrawn from a later buffer state.
    buffer.fill(0xFF00FF00);
    w->present(buffer, Rect{0, 0, 20, 20});
    EXPECT_TRUE(waitFor([&] { return screenPixel(left) == 0xFF00FF00u; }));
    EXPECT_EQ(screenPixel(right), 0xFF0000FFu);

    GdkWindow* top = gtk_widget_get_window(GTK_WIDGET(w->gtkWindow()));
    EXPECT_EQ(gdk_window_get_width(top), 320);
    EXPECT_EQ(gdk_window_get_height(top), 200);
}

TEST_F(GtkPlatformTest, FixedWindowCannotBeResizedMinimisedOrMaximised) {
    if (!haveTool("xprop")) SK_SKIP("xprop is missing");
    auto* w = openWindow({764, 459}, "Slidekiln 3.1 Build 012011");
    EXPECT_FALSE(gtk_window_get_resizable(w->gtkWindow()));
    const std::string hints = run("xprop -id " + std::to_string(w->x11WindowId()) +
                                  " WM_NORMAL_HINTS _MOTIF_WM_HINTS WM_NAME _NET_WM_NAME");
    EXPECT_NE(hints.find("minimum size: 764 by 459"), std::string::npos) << hints;
    EXPECT_NE(hints.find("maximum size: 764 by 459"), std::string::npos) << hints;
    // Motif hints: flags 3 (functions and decorations), functions move + close (4 + 32).
    EXPECT_NE(hints.find("_MOTIF_WM_HINTS(_MOTIF_WM_HINTS) = 0x3, 0x24"), std::string::npos) << hints;
    EXPECT_NE(hints.find("\"Slidekiln 3.1 Build 012011\""), std::string::npos) << hints;
}

TEST_F(GtkPlatformTest, MainWindowIsCentredOnTheScreen) {
    auto* w = openWindow({400, 300});
    const Point origin = w->clientToScreen({0, 0});
    const Rect area = platform->workArea();
    EXPECT_FALSE(area.empty());
    // Without a window manager there is no frame, so the client area itself is centred.
    EXPECT_NEAR(origin.x, area.left + (area.width - 400) / 2, 2);
    EXPECT_NEAR(origin.y, area.top + (area.height - 300) / 2, 2);
}

TEST_F(GtkPlatformTest, ClicksDoubleClicksAndLeavingArriveAsTheClassicSystemSendsThem) {
    if (!haveTool("xdotool")) SK_SKIP("xdotool is missing");
    auto* w = openWindow();
    const std::string id = std::to_string(w->x11WindowId());
    ASSERT_TRUE(xdotool("mousemove --window " + id + " 30 40 click 1",
                        [&] { return contains(client.log, "up left 30,40"); }));
    EXPECT_TRUE(contains(client.log, "down left 30,40"));
    ASSERT_FALSE(client.mouseEvents.empty());

    // Past the double-click time the next press starts afresh.
    platform->runUntil([] { return false; }, platform->doubleClickTimeMs() + 50);
    client.clear();
    ASSERT_TRUE(xdotool("click --repeat 2 --delay 60 1", [&] {
        return std::count(client.log.begin(), client.log.end(), "up left 30,40") == 2;
    }));
    EXPECT_EQ(client.log, (std::vector<std::string>{"down left 30,40", "up left 30,40", "dblclick left 30,40",
                                                    "up left 30,40"}));

    client.clear();
    ASSERT_TRUE(
        xdotool("mousemove --window " + id + " 500 40", [&] { return contains(client.log, "leave"); }));

    // With the button held the pointer stays with the window outside it; the
    // leave comes after the release.
    client.clear();
    ASSERT_TRUE(xdotool("mousemove --window " + id + " 50 50 mousedown 3",
                        [&] { return contains(client.log, "down right 50,50"); }));
    ASSERT_TRUE(
        xdotool("mousemove --window " + id + " 400 50", [&] { return contains(client.log, "move 400,50"); }));
    EXPECT_FALSE(contains(client.log, "leave"));
    ASSERT_TRUE(xdotool("mouseup 3", [&] { return contains(client.log, "leave"); }));
    EXPECT_TRUE(contains(client.log, "up right 400,50"));
}

TEST_F(GtkPlatformTest, WheelTurnsArriveAsNotches) {
    if (!haveTool("xdotool")) SK_SKIP("xdotool is missing");
    auto* w = openWindow();
    const std::string id = std::to_string(w->x11WindowId());
    ASSERT_TRUE(xdotool("mousemove --window " + id + " 60 70 click 5",
                        [&] { return contains(client.log, "wheel -120 60,70"); }));
    ASSERT_TRUE(xdotool("click 4", [&] { return contains(client.log, "wheel 120 60,70"); }));
}

TEST_F(GtkPlatformTest, TypedKeysArriveAsKeysAndTextIncludingCyrillic) {
    if (!haveTool("xdotool")) SK_SKIP("xdotool is missing");
    openWindow();
    ASSERT_TRUE(xdotool("type --delay 30 'Hi'", [&] {
        return client.text == "Hi" && contains(client.log, "keyup 73");
    })) << client.text;
    // Key first, then its character, then the release.
    const auto firstText = std::find(client.log.begin(), client.log.end(), "text H");
    ASSERT_NE(firstText, client.log.end());
    EXPECT_TRUE(contains({client.log.begin(), firstText}, "keydown 72 +shift"));
    EXPECT_TRUE(contains(client.log, "keyup 73"));

    client.clear();
    ASSERT_TRUE(xdotool("type --delay 150 'жЁ'", [&] { return client.text == "жЁ"; }))
        << client.text << "\n"
        << testing::PrintToString(client.log);

    client.clear();
    ASSERT_TRUE(
        xdotool("key ctrl+a Tab F4 Return BackSpace", [&] { return contains(client.log, "keyup 8"); }));
    EXPECT_TRUE(contains(client.log, "keydown 65 +ctrl"));
    EXPECT_TRUE(contains(client.log, "keydown 9"));
    EXPECT_TRUE(contains(client.log, "keydown 115"));
    EXPECT_TRUE(contains(client.log, "keydown 13"));
    EXPECT_EQ(client.text, "");  // no control characters as text
}

TEST_F(GtkPlatformTest, CloseBoxAsksTheClient) {
    if (!haveTool("xdotool")) SK_SKIP("xdotool is missing");
    auto* w = openWindow();
    client.allowClose = false;
    // What the window manager sends when the close box is pressed.
    GdkEvent* event = gdk_event_new(GDK_DELETE);
    event->any.window = GDK_WINDOW(g_object_ref(gtk_widget_get_window(GTK_WIDGET(w->gtkWindow()))));
    gtk_main_do_event(event);
    gdk_event_free(event);
    EXPECT_TRUE(contains(client.log, "close"));
    EXPECT_TRUE(w->visible());
    client.allowClose = true;
    event = gdk_event_new(GDK_DELETE);
    event->any.window = GDK_WINDOW(g_object_ref(gtk_widget_get_window(GTK_WIDGET(w->gtkWindow()))));
    gtk_main_do_event(event);
    gdk_event_free(event);
    EXPECT_FALSE(w->visible());
}

TEST_F(GtkPlatformTest, TimersFireOnTheEventLoopAndStopInsideTheirCallback) {
    int ticks = 0;
    TimerId id = 0;
    id = startTimer(15, [&] {
        if (++ticks == 3) platform->stopTimer(id);
    });
    EXPECT_TRUE(waitFor([&] { return ticks >= 3; }, 2000));
    platform->runUntil([] { return false; }, 100);
    EXPECT_EQ(ticks, 3);

    // run() returns when a timer quits it.
    startTimer(10, [&] { platform->quit(); });
    const auto start = platform->nowMs();
    platform->run();
    EXPECT_LT(platform->nowMs() - start, 2000u);
}

TEST_F(GtkPlatformTest, ExceptionInATimerGoesToTheHandler) {
    std::string message;
    platform->setExceptionHandler([&](std::exception_ptr e) {
        try {
            std::rethrow_exception(e);
        } catch (const std::exception& error) {
            message = error.what();
        }
    });
    TimerId id = 0;
    id = startTimer(5, [&] {
        platform->stopTimer(id);
        throw std::runtime_error("Cannot open file x");
    });
    EXPECT_TRUE(waitFor([&] { return !message.empty(); }, 2000));
    EXPECT_EQ(message, "Cannot open file x");
    platform->setExceptionHandler(nullptr);
}

TEST_F(GtkPlatformTest, MessageBoxIsModalWithCaptionTextAndIcon) {
    auto* w = openWindow();
    bool checked = false;
    startTimer(50, [&] {
        auto* box = findToplevel(GTK_TYPE_MESSAGE_DIALOG);
        if (!box) return;
        checked = true;
        EXPECT_STREQ(gtk_window_get_title(GTK_WINDOW(box)), "Slidekiln 3.1");
        GtkMessageType type = GTK_MESSAGE_OTHER;
        gchar* text = nullptr;
        g_object_get(box, "message-type", &type, "text", &text, nullptr);
        EXPECT_EQ(type, GTK_MESSAGE_ERROR);
        EXPECT_STREQ(text, "Cannot open file /nowhere/talk.ppt.");
        g_free(text);
        EXPECT_TRUE(gtk_window_get_modal(GTK_WINDOW(box)));
        EXPECT_EQ(gtk_window_get_transient_for(GTK_WINDOW(box)), w->gtkWindow());
        EXPECT_EQ(gtk_grab_get_current(), GTK_WIDGET(box));  // input to the other windows is held back
        gtk_dialog_response(GTK_DIALOG(box), GTK_RESPONSE_OK);
    });
    platform->messageBox("Slidekiln 3.1", "Cannot open file /nowhere/talk.ppt.", MessageIcon::Error, w);
    EXPECT_TRUE(checked);
    EXPECT_TRUE(waitFor([&] { return client.log.back() == "active"; })) << "the focus did not come back";
}

TEST_F(GtkPlatformTest, BytesOfAnotherEncodingInTitlesAndMessagesShowAsReplacementCharacters) {
    // A Latin-1 file name ("Präsentation") inside a message and a title.
    auto* w = openWindow({320, 200}, "Pr\xE4sentation - Slidekiln");
    EXPECT_STREQ(gtk_window_get_title(w->gtkWindow()), "Pr\uFFFDsentation - Slidekiln");
    bool checked = false;
    startTimer(50, [&] {
        auto* box = findToplevel(GTK_TYPE_MESSAGE_DIALOG);
        if (!box) return;
        checked = true;
        gchar* text = nullptr;
        g_object_get(box, "text", &text, nullptr);
        EXPECT_STREQ(text, "Cannot open file /home/u/Pr\uFFFDsentation.ppt.") << "the whole message, not up to the bad byte";
        g_free(text);
        EXPECT_STREQ(gtk_window_get_title(GTK_WINDOW(box)), "\uFFFD Slidekiln");
        gtk_dialog_response(GTK_DIALOG(box), GTK_RESPONSE_OK);
    });
    platform->messageBox("\xFF Slidekiln", "Cannot open file /home/u/Pr\xE4sentation.ppt.", MessageIcon::Error, w);
    EXPECT_TRUE(checked);
}

class TempFolder {
public:
    TempFolder() {
        char pattern[] = "/tmp/slidekiln-dialog-XXXXXX";
        m_path = mkdtemp(pattern);
    }
    ~TempFolder() {
        std::error_code error;
        std::filesystem::remove_all(m_path, error);
    }
    const std::filesystem::path& path() const { return m_path; }

private:
    std::filesystem::path m_path;
};

TEST_F(GtkPlatformTest, SaveDialogTakesFiltersNameFolderAndAddsTheExtension) {
    openWindow();
    TempFolder folder;
    std::ofstream(folder.path() / "talk.exe") << "x";

    FileDialogRequest request;
    request.kind = FileDialogKind::Save;
    request.title = "Выбор файла презентации";
    request.initialFileName = (folder.path() / "talk").string();
    request.filter = "Programs|*.exe|All files|*.*";
    request.filterIndex = 2;
    request.defaultExtension = "exe";
    request.overwritePrompt = true;

    int step = 0;
    std::string currentName, currentFolder;
    std::vector<std::string> filterNames;
    startTimer(50, [&] {
        if (step == 0) {
            auto* dialog = findToplevel(GTK_TYPE_FILE_CHOOSER_DIALOG);
            if (!dialog) return;
            GtkFileChooser* chooser = GTK_FILE_CHOOSER(dialog);
            EXPECT_STREQ(gtk_window_get_title(GTK_WINDOW(dialog)), "Выбор файла презентации");
            gchar* name = gtk_file_chooser_get_current_name(chooser);
            currentName = name ? name : "";
            g_free(name);
            GSList* filters = gtk_file_chooser_list_filters(chooser);
            for (GSList* f = filters; f; f = f->next)
                filterNames.push_back(gtk_file_filter_get_name(GTK_FILE_FILTER(f->data)));
            g_slist_free(filters);
            // The user picks the first filter and accepts "talk": talk.exe exists, so a confirmation follows.
            GSList* all = gtk_file_chooser_list_filters(chooser);
            gtk_file_chooser_set_filter(chooser, GTK_FILE_FILTER(all->data));
            g_slist_free(all);
            pressAccept(dialog);
            step = 1;
        } else if (step == 1) {
            auto* confirm = findToplevel(GTK_TYPE_MESSAGE_DIALOG);
            if (!confirm) {
                // The chooser takes the press only once it has read the folder.
                if (auto* dialog = findToplevel(GTK_TYPE_FILE_CHOOSER_DIALOG)) pressAccept(dialog);
                return;
            }
            gtk_dialog_response(GTK_DIALOG(confirm), GTK_RESPONSE_NO);  // keep the file: the chooser stays
            step = 2;
        } else if (step == 2) {
            auto* dialog = findToplevel(GTK_TYPE_FILE_CHOOSER_DIALOG);
            if (!dialog || findToplevel(GTK_TYPE_MESSAGE_DIALOG)) return;
            gchar* current = gtk_file_chooser_get_current_folder(GTK_FILE_CHOOSER(dialog));
            currentFolder = current ? current : "";
            g_free(current);
            gtk_file_chooser_set_current_name(GTK_FILE_CHOOSER(dialog), "other");
            pressAccept(dialog);
            step = 3;
        }
    });
    const auto result = platform->fileDialog(request);
    EXPECT_EQ(step, 3);
    EXPECT_EQ(currentName, "talk");
    EXPECT_EQ(currentFolder, folder.path().string());
    EXPECT_EQ(filterNames, (std::vector<std::string>{"Programs", "All files"}));
    ASSERT_TRUE(result.has_value());
    EXPECT_EQ(result->fileName, (folder.path() / "other.exe").string());
    EXPECT_EQ(result->filterIndex, 1);
}

TEST_F(GtkPlatformTest, CancelledDialogReturnsNothing) {
    openWindow();
    FileDialogRequest request;
    request.title = "Open";
    request.filter = "exe";
    request.filterIndex = 0;
    bool cancelled = false;
    startTimer(50, [&] {
        auto* dialog = findToplevel(GTK_TYPE_FILE_CHOOSER_DIALOG);
        if (!dialog || cancelled) return;
        cancelled = true;
        gtk_dialog_response(GTK_DIALOG(dialog), GTK_RESPONSE_CANCEL);
    });
    EXPECT_FALSE(platform->fileDialog(request).has_value());
    EXPECT_TRUE(cancelled);
}

TEST_F(GtkPlatformTest, PopupStaysOutOfTheFocusAndMayReachBeyondTheScreen) {
    auto* main = openWindow();
    platform->runUntil([] { return false; }, 300);  // let the first focus changes settle
    client.clear();
    WindowOptions options;
    options.kind = WindowKind::Popup;
    options.clientSize = {120, 30};
    options.position = {1230, 1000};
    options.owner = main;
    auto popupNative = platform->createWindow(options);
    auto* popup = dynamic_cast<GtkNativeWindow*>(popupNative.get());
    RecordingClient popupClient;
    popup->setClient(&popupClient);
    Bitmap buffer(120, 30);
    buffer.fill(0xFFFFFFE1);
    popup->show();
    popup->present(buffer, Rect{0, 0, 120, 30});
    const Point corner = {1235, 1005};
    EXPECT_TRUE(waitFor([&] { return screenPixel(corner) == 0xFFFFFFE1u; }))
        << std::hex << screenPixel(corner);
    platform->runUntil([] { return false; }, 200);
    EXPECT_EQ(popup->clientToScreen({0, 0}), (Point{1230, 1000}));
    EXPECT_FALSE(gtk_window_get_accept_focus(popup->gtkWindow()));
    EXPECT_FALSE(contains(client.log, "inactive")) << testing::PrintToString(client.log);
    EXPECT_FALSE(contains(popupClient.log, "active"));
    // Xvfb runs no compositor, so there is no transparency for a shadow.
    EXPECT_FALSE(popup->hasShadow());
    popup->setPosition({100, 100});
    EXPECT_TRUE(waitFor([&] { return popup->clientToScreen({0, 0}) == Point{100, 100}; }));
    popup->hide();
}

TEST_F(GtkPlatformTest, ClipboardKeepsText) {
    platform->setClipboardText("Привет, clipboard");
    EXPECT_EQ(platform->clipboardText(), "Привет, clipboard");
}

TEST_F(GtkPlatformTest, OpenUrlReportsAnAddressNothingCanOpen) {
    EXPECT_FALSE(platform->openUrl("slidekiln-no-such-scheme://nowhere"));
    EXPECT_FALSE(platform->openUrl("   "));
}

TEST_F(GtkPlatformTest, IconCursorAndBeepDoNotDisturbTheWindow) {
    auto* w = openWindow();
    Bitmap small(16, 16), large(32, 32);
    small.fill(0xFF336699);
    large.fill(0x80336699);
    w->setIcon({small, large});
    GList* icons = gtk_window_get_icon_list(w->gtkWindow());
    EXPECT_EQ(g_list_length(icons), 2u);
    if (icons) {
        auto* first = GDK_PIXBUF(icons->data);
        EXPECT_EQ(gdk_pixbuf_get_width(first), 16);
        const guchar* p = gdk_pixbuf_get_pixels(first);
        EXPECT_EQ(p[0], 0x33);
        EXPECT_EQ(p[2], 0x99);
        EXPECT_EQ(p[3], 0xFF);
    }
    g_list_free(icons);
    for (auto shape : {CursorShape::Hand, CursorShape::IBeam, CursorShape::SizeWE, CursorShape::Wait,
                       CursorShape::Arrow}) {
        w->setCursor(shape);
        EXPECT_NE(platform->cursor(shape), nullptr);
    }
    EXPECT_EQ(gdk_window_get_cursor(gtk_widget_get_window(gtk_bin_get_child(GTK_BIN(w->gtkWindow())))),
              platform->cursor(CursorShape::Arrow));
    platform->beep();
    EXPECT_GT(platform->doubleClickTimeMs(), 0);
}

TEST_F(GtkPlatformTest, SystemIconsComeFromTheIconThemeAtTheirSize) {
    for (const bool large : {false, true}) {
        const auto icon = platform->systemIcon("folder", large);
        ASSERT_TRUE(icon.has_value()) << "the Adwaita theme has a folder icon";
        EXPECT_EQ(icon->width(), large ? 32 : 16);
        EXPECT_EQ(icon->height(), large ? 32 : 16);
    }
    EXPECT_TRUE(platform->systemIcon("report.pdf", false).has_value());
    EXPECT_FALSE(platform->systemIcon("", false).has_value());
}

TEST_F(GtkPlatformTest, FetchingFailsQuietlyForLocalFilesAndUnreachableAddresses) {
    int failures = 0;
    platform->fetchUrl("file:///etc/hostname", [&](auto bytes) { failures += !bytes; });
    EXPECT_EQ(failures, 1) << "local files are never read for a markup text";
    platform->fetchUrl("http://127.0.0.1:9/picture.png", [&](auto bytes) { failures += !bytes; });
    for (int i = 0; i < 500 && failures < 2; ++i) {
        platform->processPendingEvents();
        g_usleep(10'000);
    }
    EXPECT_EQ(failures, 2);
}

}  // namespace
}  // namespace sk::platform
