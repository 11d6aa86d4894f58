// The application object, the error box and the message loop.
#include "ui/Application.h"

#include <algorithm>

#include "platform/Platform.h"
#include "ui/Form.h"
#include "ui/Utf8.h"

namespace sk::ui {

Application& Application::instance() {
    static Application application;
    return application;
}

void Application::Run() {
    m_terminated = false;
    if (!m_mainForm && !m_forms.empty()) m_mainForm = m_forms.front();
    if (!m_mainForm) return;
    runEvent([this] { m_mainForm->show(); });
    if (m_terminated) return;
    platform::currentPlatform().run();
}

void Application::formClosed(Form* form) {
    if (form == m_mainForm && !m_terminated) {
        m_terminated = true;
        platform::currentPlatform().quit();
    }
}

void Application::runEvent(const std::function<void()>& handler) {
    ++m_eventDepth;
    try {
        handler();
    } catch (...) {
        handleException(std::current_exception());
    }
    --m_eventDepth;
    if (m_eventDepth == 0) paintPending();
}

void Application::handleException(std::exception_ptr error) {
    try {
        std::rethrow_exception(error);
    } catch (const std::exception& e) {
        showException(e.what());
    } catch (...) {
        showException("Unknown error");
    }
}

void Application::showException(const std::string& message) {
    platform::NativeWindow* owner = nullptr;
    if (m_mainForm) owner = m_mainForm->nativeWindow();
    // The box is modal; what the failed handler left dirty is painted first so
    // that the window shows its state at the point of failure.
    paintPending();
    platform::currentPlatform().messageBox(m_title, errorBoxText(message), platform::MessageIcon::Error,
                                           owner);
}

std::string Application::errorBoxText(const std::string& message) {
    if (message.empty()) return message;
    // The last character as a code point, compared with '.'.
    const char32_t last = decodeUtf8(message).back();
    return last > U'.' ? message + "." : message;
}

void Application::paintPending() {
    for (Form* form : std::vector<Form*>(m_forms))
        if (form->hasDirtyAreas()) form->paintPending();
}

void Application::addForm(Form* form) {
    m_forms.push_back(form);
    if (!m_mainForm) m_mainForm = form;
}

void Application::removeForm(Form* form) {
    m_forms.erase(std::remove(m_forms.begin(), m_forms.end(), form), m_forms.end());
    if (m_mainForm == form) m_mainForm = nullptr;
}

}  // namespace sk::ui
