// The application: its title, its main form and the message loop. Every
// exception that leaves an event handler (input, timers, create and show
// handlers) is caught here and shown in the error box: a modal message box
// captioned with the title, with the error icon and one OK button; the
// program goes on.
#pragma once

#include <exception>
#include <functional>
#include <string>
#include <vector>

namespace sk::ui {

class Form;

class Application {
public:
    static Application& instance();

    const std::string& Title() const { return m_title; }
    void SetTitle(const std::string& title) { m_title = title; }

    Form* MainForm() const { return m_mainForm; }
    // The first form created becomes the main form unless one is set.
    void SetMainForm(Form* form) { m_mainForm = form; }

    // Shows the main form and runs the message loop until it closes.
    void Run();
    // Called by a form when it closes; closing the main form ends the loop.
    void formClosed(Form* form);
    bool terminated() const { return m_terminated; }

    // Runs an event handler: exceptions are shown in the error box, then
    // every form paints what the handler made dirty.
    void runEvent(const std::function<void()>& handler);
    void handleException(std::exception_ptr error);
    void showException(const std::string& message);
    // The text of the error box for an exception message: "." appended when the
    // message is not empty and its last character comes after "." in character order.
    static std::string errorBoxText(const std::string& message);

    // Paints the dirty areas of every form.
    void paintPending();

    // Internal: forms register themselves.
    void addForm(Form* form);
    void removeForm(Form* form);
    const std::vector<Form*>& forms() const { return m_forms; }

private:
    Application() = default;
    std::string m_title;
    Form* m_mainForm = nullptr;
    std::vector<Form*> m_forms;
    bool m_terminated = false;
    int m_eventDepth = 0;
};

}  // namespace sk::ui
