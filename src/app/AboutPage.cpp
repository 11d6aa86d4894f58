// The about page: its controls and the link to the maker's web site.
#include "app/AboutPage.h"

#include "platform/Platform.h"

namespace sk::app {

void AboutPage::registerHandlers() {
    m_form.registerHandler("Label7Click", ui::TNotifyEvent([this](ui::Component* s) { Label7Click(s); }));
}

void AboutPage::bindControls() {
    AdvSmoothPanel4 = m_form.field<smooth::TAdvSmoothPanel>("AdvSmoothPanel4");
    Label6 = m_form.field<ui::TLabel>("Label6");
    Label7 = m_form.field<ui::TLabel>("Label7");
    Edit2 = m_form.field<ui::TEdit>("Edit2");
}

void AboutPage::Label7Click(ui::Component*) {
    (void)platform::currentPlatform().openUrl(kMakerWebAddress);
}

}  // namespace sk::app
