// The window system as the control framework uses it: windows, the event loop,
// timers, modal message boxes, the file dialogs, the clipboard, the shell and the
// error beep. Two backends implement it: gtk/ for real use and headless/ for
// tests, benchmarks and the screenshot tool.
#pragma once

#include <cstdint>
#include <functional>
#include <memory>
#include <optional>
#include <string>

#include "drawing/Geometry.h"
#include "platform/NativeWindow.h"

namespace sk::platform {

enum class MessageIcon { None, Information, Warning, Error, Question };

enum class FileDialogKind { Open, Save };

struct FileDialogRequest {
    FileDialogKind kind = FileDialogKind::Open;
    std::string title;             // empty: the platform's default title
    std::string initialFileName;   // may include a folder
    std::string initialFolder;
    std::string filter;            // "description|pattern;pattern|description|pattern..."
    int filterIndex = 1;           // 1-based, as the classic dialogs count
    std::string defaultExtension;  // without the dot; appended when the typed name has none
    bool overwritePrompt = false;
    bool fileMustExist = false;
    NativeWindow* owner = nullptr;
};

struct FileDialogResult {
    std::string fileName;  // the full path chosen
    int filterIndex = 1;   // the filter in use when the dialog closed
};

using TimerId = std::uint64_t;

class Platform {
public:
    virtual ~Platform() = default;

    virtual std::unique_ptr<NativeWindow> createWindow(const WindowOptions& options) = 0;

    // Runs the event loop until quit() is called.
    virtual void run() = 0;
    virtual void quit() = 0;

    // Calls the callback every intervalMs milliseconds on the user-interface
    // thread until the timer is stopped. Stopping an unknown timer does nothing.
    virtual TimerId startTimer(int intervalMs, std::function<void()> callback) = 0;
    virtual void stopTimer(TimerId id) = 0;
    virtual std::uint64_t nowMs() const = 0;  // a monotonic clock; virtual in the headless backend

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

    virtual drawing::Rect workArea() const = 0;  // of the monitor that shows the main window
    virtual int doubleClickTimeMs() const { return 500; }
};

// The platform in use by this process. The program installs the GTK backend at
// start; tests install a headless one.
Platform& currentPlatform();
void setCurrentPlatform(Platform* platform);

}  // namespace sk::platform
