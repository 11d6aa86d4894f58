#include "platform/gtk/GtkPlatform.h"

#include <gtk/gtk.h>

#include <algorithm>
#include <cctype>
#include <stdexcept>

#include "platform/ProcessLauncher.h"
#include "platform/gtk/GtkDesktopServices.h"
#include "platform/gtk/GtkFileDialog.h"
#include "platform/gtk/GtkNativeWindow.h"
#include "platform/gtk/GtkText.h"

namespace sk::platform {

struct GtkPlatform::Timer {
    GtkPlatform* platform = nullptr;
    TimerId id = 0;
    guint source = 0;
    std::function<void()> callback;
};

std::unique_ptr<Platform> createGtkPlatform(int& argc, char**& argv, const DesktopIdentity& identity) {
    return std::make_unique<GtkPlatform>(argc, argv, identity);
}

GtkPlatform::GtkPlatform(int& argc, char**& argv, const DesktopIdentity& identity) {
    // The program name must be set before the display is opened, the class after:
    // opening the display derives a class from the program name.
    if (!identity.programName.empty()) g_set_prgname(identity.programName.c_str());
    if (!gtk_init_check(&argc, &argv)) throw std::runtime_error("Cannot open the display");
    if (!identity.windowClass.empty()) gdk_set_program_class(identity.windowClass.c_str());
    m_startUs = g_get_monotonic_time();
}

GtkPlatform::~GtkPlatform() {
    for (auto& [id, timer] : m_timers) g_source_remove(timer->source);
    m_timers.clear();
    for (auto& [shape, cursor] : m_cursors)
        if (cursor) g_object_unref(cursor);
    for (auto* window : m_windows) window->detachFromPlatform();
    // Leaves text this program put on the clipboard with a clipboard manager, if one runs.
    gtk_clipboard_store(gtk_clipboard_get(GDK_SELECTION_CLIPBOARD));
}

std::unique_ptr<NativeWindow> GtkPlatform::createWindow(const WindowOptions& options) {
    return std::make_unique<GtkNativeWindow>(this, options);
}

// ---- Event loop ----

void GtkPlatform::run() {
    if (m_quitRequested) {
        m_quitRequested = false;
        return;
    }
    GMainLoop* outer = m_loop;
    m_loop = g_main_loop_new(nullptr, FALSE);
    g_main_loop_run(m_loop);
    g_main_loop_unref(m_loop);
    m_loop = outer;
    m_quitRequested = false;
}

void GtkPlatform::quit() {
    if (m_loop)
        g_main_loop_quit(m_loop);
    else
        m_quitRequested = true;
}

void GtkPlatform::processPendingEvents() {
    for (int i = 0; i < 1000 && g_main_context_pending(nullptr); ++i)
        g_main_context_iteration(nullptr, FALSE);
}

bool GtkPlatform::runUntil(const std::function<bool()>& done, int timeoutMs) {
    const std::int64_t deadline = g_get_monotonic_time() + std::int64_t{timeoutMs} * 1000;
    while (!done()) {
        if (g_get_monotonic_time() > deadline) return false;
        if (!g_main_context_iteration(nullptr, FALSE)) g_usleep(2000);
    }
    return true;
}

// ---- Waiting while busy ----

namespace {

// What a user does to a window; dropped while the program waits. Painting, size
// and visibility changes, the focus bookkeeping of the toolkit and the
// clipboard's traffic go on.
bool isUserInput(GdkEventType type) {
    switch (type) {
        case GDK_MOTION_NOTIFY:
        case GDK_BUTTON_PRESS:
        case GDK_2BUTTON_PRESS:
        case GDK_3BUTTON_PRESS:
        case GDK_BUTTON_RELEASE:
        case GDK_KEY_PRESS:
        case GDK_KEY_RELEASE:
        case GDK_ENTER_NOTIFY:
        case GDK_LEAVE_NOTIFY:
        case GDK_FOCUS_CHANGE:
        case GDK_DELETE:
        case GDK_SCROLL:
        case GDK_TOUCH_BEGIN:
        case GDK_TOUCH_UPDATE:
        case GDK_TOUCH_END:
        case GDK_TOUCH_CANCEL:
        case GDK_TOUCHPAD_SWIPE:
        case GDK_TOUCHPAD_PINCH:
        case GDK_PROXIMITY_IN:
        case GDK_PROXIMITY_OUT:
        case GDK_DRAG_ENTER:
        case GDK_DRAG_LEAVE:
        case GDK_DRAG_MOTION:
        case GDK_DROP_START:
            return true;
        default:
            return false;
    }
}

void dispatchAllButUserInput(GdkEvent* event, gpointer) {
    if (!isUserInput(event->type)) gtk_main_do_event(event);
}

// The toolkit's own handler, which the wait replaces for its duration.
void dispatchEverything(GdkEvent* event, gpointer) {
    gtk_main_do_event(event);
}

}  // namespace

void GtkPlatform::waitWhileBusy(const std::function<bool()>& finished) {
    m_busy = true;
    for (auto* window : m_windows) window->showBusy(true);
    gdk_event_handler_set(&dispatchAllButUserInput, nullptr, nullptr);
    while (!finished()) {
        if (!g_main_context_iteration(nullptr, FALSE)) g_usleep(5000);
    }
    // Input that reached the display during the wait is dropped with the rest,
    // not handled the moment the wait is over.
    gdk_display_sync(gdk_display_get_default());
    processPendingEvents();
    gdk_event_handler_set(&dispatchEverything, nullptr, nullptr);
    for (auto* window : m_windows) window->showBusy(false);
    m_busy = false;
}

// ---- Timers ----

int GtkPlatform::timerTick(void* data) {
    const auto* timer = static_cast<const Timer*>(data);
    GtkPlatform* platform = timer->platform;
    const TimerId id = timer->id;
    const auto it = platform->m_timers.find(id);
    if (it == platform->m_timers.end()) return G_SOURCE_REMOVE;
    // Held here, so that a callback that stops its own timer does not destroy
    // the function it is running.
    const std::shared_ptr<Timer> keep = it->second;
    // While the program waits for a tool no handler runs; the tick is skipped.
    if (platform->m_busy) return G_SOURCE_CONTINUE;
    try {
        keep->callback();
    } catch (...) {
        platform->handleException(std::current_exception());
    }
    const auto again = platform->m_timers.find(id);
    return again != platform->m_timers.end() && again->second == keep ? G_SOURCE_CONTINUE : G_SOURCE_REMOVE;
}

TimerId GtkPlatform::startTimer(int intervalMs, std::function<void()> callback) {
    auto timer = std::make_shared<Timer>();
    timer->platform = this;
    timer->id = m_nextTimerId++;
    timer->callback = std::move(callback);
    timer->source =
        g_timeout_add(static_cast<guint>(std::max(1, intervalMs)), &GtkPlatform::timerTick, timer.get());
    m_timers.emplace(timer->id, timer);
    return timer->id;
}

void GtkPlatform::stopTimer(TimerId id) {
    const auto it = m_timers.find(id);
    if (it == m_timers.end()) return;
    g_source_remove(it->second->source);
    m_timers.erase(it);
}

std::uint64_t GtkPlatform::nowMs() const {
    return static_cast<std::uint64_t>((g_get_monotonic_time() - m_startUs) / 1000);
}

// ---- Windows ----

void GtkPlatform::windowCreated(GtkNativeWindow* window) {
    m_windows.push_back(window);
}

void GtkPlatform::windowDestroyed(GtkNativeWindow* window) {
    m_windows.erase(std::remove(m_windows.begin(), m_windows.end(), window), m_windows.end());
    if (m_active == window) m_active = nullptr;
}

void GtkPlatform::windowActivated(GtkNativeWindow* window, bool active) {
    if (active)
        m_active = window;
    else if (m_active == window)
        m_active = nullptr;
}

GtkWindow* GtkPlatform::dialogParent(NativeWindow* owner) const {
    if (auto* window = dynamic_cast<GtkNativeWindow*>(owner); window && window->kind() == WindowKind::Main)
        return window->gtkWindow();
    if (m_active) return m_active->gtkWindow();
    for (auto* window : m_windows)
        if (window->kind() == WindowKind::Main && window->visible()) return window->gtkWindow();
    return nullptr;
}

GdkCursor* GtkPlatform::cursor(CursorShape shape) {
    if (const auto it = m_cursors.find(shape); it != m_cursors.end()) return it->second;
    const char* name = "default";
    GdkCursorType fallback = GDK_LEFT_PTR;
    switch (shape) {
        case CursorShape::Arrow:
            name = "default";
            fallback = GDK_LEFT_PTR;
            break;
        case CursorShape::Hand:
            name = "pointer";
            fallback = GDK_HAND2;
            break;
        case CursorShape::IBeam:
            name = "text";
            fallback = GDK_XTERM;
            break;
        case CursorShape::SizeWE:
            name = "ew-resize";
            fallback = GDK_SB_H_DOUBLE_ARROW;
            break;
        case CursorShape::SizeNS:
            name = "ns-resize";
            fallback = GDK_SB_V_DOUBLE_ARROW;
            break;
        case CursorShape::Wait:
            name = "wait";
            fallback = GDK_WATCH;
            break;
    }
    GdkDisplay* display = gdk_display_get_default();
    GdkCursor* cursor = gdk_cursor_new_from_name(display, name);
    if (!cursor) cursor = gdk_cursor_new_for_display(display, fallback);
    m_cursors[shape] = cursor;
    return cursor;
}

// ---- Modal boxes and dialogs ----

namespace {

// Gives the keyboard focus back to the window that had it before a modal box.
class FocusKeeper {
public:
    explicit FocusKeeper(GtkWindow* window) : m_window(window) {
        if (m_window) g_object_add_weak_pointer(G_OBJECT(m_window), reinterpret_cast<gpointer*>(&m_window));
    }
    ~FocusKeeper() {
        if (!m_window) return;
        g_object_remove_weak_pointer(G_OBJECT(m_window), reinterpret_cast<gpointer*>(&m_window));
        if (gtk_widget_get_visible(GTK_WIDGET(m_window))) gtk_window_present(m_window);
    }
    FocusKeeper(const FocusKeeper&) = delete;
    FocusKeeper& operator=(const FocusKeeper&) = delete;

private:
    GtkWindow* m_window;
};

GtkMessageType messageType(MessageIcon icon) {
    switch (icon) {
        case MessageIcon::None:
            return GTK_MESSAGE_OTHER;
        case MessageIcon::Information:
            return GTK_MESSAGE_INFO;
        case MessageIcon::Warning:
            return GTK_MESSAGE_WARNING;
        case MessageIcon::Error:
            return GTK_MESSAGE_ERROR;
        case MessageIcon::Question:
            return GTK_MESSAGE_QUESTION;
    }
    return GTK_MESSAGE_OTHER;
}

}  // namespace

void GtkPlatform::messageBox(const std::string& caption, const std::string& text, MessageIcon icon,
                             NativeWindow* owner) {
    GtkWindow* parent = dialogParent(owner);
    FocusKeeper focus(m_active ? m_active->gtkWindow() : parent);
    GtkWidget* box = gtk_message_dialog_new(
        parent, static_cast<GtkDialogFlags>(GTK_DIALOG_MODAL | GTK_DIALOG_DESTROY_WITH_PARENT),
        messageType(icon), GTK_BUTTONS_OK, "%s", displayableText(text).c_str());
    gtk_window_set_title(GTK_WINDOW(box), displayableText(caption).c_str());
    if (!parent) gtk_window_set_position(GTK_WINDOW(box), GTK_WIN_POS_CENTER);
    // gtk_dialog_run makes the box modal: no other window of the program takes
    // input until it closes; timers and painting go on meanwhile.
    gtk_dialog_run(GTK_DIALOG(box));
    gtk_widget_destroy(box);
}

std::optional<FileDialogResult> GtkPlatform::fileDialog(const FileDialogRequest& request) {
    GtkWindow* parent = dialogParent(request.owner);
    FocusKeeper focus(m_active ? m_active->gtkWindow() : parent);
    return runFileChooser(createFileChooser(parent, request), request);
}

// ---- Clipboard, shell, beep, screen ----

std::string GtkPlatform::clipboardText() {
    // Waits for the owner of the clipboard to answer; events are handled meanwhile.
    gchar* text = gtk_clipboard_wait_for_text(gtk_clipboard_get(GDK_SELECTION_CLIPBOARD));
    if (!text) return {};
    std::string result(text);
    g_free(text);
    return result;
}

void GtkPlatform::setClipboardText(const std::string& text) {
    gtk_clipboard_set_text(gtk_clipboard_get(GDK_SELECTION_CLIPBOARD), text.data(),
                           static_cast<gint>(text.size()));
}

std::optional<drawing::Bitmap> GtkPlatform::systemIcon(const std::string& fileNameOrType, bool large) {
    return themedFileIcon(fileNameOrType, large);
}

void GtkPlatform::fetchUrl(const std::string& url, FetchDone done) {
    fetchUriBytes(url, std::move(done));
}

bool GtkPlatform::openUrl(const std::string& url) {
    std::string uri = url;
    uri.erase(0, uri.find_first_not_of(" \t"));
    uri.erase(uri.find_last_not_of(" \t") + 1);
    if (uri.empty()) return false;
    std::string lower = uri;
    std::transform(lower.begin(), lower.end(), lower.begin(),
                   [](unsigned char c) { return std::tolower(c); });
    // The shell of the classic system opens "www.host" and "name@host" too.
    if (lower.find("://") == std::string::npos && lower.rfind("mailto:", 0) != 0) {
        if (lower.rfind("www.", 0) == 0)
            uri = "http://" + uri;
        else if (uri.find('@') != std::string::npos && uri.find(':') == std::string::npos)
            uri = "mailto:" + uri;
    }
    // Web and mail addresses go to the desktop's own opener, which knows the user's
    // browser and mail program even where GIO has no handler for the scheme. It is
    // started detached, so that a browser it runs in the foreground never blocks us.
    std::string scheme = uri.substr(0, uri.find(':'));
    std::transform(scheme.begin(), scheme.end(), scheme.begin(), [](unsigned char c) { return std::tolower(c); });
    if (scheme == "http" || scheme == "https" || scheme == "mailto") {
        const std::string opener = ProcessLauncher::findProgram("xdg-open");
        if (!opener.empty()) return ProcessLauncher::startDetached({opener, uri});
    }
    GError* error = nullptr;
    const gboolean opened =
        gtk_show_uri_on_window(dialogParent(nullptr), uri.c_str(), GDK_CURRENT_TIME, &error);
    if (error) g_error_free(error);
    return opened;
}

void GtkPlatform::beep() {
    gdk_display_beep(gdk_display_get_default());
}

drawing::Rect GtkPlatform::workArea() const {
    GdkDisplay* display = gdk_display_get_default();
    GdkMonitor* monitor = nullptr;
    if (GtkWindow* main = dialogParent(nullptr)) {
        if (GdkWindow* window = gtk_widget_get_window(GTK_WIDGET(main)))
            monitor = gdk_display_get_monitor_at_window(display, window);
    }
    if (!monitor) monitor = gdk_display_get_primary_monitor(display);
    if (!monitor) monitor = gdk_display_get_monitor(display, 0);
    if (!monitor) return {};
    GdkRectangle area{};
    gdk_monitor_get_workarea(monitor, &area);
    return {area.x, area.y, area.width, area.height};
}

int GtkPlatform::doubleClickTimeMs() const {
    gint time = 400;
    g_object_get(gtk_settings_get_default(), "gtk-double-click-time", &time, nullptr);
    return time;
}

}  // namespace sk::platform
