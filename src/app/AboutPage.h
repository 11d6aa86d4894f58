// The about page of the main window (AdvTabSheet3): the smooth panel with the
// description, the maker's lines and the link to the maker's web site. The
// page's one handler opens that site in the desktop's browser.
//
// Like the compilation page, it is a part of TForm1: its handler is registered
// before the description is read and its controls are bound afterwards.
#pragma once

#include "controls/smooth/AdvSmoothPanel.h"
#include "ui/Edit.h"
#include "ui/Form.h"
#include "ui/Label.h"

namespace sk::app {

class AboutPage {
public:
    // The maker of Slidekiln, as the about page and the settings page name it.
    static constexpr const char* kMakerName = "Студия Горностай";
    static constexpr const char* kMakerYears = "2009–2026";
    static constexpr const char* kMakerEmail = "info@gornostai.example";
    static constexpr const char* kMakerWebAddress = "https://gornostai.example/";

    explicit AboutPage(ui::Form& form) : m_form(form) {}
    AboutPage(const AboutPage&) = delete;
    AboutPage& operator=(const AboutPage&) = delete;

    void registerHandlers();
    void bindControls();

    // ---- Controls of the page ----
    smooth::TAdvSmoothPanel* AdvSmoothPanel4 = nullptr;
    ui::TLabel* Label6 = nullptr;
    ui::TLabel* Label7 = nullptr;
    ui::TEdit* Edit2 = nullptr;

    // ---- Handlers ----
    // The link: the maker's web site in the default browser. Whether a browser
    // opened is not looked at: there is nothing the user could do about it here.
    void Label7Click(ui::Component* sender);

private:
    ui::Form& m_form;
};

}  // namespace sk::app
