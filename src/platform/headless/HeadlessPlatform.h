// The headless window-system backend, for tests, benchmarks and the screenshot
// tool: windows are memory images, time is a virtual clock that the caller
// advances, message boxes and file dialogs answer from a script and record
// every call, and the clipboard, the shell and the beep are kept in memory.
#pragma once

#include <deque>
#include <functional>
#include <map>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "platform/Platform.h"
#include "platform/headless/HeadlessWindow.h"

namespace sk::platform {

class HeadlessPlatform : public Platform {
public:
    struct MessageBoxCall {
        std::string caption;
        std::string text;
        MessageIcon icon = MessageIcon::None;
        NativeWindow* owner = nullptr;
    };

    struct FileDialogCall {
        FileDialogRequest request;
        std::optional<FileDialogResult> result;  // what the dialog returned
    };

    // A scripted answer: a name (as the user would type or pick it; the
    // default extension is applied as a real dialog does) or a cancel.
    struct FileDialogAnswer {
        std::optional<std::string> fileName;  // nothing: the user cancels
        int filterIndex = 0;                  // 0: the filter the dialog opened with stays selected
    };

    HeadlessPlatform();
    ~HeadlessPlatform() override;
    HeadlessPlatform(const HeadlessPlatform&) = delete;
    HeadlessPlatform& operator=(const HeadlessPlatform&) = delete;

    // ---- Platform ----
    std::unique_ptr<NativeWindow> createWindow(const WindowOptions& options) override;
    // Advances the virtual clock from one due timer to the next until quit() is
    // called, no timer is left, or runLimitMs() of virtual time have passed.
    void run() override;
    void quit() override;
    TimerId startTimer(int intervalMs, std::function<void()> callback) override;
    void stopTimer(TimerId id) override;
    std::uint64_t nowMs() const override { return m_now; }
    void messageBox(const std::string& caption, const std::string& text, MessageIcon icon,
                    NativeWindow* owner) override;
    std::optional<FileDialogResult> fileDialog(const FileDialogRequest& request) override;
    std::string clipboardText() override { return m_clipboard; }
    void setClipboardText(const std::string& text) override { m_clipboard = text; }
    bool openUrl(const std::string& url) override;
    // System icons answer from setSystemIcon (nothing by default) and are recorded.
    std::optional<drawing::Bitmap> systemIcon(const std::string& fileNameOrType, bool large) override;
    // Fetches wait until the test completes them with completeFetch.
    void fetchUrl(const std::string& url, FetchDone done) override;
    void beep() override { ++m_beeps; }
    drawing::Rect workArea() const override { return m_workArea; }
    // The monitor whose work area holds the point, else the nearest one.
    drawing::Rect workAreaAt(drawing::Point screenPoint) const override;
    int doubleClickTimeMs() const override { return m_doubleClickTimeMs; }

    // ---- The virtual clock ----
    // Moves the clock forward by ms, firing every timer that falls due on the
    // way in time order (ties in the order the timers were started). A
    // repeating timer fires once per interval passed. The clock stands at each
    // timer's due time while its callback runs.
    void advanceClock(std::uint64_t ms);
    // Moves the clock to the next due timer and fires it; false when none is running.
    bool fireNextTimer();
    std::size_t timerCount() const { return m_timers.size(); }
    bool timerRunning(TimerId id) const { return m_timers.count(id) != 0; }
    std::optional<int> timerInterval(TimerId id) const;
    void setRunLimitMs(std::uint64_t ms) { m_runLimitMs = ms; }
    std::uint64_t runLimitMs() const { return m_runLimitMs; }
    bool quitRequested() const { return m_quitRequested; }

    // ---- Windows ----
    // Live windows in creation order.
    const std::vector<HeadlessWindow*>& windows() const { return m_windows; }
    HeadlessWindow* activeWindow() const { return m_active; }
    // The first visible main window, or nullptr.
    HeadlessWindow* mainWindow() const;
    // The visible popup windows, in creation order.
    std::vector<HeadlessWindow*> visiblePopups() const;
    // The work area of the monitor that shows the main window.
    void setWorkArea(const drawing::Rect& area) { m_workArea = area; }
    // Another monitor, known by its work area.
    void addMonitor(const drawing::Rect& workArea) { m_otherWorkAreas.push_back(workArea); }
    void setDoubleClickTimeMs(int ms) { m_doubleClickTimeMs = ms; }
    // True while a message box or a file dialog is open.
    bool modalOpen() const { return m_modalDepth > 0; }

