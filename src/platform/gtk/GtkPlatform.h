// The GTK 3 window-system backend: real windows on the desktop, GLib timers on
// the user-interface thread, GTK's message and file-chooser dialogs, the
// clipboard, the desktop's URL handler and the display's beep. Only this
// folder includes GTK headers; this header declares the backend with opaque
// types so that the program's start can create it.
#pragma once

#include <cstdint>
#include <functional>
#include <map>
#include <memory>
#include <string>
#include <vector>

#include "platform/Platform.h"

typedef struct _GMainLoop GMainLoop;
typedef struct _GdkCursor GdkCursor;
typedef struct _GtkWindow GtkWindow;

namespace sk::platform {

class GtkNativeWindow;

// How the desktop knows the program: the program name becomes the window's
// instance name (WM_CLASS on X11, the application id on Wayland) and the window
// class its class name, so that the desktop groups the windows with the
// program's menu entry. Empty names leave GTK's defaults.
struct DesktopIdentity {
    std::string programName;
    std::string windowClass;
};

class GtkPlatform : public Platform {
public:
    // Opens the display (gtk_init_check); throws std::runtime_error when there is none.
    GtkPlatform(int& argc, char**& argv, const DesktopIdentity& identity = {});
    ~GtkPlatform() override;
    GtkPlatform(const GtkPlatform&) = delete;
    GtkPlatform& operator=(const GtkPlatform&) = delete;

    std::unique_ptr<NativeWindow> createWindow(const WindowOptions& options) override;
    void run() override;
    void quit() override;
    TimerId startTimer(int intervalMs, std::function<void()> callback) override;
    void stopTimer(TimerId id) override;
    std::uint64_t nowMs() const override;
    void messageBox(const std::string& caption, const std::string& text, MessageIcon icon,
                    NativeWindow* owner) override;
    std::optional<FileDialogResult> fileDialog(const FileDialogRequest& request) override;
    std::string clipboardText() override;
    void setClipboardText(const std::string& text) override;
    bool openUrl(const std::string& url) override;
    std::optional<drawing::Bitmap> systemIcon(const std::string& fileNameOrType, bool large) override;
    void fetchUrl(const std::string& url, FetchDone done) override;
    void beep() override;
    drawing::Rect workArea() const override;
    drawing::Rect workAreaAt(drawing::Point screenPoint) const override;
    int doubleClickTimeMs() const override;
    void waitWhileBusy(const std::function<bool()>& finished) override;

    // Handles the events that are waiting, without blocking.
    void processPendingEvents();
    // Runs the event loop until done() is true or timeoutMs have passed; true when done.
    bool runUntil(const std::function<bool()>& done, int timeoutMs);

    // ---- For the backend's windows ----
    GdkCursor* cursor(CursorShape shape);
    DoubleClickDetector& doubleClicks() { return m_doubleClicks; }
    void windowCreated(GtkNativeWindow* window);
    void windowDestroyed(GtkNativeWindow* window);
    void windowActivated(GtkNativeWindow* window, bool active);
    // The window to own a dialog: the given one, else the active main window, else any visible main window.
    GtkWindow* dialogParent(NativeWindow* owner) const;

private:
    struct Timer;
    static int timerTick(void* data);

    std::int64_t m_startUs = 0;
    GMainLoop* m_loop = nullptr;
    bool m_quitRequested = false;
    bool m_busy = false;  // inside waitWhileBusy(): timers are held back
    std::map<TimerId, std::shared_ptr<Timer>> m_timers;
    TimerId m_nextTimerId = 1;
    std::map<CursorShape, GdkCursor*> m_cursors;
    std::vector<GtkNativeWindow*> m_windows;
    GtkNativeWindow* m_active = nullptr;
    DoubleClickDetector m_doubleClicks;
};

// The program's way to the backend.
std::unique_ptr<Platform> createGtkPlatform(int& argc, char**& argv, const DesktopIdentity& identity = {});

}  // namespace sk::platform
