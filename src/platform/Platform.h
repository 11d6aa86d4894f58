// The window system as the control framework uses it: windows, the event loop,
// timers, modal message boxes, the file dialogs, the clipboard, the shell and the
// error beep. Two backends implement it: gtk/ for real use and headless/ for
// tests, benchmarks and the screenshot tool.
#pragma once

#include <cstddef>
#include <cstdint>
#include <exception>
#include <functional>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "drawing/Bitmap.h"
#include "drawing/Geometry.h"
#include "platform/NativeWindow.h"

namespace sk::platform {

enum class MessageIcon { None, Information, Warning, Error, Question };

enum class FileDialogKind { Open, Save };

struct FileDialogRequest {
    FileDialogKind kind = FileDialogKind::Open;
    std::string title;            // empty: the platform's default title
    std::string initialFileName;  // may include a folder
    std::string initialFolder;
    std::string filter;   // "description|pattern;pattern|description|pattern..."
    int filterIndex = 1;  // 1-based, as the classic dialogs count; out of range (0 too) picks the first
    std::string defaultExtension;  // without the dot; appended when the typed name has none
    bool overwritePrompt = false;  // save: ask before replacing an existing file
    bool fileMustExist = false;  // open: only an existing file can be chosen; otherwise any name can be typed
    NativeWindow* owner = nullptr;
};

struct FileDialogResult {
    std::string fileName;  // the full path chosen, with the default extension applied
    int filterIndex =
        1;  // the filter in use when the dialog closed (the request's index when there is no filter)
};

// One entry of a dialog's filter list. An entry with a description but no
// pattern (a filter string with an odd number of parts) shows every file.
struct FileFilter {
    std::string description;
    std::vector<std::string> patterns;  // "*.ppt", "*.*"; trimmed, never empty strings
};

// Splits "description|pattern;pattern|description|pattern" into its entries.
std::vector<FileFilter> parseFileFilter(const std::string& filter);

// The 1-based filter index a dialog starts with: the requested one when it names
// an entry, else the first; with no entries the request is kept as it is.
int effectiveFilterIndex(int requested, std::size_t filterCount);

// Appends "." + extension when the file name (the part after the last "/") has
// no extension of its own. An empty extension leaves the name alone.
std::string withDefaultExtension(const std::string& path, const std::string& extension);

// True when a file name (not a path) matches a filter pattern with "*" and "?"
// wildcards, ignoring letter case as the classic dialogs do. "*.*" matches
// every name, also names without a dot.
bool matchesFilterPattern(const std::string& fileName, const std::string& pattern);

using TimerId = std::uint64_t;

class Platform {
public:
    virtual ~Platform() = default;

    virtual std::unique_ptr<NativeWindow> createWindow(const WindowOptions& options) = 0;

    // Runs the event loop until quit() is called. A quit() that comes before
    // run() makes the next run() return at once. The headless backend has no
    // events to wait for: its run() advances the virtual clock from timer to
    // timer until quit() or until no timer is left (HeadlessPlatform.h).
    virtual void run() = 0;
    virtual void quit() = 0;

    // Calls the callback every intervalMs milliseconds (at least 1) on the
    // user-interface thread until the timer is stopped. Stopping an unknown
    // timer does nothing; a timer stopped inside any callback never fires again.
    virtual TimerId startTimer(int intervalMs, std::function<void()> callback) = 0;
    virtual void stopTimer(TimerId id) = 0;
    virtual std::uint64_t nowMs() const = 0;  // a monotonic clock; virtual in the headless backend

    // Waits until finished() returns true, asking it every few milliseconds. The
    // windows go on showing what they last showed (uncovered parts are painted
    // again) with a busy cursor over them; input and close requests are dropped
    // and timers held back, so no handler of a window runs meanwhile. This base
    // version, for a platform without windows, only waits.
    virtual void waitWhileBusy(const std::function<bool()>& finished);

    // Modal: returns when the user has closed the box (one OK button). Other
    // windows are disabled meanwhile; the previous focus is restored afterwards.
    virtual void messageBox(const std::string& caption, const std::string& text, MessageIcon icon,
                            NativeWindow* owner) = 0;

    // Modal: the chosen file, or nothing when the user cancelled.
    virtual std::optional<FileDialogResult> fileDialog(const FileDialogRequest& request) = 0;

    virtual std::string clipboardText() = 0;
    virtual void setClipboardText(const std::string& text) = 0;

    // Opens a web or mail address with the desktop's default program; false when nothing could be started.
    virtual bool openUrl(const std::string& url) = 0;
    virtual void beep() = 0;

    // The desktop icon theme's icon for a file name or type ("report.pdf", ".txt",
    // "folder"): small is 16 x 16, large 32 x 32; nothing when the theme has none.
    virtual std::optional<drawing::Bitmap> systemIcon(const std::string& fileNameOrType, bool large);
    // Fetches the bytes behind a web address without blocking: `done` is called
    // later on the user-interface thread (or at once), with nothing when the
    // fetch failed. The base has no network and fails every fetch.
    using FetchDone = std::function<void(std::optional<std::vector<unsigned char>>)>;
    virtual void fetchUrl(const std::string& url, FetchDone done);

    virtual drawing::Rect workArea() const = 0;  // of the monitor that shows the main window
    // Of the monitor at a screen point (the nearest one when the point lies on none),
    // for pop-ups placed next to the pointer.
    virtual drawing::Rect workAreaAt(drawing::Point screenPoint) const = 0;
    virtual int doubleClickTimeMs() const { return 500; }

    // An exception that leaves a window client or a timer callback while a
    // real event loop runs cannot travel on through the toolkit's C code: the
    // backend hands it to this handler (the application shows it in its error
    // box) and goes on. Without a handler it is written to standard error.
    // The headless backend has no such boundary: exceptions reach the caller
    // of the injected event or of advanceClock().
    void setExceptionHandler(std::function<void(std::exception_ptr)> handler) {
        m_exceptionHandler = std::move(handler);
    }
    void handleException(std::exception_ptr exception) const;

private:
    std::function<void(std::exception_ptr)> m_exceptionHandler;
};

// The platform in use by this process. The program installs the GTK backend at
// start; tests install a headless one.
Platform& currentPlatform();
bool hasCurrentPlatform();

// Waits until finished() returns true, asking it every few milliseconds.
void waitUntil(const std::function<bool()>& finished);
void setCurrentPlatform(Platform* platform);

}  // namespace sk::platform