    // ---- Message boxes ----
    const std::vector<MessageBoxCall>& messageBoxes() const { return m_messageBoxes; }
    // Called while a box is "open" (other windows disabled); the box closes when it returns.
    void setMessageBoxHandler(std::function<void(const MessageBoxCall&)> handler) {
        m_messageBoxHandler = std::move(handler);
    }

    // ---- File dialogs ----
    // Answers are used in order; with none queued the handler answers, and
    // without a handler the dialog is cancelled.
    void queueFileDialogAnswer(FileDialogAnswer answer) { m_fileDialogAnswers.push_back(std::move(answer)); }
    void acceptNextFileDialog(const std::string& fileName, int filterIndex = 0) {
        queueFileDialogAnswer({fileName, filterIndex});
    }
    void cancelNextFileDialog() { queueFileDialogAnswer({std::nullopt, 0}); }
    std::size_t queuedFileDialogAnswers() const { return m_fileDialogAnswers.size(); }
    void setFileDialogHandler(std::function<FileDialogAnswer(const FileDialogRequest&)> handler) {
        m_fileDialogHandler = std::move(handler);
    }
    const std::vector<FileDialogCall>& fileDialogs() const { return m_fileDialogs; }

    // ---- Shell, beep ----
    const std::vector<std::string>& openedUrls() const { return m_openedUrls; }
    void setSystemIcon(const std::string& fileNameOrType, bool large, drawing::Bitmap icon);
    const std::vector<std::string>& systemIconRequests() const { return m_iconRequests; }
    // The addresses fetched so far, in order, and the completion of the n-th fetch
    // (bytes, or nothing for a failure); each fetch completes once.
    const std::vector<std::string>& fetchedUrls() const { return m_fetchedUrls; }
    void completeFetch(std::size_t index, std::optional<std::vector<unsigned char>> bytes);
    void setOpenUrlResult(bool result) { m_openUrlResult = result; }
    int beepCount() const { return m_beeps; }

    // Forgets every recorded call (boxes, dialogs, URLs, beeps).
    void clearRecords();

private:
    friend class HeadlessWindow;

    struct Timer {
        int intervalMs = 1;
        std::uint64_t dueMs = 0;
        std::uint64_t sequence = 0;  // start order, breaks ties of equal due times
        std::shared_ptr<std::function<void()>> callback;
    };

    void addWindow(HeadlessWindow* window);
    void removeWindow(HeadlessWindow* window);
    void setActive(HeadlessWindow* window);
    std::map<TimerId, Timer>::iterator nextDueTimer();
    void fire(std::map<TimerId, Timer>::iterator timer);
    // Opens a modal session: takes the focus from the active window (as a real
    // box does) and gives it back at the end.
    class ModalSession;

    std::uint64_t m_now = 0;
    std::map<TimerId, Timer> m_timers;
    TimerId m_nextTimerId = 1;
    std::uint64_t m_nextSequence = 0;
    bool m_advancing = false;
    std::uint64_t m_runLimitMs = 60'000;
    bool m_quitRequested = false;

    std::vector<HeadlessWindow*> m_windows;
    HeadlessWindow* m_active = nullptr;
    drawing::Rect m_workArea{0, 0, 1280, 1024};
    std::vector<drawing::Rect> m_otherWorkAreas;
    int m_doubleClickTimeMs = 500;
    int m_modalDepth = 0;
    std::vector<HeadlessWindow*> m_restoreStack;  // the active windows to give the focus back to
    DoubleClickDetector m_doubleClicks;

    std::vector<MessageBoxCall> m_messageBoxes;
    std::function<void(const MessageBoxCall&)> m_messageBoxHandler;
    std::deque<FileDialogAnswer> m_fileDialogAnswers;
    std::function<FileDialogAnswer(const FileDialogRequest&)> m_fileDialogHandler;
    std::vector<FileDialogCall> m_fileDialogs;
    std::string m_clipboard;
    std::vector<std::string> m_openedUrls;
    std::map<std::pair<std::string, bool>, drawing::Bitmap> m_systemIcons;
    std::vector<std::string> m_iconRequests;
    std::vector<std::string> m_fetchedUrls;
    std::vector<FetchDone> m_pendingFetches;
    bool m_openUrlResult = true;
    int m_beeps = 0;
};

}  // namespace sk::platform
