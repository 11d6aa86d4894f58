#include "platform/headless/HeadlessPlatform.h"

#include <algorithm>
#include <memory>
#include <stdexcept>

namespace sk::platform {

// Takes the keyboard focus from the active window while a modal box or dialog
// is open and gives it back afterwards, as the real window system does.
class HeadlessPlatform::ModalSession {
public:
    explicit ModalSession(HeadlessPlatform& platform) : m_platform(platform) {
        m_platform.m_restoreStack.push_back(m_platform.m_active);
        m_platform.setActive(nullptr);
        ++m_platform.m_modalDepth;
    }
    ~ModalSession() {
        --m_platform.m_modalDepth;
        HeadlessWindow* previous = m_platform.m_restoreStack.back();
        m_platform.m_restoreStack.pop_back();
        if (previous && previous->visible()) m_platform.setActive(previous);
    }
    ModalSession(const ModalSession&) = delete;
    ModalSession& operator=(const ModalSession&) = delete;

private:
    HeadlessPlatform& m_platform;
};

HeadlessPlatform::HeadlessPlatform() = default;

HeadlessPlatform::~HeadlessPlatform() {
    for (auto* window : m_windows) window->detachFromPlatform();
}

std::unique_ptr<NativeWindow> HeadlessPlatform::createWindow(const WindowOptions& options) {
    return std::make_unique<HeadlessWindow>(this, options);
}

// ---- Event loop and virtual clock ----

void HeadlessPlatform::run() {
    if (m_advancing) throw std::logic_error("run called from inside a timer callback");
    const std::uint64_t limit = m_now + m_runLimitMs;
    m_advancing = true;
    try {
        while (!m_quitRequested) {
            auto next = nextDueTimer();
            if (next == m_timers.end() || next->second.dueMs > limit) break;
            fire(next);
        }
    } catch (...) {
        m_advancing = false;
        m_quitRequested = false;
        throw;
    }
    m_advancing = false;
    m_quitRequested = false;
}

void HeadlessPlatform::quit() {
    m_quitRequested = true;
}

TimerId HeadlessPlatform::startTimer(int intervalMs, std::function<void()> callback) {
    const TimerId id = m_nextTimerId++;
    Timer timer;
    timer.intervalMs = std::max(1, intervalMs);
    timer.dueMs = m_now + static_cast<std::uint64_t>(timer.intervalMs);
    timer.sequence = m_nextSequence++;
    timer.callback = std::make_shared<std::function<void()>>(std::move(callback));
    m_timers.emplace(id, std::move(timer));
    return id;
}

void HeadlessPlatform::stopTimer(TimerId id) {
    m_timers.erase(id);
}

std::optional<int> HeadlessPlatform::timerInterval(TimerId id) const {
    const auto it = m_timers.find(id);
    if (it == m_timers.end()) return std::nullopt;
    return it->second.intervalMs;
}

std::map<TimerId, HeadlessPlatform::Timer>::iterator HeadlessPlatform::nextDueTimer() {
    return std::min_element(m_timers.begin(), m_timers.end(), [](const auto& a, const auto& b) {
        if (a.second.dueMs != b.second.dueMs) return a.second.dueMs < b.second.dueMs;
        return a.second.sequence < b.second.sequence;
    });
}

void HeadlessPlatform::fire(std::map<TimerId, Timer>::iterator timer) {
    m_now = std::max(m_now, timer->second.dueMs);
    // Re-armed before the call, so that the callback sees a running timer and a
    // callback that stops (and so destroys) it does not pull the function away
    // from under itself: it runs from its own reference.
    timer->second.dueMs = m_now + static_cast<std::uint64_t>(timer->second.intervalMs);
    timer->second.sequence = m_nextSequence++;
    const auto callback = timer->second.callback;
    (*callback)();
}

void HeadlessPlatform::advanceClock(std::uint64_t ms) {
    if (m_advancing) throw std::logic_error("advanceClock called from inside a timer callback");
    m_advancing = true;
    const std::uint64_t target = m_now + ms;
    try {
        while (true) {
            auto next = nextDueTimer();
            if (next == m_timers.end() || next->second.dueMs > target) break;
            fire(next);
        }
    } catch (...) {
        m_advancing = false;
        throw;
    }
    m_advancing = false;
    m_now = target;
}

bool HeadlessPlatform::fireNextTimer() {
    if (m_advancing) throw std::logic_error("fireNextTimer called from inside a timer callback");
    auto next = nextDueTimer();
    if (next == m_timers.end()) return false;
    m_advancing = true;
    try {
        fire(next);
    } catch (...) {
        m_advancing = false;
        throw;
    }
    m_advancing = false;
    return true;
}

// ---- Windows ----

void HeadlessPlatform::addWindow(HeadlessWindow* window) {
    m_windows.push_back(window);
}

void HeadlessPlatform::removeWindow(HeadlessWindow* window) {
    m_windows.erase(std::remove(m_windows.begin(), m_windows.end(), window), m_windows.end());
    if (m_active == window) m_active = nullptr;
    for (auto*& saved : m_restoreStack)
        if (saved == window) saved = nullptr;
}

void HeadlessPlatform::setActive(HeadlessWindow* window) {
    if (window == m_active) return;
    HeadlessWindow* previous = m_active;
    m_active = window;
    if (previous) previous->notifyActive(false);
    // The previous window's client may have activated another one meanwhile.
    if (window && m_active == window) window->notifyActive(true);
}

HeadlessWindow* HeadlessPlatform::mainWindow() const {
    for (auto* window : m_windows)
        if (window->kind() == WindowKind::Main && window->visible()) return window;
    return nullptr;
}

std::vector<HeadlessWindow*> HeadlessPlatform::visiblePopups() const {
    std::vector<HeadlessWindow*> popups;
    for (auto* window : m_windows)
        if (window->kind() == WindowKind::Popup && window->visible()) popups.push_back(window);
    return popups;
}

// ---- Modal boxes and dialogs ----

void HeadlessPlatform::messageBox(const std::string& caption, const std::string& text, MessageIcon icon,
                                  NativeWindow* owner) {
    m_messageBoxes.push_back(MessageBoxCall{caption, text, icon, owner});
    const MessageBoxCall call = m_messageBoxes.back();
    ModalSession session(*this);
    if (m_messageBoxHandler) m_messageBoxHandler(call);
}

std::optional<FileDialogResult> HeadlessPlatform::fileDialog(const FileDialogRequest& request) {
    const std::size_t record = m_fileDialogs.size();
    m_fileDialogs.push_back(FileDialogCall{request, std::nullopt});
    ModalSession session(*this);

    FileDialogAnswer answer;
    if (!m_fileDialogAnswers.empty()) {
        answer = std::move(m_fileDialogAnswers.front());
        m_fileDialogAnswers.pop_front();
    } else if (m_fileDialogHandler) {
        answer = m_fileDialogHandler(request);
    }
    if (!answer.fileName || answer.fileName->empty()) return std::nullopt;

    const std::size_t filterCount = parseFileFilter(request.filter).size();
    FileDialogResult result;
    result.fileName = withDefaultExtension(*answer.fileName, request.defaultExtension);
    result.filterIndex =
        answer.filterIndex > 0 ? answer.filterIndex : effectiveFilterIndex(request.filterIndex, filterCount);
    m_fileDialogs[record].result = result;
    return result;
}

bool HeadlessPlatform::openUrl(const std::string& url) {
    m_openedUrls.push_back(url);
    return m_openUrlResult;
}

std::optional<drawing::Bitmap> HeadlessPlatform::systemIcon(const std::string& fileNameOrType, bool large) {
    m_iconRequests.push_back(fileNameOrType);
    const auto icon = m_systemIcons.find({fileNameOrType, large});
    if (icon == m_systemIcons.end()) return std::nullopt;
    return icon->second;
}

void HeadlessPlatform::setSystemIcon(const std::string& fileNameOrType, bool large, drawing::Bitmap icon) {
    m_systemIcons[{fileNameOrType, large}] = std::move(icon);
}

void HeadlessPlatform::fetchUrl(const std::string& url, FetchDone done) {
    m_fetchedUrls.push_back(url);
    m_pendingFetches.push_back(std::move(done));
}

void HeadlessPlatform::completeFetch(std::size_t index, std::optional<std::vector<unsigned char>> bytes) {
    if (index >= m_pendingFetches.size() || !m_pendingFetches[index]) return;
    FetchDone done = std::move(m_pendingFetches[index]);
    m_pendingFetches[index] = nullptr;
    done(std::move(bytes));
}

drawing::Rect HeadlessPlatform::workAreaAt(drawing::Point p) const {
    // Squared distance from the point to the area; 0 inside it.
    auto distance = [p](const drawing::Rect& r) {
        const long long dx = std::max({r.left - p.x, p.x - (r.right() - 1), 0});
        const long long dy = std::max({r.top - p.y, p.y - (r.bottom() - 1), 0});
        return dx * dx + dy * dy;
    };
    drawing::Rect best = m_workArea;  // ties go to the main window's monitor
    for (const drawing::Rect& area : m_otherWorkAreas)
        if (distance(area) < distance(best)) best = area;
    return best;
}

void HeadlessPlatform::clearRecords() {
    m_messageBoxes.clear();
    m_fileDialogs.clear();
    m_openedUrls.clear();
    m_beeps = 0;
}

}  // namespace sk::platform
